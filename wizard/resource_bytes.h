#pragma once
// Raw bytes embedded in the program (RCDATA resources).

#include <string>

namespace wizard {

// The bytes of the RCDATA resource name; fails with a message when it is missing.
std::string ResourceBytes(const char* name);

}  // namespace wizard
