#pragma once
// What the Windows file layer's parts share: an owner of a file handle, the
// name the ...A file functions make of 8-bit bytes, telling a plain file of
// ours from a link by what the system knows of it, and making, moving and
// deleting Setup's own files.

#include <windows.h>

#include <string>

#include "platform/file_layer.h"

namespace platform {
// True when Windows is Wine.
bool RunsUnderWine();
}  // namespace platform

namespace platform::detail {

// What a system call that fills a buffer of the given size returns: the text,
// grown until it fits (the call answers the buffer's size, or more, when cut).
template <typename Fill>
std::string GrowingText(Fill fill) {
  std::string buffer(MAX_PATH + 1, '\0');
  for (;;) {
    const DWORD length = fill(&buffer[0], static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    if (length < buffer.size()) return buffer.substr(0, length);
    buffer.assign(buffer.size() * 2 > length ? buffer.size() * 2 : length + 1, '\0');
  }
}

class ScopedFile {
 public:
  explicit ScopedFile(HANDLE handle) : handle_(handle) {}
  ~ScopedFile() { Close(); }
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  // Gives the handle up to the caller, who closes it.
  HANDLE Release() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return handle;
  }
  void Close() {
    if (IsOpen()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

// The name that the ...A file functions make of bytes: read in their code page,
// with what that code page leaves undefined turned into its default character,
// as they do (so the game, opening these bytes, meets the same name).
std::wstring FileApiName(const std::string& bytes);

// The final path of what handle is, links resolved as the system resolves
// them (\\?\C:\...); empty when unknown.
std::wstring FinalPath(HANDLE handle);

// True when two paths name the same entry as Windows compares names: without
// case, by the system's own uppercase table. The game may spell
// "Interf3\maps\skirmish", or hold a map file, under other capitals than the
// install asks for.
bool SamePath(const std::wstring& a, const std::wstring& b);

// A folder as the system knows it: its final path with a trailing backslash,
// and its volume.
struct FolderIdentity {
  std::wstring path;
  DWORD volume = 0;
};

bool IdentifyFolder(HANDLE folder, FolderIdentity& identity);
// The same for the folder that holds path.
bool IdentifyFolderOf(const std::string& path, FolderIdentity& identity);

// True for a plain file with one name: not a folder, not a link of any kind
// (Windows marks symbolic links and junctions as reparse points), not one of
// several names of one file.
bool IsPlainFile(const BY_HANDLE_FILE_INFORMATION& info);

// True only for a file named name (under any capitals) directly in folder, not
// a folder, not a link of any kind; info is what the system knows of it. Under
// Wine a Linux link shows only in the final path, which is its target's.
bool IsFileNamed(HANDLE file, const FolderIdentity& folder, const std::string& name,
                 BY_HANDLE_FILE_INFORMATION& info);

// Takes the read-only mark off the file open as file (with FILE_WRITE_ATTRIBUTES),
// keeping its other attributes.
bool ClearReadOnly(HANDLE file, DWORD attributes);

enum class Removal {
  Leftover,   // another run's: only a plain file of one name that nobody has open
  Installed,  // an install's, removed later: whoever reads it (the game may), one name only
  Own,        // made by this run: whoever still reads it, and whatever names it has
};

// Deletes folder_path + name (folder_path ending in its separator) when that is
// a file named so in folder, read-only or not, checked through the very handle
// that deletes it, opened as the name itself; NotOurs for a folder or a link of
// any kind there, which the open reaches as itself, directory or not. Deleting
// by name would not do: under Wine it deletes what a Linux link leads to.
RemoveOutcome RemoveFileNamed(const FolderIdentity& folder, const std::string& folder_path,
                              const std::string& name, Removal removal);

// Removes a file of ours at path as removal allows, its folder identified first.
RemoveOutcome RemoveOwnFile(const std::string& path, Removal removal);

// A fresh file beside target under the first free one of attempts temporary
// names, open for writing and deleting, with the given attributes; attempt is
// the one taken. Creating only a new name, it never opens what another program
// put under a temporary's name, a link included.
HANDLE CreateTemporaryBeside(const std::string& target, DWORD attributes, int attempts,
                             int& attempt);

// Renames the file open as file (with DELETE access) over destination, in one
// step: the very file written, whatever happened to its name meanwhile.
// Windows refuses to rename over a read-only file: the mark comes off a plain
// file of one name there (never through a link, never off a file that has
// other names too).
bool MoveOver(HANDLE file, const std::string& destination);

// Deletes the file open as file (with DELETE access) when it is closed.
void Discard(HANDLE file);

}  // namespace platform::detail
