// LZ copy codec: the decoder, the command writer shared by both encoders, and unpacking a
// whole buffer in place (packed BIG archives and entries).

#include <algorithm>
#include <cstring>
#include <utility>

#include "storage/pack.h"
#include "storage/pack_codecs.h"

namespace torvale {

using namespace pack_detail;

namespace {

// Slack that lets the decoder copy in fixed 16-byte steps instead of exact lengths.
constexpr size_t kWildSlack = 16;

struct LzCommand {
  size_t commandBytes = 1;
  size_t literals = 0;
  size_t copyLength = 0;
  size_t distance = 0;
  bool end = false;
};

// Decodes the command bytes at `p`; `available` is how many stream bytes are left there.
// False when the command is cut short.
bool ReadCommand(const uint8_t* p, size_t available, LzCommand& c) {
  const uint8_t b0 = p[0];
  if (b0 < 0x80) {
    if (available < 2) return false;
    c.commandBytes = 2;
    c.literals = b0 & 0x03;
    c.copyLength = ((b0 >> 2) & 0x07) + 3;
    c.distance = (static_cast<size_t>(b0 & 0x60) << 3) + p[1] + 1;
  } else if (b0 < 0xC0) {
    if (available < 3) return false;
    c.commandBytes = 3;
    c.literals = p[1] >> 6;
    c.copyLength = (b0 & 0x3F) + 4;
    c.distance = (static_cast<size_t>(p[1] & 0x3F) << 8) + p[2] + 1;
  } else if (b0 < 0xE0) {
    if (available < 4) return false;
    c.commandBytes = 4;
    c.literals = b0 & 0x03;
    c.copyLength = (static_cast<size_t>(b0 & 0x0C) << 6) + p[3] + 5;
    c.distance = (static_cast<size_t>(b0 & 0x10) << 12) + (static_cast<size_t>(p[1]) << 8) + p[2] + 1;
  } else if (b0 < 0xFC) {
    c.commandBytes = 1;
    c.literals = ((b0 & 0x1F) + 1) * 4;
    c.copyLength = 0;
  } else {
    c.commandBytes = 1;
    c.literals = b0 & 0x03;
    c.copyLength = 0;
    c.end = true;
  }
  return true;
}

// Copies `length` bytes from `distance` back. A distance shorter than the length repeats the
// last `distance` bytes, which is how the encoder writes runs.
inline void CopyMatch(uint8_t* out, size_t distance, size_t length, bool roomForWildCopy) {
  const uint8_t* from = out - distance;
  if (distance == 1) {
    std::memset(out, *from, length);
  } else if (roomForWildCopy && distance >= 16) {
    for (size_t i = 0; i < length; i += 16) std::memcpy(out + i, from + i, 16);
  } else if (roomForWildCopy && distance >= 8) {
    for (size_t i = 0; i < length; i += 8) std::memcpy(out + i, from + i, 8);
  } else if (distance >= length) {
    std::memcpy(out, from, length);
  } else {
    for (size_t i = 0; i < length; ++i) out[i] = from[i];
  }
}

}  // namespace

namespace pack_detail {

bool UnpackLz(const uint8_t* stream, size_t streamLength, uint8_t* out, size_t size) {
  size_t in = 0;
  size_t produced = 0;
  while (in < streamLength) {
    LzCommand c;
    if (!ReadCommand(stream + in, streamLength - in, c)) return false;
    in += c.commandBytes;
    if (c.literals > streamLength - in || c.literals > size - produced) return false;
    if (c.copyLength > size - produced - c.literals) return false;

    const bool roomForWildCopy = streamLength - in >= c.literals + kWildSlack &&
                                 size - produced >= c.literals + c.copyLength + kWildSlack;
    if (roomForWildCopy && c.literals <= kWildSlack) {
      std::memcpy(out + produced, stream + in, kWildSlack);
    } else if (c.literals > 0) {
      std::memcpy(out + produced, stream + in, c.literals);
    }
    in += c.literals;
    produced += c.literals;
    if (c.end) break;
    if (c.copyLength == 0) continue;
    if (c.distance > produced) return false;
    CopyMatch(out + produced, c.distance, c.copyLength, roomForWildCopy);
    produced += c.copyLength;
  }
  return produced == size;
}

void LzCommandWriter::Put(const uint8_t* bytes, size_t count) {
  if (write_) {
    if (count > capacity_ - length_) {
      overflowed_ = true;
      return;
    }
    std::memcpy(out_ + length_, bytes, count);
  }
  length_ += count;
}

void LzCommandWriter::Header(uint32_t unpackedSize, bool wide) {
  const uint8_t signature = wide ? kLzWide : kLz;
  uint8_t header[6] = {signature, kPackMarker};
  size_t width = wide ? 4 : 3;
  for (size_t i = 0; i < width; ++i) header[2 + i] = static_cast<uint8_t>(unpackedSize >> (8 * (width - 1 - i)));
  Put(header, 2 + width);
}

size_t LzCommandWriter::LiteralRuns(const uint8_t* literals, size_t count) {
  while (count > 3) {
    const size_t run = std::min(count & ~size_t{3}, kLzMaxLiteralRun);
    PutByte(static_cast<uint8_t>(0xE0 + (run / 4 - 1)));
    Put(literals, run);
    literals += run;
    count -= run;
  }
  return count;
}

void LzCommandWriter::Copy(const uint8_t* literals, size_t literalCount, size_t distance, size_t length) {
  const size_t offset = distance - 1;
  const auto literalBits = static_cast<uint8_t>(literalCount);
  uint8_t command[4];
  size_t commandLength = 0;
  if (offset < 1024 && length <= 10) {
    command[0] = static_cast<uint8_t>(((offset >> 3) & 0x60) | ((length - 3) << 2) | literalBits);
    command[1] = static_cast<uint8_t>(offset);
    commandLength = 2;
  } else if (offset < 16384 && length <= 67) {
    command[0] = static_cast<uint8_t>(0x80 | (length - 4));
    command[1] = static_cast<uint8_t>((literalBits << 6) | (offset >> 8));
    command[2] = static_cast<uint8_t>(offset);
    commandLength = 3;
  } else {
    const size_t extra = length - 5;
    command[0] = static_cast<uint8_t>(0xC0 | ((offset >> 12) & 0x10) | ((extra >> 6) & 0x0C) | literalBits);
    command[1] = static_cast<uint8_t>(offset >> 8);
    command[2] = static_cast<uint8_t>(offset);
    command[3] = static_cast<uint8_t>(extra);
    commandLength = 4;
  }
  Put(command, commandLength);
  Put(literals, literalCount);
}

void LzCommandWriter::End(const uint8_t* literals, size_t literalCount) {
  PutByte(static_cast<uint8_t>(0xFC + literalCount));
  Put(literals, literalCount);
}

}  // namespace pack_detail

bool PACK_unpackInPlace(std::vector<uint8_t>& buffer) {
  if (buffer.size() < 5 || buffer[0] != kLz || buffer[1] != kPackMarker) return false;
  const uint32_t size = ReadBigEndian(buffer.data() + 2, 3);
  std::vector<uint8_t> unpacked(size);
  if (!UnpackLz(buffer.data() + 5, buffer.size() - 5, unpacked.data(), size)) return false;
  buffer = std::move(unpacked);
  return true;
}

}  // namespace torvale
