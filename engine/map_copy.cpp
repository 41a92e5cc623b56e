#include "engine/map_copy.h"

#include "platform/file_system.h"

namespace engine {

std::string MapSourcePath(const std::string& current_directory, const std::string& file_name) {
  return current_directory + "\\Maps\\" + file_name;
}

platform::Readability CheckMapSource(const std::string& current_directory,
                                     const std::string& file_name) {
  const std::string maps_folder = MapSourcePath(current_directory, "");
  const platform::Readability found = platform::CheckReadable(maps_folder + file_name);
  if (found != platform::Readability::Missing) return found;
  return platform::CheckReadableNamedInWindows1252(maps_folder, file_name);
}

bool CopyMapFile(const std::string& current_directory, const std::string& file_name,
                 const std::string& destination_path) {
  const std::string maps_folder = MapSourcePath(current_directory, "");
  const platform::CopyOutcome outcome =
      platform::CopyFileReplacing(maps_folder + file_name, destination_path);
  if (outcome != platform::CopyOutcome::SourceMissing) return outcome == platform::CopyOutcome::Ok;
  // Where the system's code page reads the umlaut's byte as another letter, the
  // game looks for that letter's name, but the pack's file keeps its own.
  return platform::CopyFileNamedInWindows1252(maps_folder, file_name, destination_path) ==
         platform::CopyOutcome::Ok;
}

}  // namespace engine
