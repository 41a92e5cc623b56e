#pragma once
// What an install or a removal did, a line a step, for the log a player may
// ask for.

#include <string>

namespace engine {

class StepLog {
 public:
  virtual ~StepLog() = default;
  virtual void Write(const std::string& line) = 0;
};

// Where no log is asked for.
class NoStepLog : public StepLog {
 public:
  void Write(const std::string&) override {}
};

}  // namespace engine
