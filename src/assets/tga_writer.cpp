#include "assets/tga_writer.h"

#include <cstring>

namespace torvale {

namespace {

constexpr size_t kMaxPacketPixels = 128;

void AppendLe16(std::vector<uint8_t>& out, int v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

bool SamePixel(const uint8_t* a, const uint8_t* b, size_t size) { return std::memcmp(a, b, size) == 0; }

// Runs of two or more equal pixels become run packets, everything between them raw packets.
void AppendRunLengthRow(std::vector<uint8_t>& out, const uint8_t* row, size_t width, size_t pixelBytes) {
  size_t x = 0;
  while (x < width) {
    size_t run = 1;
    while (x + run < width && run < kMaxPacketPixels &&
           SamePixel(row + x * pixelBytes, row + (x + run) * pixelBytes, pixelBytes))
      ++run;
    if (run >= 2) {
      out.push_back(static_cast<uint8_t>(0x80 | (run - 1)));
      out.insert(out.end(), row + x * pixelBytes, row + (x + 1) * pixelBytes);
      x += run;
      continue;
    }
    size_t raw = 1;
    while (x + raw < width && raw < kMaxPacketPixels &&
           !(x + raw + 1 < width &&
             SamePixel(row + (x + raw) * pixelBytes, row + (x + raw + 1) * pixelBytes, pixelBytes)))
      ++raw;
    out.push_back(static_cast<uint8_t>(raw - 1));
    out.insert(out.end(), row + x * pixelBytes, row + (x + raw) * pixelBytes);
    x += raw;
  }
}

}  // namespace

std::vector<uint8_t> EncodeTga(const TgaImage& image, bool runLength) {
  const int bpp = image.bitsPerPixel;
  if (bpp != 16 && bpp != 24 && bpp != 32) return {};
  if (image.width < 1 || image.height < 1 || image.width > 0x7FFF || image.height > 0x7FFF) return {};
  const size_t pixelBytes = size_t(bpp) / 8;
  const size_t rowBytes = size_t(image.width) * pixelBytes;
  if (image.pixels.size() != rowBytes * size_t(image.height)) return {};

  std::vector<uint8_t> out(12, 0);
  out[2] = runLength ? 10 : 2;
  AppendLe16(out, image.width);
  AppendLe16(out, image.height);
  out.push_back(static_cast<uint8_t>(bpp));
  out.push_back(static_cast<uint8_t>(bpp == 32 ? 8 : bpp == 16 ? 1 : 0));  // alpha bits, bottom-up
  if (!runLength) {
    out.insert(out.end(), image.pixels.begin(), image.pixels.end());
    return out;
  }
  for (int y = 0; y < image.height; ++y)
    AppendRunLengthRow(out, image.pixels.data() + size_t(y) * rowBytes, size_t(image.width), pixelBytes);
  return out;
}

}  // namespace torvale
