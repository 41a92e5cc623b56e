#pragma once
// The one kind of failure in the program: an exception that carries the text
// the user sees. Nothing below the window's handlers catches it.

#include <initializer_list>
#include <stdexcept>
#include <string>

// What failed, for a run without the wizard to tell by its exit code.
enum class FailureKind {
  GameFile,        // a game file cannot be read, written or removed
  FolderRefused,   // the game folder is not one to write into
  PackIncomplete,  // the pack's maps are not all there to be read
  NotRecorded,     // Installed apps cannot take the pack's entry
  NoRoom,          // the game's drive cannot take the pack
};

class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& message, FailureKind kind = FailureKind::GameFile)
      : std::runtime_error(message), kind_(kind) {}
  FailureKind Kind() const { return kind_; }

 private:
  FailureKind kind_;
};

// The pattern with its "%s" and "%d" replaced by values, in order; the values'
// own text is never searched. Placeholders beyond the values stay as they are.
std::string FillIn(const std::string& pattern, std::initializer_list<std::string> values);
std::string FillIn(const std::string& pattern, const std::string& value);

// Raises Failure with FillIn(pattern, values).
[[noreturn]] void Fail(const std::string& pattern, std::initializer_list<std::string> values);
[[noreturn]] void Fail(const std::string& pattern, const std::string& value);
[[noreturn]] void Fail(FailureKind kind, const std::string& pattern,
                       std::initializer_list<std::string> values);
