#pragma once
// Paths are plain 8-bit strings with backslashes, joined by concatenation:
// nothing is inserted, removed or normalised.

#include <string>

// a immediately followed by b.
std::string JoinPath(const std::string& a, const std::string& b);

// The folder part of path including its last separator (empty when it has
// none), and the file name after it.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);
