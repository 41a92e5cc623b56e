#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "base/paths.h"
#include "platform/file_layer.h"
#include "platform/file_posix.h"
#include "platform/folder_steps.h"
#include "platform/temporary_name.h"

namespace platform {

using detail::Native;
using detail::ScopedDescriptor;
using detail::WriteAll;

namespace {

bool IsRegularFile(int fd) {
  struct stat status {};
  return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// Windows-1252's characters at 80 to 9F hex; 0 where it has none.
constexpr char32_t kWindows1252From80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The bytes read as Windows-1252, in UTF-8; false for a byte that code page leaves undefined.
bool Windows1252ToUtf8(const std::string& bytes, std::string& utf8) {
  utf8.clear();
  for (const char byte : bytes) {
    const unsigned char value = static_cast<unsigned char>(byte);
    const char32_t code = value >= 0x80 && value < 0xA0 ? kWindows1252From80[value - 0x80] : value;
    if (code == 0 && value != 0) return false;
    if (code < 0x80) {
      utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
      utf8 += static_cast<char>(0xC0 | (code >> 6));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (code >> 12));
      utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return true;
}

// True for a plain file of one name at target: what the descriptor has open,
// not a link, not one of several names of one file.
bool IsPlainFileAt(int fd, const std::string& target) {
  struct stat opened {
  }, named{};
  return ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_nlink == 1 &&
         ::lstat(target.c_str(), &named) == 0 && named.st_ino == opened.st_ino &&
         named.st_dev == opened.st_dev;
}

// The plain way of saving, which needs no right beyond writing the list: the
// content written over the old one from the start, cut at its end, flushed.
// Only into a plain file of one name: never through a link, never into a file
// that other names share.
WriteOutcome WriteInPlace(int list, const std::string& target, const std::string& bytes) {
  if (!IsPlainFileAt(list, target)) return WriteOutcome::CannotCreate;
  if (WriteAll(list, bytes.data(), bytes.size()) != bytes.size() ||
      ::ftruncate(list, static_cast<off_t>(bytes.size())) != 0 || ::fsync(list) != 0)
    return WriteOutcome::ShortWrite;
  return WriteOutcome::Ok;
}

// The list opened for writing; a missing one is created, under a new name only.
int OpenListForSaving(const std::string& target, bool& existed) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  existed = fd >= 0 || errno != ENOENT;
  return existed
             ? fd
             : ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

// The folder refuses for lack of rights.
bool Forbidden(int error) { return error == EACCES || error == EPERM; }

// What the error of a failed step of a copy tells its caller.
CopyOutcome CopyFailure(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return CopyOutcome::NoFolder;
    case ENOSPC:
    case EDQUOT:
      return CopyOutcome::NoRoom;
    case EBUSY:
    case ETXTBSY:
    case EEXIST:  // every temporary name taken
      return CopyOutcome::InUse;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return CopyOutcome::Refused;
  }
  return CopyOutcome::Failed;
}

// A fresh file beside target, made only under a new name (never through a link
// planted under one), locked until it is in place so that another run's
// clean-up leaves it alone; -1 with errno set if none can be made.
int CreateTemporaryBeside(const std::string& target, std::string& temporary_path) {
  for (int attempt = 0; attempt < detail::kTemporaryAttempts; ++attempt) {
    temporary_path = detail::TemporaryPath(target, static_cast<unsigned long>(::getpid()), attempt);
    const int fd = ::open(temporary_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);
      ::unlink(temporary_path.c_str());
      return -1;
    }
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool IsFolder(const std::string& path) {
  struct stat status {};
  return ::stat(Native(path).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string CurrentDirectory() {
  std::string buffer(256, '\0');
  while (::getcwd(&buffer[0], buffer.size()) == nullptr) {
    if (errno != ERANGE) return std::string();
    buffer.assign(buffer.size() * 2, '\0');
  }
  buffer.resize(buffer.find('\0'));
  std::replace(buffer.begin(), buffer.end(), '/', '\\');
  return buffer;
}

std::string ProgramFile() {
  std::string program(256, '\0');
  for (;;) {
    const ssize_t length = ::readlink("/proc/self/exe", &program[0], program.size());
    if (length < 0) return std::string();
    if (static_cast<std::size_t>(length) < program.size()) {
      program.resize(static_cast<std::size_t>(length));
      std::replace(program.begin(), program.end(), '/', '\\');
      return program;
    }
    program.assign(program.size() * 2, '\0');
  }
}

bool ProgramRunsFromTemporaryFolder() {
  const char* configured = std::getenv("TMPDIR");
  std::string temporary = configured && *configured ? configured : "/tmp";
  if (temporary.back() != '/') temporary += '/';
  return Native(FolderOf(ProgramFile())).compare(0, temporary.size(), temporary) == 0;
}

SourceFile OpenSource(const std::string& path) {
  ScopedDescriptor file(::open(Native(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.IsOpen())
    return SourceFile(SourceFile::kNoHandle,
                      errno == ENOENT ? Readability::Missing : Readability::Unreadable);
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
    return SourceFile(SourceFile::kNoHandle, Readability::Unreadable);
  return SourceFile(file.Release(), Readability::Readable,
                    static_cast<std::uint64_t>(status.st_size),
                    [](std::intptr_t fd) { ::close(static_cast<int>(fd)); });
}

SourceFile OpenSourceNamedInWindows1252(const std::string& folder, const std::string& file_name) {
  std::string western_name;
  if (!Windows1252ToUtf8(file_name, western_name) || western_name == file_name)
    return SourceFile(SourceFile::kNoHandle, Readability::Missing);
  return OpenSource(folder + western_name);
}

CopyOutcome CopyFileReplacing(SourceFile source, const std::string& destination,
                              std::string* copied) {
  if (source.State() != Readability::Readable)
    return source.State() == Readability::Missing ? CopyOutcome::SourceMissing
                                                  : CopyOutcome::Failed;
  ScopedDescriptor in(static_cast<int>(source.Release()));
  const std::string target = Native(destination);
  std::string temporary_path;
  ScopedDescriptor out(CreateTemporaryBeside(target, temporary_path));
  if (!out.IsOpen()) return CopyFailure(errno);
  ::fchmod(out.Get(), 0644);
  char chunk[65536];
  for (;;) {
    errno = 0;
    const ssize_t n = ::read(in.Get(), chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 ||
        WriteAll(out.Get(), chunk, static_cast<std::size_t>(n)) != static_cast<std::size_t>(n)) {
      if (n == 0 && out.Close() && ::rename(temporary_path.c_str(), target.c_str()) == 0)
        return CopyOutcome::Ok;
      const int error = errno != 0 ? errno : ENOSPC;  // a short write that sets nothing
      ::unlink(temporary_path.c_str());
      return CopyFailure(error);
    }
    if (copied != nullptr) copied->append(chunk, static_cast<std::size_t>(n));
  }
}

RemoveOutcome RemoveFile(const std::string& path) {
  struct stat status {};
  if (::lstat(Native(path).c_str(), &status) != 0)
    return errno == ENOENT ? RemoveOutcome::Missing : RemoveOutcome::Failed;
  // As the Windows half: a folder or a link of any kind, a hard one too, is left.
  if (!S_ISREG(status.st_mode) || status.st_nlink != 1) return RemoveOutcome::NotOurs;
  return ::unlink(Native(path).c_str()) == 0 ? RemoveOutcome::Removed : RemoveOutcome::Failed;
}

bool NameFromUtf8(const std::string& utf8, std::string& name) {
  name = utf8;
  return true;
}

ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes, std::size_t headroom,
                          std::size_t largest) {
  ScopedDescriptor file(::open(Native(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.IsOpen() || !IsRegularFile(file.Get())) return ReadOutcome::CannotOpen;
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0 || static_cast<std::uint64_t>(status.st_size) > largest)
    return ReadOutcome::CannotRead;
  bytes.reserve(static_cast<std::size_t>(status.st_size) + headroom);
  bytes.assign(static_cast<std::size_t>(status.st_size), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(file.Get(), &bytes[done], bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return ReadOutcome::CannotRead;
    done += static_cast<std::size_t>(n);
  }
  return ReadOutcome::Ok;
}

WriteOutcome WriteWholeFile(const std::string& path, const std::string& bytes, ListPut) {
  if (!detail::TemporaryFits(path)) return WriteOutcome::NameTooLong;
  const std::string target = Native(path);
  bool existed = true;
  ScopedDescriptor list(OpenListForSaving(target, existed));
  struct stat status {};
  if (!list.IsOpen() || !IsRegularFile(list.Get()) || ::fstat(list.Get(), &status) != 0)
    return WriteOutcome::CannotCreate;
  const auto finish = [&](WriteOutcome outcome) {
    if (outcome != WriteOutcome::Ok && !existed) ::unlink(target.c_str());
    return outcome;
  };

  std::string temporary_path;
  ScopedDescriptor temporary(CreateTemporaryBeside(target, temporary_path));
  if (!temporary.IsOpen())
    return finish(Forbidden(errno) ? WriteInPlace(list.Get(), target, bytes)
                                   : WriteOutcome::CannotCreate);
  // The list's mode goes with it, as the Windows replace carries the permissions.
  if (::fchmod(temporary.Get(), status.st_mode & 07777) != 0 ||
      WriteAll(temporary.Get(), bytes.data(), bytes.size()) != bytes.size() ||
      ::fsync(temporary.Get()) != 0) {
    ::unlink(temporary_path.c_str());
    return finish(WriteOutcome::ShortWrite);
  }
  // Where the folder refuses the rename (a sticky folder and another owner's
  // list), the list is written in place.
  if (::rename(temporary_path.c_str(), target.c_str()) == 0) return WriteOutcome::Ok;
  const int error = errno;
  ::unlink(temporary_path.c_str());
  return finish(Forbidden(error) ? WriteInPlace(list.Get(), target, bytes)
                                 : WriteOutcome::CannotCreate);
}

}  // namespace platform
