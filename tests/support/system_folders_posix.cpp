#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>

#include "platform/system_posix.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/system_folders.h"

namespace {
std::string Native(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}
}  // namespace

std::string TemporaryRoot() { return "\\tmp\\"; }

unsigned long ProcessId() { return static_cast<unsigned long>(::getpid()); }

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(Native(folder).c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

bool CreateOneFolder(const std::string& path) { return ::mkdir(Native(path).c_str(), 0755) == 0; }

void RemoveTree(const std::string& path) {
  struct stat status {};
  if (::lstat(Native(path).c_str(), &status) != 0) return;
  if (S_ISDIR(status.st_mode)) {
    for (const std::string& name : NamesIn(path)) RemoveTree(path + "\\" + name);
    ::rmdir(Native(path).c_str());
  } else {
    ::unlink(Native(path).c_str());
  }
}

bool ChangeDirectory(const std::string& path) { return ::chdir(Native(path).c_str()) == 0; }

bool WriteUnderWindows1252Name(const std::string& folder, const std::string& name,
                               const std::string& bytes) {
  iconv_t convert = ::iconv_open("UTF-8", "WINDOWS-1252");
  if (convert == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in = name;
  std::string utf8(name.size() * 3, '\0');
  char* in_at = &in[0];
  char* out_at = &utf8[0];
  std::size_t in_left = in.size(), out_left = utf8.size();
  const bool converted = ::iconv(convert, &in_at, &in_left, &out_at, &out_left) == 0;
  ::iconv_close(convert);
  if (!converted) return false;
  utf8.resize(utf8.size() - out_left);
  std::ofstream file(Native(folder) + "/" + utf8, std::ios::binary);
  file << bytes;
  return static_cast<bool>(file.flush());
}

PlantedLink::PlantedLink(const std::string& folder, const std::string& name,
                         const std::string& target, bool symbolic)
    : folder_(Native(folder)),
      name_(name),
      planted_(symbolic ? ::symlink(target.c_str(), (folder_ + "/" + name).c_str()) == 0
                        : ::link((folder_ + "/" + target).c_str(),
                                 (folder_ + "/" + name).c_str()) == 0) {}

PlantedLink::~PlantedLink() { ::unlink((folder_ + "/" + name_).c_str()); }

constexpr mode_t kOwnMark = 0600;

bool SetOwnMark(const std::string& path) { return ::chmod(Native(path).c_str(), kOwnMark) == 0; }

bool SetReadOnlyMark(const std::string& path) { return ::chmod(Native(path).c_str(), 0444) == 0; }

bool SetFileLength(const std::string& path, std::uint64_t length) {
  return ::truncate(Native(path).c_str(), static_cast<off_t>(length)) == 0;
}

// POSIX has no replace of its own.
bool SavesThroughSystemReplace() { return false; }

FileSizeLimit::FileSizeLimit(std::uint64_t limit) {
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  previous_ = old.rlim_cur;
  const rlimit limited = {static_cast<rlim_t>(limit), old.rlim_max};
  ::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead of ending the process
  EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  const rlimit restored = {static_cast<rlim_t>(previous_), old.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &restored);
  ::signal(SIGXFSZ, SIG_DFL);
}

// The effective user changes for this thread alone (the raw call, not glibc's,
// which would change every thread), and the saved one lets it change back.
NoRightToCreateIn::NoRightToCreateIn(const std::string& folder)
    : folder_(folder), was_root_(::geteuid() == 0) {
  for (const std::string& name : NamesIn(folder))
    EXPECT_EQ(::chmod(Native(folder + "\\" + name).c_str(), 0666), 0);
  EXPECT_EQ(::chmod(Native(folder).c_str(), 0555), 0);
  constexpr long kNobody = 65534;
  if (was_root_) EXPECT_EQ(::syscall(SYS_setresuid, -1L, kNobody, -1L), 0);
}

NoRightToCreateIn::~NoRightToCreateIn() {
  if (was_root_) ::syscall(SYS_setresuid, -1L, 0L, -1L);
  ::chmod(Native(folder_).c_str(), 0755);
}

platform::System& ThisMachine() {
  static platform::PosixSystem machine;
  return machine;
}

bool HasOwnMark(const std::string& path) {
  struct stat status {};
  return ::stat(Native(path).c_str(), &status) == 0 && (status.st_mode & 07777) == kOwnMark;
}

FileHold::FileHold(const std::string& path) : handle_(::open(Native(path).c_str(), O_RDONLY)) {
  if (IsHeld() && ::flock(static_cast<int>(handle_), LOCK_SH) != 0) {
    ::close(static_cast<int>(handle_));
    handle_ = -1;
  }
}

FileHold::~FileHold() {
  if (IsHeld()) ::close(static_cast<int>(handle_));
}

bool FileHold::IsHeld() const { return handle_ >= 0; }

TemporaryFolderMovedTo::TemporaryFolderMovedTo(const std::string& path)
    : previous_(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : ""),
      was_set_(std::getenv("TMPDIR") != nullptr) {
  ::setenv("TMPDIR", Native(path).c_str(), 1);
}

TemporaryFolderMovedTo::~TemporaryFolderMovedTo() {
  if (was_set_)
    ::setenv("TMPDIR", previous_.c_str(), 1);
  else
    ::unsetenv("TMPDIR");
}
