#pragma once
// The log a player asks for with /LOG=<file>: a line a step, added at the end
// of the file, so that runs one after the other keep one record.

#include <memory>
#include <string>

#include "engine/step_log.h"
#include "platform/system.h"
#include "setup/person.h"

namespace setup {

class LogFile : public engine::StepLog {
 public:
  // Opens path (created where missing) as that name itself, never through a
  // link planted there; fails with "Cannot create file %s", or with
  // kLogNotAPlainFile for a link, a folder or a file of several names.
  LogFile(platform::System& system, const std::string& path);

  // Each line reaches the file at once: a run cut off keeps what it did so far.
  // Line breaks inside it become spaces. The first line that cannot be written
  // is kept for Reported, and the log stops there: no later line follows a gap.
  void Write(const std::string& line) override;

  // The run's exit code once the log has had its say: where a line could not
  // be written, kLogCannotBeWritten is told to watching (none with /S) and a
  // run that otherwise ended well ends with kExitBadArguments; a failed one
  // keeps its code.
  int Reported(int exit_code, Person* watching) const;

 private:
  std::string path_;
  std::unique_ptr<platform::Appendable> file_;
  bool failed_ = false;
  std::string first_lost_;
};

}  // namespace setup
