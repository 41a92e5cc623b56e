#include "engine/map_copy.h"

#include "platform/file_system.h"

namespace engine {

std::string MapSourcePath(const std::string& current_directory, const std::string& file_name) {
  return current_directory + "\\Maps\\" + file_name;
}

void CopyMapFile(const std::string& current_directory, const std::string& file_name,
                 const std::string& destination_path) {
  platform::CopyFileReplacing(MapSourcePath(current_directory, file_name), destination_path);
}

}  // namespace engine
