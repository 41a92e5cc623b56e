#pragma once
// A file that lines are added to at its end, as a log is. Setup runs elevated
// and the log's name may lie in a folder every user may write to: the file is
// opened as that name itself, never through a link planted there.

#include <cstdint>
#include <string>

#include "platform/file_types.h"

namespace platform {

class AppendFile : public Appendable {
 public:
  // Opens the file at path, made where there is none, only as a new name
  // (never what a link there leads to); shared for reading only. Folders on the
  // way to it are followed as the path names them.
  explicit AppendFile(const std::string& path);
  ~AppendFile() override;
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;

  AppendOpening Opening() const { return opening_; }
  bool Append(const std::string& bytes) override;

 private:
  std::intptr_t handle_;
  AppendOpening opening_ = AppendOpening::Ok;
};

}  // namespace platform
