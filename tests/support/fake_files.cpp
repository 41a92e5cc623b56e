// The fake machine's files and folders, and the hold on an install's folders.

#include "tests/support/fake_names.h"
#include "tests/support/fake_system.h"

using fake::FolderKey;
using fake::Key;
using fake::Parent;
using platform::CopyOutcome;
using platform::Readability;
using platform::SourceFile;

namespace {

// Holds the folders it was given while it lives, as its machine's live hold.
class FakeHold : public platform::Hold {
 public:
  FakeHold(const std::vector<std::string>*& live) : live_(live) { live_ = &folders; }
  ~FakeHold() override {
    if (live_ == &folders) live_ = nullptr;
  }
  void Refuse(platform::HoldOutcome outcome, const std::string& what) {
    Hold::Refuse(outcome, what);
    folders.clear();
  }
  std::vector<std::string> folders;  // by name without case

 private:
  const std::vector<std::string>*& live_;
};

}  // namespace

// Adds to a file of its machine, as far as the drive has room.
class FakeSystem::Appender : public platform::Appendable {
 public:
  Appender(FakeSystem& machine, std::string path) : machine_(machine), path_(std::move(path)) {}
  bool Append(const std::string& bytes) override {
    return !machine_.Refuses("Append") && machine_.Store(path_, machine_.Content(path_) + bytes);
  }

 private:
  FakeSystem& machine_;
  std::string path_;
};

bool FakeSystem::IsHeld(const std::string& path) const {
  for (const std::string& name : held)
    if (Key(name) == Key(path)) return true;
  return false;
}

bool FakeSystem::IsLink(const std::string& path) const {
  return links_.count(FolderKey(path)) != 0;
}

bool FakeSystem::IsFolder(const std::string& path) { return IsPlainFolder(path) || IsLink(path); }

bool FakeSystem::IsPlainFolder(const std::string& path) {
  return folders_.count(FolderKey(path)) != 0;
}

bool FakeSystem::Exists(const std::string& path) {
  return IsFolder(path) || files_.count(Key(path)) != 0;
}

bool FakeSystem::MakeFolder(const std::string& path) {
  if (Refuses("MakeFolder") || Exists(path) || !IsPlainFolder(Parent(path))) return false;
  folders_[Key(path)] = path;
  return true;
}

bool FakeSystem::FileSize(const std::string& path, std::uint64_t& size) {
  const auto found = files_.find(Key(path));
  if (found == files_.end()) return false;
  size = found->second.size;
  return true;
}

bool FakeSystem::FreeRoom(const std::string&, std::uint64_t& bytes) {
  bytes = room;
  return true;
}

bool FakeSystem::NameFromUtf8(const std::string& utf8, std::string& name) {
  name = utf8;
  return true;
}

SourceFile FakeSystem::OpenSource(const std::string& path) {
  const auto found = files_.find(Key(path));
  if (found == files_.end())
    return SourceFile(SourceFile::kNoHandle,
                      IsFolder(path) ? Readability::Unreadable : Readability::Missing);
  if (IsHeld(path)) return SourceFile(SourceFile::kNoHandle, Readability::Unreadable);
  opened_.push_back(found->second);
  return SourceFile(static_cast<std::intptr_t>(opened_.size() - 1), Readability::Readable,
                    found->second.size);
}

// The fake names its files in one code page only.
SourceFile FakeSystem::OpenSourceNamedInWindows1252(const std::string&, const std::string&) {
  return SourceFile(SourceFile::kNoHandle, Readability::Missing);
}

bool FakeSystem::MayWriteInto(const std::string& path) const {
  const std::string folder = Parent(path);
  if (folders_.count(Key(folder)) == 0) return false;
  if (live_hold_ == nullptr) return true;
  for (const std::string& held_folder : *live_hold_)
    if (held_folder == Key(folder)) return true;
  return false;
}

bool FakeSystem::Store(const std::string& path, const std::string& bytes) {
  // The new content is whole beside the old one before it takes its place.
  if (bytes.size() > room) return false;
  const auto old = files_.find(Key(path));
  const std::uint64_t freed = old != files_.end() ? old->second.size : 0;
  room = room - bytes.size() + freed;
  files_[Key(path)] = File{path, bytes.size(), 2, bytes};
  return true;
}

CopyOutcome FakeSystem::CopyFileReplacing(SourceFile source, const std::string& destination,
                                          std::string* copied) {
  if (source.State() != Readability::Readable)
    return source.State() == Readability::Missing ? CopyOutcome::SourceMissing
                                                  : CopyOutcome::Failed;
  const File& from = opened_[static_cast<std::size_t>(source.Release())];
  if (!MayWriteInto(destination)) return CopyOutcome::NoFolder;
  if (IsHeld(destination)) return CopyOutcome::InUse;
  if (Refuses("CopyFileReplacing") || IsFolder(destination)) return CopyOutcome::Refused;
  if (!Store(destination, from.bytes)) return CopyOutcome::NoRoom;
  other_names.erase(Key(destination));  // the new file has no other name
  if (copied != nullptr) *copied = from.bytes;
  return CopyOutcome::Ok;
}

platform::ReadOutcome FakeSystem::ReadWholeFile(const std::string& path, std::string& bytes,
                                                std::size_t headroom, std::size_t largest) {
  const auto found = files_.find(Key(path));
  if (found == files_.end() || IsHeld(path)) return platform::ReadOutcome::CannotOpen;
  if (found->second.bytes.size() > largest) return platform::ReadOutcome::CannotRead;
  bytes.reserve(found->second.bytes.size() + headroom);
  bytes = found->second.bytes;
  return platform::ReadOutcome::Ok;
}

platform::WriteOutcome FakeSystem::WriteWholeFile(const std::string& path,
                                                  const std::string& bytes) {
  if (!MayWriteInto(path) || IsHeld(path) || IsFolder(path) || Refuses("WriteWholeFile"))
    return platform::WriteOutcome::CannotCreate;
  // A full disk stops the temporary's write; the list keeps its old content.
  return Store(path, bytes) ? platform::WriteOutcome::Ok : platform::WriteOutcome::ShortWrite;
}

platform::RemoveOutcome FakeSystem::RemoveFile(const std::string& path) {
  if (IsFolder(path) || other_names.count(Key(path)) != 0) return platform::RemoveOutcome::NotOurs;
  if (files_.count(Key(path)) == 0) return platform::RemoveOutcome::Missing;
  if (IsHeld(path) || Refuses("RemoveFile")) return platform::RemoveOutcome::Failed;
  room += files_[Key(path)].size;
  files_.erase(Key(path));
  return platform::RemoveOutcome::Removed;
}

std::unique_ptr<platform::Hold> FakeSystem::HoldFolders(
    const std::string& game_folder, const std::vector<platform::FolderToWrite>& folders) {
  auto hold = std::make_unique<FakeHold>(live_hold_);
  for (const platform::FolderToWrite& folder : folders) {
    std::string path;
    // Every folder on the way down, the topmost first.
    for (auto end = folder.relative.find('\\', 1);; end = folder.relative.find('\\', end + 1)) {
      path = game_folder + folder.relative.substr(0, end);
      if (IsLink(path) || IsHeld(path)) {
        hold->Refuse(IsLink(path) ? platform::HoldOutcome::Link : platform::HoldOutcome::CannotOpen,
                     path);
        return hold;
      }
      if (end == std::string::npos) break;
    }
    if (IsPlainFolder(path)) hold->folders.push_back(Key(path));
  }
  return hold;
}

std::unique_ptr<platform::Appendable> FakeSystem::OpenForAppending(
    const std::string& path, platform::AppendOpening& opening) {
  opening = IsFolder(path) || other_names.count(Key(path)) != 0 ? platform::AppendOpening::NotPlain
            : !IsPlainFolder(Parent(path)) || IsHeld(path)    ? platform::AppendOpening::CannotOpen
                                                                : platform::AppendOpening::Ok;
  if (opening != platform::AppendOpening::Ok) return nullptr;
  if (files_.count(Key(path)) == 0) PutFile(path, "");
  return std::make_unique<Appender>(*this, path);
}

void FakeSystem::AddFolder(const std::string& path) {
  if (path.empty() || IsPlainFolder(path)) return;
  AddFolder(Parent(path));
  folders_[Key(path)] = path;
}

void FakeSystem::PutFile(const std::string& path, const std::string& bytes) {
  AddFolder(Parent(path));
  files_[Key(path)] = File{path, bytes.size(), 1, bytes};
}

void FakeSystem::AddLink(const std::string& path) {
  AddFolder(Parent(path));
  links_.insert(Key(path));
}

std::string FakeSystem::Content(const std::string& path) const {
  const auto found = files_.find(Key(path));
  return found != files_.end() ? found->second.bytes : "(none)";
}
