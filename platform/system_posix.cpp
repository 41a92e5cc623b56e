#include "platform/system_posix.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/file_posix.h"

namespace platform {

using detail::Native;
using detail::ScopedDescriptor;

namespace {

bool Status(const std::string& path, struct stat& status) {
  return ::lstat(Native(path).c_str(), &status) == 0;
}

Removal RemovalFrom(int result) {
  if (result == 0) return Removal::Removed;
  return errno == ENOENT ? Removal::Missing : Removal::Failed;
}

}  // namespace

std::string PosixSystem::FullPath(const std::string& path) {
  if (path.empty()) return std::string();
  return path[0] == '\\' ? path : CurrentDirectory() + "\\" + path;
}

std::string PosixSystem::EnvironmentValue(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value != nullptr ? value : "";
}

bool PosixSystem::IsPlainFolder(const std::string& path) {
  struct stat status {};
  return Status(path, status) && S_ISDIR(status.st_mode);
}

bool PosixSystem::Exists(const std::string& path) {
  struct stat status {};
  return Status(path, status);
}

bool PosixSystem::MakeFolder(const std::string& path) {
  return ::mkdir(Native(path).c_str(), 0755) == 0;
}

bool PosixSystem::FileSize(const std::string& path, std::uint64_t& size) {
  struct stat status {};
  if (!Status(path, status) || !S_ISREG(status.st_mode)) return false;
  size = static_cast<std::uint64_t>(status.st_size);
  return true;
}

bool PosixSystem::SameSizeAndTime(const std::string& a, const std::string& b) {
  struct stat first {
  }, second{};
  return ::stat(Native(a).c_str(), &first) == 0 && ::stat(Native(b).c_str(), &second) == 0 &&
         first.st_size == second.st_size && first.st_mtim.tv_sec == second.st_mtim.tv_sec &&
         first.st_mtim.tv_nsec == second.st_mtim.tv_nsec;
}

bool PosixSystem::SameFile(const std::string& a, const std::string& b) {
  struct stat first {
  }, second{};
  return ::stat(Native(a).c_str(), &first) == 0 && ::stat(Native(b).c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// As Windows copies: the bytes, then the source's time of last change.
bool PosixSystem::CopyOver(const std::string& from, const std::string& to) {
  ScopedDescriptor in(::open(Native(from).c_str(), O_RDONLY | O_CLOEXEC));
  struct stat status {};
  if (!in.IsOpen() || ::fstat(in.Get(), &status) != 0) return false;
  ScopedDescriptor out(
      ::open(Native(to).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0755));
  if (!out.IsOpen()) return false;
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(in.Get(), chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    if (detail::WriteAll(out.Get(), chunk, static_cast<std::size_t>(n)) !=
        static_cast<std::size_t>(n))
      return false;
  }
  const struct timespec times[2] = {status.st_atim, status.st_mtim};
  return ::futimens(out.Get(), times) == 0 && out.Close();
}

bool PosixSystem::Rename(const std::string& from, const std::string& to) {
  return ::renameat2(AT_FDCWD, Native(from).c_str(), AT_FDCWD, Native(to).c_str(),
                     RENAME_NOREPLACE) == 0;
}

Removal PosixSystem::Delete(const std::string& path) {
  return RemovalFrom(::unlink(Native(path).c_str()));
}

Removal PosixSystem::RemoveFolder(const std::string& path) {
  return RemovalFrom(::rmdir(Native(path).c_str()));
}

}  // namespace platform
