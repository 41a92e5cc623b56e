#pragma once
// Everything the setup layer and the sequences ask of the machine, passed in
// rather than called directly, so that their decisions run and are tested on
// any system: files and folders and the holds on them, the registry, the
// Installed-apps entry and the kept copy of Setup.exe, the environment, free
// room. Paths are full 8-bit paths with backslashes; they pass to the system
// unchanged (a POSIX system alone turns backslashes into slashes). Nothing
// here throws: each call says whether it did what it was asked.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_types.h"

namespace platform {

enum class Removal { Removed, Missing, Failed };

// HKEY_LOCAL_MACHINE in the 32-bit view (the game's and the pack's:
// Wow6432Node on 64-bit Windows) or in the 64-bit one; HKEY_CURRENT_USER.
enum class Hive { Machine, Machine64, User };

class System {
 public:
  virtual ~System() = default;

  // --- The registry. A text is read only where the value is a string
  // (expandable ones left as they are), up to its first zero.
  virtual bool ReadRegistryText(Hive hive, const std::string& key, const std::string& name,
                                std::string& text) = 0;
  // The key's direct sub-keys in enumeration order; none where it does not open.
  virtual std::vector<std::string> SubKeyNames(Hive hive, const std::string& key) = 0;
  // Under HKEY_LOCAL_MACHINE in the 32-bit view; creates the key where it is missing.
  virtual bool WriteMachineText(const std::string& key, const std::string& name,
                                const std::string& text) = 0;
  virtual bool WriteMachineNumber(const std::string& key, const std::string& name,
                                  std::uint32_t number) = 0;
  virtual Removal RemoveMachineKey(const std::string& key) = 0;

  // --- The program and its surroundings.
  // The running program's file; empty when it cannot be told.
  virtual std::string ProgramFile() = 0;
  // True when the program file lies in the user's temporary folder or below it,
  // as where a file opened from inside an archive is extracted to run.
  virtual bool ProgramRunsFromTemporaryFolder() = 0;
  // Program Files of the program's own kind, from the system's record of it
  // (not the environment, which whoever started Setup may set); empty when unknown.
  virtual std::string ProgramFilesFolder() = 0;
  // The working directory, whatever its length; no trailing backslash except
  // at the root of a drive.
  virtual std::string CurrentDirectory() = 0;
  // The full path that the file functions make of path, as from the current
  // directory; empty when they make none.
  virtual std::string FullPath(const std::string& path) = 0;
  // An environment variable's value; empty where it is not set.
  virtual std::string EnvironmentValue(const std::string& name) = 0;
  // True when Windows is Wine.
  virtual bool RunsUnderWine() = 0;
  // The name by which the file functions reach what a UTF-8 text names
  // (Windows: in the ANSI code page, exactly, with no best-fit letter); false
  // when that code page cannot hold it. POSIX names are bytes: the text itself.
  virtual bool NameFromUtf8(const std::string& utf8, std::string& name) = 0;

  // --- Files and folders, as their names say.
  // True for a folder, or a link to one; any error counts as no.
  virtual bool IsFolder(const std::string& path) = 0;
  // True for a folder that is itself, not a link to one.
  virtual bool IsPlainFolder(const std::string& path) = 0;
  // True for anything of that name.
  virtual bool Exists(const std::string& path) = 0;
  virtual bool MakeFolder(const std::string& path) = 0;
  // The length of the file of that name, as its name reports it; false where
  // there is none, or a folder.
  virtual bool FileSize(const std::string& path, std::uint64_t& size) = 0;
  // The room free for this user on the drive that holds folder, in bytes;
  // false when the system cannot tell.
  virtual bool FreeRoom(const std::string& folder, std::uint64_t& bytes) = 0;

  // --- The game's files.
  // Opens path as a copy's source.
  virtual SourceFile OpenSource(const std::string& path) = 0;
  // Opens folder + file_name with file_name's bytes read as Windows-1252
  // instead of in the system's code page; Missing when both readings name the
  // same file or file_name is not Windows-1252 text. POSIX: the name in UTF-8.
  virtual SourceFile OpenSourceNamedInWindows1252(const std::string& folder,
                                                  const std::string& file_name) = 0;
  // Copies the opened source over the destination in one step: into a fresh
  // temporary beside it (never through a name planted there), then renamed
  // over it, so the destination holds its old bytes or the new ones, never a
  // part, and whatever another name of the old file leads to keeps its own. A
  // read-only or hidden destination is replaced too; a failed copy leaves it
  // as it was. Never creates a folder; a destination outside a live hold's
  // folders is NoFolder. copied, when given, receives the bytes copied.
  virtual CopyOutcome CopyFileReplacing(SourceFile source, const std::string& destination,
                                        std::string* copied = nullptr) = 0;
  // Reads the whole existing file; others may read it meanwhile, not write it.
  // CannotRead: it opened, but fewer bytes came than it holds, or it is larger
  // than largest. headroom: spare capacity left in bytes for a caller that
  // appends to them.
  virtual ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes,
                                    std::size_t headroom = 0, std::size_t largest = SIZE_MAX) = 0;
  // Replaces the file's whole content with bytes, as a list is saved.
  // CannotCreate when it cannot be opened for writing with no sharing, also
  // after waiting about a second for another program to let it go, or lies
  // outside a live hold's folders (nothing written then). The content goes to
  // a temporary beside it that then replaces it, keeping the file's identity
  // (Windows: its permissions, attributes and streams; POSIX: its mode), so on
  // a failure the old content survives; NameTooLong when that temporary's path
  // would pass the system's limit. Only where the folder refuses the temporary
  // or the replace for lack of rights is the file written in place, and only a
  // plain file with no other name; a failure there may leave it partly
  // written (ShortWrite).
  virtual WriteOutcome WriteWholeFile(const std::string& path, const std::string& bytes) = 0;
  // Removes the file of that name, read-only or not, found as the system
  // finds names (Windows: under any capitals). NotOurs, and nothing removed,
  // for a folder or a link of that name: a directory, a symbolic link or
  // junction, one of several names of one file.
  virtual RemoveOutcome RemoveFile(const std::string& path) = 0;
  // Checks every existing folder to write and holds it until the hold goes:
  // opened as itself, never what a link there leads to; its final path must be
  // the game folder's final path (the game folder itself may be reached
  // through links) followed by its relative path; held without letting anyone
  // delete, rename or replace it. A refusal names the first folder on the way
  // that is a link or does not open; a folder that does not exist is passed
  // over. When all is well, temporaries of the named files that cut-off runs
  // left are removed, as Setup's own files only (plain files of one name, and
  // only while the file they belong to exists).
  virtual std::unique_ptr<Hold> HoldFolders(const std::string& game_folder,
                                            const std::vector<FolderToWrite>& folders) = 0;
  // Opens the file at path for adding to its end, made where there is none,
  // only as that name itself (never what a link there leads to), shared for
  // reading only; folders on the way are followed as the path names them.
  // Null unless opening says Ok.
  virtual std::unique_ptr<Appendable> OpenForAppending(const std::string& path,
                                                       AppendOpening& opening) = 0;

  // --- The kept copy and its folder.
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
