#pragma once
// The page picture: JPEG bytes from the program's resources, decoded for display.

#include <windows.h>

namespace wizard {

// A 24-bit bitmap of the JPEG resource named name. Fails with a message when the
// resource is missing or not a decodable colour JPEG. The caller owns the bitmap.
HBITMAP DecodePagePicture(const char* name);

}  // namespace wizard
