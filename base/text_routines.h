#pragma once
// The small text routines of the list files and the messages. Byte-exact throughout.

#include <cstdint>
#include <string>

// 1-based position of the first occurrence of needle in text; 0 when needle is
// empty, text is empty, needle is longer than text, or it does not occur.
int FindText(const std::string& needle, const std::string& text);

// Leading spaces, then a decimal with an optional sign in the 32-bit range, or
// a sign-less hexadecimal with prefix "$", "x", "X", "0x" or "0X" fitting 32 bits
// (two's complement). Nothing may follow. Fails with "'%s' is not a valid integer value".
std::int32_t ParseInt(const std::string& text);

// Plain decimal digits, "-" before a negative value.
std::string FormatInt(std::int32_t value);

// text with the letters A to Z made lower case; every other byte as it is.
std::string AsciiLowerCase(const std::string& text);
