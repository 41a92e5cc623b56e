#pragma once
// The few system services the test support needs beyond the product's layer.

#include <string>
#include <vector>

// The system's temporary folder, ending in a backslash.
std::string TemporaryRoot();
unsigned long ProcessId();
// Names directly inside a folder, sorted, without "." and "..".
std::vector<std::string> NamesIn(const std::string& folder);
