#include "wizard/picture_resampling.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using wizard::PixelRows;

// A picture whose pixel at x, y is colour(x, y), the same in all three bytes.
template <typename Colour>
PixelRows Picture(int width, int height, Colour colour) {
  PixelRows picture;
  picture.width = width;
  picture.height = height;
  picture.bytes.assign(static_cast<std::size_t>(picture.Stride()) * height, 0xEE);  // padding
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c)
        picture.bytes[static_cast<std::size_t>(y) * picture.Stride() + x * 3 + c] =
            static_cast<unsigned char>(colour(x, y));
  return picture;
}

int At(const PixelRows& picture, int x, int y) {
  return picture.bytes[static_cast<std::size_t>(y) * picture.Stride() + x * 3];
}

TEST(ResamplePixels, ShrinkingAveragesTheAreaEachPixelCovers) {
  // Columns alternate 0 and 200: halved, every pixel is their mean.
  const PixelRows stripes = Picture(6, 4, [](int x, int) { return x % 2 ? 200 : 0; });
  const PixelRows half = ResamplePixels(stripes, 3, 2);
  ASSERT_EQ(half.bytes.size(), static_cast<std::size_t>(half.Stride()) * 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(At(half, x, y), 100) << x << "," << y;
  // Two thirds: the middle target pixel covers half of each of two source pixels.
  const PixelRows ramp = Picture(3, 1, [](int x, int) { return x * 90; });
  const PixelRows two = ResamplePixels(ramp, 2, 1);
  EXPECT_EQ(At(two, 0, 0), 30);   // 0 * 2/3 + 90 * 1/3
  EXPECT_EQ(At(two, 1, 0), 150);  // 90 * 1/3 + 180 * 2/3
}

TEST(ResamplePixels, KeepsAPlainColourAndThePageSizesOfThePicture) {
  const PixelRows plain = Picture(290, 498, [](int, int) { return 77; });
  for (const auto& size : {std::pair<int, int>{254, 436}, {218, 374}, {145, 249}, {290, 498}}) {
    const PixelRows shrunk = ResamplePixels(plain, size.first, size.second);
    EXPECT_EQ(shrunk.width, size.first);
    EXPECT_EQ(shrunk.height, size.second);
    for (int y = 0; y < shrunk.height; y += 37)
      for (int x = 0; x < shrunk.width; x += 29) ASSERT_EQ(At(shrunk, x, y), 77);
  }
}

TEST(RenderingFor, TakesTheSmallestRenderingThatIsNotSmaller) {
  struct Case {
    int width, height;
    const char* resource;
  };
  const Case cases[] = {{145, 249, "PAGE_PICTURE_100"}, {120, 200, "PAGE_PICTURE_100"},
                        {146, 249, "PAGE_PICTURE_125"}, {145, 250, "PAGE_PICTURE_125"},
                        {181, 311, "PAGE_PICTURE_125"}, {218, 374, "PAGE_PICTURE_150"},
                        {254, 436, "PAGE_PICTURE_200"}, {290, 498, "PAGE_PICTURE_200"},
                        {363, 623, "PAGE_PICTURE_200"}};
  for (const Case& c : cases)
    EXPECT_EQ(std::string(wizard::RenderingFor(c.width, c.height).resource), c.resource)
        << c.width << " x " << c.height;
}

}  // namespace
