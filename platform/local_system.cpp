#include "platform/local_system.h"

#include "base/paths.h"
#include "platform/append_file.h"

namespace platform {

std::string LocalSystem::ProgramFile() { return platform::ProgramFile(); }

bool LocalSystem::ProgramRunsFromTemporaryFolder() {
  return platform::ProgramRunsFromTemporaryFolder();
}

std::string LocalSystem::CurrentDirectory() { return platform::CurrentDirectory(); }

bool LocalSystem::NameFromUtf8(const std::string& utf8, std::string& name) {
  return platform::NameFromUtf8(utf8, name);
}

bool LocalSystem::IsFolder(const std::string& path) { return platform::IsFolder(path); }

bool LocalSystem::FreeRoom(const std::string& folder, std::uint64_t& bytes) {
  return platform::FreeRoom(folder, bytes);
}

SourceFile LocalSystem::OpenSource(const std::string& path) { return platform::OpenSource(path); }

SourceFile LocalSystem::OpenSourceNamedInWindows1252(const std::string& folder,
                                                     const std::string& file_name) {
  return platform::OpenSourceNamedInWindows1252(folder, file_name);
}

CopyOutcome LocalSystem::CopyFileReplacing(SourceFile source, const std::string& destination,
                                           std::string* copied) {
  if (source.State() == Readability::Readable && !MayWriteInto(destination))
    return CopyOutcome::NoFolder;
  return platform::CopyFileReplacing(std::move(source), destination, copied);
}

ReadOutcome LocalSystem::ReadWholeFile(const std::string& path, std::string& bytes,
                                       std::size_t headroom, std::size_t largest) {
  return platform::ReadWholeFile(path, bytes, headroom, largest);
}

WriteOutcome LocalSystem::WriteWholeFile(const std::string& path, const std::string& bytes) {
  if (!MayWriteInto(path)) return WriteOutcome::CannotCreate;
  return platform::WriteWholeFile(path, bytes, put_);
}

RemoveOutcome LocalSystem::RemoveFile(const std::string& path) {
  return platform::RemoveFile(path);
}

std::unique_ptr<Hold> LocalSystem::HoldFolders(const std::string& game_folder,
                                               const std::vector<FolderToWrite>& folders) {
  return std::make_unique<FolderHold>(game_folder, folders, live_hold_);
}

std::unique_ptr<Appendable> LocalSystem::OpenForAppending(const std::string& path,
                                                          AppendOpening& opening) {
  auto file = std::make_unique<AppendFile>(path);
  opening = file->Opening();
  if (opening != AppendOpening::Ok) file.reset();
  return file;
}

bool LocalSystem::MayWriteInto(const std::string& path) const {
  return live_hold_ == nullptr || live_hold_->Holds(FolderOf(path));
}

}  // namespace platform
