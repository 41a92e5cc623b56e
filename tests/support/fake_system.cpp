#include "tests/support/fake_system.h"

#include "tests/support/fake_names.h"

using fake::Key;
using fake::Under;

namespace {

std::string HiveKey(platform::Hive hive, const std::string& key) {
  const char* root = hive == platform::Hive::User        ? "user\\"
                     : hive == platform::Hive::Machine64 ? "machine64\\"
                                                         : "machine\\";
  return Key(root + key);
}

}  // namespace

FakeSystem::FakeSystem(const std::string& program, const std::string& current)
    : program_(program), current_(current) {
  AddFolder(program.substr(0, program.rfind('\\')));
  AddFolder(current);
  AddFolder(ProgramFilesFolder());
  AddFile(program, 500000, 1);
}

bool FakeSystem::ReadRegistryText(platform::Hive hive, const std::string& key,
                                  const std::string& name, std::string& text) {
  const auto found = registry_.find(HiveKey(hive, key));
  if (found == registry_.end() || found->second.count(Key(name)) == 0) return false;
  text = found->second.at(Key(name));
  return true;
}

std::vector<std::string> FakeSystem::SubKeyNames(platform::Hive hive, const std::string& key) {
  std::vector<std::string> names;
  const std::string below = HiveKey(hive, key) + "\\";
  for (const auto& entry : registry_)
    if (entry.first.compare(0, below.size(), below) == 0 &&
        entry.first.find('\\', below.size()) == std::string::npos)
      names.push_back(entry.first.substr(below.size()));
  return names;
}

void FakeSystem::SetRegistryText(platform::Hive hive, const std::string& key,
                                 const std::string& name, const std::string& text) {
  registry_[HiveKey(hive, key)][Key(name)] = text;
}

bool FakeSystem::WriteMachineText(const std::string& key, const std::string& name,
                                  const std::string& text) {
  if (Refuses("WriteMachineText")) return false;
  SetRegistryText(platform::Hive::Machine, key, name, text);
  return true;
}

bool FakeSystem::WriteMachineNumber(const std::string& key, const std::string& name,
                                    std::uint32_t number) {
  return WriteMachineText(key, name, std::to_string(number));
}

platform::Removal FakeSystem::RemoveMachineKey(const std::string& key) {
  if (Refuses("RemoveMachineKey")) return platform::Removal::Failed;
  return registry_.erase(HiveKey(platform::Hive::Machine, key)) ? platform::Removal::Removed
                                                                : platform::Removal::Missing;
}

// As GetFullPathNameA: from the current directory (or its drive, for a name
// from the root), "." and ".." taken out.
std::string FakeSystem::FullPath(const std::string& path) {
  if (path.rfind("\\\\", 0) == 0) return path;
  std::string joined = path;
  if (path.size() < 3 || path[1] != ':' || path[2] != '\\')
    joined = path[0] == '\\' ? current_.substr(0, 2) + path : current_ + "\\" + path;
  std::vector<std::string> parts;
  std::size_t at = 0;
  while (at <= joined.size()) {
    const std::size_t end = std::min(joined.find('\\', at), joined.size());
    const std::string part = joined.substr(at, end - at);
    if (part == "..") {
      if (parts.size() > 1) parts.pop_back();
    } else if (part != "." && !(part.empty() && !parts.empty())) {
      parts.push_back(part);
    }
    at = end + 1;
  }
  std::string full;
  for (const std::string& part : parts) full += (full.empty() ? "" : "\\") + part;
  return parts.size() == 1 ? full + "\\" : full;
}

std::string FakeSystem::EnvironmentValue(const std::string& name) {
  const auto found = environment.find(name);
  return found != environment.end() ? found->second : std::string();
}

bool FakeSystem::SameSizeAndTime(const std::string& a, const std::string& b) {
  const auto first = files_.find(Key(a)), second = files_.find(Key(b));
  return first != files_.end() && second != files_.end() &&
         first->second.size == second->second.size && first->second.time == second->second.time;
}

bool FakeSystem::SameFile(const std::string& a, const std::string& b) {
  return files_.count(Key(a)) != 0 && Key(a) == Key(b);
}

bool FakeSystem::CopyOver(const std::string& from, const std::string& to) {
  const auto source = files_.find(Key(from));
  if (Refuses("CopyOver") || source == files_.end() || IsPlainFolder(to) ||
      (Key(to) == Key(program_) && Key(from) != Key(to)))
    return false;
  // A copy keeps the time of last change.
  files_[Key(to)] = File{to, source->second.size, source->second.time, source->second.bytes};
  return true;
}

bool FakeSystem::Rename(const std::string& from, const std::string& to) {
  const auto source = files_.find(Key(from));
  if (Refuses("Rename") || source == files_.end() || Exists(to)) return false;
  const File moved = {to, source->second.size, source->second.time, source->second.bytes};
  files_.erase(source);
  files_[Key(to)] = moved;
  if (Key(program_) == Key(from)) program_ = to;
  return true;
}

platform::Removal FakeSystem::Delete(const std::string& path) {
  if (files_.count(Key(path)) == 0) return platform::Removal::Missing;
  if (Refuses("Delete") || Key(path) == Key(program_)) return platform::Removal::Failed;
  files_.erase(Key(path));
  return platform::Removal::Removed;
}

platform::Removal FakeSystem::RemoveFolder(const std::string& path) {
  if (!IsPlainFolder(path)) return platform::Removal::Missing;
  if (Refuses("RemoveFolder") || Below(path).size() > 1) return platform::Removal::Failed;
  folders_.erase(Key(path));
  return platform::Removal::Removed;
}

bool FakeSystem::DeleteAtRestart(const std::string& path) {
  if (Refuses("DeleteAtRestart") || !Exists(path)) return false;
  pending_.push_back(path);
  return true;
}

void FakeSystem::Restart() {
  program_.clear();
  for (const std::string& path : pending_)
    if (Delete(path) == platform::Removal::Missing) RemoveFolder(path);
  pending_.clear();
}

void FakeSystem::AddFile(const std::string& path, std::uint64_t size, std::uint64_t time) {
  files_[Key(path)] = File{path, size, time, std::string()};
}

std::vector<std::string> FakeSystem::Below(const std::string& path) const {
  std::vector<std::string> names;
  for (const auto& folder : folders_)
    if (Key(folder.second) == Key(path) || Under(folder.second, path))
      names.push_back(folder.second);
  for (const auto& file : files_)
    if (Key(file.second.name) == Key(path) || Under(file.second.name, path))
      names.push_back(file.second.name);
  return names;
}

std::string FakeSystem::EntryText(const std::string& key, const std::string& name) const {
  const auto found = registry_.find(HiveKey(platform::Hive::Machine, key));
  if (found == registry_.end() || found->second.count(Key(name)) == 0) return "(none)";
  return found->second.at(Key(name));
}
