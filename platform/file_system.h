#pragma once
// The file-system services the core needs, behind one header. Paths are 8-bit
// strings with backslashes; they pass to the system unchanged (the POSIX side
// alone turns backslashes into slashes). Nothing here throws: each call reports
// its outcome, and the caller words the failure.

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// True only when the path names an existing folder; any error counts as no.
bool IsFolder(const std::string& path);

// The process's working directory, whatever its length; no trailing backslash
// except at the root of a drive.
std::string CurrentDirectory();

// The running program file's full path; empty when it cannot be told.
std::string ProgramFile();

// The folder that holds the running program file, with no trailing backslash
// except at the root of a drive; empty when it cannot be told.
std::string ProgramFolder();

// True when the program file lies in the user's temporary folder or below it,
// as where a file opened from inside an archive is extracted to run.
bool ProgramRunsFromTemporaryFolder();

enum class Readability { Readable, Missing, Unreadable };

// A file opened for reading as a copy's source, others free to read it
// meanwhile but not to change it, until it is copied or dropped.
class SourceFile {
 public:
  static constexpr std::intptr_t kNoHandle = -1;
  // handle: the system's (a descriptor on POSIX), or kNoHandle when it did not open.
  SourceFile(std::intptr_t handle, Readability readability, std::uint64_t size = 0)
      : handle_(handle), readability_(readability), size_(size) {}
  SourceFile(SourceFile&& other) noexcept
      : handle_(other.handle_), readability_(other.readability_), size_(other.size_) {
    other.handle_ = kNoHandle;
  }
  ~SourceFile();  // each file layer closes its own kind of handle
  SourceFile(const SourceFile&) = delete;
  SourceFile& operator=(const SourceFile&) = delete;
  SourceFile& operator=(SourceFile&&) = delete;

  // Readable: it opened. Missing: no file of that name. Unreadable: it exists
  // but does not open (held by another program with no sharing, no right to
  // read it, a folder).
  Readability State() const { return readability_; }
  // Its length in bytes when it opened.
  std::uint64_t Size() const { return size_; }
  // Hands the system's handle over to the caller, who closes it.
  std::intptr_t Release() {
    const std::intptr_t handle = handle_;
    handle_ = kNoHandle;
    return handle;
  }

 private:
  std::intptr_t handle_;
  Readability readability_;
  std::uint64_t size_;
};

// Opens path as a copy's source.
SourceFile OpenSource(const std::string& path);

// Opens folder + file_name with file_name's bytes read as Windows-1252 instead of
// in the system's code page; folder is named exactly as the ...A file functions
// name it, in any code page. Missing when both readings name the same file (no
// other name to look for) or file_name is not Windows-1252 text.
// POSIX names are bytes: there the Windows-1252 reading is the name in UTF-8.
SourceFile OpenSourceNamedInWindows1252(const std::string& folder, const std::string& file_name);

enum class CopyOutcome {
  Ok,
  SourceMissing,  // the source was not there
  NoFolder,       // no folder to write into: missing, or not among the held ones
  NoRoom,         // the destination's drive is full
  InUse,          // another program holds the destination, or its temporary's name
  Refused,        // the system refused to write there (a folder at its name, no right)
  Failed,         // any other failure, a source that did not open included
};

// Copies the opened source over the destination in one step: into a fresh
// temporary beside it (never through a name planted there), then renamed over
// it, so the destination holds its old bytes or the new ones, never a part, and
// whatever another name of the old file (a link) leads to keeps its own. A
// read-only or hidden destination is replaced too; a failed copy leaves it as
// it was. Never creates a folder; a destination outside the held folders
// (folder_hold.h) is NoFolder too. When copied is given, it
// receives the bytes copied: for a small file whose content is read next.
CopyOutcome CopyFileReplacing(SourceFile source, const std::string& destination,
                              std::string* copied = nullptr);

// The room free for this user on the drive that holds folder, in bytes; false
// when the system cannot tell.
bool FreeRoom(const std::string& folder, std::uint64_t& bytes);

// The length of the plain file at path, as its name reports it; 0 where there is
// none, or a folder.
std::uint64_t FileSizeAt(const std::string& path);

enum class RemoveOutcome { Removed, Missing, NotOurs, Failed };

// Removes the file of that name, read-only or not, checked through the handle
// that removes it; the name is found as the system finds it (Windows: under any
// capitals). NotOurs, and nothing removed, for a folder or a link of that name:
// a directory, a symbolic link or junction to a file or a folder, one of several
// names of one file (removing a link by name, Wine removes what it leads to).
// Missing: there is no file of that name.
RemoveOutcome RemoveFile(const std::string& path);

// The name by which the file functions reach the file or folder that a UTF-8
// text names (Windows: in the ANSI code page, exactly, with no best-fit
// letter); false when that code page cannot hold it. POSIX names are bytes:
// there the UTF-8 text itself.
bool NameFromUtf8(const std::string& utf8, std::string& name);

enum class ReadOutcome { Ok, CannotOpen, CannotRead };

// Reads the whole existing file. While it is open others may read it, not write it.
// CannotRead: it opened, but fewer bytes came than it holds (or it is too large,
// or larger than largest).
// headroom: spare capacity left in bytes, so that a caller that appends to them
// does not have to copy the whole content again.
ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes, std::size_t headroom = 0,
                          std::size_t largest = SIZE_MAX);

enum class WriteOutcome { Ok, CannotCreate, ShortWrite, NameTooLong };

// Replaces the file's whole content with bytes. CannotCreate when the file
// cannot be opened for writing with no sharing, also after waiting about a
// second for another program to let it go, or lies outside the held folders
// (nothing is written then). The new content goes to a temporary file beside
// the target that then replaces it, keeping the file's identity (Windows: its
// permissions, attributes and streams; POSIX: its mode), so on a failure the old
// content survives; NameTooLong when that temporary's path would be too long for
// the system (nothing is written). Only where the folder refuses the temporary or
// the replace for lack of rights is the file written in place, and only a plain
// file with no other name; a failure there may leave it partly written
// (ShortWrite). No temporary is left behind, except where a failed replace freed
// the target's name and neither the new nor the old content could fill it.
WriteOutcome WriteWholeFile(const std::string& path, const std::string& bytes);

// Windows builds only: true when the program runs under Wine.
bool RunsUnderWine();

// Fault injection for tests: the next write of file content stores at most
// limit bytes and reports the shorter count. Applies once.
void LimitNextWriteForTesting(std::size_t limit);

// Fault injection for tests: the next save finds that it cannot make a
// temporary file beside its target, as in a folder where it may only write to
// existing files. Applies once.
void RefuseNextTemporaryForTesting();

// Test seam: from now on saves under Wine put the temporary in place with
// ReplaceFileA, as on Windows, instead of renaming it. POSIX has no such replace.
void SaveThroughSystemReplaceForTesting();

}  // namespace platform
