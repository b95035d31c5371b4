#pragma once
// Badge and picture images are TGA files; the editor shows them as plain 24-bit Windows
// bitmaps ("BMP" file bytes), which the GUI hands to its image loader unchanged.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace torvale {

// The byte length of the bitmap headers in front of the pixels (file header + info header).
constexpr size_t kDibHeaderSize = 54;

// Converts a TGA image in memory into the bytes of a bottom-up 24-bit bitmap file. 16-, 24- and
// 32-bit pixels are converted (alpha dropped); other pixel depths give a black bitmap of the
// image's size. Image type 10 is run-length decoded, every other type is read as plain pixels.
// Returns an empty vector for anything that cannot be converted: a short or truncated file, a
// width or height below 1, or a size the file cannot plausibly hold.
std::vector<uint8_t> TgaToDib(const uint8_t* bytes, size_t length);

}  // namespace torvale
