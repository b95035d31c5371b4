// Feeds arbitrary bytes to the TGA decoder: badge images may come from strangers.
#include <cstddef>
#include <cstdint>

#include "assets/tga_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> dib = torvale::TgaToDib(data, size);
  // When a bitmap comes out, its size field must describe exactly the bytes produced.
  if (!dib.empty() && (dib.size() < torvale::kDibHeaderSize ||
                       (dib[2] | (dib[3] << 8) | (dib[4] << 16) | (uint32_t(dib[5]) << 24)) != dib.size()))
    __builtin_trap();
  return 0;
}
