#include "engine/pack_source.h"

#include "base/failure.h"
#include "base/messages.h"
#include "engine/map_copy.h"
#include "platform/file_system.h"

namespace engine {

std::string PackFolder(const std::string& current_directory) {
  if (platform::IsFolder(MapSourcePath(current_directory, ""))) return current_directory;
  const std::string program_folder = platform::ProgramFolder();
  if (!program_folder.empty() && platform::IsFolder(MapSourcePath(program_folder, "")))
    return program_folder;
  return current_directory;
}

void CheckPackIsComplete(const std::string& pack_folder, const pack::MapCatalogue& catalogue) {
  for (const std::string& entry : catalogue.MapNames) {
    const std::string base = pack::BaseName(entry);
    for (const std::string* extension : {&pack::MapExt, &pack::TextExt, &pack::PreviewExt}) {
      if (CheckMapSource(pack_folder, base + *extension) == platform::Readability::Readable)
        continue;
      Fail(FailureKind::PackIncomplete,
           platform::ProgramRunsFromTemporaryFolder() ? messages::kPackInsideArchive
                                                      : messages::kPackIncomplete,
           {MapSourcePath(pack_folder, ""), base + *extension});
    }
  }
}

}  // namespace engine
