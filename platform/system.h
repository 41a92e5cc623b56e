#pragma once
// What the setup layer asks of the machine, passed in rather than called
// directly, so that its decisions run and are tested on any system: the
// Installed-apps entry in the registry, the kept copy of Setup.exe and the
// folders it lies in. Paths are full 8-bit paths with backslashes. Nothing
// here throws: each call says whether it did what it was asked.

#include <cstdint>
#include <string>

namespace platform {

enum class Removal { Removed, Missing, Failed };

class System {
 public:
  virtual ~System() = default;

  // Values of a key under HKEY_LOCAL_MACHINE in the 32-bit registry view, the
  // game's and the pack's (Wow6432Node on 64-bit Windows). A text is read only
  // where the value is a string.
  virtual bool ReadMachineText(const std::string& key, const std::string& name,
                               std::string& text) = 0;
  // Creates the key where it is missing.
  virtual bool WriteMachineText(const std::string& key, const std::string& name,
                                const std::string& text) = 0;
  virtual bool WriteMachineNumber(const std::string& key, const std::string& name,
                                  std::uint32_t number) = 0;
  virtual Removal RemoveMachineKey(const std::string& key) = 0;

  // The running program's file; empty when it cannot be told.
  virtual std::string ProgramFile() = 0;
  // Program Files of the program's own kind, from the system's record of it
  // (not the environment, which whoever started Setup may set); empty when unknown.
  virtual std::string ProgramFilesFolder() = 0;
  // The full path that the file functions make of path, as from the current
  // directory; empty when they make none.
  virtual std::string FullPath(const std::string& path) = 0;

  // True for a folder that is itself, not a link to one.
  virtual bool IsPlainFolder(const std::string& path) = 0;
  // True for anything of that name.
  virtual bool Exists(const std::string& path) = 0;
  virtual bool MakeFolder(const std::string& path) = 0;
  // The file's size in bytes; false where there is no such file.
  virtual bool FileSize(const std::string& path, std::uint64_t& size) = 0;
  // Whether b has a's size and time of last change, as a copy keeps them.
  virtual bool SameSizeAndTime(const std::string& a, const std::string& b) = 0;
  // Whether both paths name one file, however they spell it.
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;
  // Copies from over to, replacing it.
  virtual bool CopyOver(const std::string& from, const std::string& to) = 0;
  // Renames a file; never over an existing one. A running program may be renamed.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // A running program cannot be deleted.
  virtual Removal Delete(const std::string& path) = 0;
  // An empty folder only: one that holds anything stays (Failed).
  virtual Removal RemoveFolder(const std::string& path) = 0;
  // Deletes the file or empty folder when Windows next starts.
  virtual bool DeleteAtRestart(const std::string& path) = 0;
};

}  // namespace platform
