#pragma once
// The few system services the test support needs beyond the product's layer.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/system.h"

// The system's temporary folder, ending in a backslash.
std::string TemporaryRoot();
unsigned long ProcessId();
// Names directly inside a folder, sorted, without "." and "..".
std::vector<std::string> NamesIn(const std::string& folder);

// Writes bytes to folder + "\" + name with name's bytes read as Windows-1252, the
// pack's own encoding, whatever the system's code page (POSIX: the name in UTF-8,
// as Linux holds the pack's files); the folder is read as usual. True on success.
bool WriteUnderWindows1252Name(const std::string& folder, const std::string& name,
                               const std::string& bytes);

// A link folder + "\" + name to target (a path relative to folder, with forward
// slashes), symbolic or hard, while this object lives; the link alone goes
// afterwards. Under Wine a Linux link, made and removed by Linux programs as
// another program on the machine would.
class PlantedLink {
 public:
  PlantedLink(const std::string& folder, const std::string& name, const std::string& target,
              bool symbolic);
  ~PlantedLink();
  PlantedLink(const PlantedLink&) = delete;
  PlantedLink& operator=(const PlantedLink&) = delete;
  // False where this system makes no such link.
  bool IsPlanted() const { return planted_; }
  const std::string& Name() const { return name_; }

 private:
  std::string folder_, name_;
  bool planted_;
};

// A mark that belongs to the file itself, not to its content: on Windows the
// hidden attribute, on POSIX a mode for the owner alone. True on success.
bool SetOwnMark(const std::string& path);
bool HasOwnMark(const std::string& path);

// Marks a file as a copy from a disc or a read-only archive leaves it: on
// Windows read-only and hidden, on POSIX a mode that lets nobody write. True on success.
bool SetReadOnlyMark(const std::string& path);

// Makes the file path length bytes long without writing them (a sparse file,
// as a large pack file looks to its copy). True on success.
bool SetFileLength(const std::string& path, std::uint64_t length);

// True when ctest runs the program to save through the system's replace
// (ZELMORA_SAVE_THROUGH=ReplaceFileA).
bool SavesThroughSystemReplace();

// The machine the tests run on, as the product meets it (saving through the
// system's replace where SavesThroughSystemReplace says so).
platform::System& ThisMachine();

#ifndef _WIN32
// While it lives, the process writes no file past limit bytes: a write beyond
// fails, as on a full drive.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t limit);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  std::uint64_t previous_;
};

// While it lives, the process may write the files in folder but not make new
// names there, as where a folder's rights let a user change only existing
// files (run as root, it acts as nobody meanwhile, whom the folder's mode binds).
class NoRightToCreateIn {
 public:
  explicit NoRightToCreateIn(const std::string& folder);
  ~NoRightToCreateIn();
  NoRightToCreateIn(const NoRightToCreateIn&) = delete;
  NoRightToCreateIn& operator=(const NoRightToCreateIn&) = delete;

 private:
  std::string folder_;
  bool was_root_;
};
#endif

#ifdef _WIN32
// Names directly inside a folder as the system holds them in Unicode, sorted,
// one per line (under Wine, what the Linux names say in UTF-8).
std::wstring WideNamesIn(const std::string& folder);
// Under Wine, the Linux path (UTF-8) of a path; empty elsewhere.
std::string LinuxPathOf(const std::string& path);
#endif

// Points the system's temporary folder at path while this object lives (TMPDIR
// on POSIX, TMP on Windows), so that a test program built under the temporary
// folder, as a clone in /tmp is, does not count as started from an archive.
class TemporaryFolderMovedTo {
 public:
  explicit TemporaryFolderMovedTo(const std::string& path);
  ~TemporaryFolderMovedTo();
  TemporaryFolderMovedTo(const TemporaryFolderMovedTo&) = delete;
  TemporaryFolderMovedTo& operator=(const TemporaryFolderMovedTo&) = delete;

 private:
  std::string previous_;
  bool was_set_;
};

// Holds a file open as another program would while this object lives: on
// Windows an open for reading that shares everything (as a virus scanner does);
// on POSIX, where nothing stops another open, also the lock that a save in
// progress keeps on its temporary file. A folder is held as well as a file.
class FileHold {
 public:
  explicit FileHold(const std::string& path);
#ifdef _WIN32
  // An open with CreateFile's access and sharing flags as given.
  FileHold(const std::string& path, unsigned long access, unsigned long share);
#endif
  ~FileHold();
  FileHold(const FileHold&) = delete;
  FileHold& operator=(const FileHold&) = delete;
  bool IsHeld() const;

 private:
  std::intptr_t handle_;
};
