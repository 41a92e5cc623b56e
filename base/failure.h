#pragma once
// The one kind of failure in the program: an exception that carries the text
// the user sees. Nothing below the window's handlers catches it.

#include <stdexcept>
#include <string>

class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

// The pattern with its first "%s" or "%d" replaced by value.
std::string FillIn(const std::string& pattern, const std::string& value);

// Raises Failure with FillIn(pattern, value).
[[noreturn]] void Fail(const std::string& pattern, const std::string& value);
