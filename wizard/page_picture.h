#pragma once
// The page picture: JPEG bytes from the program's resources, decoded for display.

#include <windows.h>

namespace wizard {

// A 24-bit bitmap of exactly width x height pixels, from the smallest rendering
// of the picture that is not smaller, shrunk where it is larger. Fails with a
// message when the resource is missing or not a decodable colour JPEG. The
// caller owns the bitmap.
HBITMAP PagePicture(int width, int height);

}  // namespace wizard
