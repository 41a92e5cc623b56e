#pragma once
// The log a player asks for with /LOG=<file>: a line a step, added at the end
// of the file, so that runs one after the other keep one record.

#include <windows.h>

#include <string>

#include "engine/step_log.h"

namespace app {

class LogFile : public engine::StepLog {
 public:
  // Opens path (created where missing); fails with "Cannot create file %s".
  explicit LogFile(const std::string& path);
  ~LogFile() override;
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  // Each line reaches the file at once: a run cut off keeps what it did so far.
  // Line breaks inside it become spaces.
  void Write(const std::string& line) override;

 private:
  HANDLE file_;
};

}  // namespace app
