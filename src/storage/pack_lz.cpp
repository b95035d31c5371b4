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

// Copies `length` bytes from `distance` back, one byte after the other in effect: a distance
// shorter than the length repeats the last `distance` bytes, which is how runs are written.
void CopyMatchExact(uint8_t* out, size_t distance, size_t length) {
  const uint8_t* from = out - distance;
  if (distance == 1) {
    std::memset(out, *from, length);
  } else if (distance >= length) {
    std::memcpy(out, from, length);
  } else {
    for (size_t i = 0; i < length; ++i) out[i] = from[i];
  }
}

// The same with the freedom to write up to 15 bytes beyond `length`.
inline void CopyMatchWild(uint8_t* out, size_t distance, size_t length) {
  const uint8_t* from = out - distance;
  if (distance >= 16) {
    for (size_t i = 0; i < length; i += 16) std::memcpy(out + i, from + i, 16);
  } else if (distance >= 8) {
    for (size_t i = 0; i < length; i += 8) std::memcpy(out + i, from + i, 8);
  } else {
    CopyMatchExact(out, distance, length);
  }
}

// Room the fast loop keeps before the ends, so that a whole command (at most 4 command bytes
// and 112 literals in, 3 literals and a 1028-byte copy out) plus 16 bytes of wild copying can
// never cross them.
constexpr size_t kFastInputMargin = 4 + kLzMaxLiteralRun + 16;
constexpr size_t kFastOutputMargin = kLzMaxLiteralRun + kLzMaxCopy + 3 + 16;

// Decodes while both ends are far away, without per-byte bounds checks. Stops before the end
// command and before getting close to either end; the careful loop finishes.
void UnpackLzFast(const uint8_t* stream, size_t streamLength, size_t& in, uint8_t* out, size_t size,
                  size_t& produced, bool& corrupt) {
  if (streamLength < kFastInputMargin || size < kFastOutputMargin) return;
  const uint8_t* ip = stream + in;
  const uint8_t* const ipLimit = stream + streamLength - kFastInputMargin;
  uint8_t* op = out + produced;
  uint8_t* const opLimit = out + size - kFastOutputMargin;
  while (ip < ipLimit && op < opLimit) {
    const uint32_t b0 = ip[0];
    size_t literals, length, distance;
    if (b0 < 0xC0) {
      // The 2- and 3-byte forms make up nearly every command of text and follow each other
      // unpredictably; decoding both and selecting keeps the branch predictor out of it.
      const uint32_t b1 = ip[1], b2 = ip[2];
      const bool threeBytes = b0 >= 0x80;
      literals = threeBytes ? b1 >> 6 : b0 & 0x03;
      length = threeBytes ? (b0 & 0x3F) + 4 : ((b0 >> 2) & 0x07) + 3;
      distance = (threeBytes ? ((b1 & 0x3F) << 8) + b2 : ((b0 & 0x60) << 3) + b1) + 1;
      ip += threeBytes ? 3 : 2;
    } else if (b0 < 0xE0) {
      literals = b0 & 0x03;
      length = ((b0 & 0x0C) << 6) + ip[3] + 5;
      distance = ((b0 & 0x10) << 12) + (ip[1] << 8) + ip[2] + 1;
      ip += 4;
    } else if (b0 < 0xFC) {
      literals = ((b0 & 0x1F) + 1) * 4;
      ++ip;
      for (size_t i = 0; i < literals; i += 16) std::memcpy(op + i, ip + i, 16);
      ip += literals;
      op += literals;
      continue;
    } else {
      break;  // the end command
    }
    std::memcpy(op, ip, 4);
    ip += literals;
    op += literals;
    if (distance > static_cast<size_t>(op - out)) {
      corrupt = true;
      break;
    }
    if (distance >= 16 && length <= 16) {
      std::memcpy(op, op - distance, 16);
    } else {
      CopyMatchWild(op, distance, length);
    }
    op += length;
  }
  in = static_cast<size_t>(ip - stream);
  produced = static_cast<size_t>(op - out);
}

}  // namespace

namespace pack_detail {

bool UnpackLz(const uint8_t* stream, size_t streamLength, uint8_t* out, size_t size) {
  size_t in = 0;
  size_t produced = 0;
  bool corrupt = false;
  UnpackLzFast(stream, streamLength, in, out, size, produced, corrupt);
  if (corrupt) return false;
  while (in < streamLength) {
    LzCommand c;
    if (!ReadCommand(stream + in, streamLength - in, c)) return false;
    in += c.commandBytes;
    if (c.literals > streamLength - in || c.literals > size - produced) return false;
    if (c.copyLength > size - produced - c.literals) return false;
    if (c.literals > 0) std::memcpy(out + produced, stream + in, c.literals);
    in += c.literals;
    produced += c.literals;
    if (c.end) break;
    if (c.copyLength == 0) continue;
    if (c.distance > produced) return false;
    CopyMatchExact(out + produced, c.distance, c.copyLength);
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
