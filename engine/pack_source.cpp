#include "engine/pack_source.h"

#include "base/failure.h"
#include "base/messages.h"
#include "base/paths.h"
#include "engine/map_copy.h"

namespace engine {

std::string PackFolder(platform::System& system) {
  const std::string current_directory = system.CurrentDirectory();
  if (system.IsFolder(MapSourcePath(current_directory, ""))) return current_directory;
  std::string program_folder = FolderOf(system.ProgramFile());
  // "C:\" keeps its backslash, as a drive root's path does.
  if (program_folder.size() > 3) program_folder.pop_back();
  if (!program_folder.empty() && system.IsFolder(MapSourcePath(program_folder, "")))
    return program_folder;
  return current_directory;
}

PackSources::PackSources(platform::System& system, const std::string& pack_folder,
                         const pack::MapCatalogue& catalogue) {
  for (const std::string& name : pack::PackFileNames(catalogue)) {
    platform::SourceFile source = OpenMapSource(system, pack_folder, name);
    if (source.State() != platform::Readability::Readable)
      Fail(FailureKind::PackIncomplete,
           system.ProgramRunsFromTemporaryFolder() ? messages::kPackInsideArchive
                                                   : messages::kPackIncomplete,
           {MapSourcePath(pack_folder, ""), name});
    sizes_.emplace_back(name, source.Size());
    sources_.emplace(name, std::move(source));
  }
}

platform::SourceFile PackSources::Take(const std::string& file_name) {
  const auto found = sources_.find(file_name);
  if (found == sources_.end())
    return platform::SourceFile(platform::SourceFile::kNoHandle, platform::Readability::Missing);
  platform::SourceFile source = std::move(found->second);
  sources_.erase(found);
  return source;
}

}  // namespace engine
