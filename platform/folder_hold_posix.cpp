// Holding the install's folders on POSIX: each opened without following a link
// there, its real path compared with the one its name promises.

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "base/paths.h"
#include "platform/file_posix.h"
#include "platform/folder_hold.h"
#include "platform/folder_steps.h"
#include "platform/temporary_name.h"

namespace platform {

using detail::Native;
using detail::ScopedDescriptor;

namespace {

std::string RealPath(const std::string& native) {
  char* real = ::realpath(native.c_str(), nullptr);
  const std::string path = real != nullptr ? real : "";
  std::free(real);
  return path;
}

// Opens path as itself and checks that it is the folder whose real path is
// expected. Ok with a descriptor: held; Ok with none: nothing there to write into.
HoldOutcome CheckFolder(const std::string& path, const std::string& expected, int& fd) {
  fd = ::open(Native(path).c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  struct stat status {};
  if (fd < 0)
    return ::lstat(Native(path).c_str(), &status) == 0 && S_ISLNK(status.st_mode)
               ? HoldOutcome::Link
               : HoldOutcome::Ok;
  if (RealPath(Native(path)) == expected) return HoldOutcome::Ok;
  ::close(fd);
  fd = -1;
  return HoldOutcome::Link;
}

// A leftover is removed only while the file it belongs to exists: after a
// replace that failed halfway it may be the list's only copy. It is checked
// through the descriptor that is then locked (a temporary in use carries its
// writer's lock) and still named so when unlinked.
void RemoveStaleTemporaries(int directory, const std::vector<std::string>& file_names) {
  struct stat folder_status {};
  if (::fstat(directory, &folder_status) != 0) return;
  DIR* listing = ::fdopendir(::dup(directory));
  if (listing == nullptr) return;
  while (const dirent* entry = ::readdir(listing)) {
    if (!detail::IsTemporaryOfAny(file_names, entry->d_name)) continue;
    const std::string name = entry->d_name;
    struct stat owner {};
    if (::fstatat(directory, name.substr(0, name.rfind(".~zs")).c_str(), &owner, 0) != 0) continue;
    ScopedDescriptor file(
        ::openat(directory, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {
    }, named{};
    if (file.IsOpen() && ::fstat(file.Get(), &opened) == 0 && S_ISREG(opened.st_mode) &&
        opened.st_nlink == 1 && opened.st_dev == folder_status.st_dev &&
        ::flock(file.Get(), LOCK_EX | LOCK_NB) == 0 &&
        ::fstatat(directory, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_ino == opened.st_ino && named.st_dev == opened.st_dev)
      ::unlinkat(directory, entry->d_name, 0);
  }
  ::closedir(listing);
}

// The folder a refusal names: the first on the way down to relative that is a
// link, looked for only once one is known to be there.
std::string FirstLinkOnTheWay(const std::string& game_folder, const std::string& relative,
                              const std::string& root) {
  for (const std::string& step : detail::FolderSteps(relative)) {
    int fd = -1;
    const bool sound =
        CheckFolder(JoinPath(game_folder, step), root + Native(step), fd) == HoldOutcome::Ok;
    if (fd >= 0) ::close(fd);
    if (!sound) return JoinPath(game_folder, step);
  }
  return JoinPath(game_folder, relative);
}

}  // namespace

bool detail::TemporaryFits(const std::string& target) {
  return FileNameOf(
             TemporaryPath(target, static_cast<unsigned long>(::getpid()), kTemporaryAttempts - 1))
             .size() <= NAME_MAX;
}

void FolderHold::Take(const std::string& game_folder, const std::vector<FolderToWrite>& folders) {
  // The game folder may be reached through links; its real path is where they lead.
  std::string root = RealPath(Native(JoinPath(game_folder, "\\")));
  if (root.empty()) return;  // nothing held, so nothing is written
  if (root.back() == '/') root.pop_back();
  for (const FolderToWrite& folder : folders) {
    const std::string path = JoinPath(game_folder, folder.relative);
    int fd = -1;
    const HoldOutcome checked = CheckFolder(path, root + Native(folder.relative), fd);
    if (checked != HoldOutcome::Ok)
      return Refuse(checked, FirstLinkOnTheWay(game_folder, folder.relative, root));
    if (fd < 0) continue;
    held_.emplace_back(path + "\\", fd);
    for (const std::string& name : folder.file_names)
      if (!detail::TemporaryFits(path + "\\" + name))
        return Refuse(HoldOutcome::PathTooLong, path + "\\" + name);
  }
}

void FolderHold::RemoveLeftovers(const std::string& game_folder,
                                 const std::vector<FolderToWrite>& folders) const {
  for (const FolderToWrite& folder : folders) {
    const std::string path = JoinPath(game_folder, folder.relative) + "\\";
    for (const auto& held : held_)
      if (held.first == path)
        RemoveStaleTemporaries(static_cast<int>(held.second), folder.file_names);
  }
}

void FolderHold::Release() {
  for (const auto& held : held_) ::close(static_cast<int>(held.second));
}

}  // namespace platform
