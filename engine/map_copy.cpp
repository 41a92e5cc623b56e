#include "engine/map_copy.h"

namespace engine {

std::string MapSourcePath(const std::string& current_directory, const std::string& file_name) {
  return current_directory + "\\Maps\\" + file_name;
}

platform::SourceFile OpenMapSource(const std::string& current_directory,
                                   const std::string& file_name) {
  const std::string maps_folder = MapSourcePath(current_directory, "");
  platform::SourceFile source = platform::OpenSource(maps_folder + file_name);
  if (source.State() != platform::Readability::Missing) return source;
  // Where the system's code page reads the umlaut's byte as another letter, the
  // game looks for that letter's name, but the pack's file keeps its own.
  return platform::OpenSourceNamedInWindows1252(maps_folder, file_name);
}

bool CopyMapFile(platform::SourceFile source, const std::string& destination_path,
                 std::string* copied) {
  return platform::CopyFileReplacing(std::move(source), destination_path, copied) ==
         platform::CopyOutcome::Ok;
}

}  // namespace engine
