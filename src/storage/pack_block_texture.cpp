// Block-texture codec: 16-bit 5-6-5 images stored as 4x4 pixel blocks of two colours and a
// 2-bit palette index per pixel. Used for textures; we only ever read it.

#include <cstring>

#include "storage/pack_codecs.h"

namespace torvale::pack_detail {

namespace {

constexpr size_t kBlockBytes = 8;
constexpr size_t kBlockSide = 4;
constexpr size_t kPixelBytes = 2;
// A byte the format reserves, then the image width, before the first block.
constexpr size_t kPreambleBytes = 3;

struct Rgb565 {
  uint32_t r, g, b;
  explicit Rgb565(uint16_t c) : r(c >> 11), g((c >> 5) & 0x3F), b(c & 0x1F) {}
};

uint16_t Blend(uint16_t c0, uint16_t c1, uint32_t weight0, uint32_t weight1, uint32_t divisor) {
  const Rgb565 a(c0), b(c1);
  const uint32_t r = (weight0 * a.r + weight1 * b.r) / divisor;
  const uint32_t g = (weight0 * a.g + weight1 * b.g) / divisor;
  const uint32_t bl = (weight0 * a.b + weight1 * b.b) / divisor;
  return static_cast<uint16_t>((r << 11) | (g << 5) | bl);
}

// Pure black is kept apart from "transparent" (0x0000, only palette 3 of the three-colour mode)
// by nudging the two stored colours to 0x0001.
void BuildPalette(uint16_t c0, uint16_t c1, uint16_t palette[4]) {
  palette[0] = c0 == 0 ? 1 : c0;
  palette[1] = c1 == 0 ? 1 : c1;
  if (c0 > c1) {
    palette[2] = Blend(c0, c1, 5, 3, 8);
    palette[3] = Blend(c0, c1, 3, 5, 8);
  } else {
    palette[2] = Blend(c0, c1, 1, 1, 2);
    palette[3] = 0x0000;
  }
}

}  // namespace

bool UnpackBlockTexture(const uint8_t* stream, size_t streamLength, uint8_t* out, size_t size) {
  if (streamLength < kPreambleBytes || size % kPixelBytes != 0) return false;
  const size_t width = (size_t{stream[1]} << 8) | stream[2];
  if (width == 0) return false;
  const size_t rowBytes = width * kPixelBytes;
  const size_t blocksPerBand = (width + kBlockSide - 1) / kBlockSide;

  const uint8_t* block = stream + kPreambleBytes;
  const uint8_t* const end = stream + streamLength;
  // Every pixel inside the size lies in a block whose top-left pixel is inside it too, so the
  // bands run until a block would start past the end of the image.
  for (size_t band = 0;; ++band) {
    for (size_t column = 0; column < blocksPerBand; ++column) {
      const size_t x0 = column * kBlockSide;
      const size_t topLeft = band * kBlockSide * rowBytes + x0 * kPixelBytes;
      if (topLeft >= size) return true;
      if (static_cast<size_t>(end - block) < kBlockBytes) return false;

      uint16_t palette[4];
      BuildPalette(static_cast<uint16_t>(block[0] | (block[1] << 8)),
                   static_cast<uint16_t>(block[2] | (block[3] << 8)), palette);
      for (size_t row = 0; row < kBlockSide; ++row) {
        const uint8_t indices = block[4 + row];
        for (size_t x = 0; x < kBlockSide && x0 + x < width; ++x) {
          const size_t offset = topLeft + row * rowBytes + x * kPixelBytes;
          if (offset >= size) break;
          const uint16_t pixel = palette[(indices >> (2 * x)) & 0x03];
          out[offset] = static_cast<uint8_t>(pixel);
          out[offset + 1] = static_cast<uint8_t>(pixel >> 8);
        }
      }
      block += kBlockBytes;
    }
  }
}

}  // namespace torvale::pack_detail
