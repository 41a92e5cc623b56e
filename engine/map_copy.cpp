#include "engine/map_copy.h"

#include "base/messages.h"

namespace engine {

std::string MapSourcePath(const std::string& current_directory, const std::string& file_name) {
  return current_directory + "\\Maps\\" + file_name;
}

platform::SourceFile OpenMapSource(platform::System& system, const std::string& current_directory,
                                   const std::string& file_name) {
  const std::string maps_folder = MapSourcePath(current_directory, "");
  platform::SourceFile source = system.OpenSource(maps_folder + file_name);
  if (source.State() != platform::Readability::Missing) return source;
  // Where the system's code page reads the umlaut's byte as another letter, the
  // game looks for that letter's name, but the pack's file keeps its own.
  return system.OpenSourceNamedInWindows1252(maps_folder, file_name);
}

const char* CopyFailureReason(platform::CopyOutcome outcome) {
  switch (outcome) {
    case platform::CopyOutcome::NoRoom:
      return messages::kCopyNoRoom;
    case platform::CopyOutcome::InUse:
      return messages::kCopyInUse;
    case platform::CopyOutcome::Refused:
      return messages::kCopyRefused;
    default:
      return messages::kCopyFailed;
  }
}

}  // namespace engine
