#pragma once
// The one kind of failure in the program: an exception that carries the text
// the user sees. Nothing below the window's handlers catches it.

#include <initializer_list>
#include <stdexcept>
#include <string>

class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

// The pattern with its "%s" and "%d" replaced by values, in order; the values'
// own text is never searched. Placeholders beyond the values stay as they are.
std::string FillIn(const std::string& pattern, std::initializer_list<std::string> values);
std::string FillIn(const std::string& pattern, const std::string& value);

// Raises Failure with FillIn(pattern, values).
[[noreturn]] void Fail(const std::string& pattern, std::initializer_list<std::string> values);
[[noreturn]] void Fail(const std::string& pattern, const std::string& value);
