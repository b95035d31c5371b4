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

// The same with the freedom to write up to 31 bytes beyond `length`.
inline void CopyMatchWild(uint8_t* out, size_t distance, size_t length) {
  const uint8_t* from = out - distance;
  if (distance >= 16) {
    for (size_t i = 0; i < length; i += 16) std::memcpy(out + i, from + i, 16);
  } else if (distance == 1) {
    std::memset(out, *from, length);
  } else {
    // A short period (pixels of an image, say) repeats with every multiple of it as well:
    // lay down the first 16 bytes or more one by one, then copy whole chunks from one
    // multiple of the period back.
    const size_t period = (16 + distance - 1) / distance * distance;
    const size_t head = std::min(period, length);
    for (size_t i = 0; i < head; ++i) out[i] = from[i];
    for (size_t i = head; i < length; i += 16) std::memcpy(out + i, out + i - period, 16);
  }
}

// Room the fast loop keeps before the ends, so that a whole command (at most 4 command bytes
// and 112 literals in, 3 literals and a 1028-byte copy out) plus up to 32 bytes of wild
// copying can never cross them.
constexpr size_t kFastInputMargin = 4 + kLzMaxLiteralRun + 32;
constexpr size_t kFastOutputMargin = kLzMaxLiteralRun + kLzMaxCopy + 3 + 32;

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
    const size_t b0 = ip[0];
    size_t length, distance;
    if (b0 < 0xC0) {
      // The 2- and 3-byte forms carry nearly every copy of text and alternate unpredictably,
      // so both are decoded and the right one selected without a branch. Their literals are
      // rare, so the branch around them keeps the next command's address off the critical path.
      const size_t threeBytes = b0 >> 7;
      const size_t pick3 = 0 - threeBytes, pick2 = ~pick3;
      const size_t b1 = ip[1], b2 = ip[2];
      const size_t literals = ((b1 >> 6) & pick3) | (b0 & 0x03 & pick2);
      length = (((b0 & 0x3F) + 4) & pick3) | ((((b0 >> 2) & 0x07) + 3) & pick2);
      distance = ((((b1 & 0x3F) << 8) + b2) & pick3) + ((((b0 & 0x60) << 3) + b1) & pick2) + 1;
      ip += 2 + threeBytes;
      if (literals != 0) {
        std::memcpy(op, ip, 4);
        ip += literals;
        op += literals;
      }
    } else if (b0 < 0xE0) {
      const size_t literals = b0 & 0x03;
      length = ((b0 & 0x0C) << 6) + ip[3] + 5;
      distance = ((b0 & 0x10) << 12) + (size_t{ip[1]} << 8) + ip[2] + 1;
      std::memcpy(op, ip + 4, 4);
      ip += 4 + literals;
      op += literals;
    } else if (b0 < 0xFC) {
      const size_t literals = ((b0 & 0x1F) + 1) * 4;
      ++ip;
      for (size_t i = 0; i < literals; i += 16) std::memcpy(op + i, ip + i, 16);
      ip += literals;
      op += literals;
      continue;
    } else {
      break;  // the end command
    }
    if (distance > static_cast<size_t>(op - out)) {
      corrupt = true;
      break;
    }
    const uint8_t* from = op - distance;
    if (distance >= 32) {
      // Nearly every copy of text is at most 32 bytes long and from further back than that.
      std::memcpy(op, from, 16);
      std::memcpy(op + 16, from + 16, 16);
      for (size_t i = 32; i < length; i += 16) std::memcpy(op + i, from + i, 16);
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
  if (count == 0) return;
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
