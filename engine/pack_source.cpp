#include "engine/pack_source.h"

#include "base/failure.h"
#include "base/messages.h"
#include "engine/map_copy.h"

namespace engine {

std::string PackFolder(const std::string& current_directory) {
  if (platform::IsFolder(MapSourcePath(current_directory, ""))) return current_directory;
  const std::string program_folder = platform::ProgramFolder();
  if (!program_folder.empty() && platform::IsFolder(MapSourcePath(program_folder, "")))
    return program_folder;
  return current_directory;
}

PackSources::PackSources(const std::string& pack_folder, const pack::MapCatalogue& catalogue) {
  for (const std::string& entry : catalogue.MapNames) {
    const std::string base = pack::BaseName(entry);
    for (const std::string* extension : {&pack::MapExt, &pack::TextExt, &pack::PreviewExt}) {
      const std::string name = base + *extension;
      platform::SourceFile source = OpenMapSource(pack_folder, name);
      if (source.State() != platform::Readability::Readable)
        Fail(FailureKind::PackIncomplete,
             platform::ProgramRunsFromTemporaryFolder() ? messages::kPackInsideArchive
                                                        : messages::kPackIncomplete,
             {MapSourcePath(pack_folder, ""), name});
      sizes_.emplace_back(name, source.Size());
      sources_.emplace(name, std::move(source));
    }
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
