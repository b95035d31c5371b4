#pragma once
// Internals shared by the packed-block codecs: the header reader, one decoder per codec family
// and the LZ command writer used by both LZ encoders. Not part of the public PACK_ interface.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace torvale::pack_detail {

// Signature bits: bit 7 widens the size fields to 4 bytes, bit 0 adds a second size field.
inline constexpr uint8_t kWideSizesBit = 0x80;
inline constexpr uint8_t kSecondSizeBit = 0x01;

// Codec families, the signature with bit 0 cleared.
inline constexpr uint8_t kLz = 0x10;
inline constexpr uint8_t kLzWide = 0x90;
inline constexpr uint8_t kBlockTexture = 0x18;
inline constexpr uint8_t kBlockTextureAlpha = 0x1A;
inline constexpr uint8_t kBlockTextureNoSize = 0x1C;
inline constexpr uint8_t kExternal = 0x1E;
inline constexpr uint8_t kHuffman = 0x30;
inline constexpr uint8_t kHuffmanDelta = 0x32;
inline constexpr uint8_t kHuffmanDelta2 = 0x34;
inline constexpr uint8_t kBytePair = 0x46;

// What the header of a block says, before anyone decides whether the family is supported.
struct PackHeader {
  uint8_t family = 0;        // signature with bit 0 cleared (bit 7 kept)
  uint32_t unpackedSize = 0;
  size_t streamOffset = 0;   // first byte after the size field(s)
};

// Reads the marker and the size field(s). None when the marker is wrong or the header is cut.
std::optional<PackHeader> ReadPackHeader(const uint8_t* block, size_t blockLength);

inline uint32_t ReadBigEndian(const uint8_t* bytes, size_t width) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) value = (value << 8) | bytes[i];
  return value;
}

// Each decoder reads only stream[0, streamLength) and writes only out[0, size); it returns true
// only if it produced exactly `size` bytes.
bool UnpackLz(const uint8_t* stream, size_t streamLength, uint8_t* out, size_t size);
bool UnpackBlockTexture(const uint8_t* stream, size_t streamLength, uint8_t* out, size_t size);
bool UnpackHuffman(const uint8_t* stream, size_t streamLength, uint8_t* out, size_t size);
bool UnpackBytePair(const uint8_t* stream, size_t streamLength, uint8_t* out, size_t size);

// The running sum (mod 256) applied `levels` times: the delta stage behind 0x32 and 0x34.
void UndoByteDelta(uint8_t* bytes, size_t size, int levels);

// LZ codec limits shared by the encoders.
inline constexpr size_t kLzMaxCopy = 1028;
inline constexpr size_t kLzMaxLiteralRun = 112;
inline constexpr size_t kLzMaxThreeByteSize = 0xFFFFFF;

// Writes LZ commands to a destination or, when not writing, only counts their bytes. Running
// out of room sets a flag instead of writing past the end.
class LzCommandWriter {
 public:
  LzCommandWriter(uint8_t* destination, size_t capacity, bool write)
      : out_(destination), capacity_(capacity), write_(write) {}

  // Header 0x10 0xFB + 3-byte size, or 0x90 0xFB + 4-byte size when `wide`.
  void Header(uint32_t unpackedSize, bool wide);
  // Writes literal runs of up to 112 bytes while more than 3 literals remain; returns how many
  // (0-3) are left over for the next copy or end command.
  size_t LiteralRuns(const uint8_t* literals, size_t count);
  // A copy command carrying `literalCount` (0-3) literals; `distance` 1..131072, `length`
  // 3..1028 and within the limits of the form the pair allows.
  void Copy(const uint8_t* literals, size_t literalCount, size_t distance, size_t length);
  // The end command with the last 0-3 literals.
  void End(const uint8_t* literals, size_t literalCount);

  size_t Length() const { return length_; }
  bool Overflowed() const { return overflowed_; }

 private:
  void Put(const uint8_t* bytes, size_t count);
  void PutByte(uint8_t byte) { Put(&byte, 1); }

  uint8_t* out_;
  size_t capacity_;
  bool write_;
  size_t length_ = 0;
  bool overflowed_ = false;
};

// Bytes a copy command of this shape takes: 2, 3 or 4.
inline size_t LzCopyCost(size_t distance, size_t length) {
  size_t offset = distance - 1;
  if (offset < 1024 && length <= 10) return 2;
  if (offset < 16384 && length <= 67) return 3;
  return 4;
}

}  // namespace torvale::pack_detail
