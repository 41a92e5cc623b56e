#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

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
