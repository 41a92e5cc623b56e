// Holding the install's folders on POSIX: each opened without following a link
// there, its real path compared with the one its name promises.

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "base/paths.h"
#include "platform/file_posix.h"
#include "platform/folder_steps.h"
#include "platform/temporary_name.h"

namespace platform::detail {
namespace {

std::string RealPath(const std::string& native) {
  char* real = ::realpath(native.c_str(), nullptr);
  const std::string path = real != nullptr ? real : "";
  std::free(real);
  return path;
}

}  // namespace

bool TemporaryFits(const std::string& target) {
  return FileNameOf(
             TemporaryPath(target, static_cast<unsigned long>(::getpid()), kTemporaryAttempts - 1))
             .size() <= NAME_MAX;
}

GameFolderRoot::GameFolderRoot(const std::string& game_folder)
    : game_folder_(game_folder), root_(RealPath(Native(JoinPath(game_folder, "\\")))) {
  found_ = !root_.empty();
  if (found_ && root_.back() == '/') root_.pop_back();  // "/" itself becomes empty
}

HoldOutcome GameFolderRoot::Check(const std::string& relative, std::intptr_t& folder) const {
  folder = kNoFolder;
  const std::string path = Native(JoinPath(game_folder_, relative));
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  struct stat status {};
  if (fd < 0) {
    const int error = errno;
    if (::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) return HoldOutcome::Link;
    // Only a folder that is not there gets no writes; one that does not open refuses.
    return error == ENOENT || error == ENOTDIR ? HoldOutcome::Ok : HoldOutcome::CannotOpen;
  }
  if (RealPath(path) == root_ + Native(relative)) {
    folder = fd;
    return HoldOutcome::Ok;
  }
  ::close(fd);
  return HoldOutcome::Link;
}

void CloseFolder(std::intptr_t folder) { ::close(static_cast<int>(folder)); }

// Checked through the descriptor that is then locked (a temporary in use
// carries its writer's lock) and still named so when unlinked.
void RemoveStaleTemporaries(std::intptr_t folder, const std::string&,
                            const std::vector<std::string>& file_names) {
  const int directory = static_cast<int>(folder);
  struct stat folder_status {};
  if (::fstat(directory, &folder_status) != 0) return;
  DIR* listing = ::fdopendir(::dup(directory));
  if (listing == nullptr) return;
  while (const dirent* entry = ::readdir(listing)) {
    if (!IsTemporaryOfAny(file_names, entry->d_name)) continue;
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

}  // namespace platform::detail
