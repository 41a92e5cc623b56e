#pragma once
// Resizing of decoded pictures, kept apart from the window code.

#include <vector>

namespace wizard {

// Rows of 3-byte pixels, each row padded to a multiple of 4 bytes (a DIB's layout).
struct PixelRows {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> bytes;
  int Stride() const { return (width * 3 + 3) & ~3; }
};

// The picture at the new size, every target pixel the mean of the source area it
// covers: shrinking keeps fine lines as a blend instead of dropping them.
PixelRows ResamplePixels(const PixelRows& source, int width, int height);

// A page picture rendered at build time for one display scale.
struct PictureRendering {
  const char* resource;
  int width, height;
};

// The smallest rendering that is not smaller than width x height, so that the
// picture is only ever shrunk to size; the largest when none is big enough.
const PictureRendering& RenderingFor(int width, int height);

}  // namespace wizard
