#include <gtest/gtest.h>

#include <random>

#include "assets/tga_image.h"
#include "assets/tga_writer.h"

namespace torvale {
namespace {

uint32_t Le32At(const std::vector<uint8_t>& v, size_t at) {
  return v[at] | (v[at + 1] << 8) | (v[at + 2] << 16) | (uint32_t(v[at + 3]) << 24);
}

std::vector<uint8_t> TgaHeader(uint8_t type, int width, int height, uint8_t depth, uint8_t descriptor = 0) {
  std::vector<uint8_t> h(18, 0);
  h[2] = type;
  h[12] = static_cast<uint8_t>(width);
  h[13] = static_cast<uint8_t>(width >> 8);
  h[14] = static_cast<uint8_t>(height);
  h[15] = static_cast<uint8_t>(height >> 8);
  h[16] = depth;
  h[17] = descriptor;
  return h;
}

std::vector<uint8_t> Convert(const std::vector<uint8_t>& tga) { return TgaToDib(tga.data(), tga.size()); }

// Blue, green, red of the pixel at (x, y) counted from the bitmap's bottom row.
std::vector<uint8_t> DibPixel(const std::vector<uint8_t>& dib, int x, int y) {
  const size_t width = Le32At(dib, 18);
  const size_t stride = (3 * width + 3) & ~size_t{3};
  const size_t at = kDibHeaderSize + size_t(y) * stride + size_t(x) * 3;
  return {dib[at], dib[at + 1], dib[at + 2]};
}

TEST(TgaToDib, Plain24BitImageBecomesBottomUpBitmapWithPaddedRows) {
  std::vector<uint8_t> tga = TgaHeader(2, 2, 2, 24);
  // Bottom row first, as TGA stores by default.
  const uint8_t pixels[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  tga.insert(tga.end(), std::begin(pixels), std::end(pixels));
  const std::vector<uint8_t> dib = Convert(tga);
  ASSERT_EQ(dib.size(), 70u);  // stride 8: six pixel bytes and two of padding per row
  EXPECT_EQ(dib[0], 'B');
  EXPECT_EQ(dib[1], 'M');
  EXPECT_EQ(Le32At(dib, 2), 70u);
  EXPECT_EQ(Le32At(dib, 6), 0u);
  EXPECT_EQ(Le32At(dib, 10), 54u);
  EXPECT_EQ(Le32At(dib, 14), 40u);
  EXPECT_EQ(Le32At(dib, 18), 2u);
  EXPECT_EQ(Le32At(dib, 22), 2u);
  EXPECT_EQ(dib[26] | (dib[27] << 8), 1);
  EXPECT_EQ(dib[28] | (dib[29] << 8), 24);
  EXPECT_EQ(Le32At(dib, 30), 0u);
  EXPECT_EQ(Le32At(dib, 34), 16u);
  for (size_t at = 38; at < 54; ++at) EXPECT_EQ(dib[at], 0) << at;
  const std::vector<uint8_t> expectedPixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  EXPECT_EQ(std::vector<uint8_t>(dib.begin() + 54, dib.end()), expectedPixels);
}

TEST(TgaToDib, DropsAlphaAndWidens16BitChannels) {
  std::vector<uint8_t> tga32 = TgaHeader(2, 1, 1, 32);
  tga32.insert(tga32.end(), {10, 20, 30, 99});
  std::vector<uint8_t> dib = Convert(tga32);
  ASSERT_EQ(dib.size(), 58u);
  EXPECT_EQ(DibPixel(dib, 0, 0), (std::vector<uint8_t>{10, 20, 30}));

  // A1R5G5B5: full red, half green (16 of 31), no blue; and pure white.
  std::vector<uint8_t> tga16 = TgaHeader(2, 2, 1, 16);
  const unsigned mixed = (31u << 10) | (16u << 5);
  tga16.insert(tga16.end(), {uint8_t(mixed), uint8_t(mixed >> 8), 0xFF, 0x7F});
  dib = Convert(tga16);
  ASSERT_EQ(dib.size(), 54u + 8u);
  EXPECT_EQ(DibPixel(dib, 0, 0), (std::vector<uint8_t>{0, 132, 255}));
  EXPECT_EQ(DibPixel(dib, 1, 0), (std::vector<uint8_t>{255, 255, 255}));
}

TEST(TgaToDib, RunLengthPacketsRunAcrossRowEnds) {
  // 32-bit, 2 x 2: a run of three red pixels spanning both rows, then one raw blue pixel.
  std::vector<uint8_t> tga = TgaHeader(10, 2, 2, 32);
  tga.insert(tga.end(), {0x82, 0, 0, 255, 255, 0x00, 255, 0, 0, 255});
  const std::vector<uint8_t> dib = Convert(tga);
  ASSERT_EQ(dib.size(), 70u);
  EXPECT_EQ(DibPixel(dib, 0, 0), (std::vector<uint8_t>{0, 0, 255}));
  EXPECT_EQ(DibPixel(dib, 1, 0), (std::vector<uint8_t>{0, 0, 255}));
  EXPECT_EQ(DibPixel(dib, 0, 1), (std::vector<uint8_t>{0, 0, 255}));
  EXPECT_EQ(DibPixel(dib, 1, 1), (std::vector<uint8_t>{255, 0, 0}));

  // A run longer than the pixels left stops when the last row is full.
  std::vector<uint8_t> overlong = TgaHeader(10, 2, 1, 24);
  overlong.insert(overlong.end(), {0xFF, 1, 2, 3});
  EXPECT_EQ(Convert(overlong).size(), 62u);
}

TEST(TgaToDib, RunLengthAndPlainFilesOfEveryDepthDecodeAlike) {
  std::mt19937 random(7);
  for (int depth : {16, 24, 32}) {
    TgaImage image;
    image.width = 37;
    image.height = 5;
    image.bitsPerPixel = depth;
    // Stretches of equal pixels and of noise, so both packet kinds occur.
    for (int i = 0; i < image.width * image.height; ++i) {
      const uint8_t shade = (i / 9) % 2 ? uint8_t(random()) : uint8_t(i / 9);
      for (int b = 0; b < depth / 8; ++b) image.pixels.push_back(shade);
    }
    const std::vector<uint8_t> plain = EncodeTga(image, false);
    const std::vector<uint8_t> packed = EncodeTga(image, true);
    ASSERT_LT(packed.size(), plain.size()) << depth;
    const std::vector<uint8_t> dib = Convert(plain);
    ASSERT_EQ(dib.size(), 54u + 5u * 112u) << depth;
    EXPECT_EQ(Convert(packed), dib) << depth;
  }
}

TEST(TgaToDib, HonoursTopOriginAndSkipsIdentificationField) {
  std::vector<uint8_t> tga = TgaHeader(2, 1, 2, 24, 0x20);
  tga[0] = 3;  // three bytes of image identification
  tga.insert(tga.end(), {'a', 'b', 'c', 1, 1, 1, 2, 2, 2});
  const std::vector<uint8_t> dib = Convert(tga);
  ASSERT_EQ(dib.size(), 54u + 8u);
  EXPECT_EQ(DibPixel(dib, 0, 1), (std::vector<uint8_t>{1, 1, 1}));  // stored first, shown on top
  EXPECT_EQ(DibPixel(dib, 0, 0), (std::vector<uint8_t>{2, 2, 2}));
}

TEST(TgaToDib, UnsupportedDepthGivesBlackBitmapOfTheImageSize) {
  std::vector<uint8_t> tga = TgaHeader(1, 3, 2, 8);
  tga.insert(tga.end(), 6, 0xAB);
  const std::vector<uint8_t> dib = Convert(tga);
  ASSERT_EQ(dib.size(), 54u + 2u * 12u);
  EXPECT_EQ(Le32At(dib, 18), 3u);
  for (size_t at = 54; at < dib.size(); ++at) EXPECT_EQ(dib[at], 0);
}

TEST(TgaToDib, RefusesTruncatedAndImplausibleImages) {
  std::vector<uint8_t> tga = TgaHeader(2, 2, 2, 24);
  tga.insert(tga.end(), 11, 0x11);  // one byte short
  EXPECT_TRUE(Convert(tga).empty());
  EXPECT_TRUE(Convert(std::vector<uint8_t>(17, 0)).empty());
  EXPECT_TRUE(TgaToDib(nullptr, 0).empty());
  // No size, negative size, and an identification field longer than the file.
  EXPECT_TRUE(Convert(TgaHeader(2, 0, 5, 24)).empty());
  EXPECT_TRUE(Convert(TgaHeader(2, -4, 5, 24)).empty());
  std::vector<uint8_t> longId = TgaHeader(2, 1, 1, 24);
  longId[0] = 200;
  longId.insert(longId.end(), 3, 0);
  EXPECT_TRUE(Convert(longId).empty());
  // A header claiming 32767 x 32767 pixels with a handful of bytes behind it, in every form.
  for (uint8_t type : {2, 10})
    for (uint8_t depth : {0, 8, 24}) {
      std::vector<uint8_t> forged = TgaHeader(type, 0x7FFF, 0x7FFF, depth);
      forged.insert(forged.end(), {0xFF, 0, 0, 0, 0xFF, 0, 0, 0});
      EXPECT_TRUE(Convert(forged).empty()) << int(type) << " " << int(depth);
    }
  // The black stand-in of an unsupported depth is no bigger than the file's bytes as plain
  // pixels could make it; a run-length stream must hold every pixel before the bitmap is made
  // (four bytes of packet could otherwise claim 128 pixels each: gigabytes from megabytes).
  std::vector<uint8_t> fallback = TgaHeader(2, 1000, 1000, 8);
  fallback.insert(fallback.end(), 5000, 0);
  EXPECT_TRUE(Convert(fallback).empty());
  std::vector<uint8_t> runs = TgaHeader(10, 4000, 4000, 24);
  for (int packet = 0; packet < 1000; ++packet) runs.insert(runs.end(), {0xFF, 1, 2, 3});
  EXPECT_TRUE(Convert(runs).empty());
  // A run-length stream that ends before the image is full.
  std::vector<uint8_t> shortRuns = TgaHeader(10, 4, 4, 24);
  shortRuns.insert(shortRuns.end(), {0x83, 1, 2, 3, 0x01, 4, 5, 6});
  EXPECT_TRUE(Convert(shortRuns).empty());
}

}  // namespace
}  // namespace torvale
