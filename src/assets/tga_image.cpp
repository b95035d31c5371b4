#include "assets/tga_image.h"

#include "storage/byte_order.h"

namespace torvale {

namespace {

constexpr size_t kTgaHeaderSize = 18;
constexpr uint8_t kTypeRunLength = 10;
constexpr uint8_t kDescriptorTopOrigin = 0x20;
constexpr size_t kMaxRunLengthPixels = 128;  // a packet byte counts 1..128 pixels

struct TgaHeader {
  size_t pixelOffset = 0;
  uint8_t type = 0;
  int width = 0;
  int height = 0;
  int depth = 0;
  bool topOrigin = false;
};

bool ParseHeader(const uint8_t* bytes, size_t length, TgaHeader& header) {
  if (!bytes || length < kTgaHeaderSize) return false;
  header.type = bytes[2];
  header.width = static_cast<int16_t>(LoadLe16(bytes + 12));
  header.height = static_cast<int16_t>(LoadLe16(bytes + 14));
  header.depth = bytes[16];
  header.topOrigin = (bytes[17] & kDescriptorTopOrigin) != 0;
  // A colour map, when the file declares one, sits between the identification field and the
  // pixels; true-colour badges have none, but skipping it keeps other writers' files aligned.
  size_t colourMapBytes = 0;
  if (bytes[1] == 1) colourMapBytes = size_t{LoadLe16(bytes + 5)} * ((bytes[7] + 7u) / 8u);
  header.pixelOffset = kTgaHeaderSize + bytes[0] + colourMapBytes;
  return header.width > 0 && header.height > 0 && header.pixelOffset <= length;
}

// True when `data` bytes can hold the image's pixels at all. Checked before allocating, so
// a forged header cannot ask for gigabytes that the file does not contain.
bool FileCanHoldPixels(const TgaHeader& header, size_t data) {
  const uint64_t pixels = uint64_t(header.width) * uint64_t(header.height);
  const uint64_t pixelBytes = header.depth > 8 ? (uint64_t(header.depth) + 7) / 8 : 1;
  if (header.type == kTypeRunLength) return pixels <= uint64_t(data) / (1 + pixelBytes) * kMaxRunLengthPixels + kMaxRunLengthPixels;
  return pixels <= uint64_t(data) / pixelBytes;
}

// Writes one source pixel as blue, green, red.
void ConvertPixel(const uint8_t* src, int depth, uint8_t* dst) {
  if (depth == 16) {
    // A1R5G5B5, little-endian; each 5-bit channel is widened so that 31 becomes 255.
    const unsigned v = LoadLe16(src);
    const auto widen = [](unsigned c) { return static_cast<uint8_t>((c << 3) | (c >> 2)); };
    dst[0] = widen(v & 31);
    dst[1] = widen((v >> 5) & 31);
    dst[2] = widen((v >> 10) & 31);
  } else {
    dst[0] = src[0];
    dst[1] = src[1];
    dst[2] = src[2];
  }
}

class DibPixelWriter {
 public:
  DibPixelWriter(std::vector<uint8_t>& dib, const TgaHeader& header, size_t stride)
      : dib_(dib), header_(header), stride_(stride),
        total_(uint64_t(header.width) * uint64_t(header.height)) {}

  bool Full() const { return next_ == total_; }

  void Put(const uint8_t* src) {
    const uint64_t storedRow = next_ / uint64_t(header_.width);
    const uint64_t column = next_ % uint64_t(header_.width);
    // Bitmaps run bottom-up like the default TGA orientation, so rows keep their order unless
    // the TGA says it was stored from the top.
    const uint64_t row = header_.topOrigin ? uint64_t(header_.height) - 1 - storedRow : storedRow;
    ConvertPixel(src, header_.depth, dib_.data() + kDibHeaderSize + row * stride_ + column * 3);
    ++next_;
  }

 private:
  std::vector<uint8_t>& dib_;
  const TgaHeader& header_;
  size_t stride_;
  uint64_t total_;
  uint64_t next_ = 0;
};

bool DecodePlain(const uint8_t* data, size_t size, size_t pixelBytes, DibPixelWriter& out) {
  for (size_t pos = 0; !out.Full(); pos += pixelBytes) {
    if (size - pos < pixelBytes) return false;
    out.Put(data + pos);
  }
  return true;
}

// Packets run on across row ends; decoding stops as soon as the last row is full.
bool DecodeRunLength(const uint8_t* data, size_t size, size_t pixelBytes, DibPixelWriter& out) {
  size_t pos = 0;
  while (!out.Full()) {
    if (pos >= size) return false;
    const uint8_t packet = data[pos++];
    const size_t count = (packet & 0x7F) + 1u;
    if (packet & 0x80) {
      if (size - pos < pixelBytes) return false;
      for (size_t i = 0; i < count && !out.Full(); ++i) out.Put(data + pos);
      pos += pixelBytes;
    } else {
      for (size_t i = 0; i < count && !out.Full(); ++i, pos += pixelBytes) {
        if (size - pos < pixelBytes) return false;
        out.Put(data + pos);
      }
    }
  }
  return true;
}

// True when the run-length stream holds at least `needed` pixels: checked before the bitmap
// is allocated, since 4 bytes of packet stand for up to 128 pixels and a small file could
// otherwise ask for gigabytes it never fills.
bool RunLengthHoldsPixels(const uint8_t* data, size_t size, size_t pixelBytes, uint64_t needed) {
  size_t pos = 0;
  uint64_t pixels = 0;
  while (pixels < needed) {
    if (pos >= size) return false;
    const uint8_t packet = data[pos++];
    const size_t count = (packet & 0x7F) + 1u;
    const size_t bytes = (packet & 0x80) ? pixelBytes : count * pixelBytes;
    if (size - pos < bytes) return false;
    pos += bytes;
    pixels += count;
  }
  return true;
}

void WriteDibHeaders(uint8_t* p, int width, int height, uint32_t totalSize) {
  p[0] = 'B';
  p[1] = 'M';
  StoreLe32(p + 2, totalSize);
  StoreLe32(p + 10, kDibHeaderSize);
  StoreLe32(p + 14, 40);
  StoreLe32(p + 18, static_cast<uint32_t>(width));
  StoreLe32(p + 22, static_cast<uint32_t>(height));
  StoreLe16(p + 26, 1);
  StoreLe16(p + 28, 24);
  StoreLe32(p + 34, totalSize - static_cast<uint32_t>(kDibHeaderSize));
}

}  // namespace

std::vector<uint8_t> TgaToDib(const uint8_t* bytes, size_t length) {
  TgaHeader header;
  if (!ParseHeader(bytes, length, header)) return {};
  const uint8_t* data = bytes + header.pixelOffset;
  const size_t dataSize = length - header.pixelOffset;
  if (!FileCanHoldPixels(header, dataSize)) return {};
  const bool supported = header.depth == 16 || header.depth == 24 || header.depth == 32;
  const uint64_t pixels = uint64_t(header.width) * uint64_t(header.height);
  if (!supported) {
    // Nothing is decoded: the black stand-in may be no larger than plain pixels of the file's
    // own size would make it.
    const uint64_t bytesPerPixel = header.depth > 8 ? (uint64_t(header.depth) + 7) / 8 : 1;
    if (pixels > dataSize / bytesPerPixel) return {};
  } else if (header.type == kTypeRunLength &&
             !RunLengthHoldsPixels(data, dataSize, size_t(header.depth) / 8, pixels)) {
    return {};
  }

  const size_t stride = (3 * size_t(header.width) + 3) & ~size_t{3};
  const uint64_t total = kDibHeaderSize + uint64_t(stride) * uint64_t(header.height);
  if (total > UINT32_MAX) return {};  // the bitmap's size field is 32 bits
  std::vector<uint8_t> dib(total, 0);
  WriteDibHeaders(dib.data(), header.width, header.height, static_cast<uint32_t>(total));

  if (!supported) return dib;  // black, but of the right size
  const size_t pixelBytes = size_t(header.depth) / 8;
  DibPixelWriter out(dib, header, stride);
  const bool ok = header.type == kTypeRunLength ? DecodeRunLength(data, dataSize, pixelBytes, out)
                                                : DecodePlain(data, dataSize, pixelBytes, out);
  if (!ok) return {};
  return dib;
}

}  // namespace torvale
