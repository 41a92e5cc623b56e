#include "wizard/picture_resampling.h"

#include <algorithm>

namespace wizard {
namespace {

// The resource names and sizes are those written by tools/render-artwork.sh.
const PictureRendering kRenderings[] = {
    {"PAGE_PICTURE_100", 145, 249},
    {"PAGE_PICTURE_125", 181, 311},
    {"PAGE_PICTURE_150", 218, 374},
    {"PAGE_PICTURE_200", 290, 498},
};

struct Share {
  int source;
  double weight;
};

// For each of the target's count positions, the source positions it covers
// along one axis and how much of each, the weights adding up to one.
std::vector<std::vector<Share>> Coverage(int source_count, int target_count) {
  std::vector<std::vector<Share>> shares(static_cast<std::size_t>(target_count));
  const double step = static_cast<double>(source_count) / target_count;
  for (int t = 0; t < target_count; ++t) {
    const double begin = t * step, end = begin + step;
    for (int s = static_cast<int>(begin); s < source_count && s < end; ++s) {
      const double covered = std::min<double>(end, s + 1) - std::max<double>(begin, s);
      if (covered > 0) shares[static_cast<std::size_t>(t)].push_back({s, covered / step});
    }
  }
  return shares;
}

}  // namespace

PixelRows ResamplePixels(const PixelRows& source, int width, int height) {
  const auto columns = Coverage(source.width, width);
  const auto rows = Coverage(source.height, height);
  // Across first, into a buffer of the target's width and the source's height.
  std::vector<double> across(static_cast<std::size_t>(width) * source.height * 3);
  for (int y = 0; y < source.height; ++y) {
    const unsigned char* row = source.bytes.data() + static_cast<std::size_t>(y) * source.Stride();
    for (int x = 0; x < width; ++x)
      for (const Share& share : columns[static_cast<std::size_t>(x)])
        for (int c = 0; c < 3; ++c)
          across[(static_cast<std::size_t>(y) * width + x) * 3 + c] +=
              share.weight * row[share.source * 3 + c];
  }
  PixelRows target;
  target.width = width;
  target.height = height;
  target.bytes.assign(static_cast<std::size_t>(target.Stride()) * height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c) {
        double value = 0;
        for (const Share& share : rows[static_cast<std::size_t>(y)])
          value +=
              share.weight * across[(static_cast<std::size_t>(share.source) * width + x) * 3 + c];
        target.bytes[static_cast<std::size_t>(y) * target.Stride() + x * 3 + c] =
            static_cast<unsigned char>(std::clamp(value + 0.5, 0.0, 255.0));
      }
  return target;
}

const PictureRendering& RenderingFor(int width, int height) {
  for (const PictureRendering& rendering : kRenderings)
    if (rendering.width >= width && rendering.height >= height) return rendering;
  return kRenderings[std::size(kRenderings) - 1];
}

}  // namespace wizard
