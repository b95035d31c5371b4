// Huffman codec with an escape symbol for repeats and literals, optionally followed by one or
// two levels of byte delta (for smooth data such as sound and height maps). We only read it.

#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include "storage/pack_codecs.h"

namespace torvale::pack_detail {

namespace {

// Most significant bit of each byte first.
class BitReader {
 public:
  BitReader(const uint8_t* bytes, size_t length) : bytes_(bytes), length_(length) {}

  // False once the block has no more bits: the caller treats that as the end of the input.
  bool Read(int count, uint32_t& value) {
    while (buffered_ < count) {
      if (next_ == length_) return false;
      buffer_ = (buffer_ << 8) | bytes_[next_++];
      buffered_ += 8;
    }
    buffered_ -= count;
    value = static_cast<uint32_t>((buffer_ >> buffered_) & ((uint64_t{1} << count) - 1));
    return true;
  }

  bool ReadBit(uint32_t& bit) { return Read(1, bit); }

  // z zero bits, a one bit, then z + 2 bits b: the value b + 2^(z+2) - 4. Counts from the
  // file are bounded by 32 bits; a longer prefix can only be garbage.
  std::optional<uint64_t> ReadNumber() {
    int zeros = 0;
    for (uint32_t bit = 0;; ++zeros) {
      if (!ReadBit(bit)) return std::nullopt;
      if (bit == 1) break;
      if (zeros == kMaxZeros) return std::nullopt;
    }
    const int width = zeros + 2;
    uint64_t value = 0;
    uint32_t part = 0;
    if (width > 16) {
      if (!Read(width - 16, part)) return std::nullopt;
      value = uint64_t{part} << 16;
      if (!Read(16, part)) return std::nullopt;
      value |= part;
    } else {
      if (!Read(width, part)) return std::nullopt;
      value = part;
    }
    return value + (uint64_t{1} << width) - 4;
  }

 private:
  static constexpr int kMaxZeros = 30;
  const uint8_t* bytes_;
  size_t length_;
  size_t next_ = 0;
  uint64_t buffer_ = 0;
  int buffered_ = 0;
};

// A canonical code: counts per length and the symbols in code order.
struct CanonicalCode {
  std::vector<uint32_t> counts;  // counts[i] = symbols with codes of length i + 1
  std::vector<uint8_t> symbols;
};

constexpr size_t kMaxCodeLengths = 300;

// Reads the count list, which ends with the first non-zero count that fills the code space.
// A table that overfills the space, or could never be filled by the 256 byte values, is refused
// so that decoding a symbol always terminates.
bool ReadCodeLengths(BitReader& bits, CanonicalCode& code) {
  uint64_t open = 2;  // codes of the current length not yet taken
  uint64_t total = 0;
  while (code.counts.size() < kMaxCodeLengths) {
    const std::optional<uint64_t> count = bits.ReadNumber();
    if (!count || *count > open) return false;
    total += *count;
    if (total > 256) return false;
    code.counts.push_back(static_cast<uint32_t>(*count));
    open -= *count;
    if (*count > 0 && open == 0) return true;
    open *= 2;
    if (open > 256 - total) return false;
  }
  return false;
}

// Each entry steps forward from the previous symbol through the byte values not yet listed.
bool ReadSymbolList(BitReader& bits, CanonicalCode& code) {
  size_t total = 0;
  for (uint32_t count : code.counts) total += count;
  std::array<bool, 256> listed{};
  uint32_t previous = 255;
  for (size_t i = 0; i < total; ++i) {
    const std::optional<uint64_t> step = bits.ReadNumber();
    if (!step) return false;
    uint64_t remaining = *step % (256 - i);  // whole laps over the unlisted values change nothing
    uint32_t value = previous;
    for (;;) {
      value = (value + 1) & 0xFF;
      if (listed[value]) continue;
      if (remaining == 0) break;
      --remaining;
    }
    listed[value] = true;
    code.symbols.push_back(static_cast<uint8_t>(value));
    previous = value;
  }
  return true;
}

// Reads bits until they form a code: `offset` is the distance of the bits read so far from
// the first code of the current length.
std::optional<uint8_t> DecodeSymbol(BitReader& bits, const CanonicalCode& code) {
  uint64_t offset = 0;
  size_t index = 0;
  for (uint32_t count : code.counts) {
    uint32_t bit = 0;
    if (!bits.ReadBit(bit)) return std::nullopt;
    offset += bit;
    if (offset < count) return code.symbols[index + offset];
    index += count;
    offset = (offset - count) * 2;
  }
  return std::nullopt;  // unreachable for a complete code
}

}  // namespace

bool UnpackHuffman(const uint8_t* stream, size_t streamLength, uint8_t* out, size_t size) {
  BitReader bits(stream, streamLength);
  uint32_t escape = 0;
  if (!bits.Read(8, escape)) return false;
  CanonicalCode code;
  if (!ReadCodeLengths(bits, code) || !ReadSymbolList(bits, code)) return false;

  size_t produced = 0;
  for (;;) {
    const std::optional<uint8_t> symbol = DecodeSymbol(bits, code);
    if (!symbol) break;
    if (*symbol != escape) {
      if (produced == size) return false;
      out[produced++] = *symbol;
      continue;
    }
    const std::optional<uint64_t> repeats = bits.ReadNumber();
    if (!repeats) break;
    if (*repeats > 0) {
      if (produced == 0 || *repeats > size - produced) return false;
      std::memset(out + produced, out[produced - 1], static_cast<size_t>(*repeats));
      produced += static_cast<size_t>(*repeats);
      continue;
    }
    uint32_t endOfData = 0;
    if (!bits.ReadBit(endOfData) || endOfData == 1) break;
    uint32_t literal = 0;
    if (!bits.Read(8, literal)) break;
    if (produced == size) return false;
    out[produced++] = static_cast<uint8_t>(literal);
  }
  return produced == size;
}

void UndoByteDelta(uint8_t* bytes, size_t size, int levels) {
  for (int level = 0; level < levels; ++level) {
    uint8_t sum = 0;
    for (size_t i = 0; i < size; ++i) {
      sum = static_cast<uint8_t>(sum + bytes[i]);
      bytes[i] = sum;
    }
  }
}

}  // namespace torvale::pack_detail
