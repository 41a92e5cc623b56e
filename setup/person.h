#pragma once
// The player watching a run that has a window: asked and told in boxes. A run
// under /S has nobody to ask, and never turns to one.

#include <string>

namespace setup {

class Person {
 public:
  virtual ~Person() = default;
  // A question with Yes and No, No the default; true for Yes.
  virtual bool Agrees(const std::string& question) = 0;
  virtual void Tell(const std::string& text) = 0;
  virtual void TellFailure(const std::string& message) = 0;
};

}  // namespace setup
