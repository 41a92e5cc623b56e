#pragma once
// What the Windows file layer's two halves share: an owner of a file handle,
// and the name the ...A file functions make of 8-bit bytes.

#include <windows.h>

#include <string>

namespace platform::detail {

class ScopedFile {
 public:
  explicit ScopedFile(HANDLE handle) : handle_(handle) {}
  ~ScopedFile() { Close(); }
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
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

}  // namespace platform::detail
