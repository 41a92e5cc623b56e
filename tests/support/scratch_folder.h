#pragma once
// A fresh, uniquely named folder for one test, removed with everything in it
// afterwards. Paths are backslash paths, as the product uses them.

#include <string>

class ScratchFolder {
 public:
  ScratchFolder();
  // The same at path, emptied first.
  explicit ScratchFolder(const std::string& path);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Path() + "\" + relative.
  std::string At(const std::string& relative) const;

  // Creates the folder and any missing parents below Path().
  void MakeFolder(const std::string& relative) const;
  // Writes bytes to the file, creating its folders.
  void WriteFile(const std::string& relative, const std::string& bytes) const;
  // The file's bytes; fails the test when it cannot be read.
  std::string ReadFile(const std::string& relative) const;
  bool Exists(const std::string& relative) const;
  // Names directly inside the folder, sorted.
  std::string ListNames(const std::string& relative) const;

 private:
  std::string path_;
};

// Creates one folder (parent must exist); true on success. For tests only.
bool CreateOneFolder(const std::string& path);
// Removes a file or a folder tree. For tests only.
void RemoveTree(const std::string& path);
// Sets the process's current directory; true on success.
bool ChangeDirectory(const std::string& path);
