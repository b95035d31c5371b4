#pragma once
// Writes TGA images: the generated badges of the sample installation and test images.

#include <cstdint>
#include <vector>

namespace torvale {

struct TgaImage {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 24;        // 16 (A1R5G5B5), 24 (BGR) or 32 (BGRA)
  std::vector<uint8_t> pixels;  // rows from the bottom up, width * height * bitsPerPixel / 8 bytes
};

// The file bytes of `image`: type 2 (plain) or, with `runLength`, type 10 with packets that
// stop at row ends. Empty when the image's size and pixel bytes do not fit together.
std::vector<uint8_t> EncodeTga(const TgaImage& image, bool runLength);

}  // namespace torvale
