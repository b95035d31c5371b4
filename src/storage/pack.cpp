// Packed-block header and the dispatch from signature to codec.

#include "storage/pack.h"

#include "storage/pack_codecs.h"

namespace torvale {

using namespace pack_detail;

namespace pack_detail {

std::optional<PackHeader> ReadPackHeader(const uint8_t* block, size_t blockLength) {
  if (block == nullptr || blockLength < 2 || block[1] != kPackMarker) return std::nullopt;
  const uint8_t signature = block[0];
  const size_t width = (signature & kWideSizesBit) ? 4 : 3;
  const size_t fields = (signature & kSecondSizeBit) ? 2 : 1;
  const size_t streamOffset = 2 + width * fields;
  if (blockLength < streamOffset) return std::nullopt;
  PackHeader header;
  header.family = static_cast<uint8_t>(signature & ~kSecondSizeBit);
  header.unpackedSize = ReadBigEndian(block + 2, width);
  header.streamOffset = streamOffset;
  return header;
}

}  // namespace pack_detail

namespace {

// Families whose header PACK_size vouches for. Block texture 0x1C decodes but was never meant
// to be sized from its header, and the external family has no decoder here.
bool SizeIsReported(uint8_t family) {
  switch (family) {
    case kLz:
    case kLzWide:
    case kBlockTexture:
    case kBlockTextureAlpha:
    case kBlockTexture | kWideSizesBit:
    case kBlockTextureAlpha | kWideSizesBit:
    case kHuffman:
    case kHuffmanDelta:
    case kHuffmanDelta2:
    case kHuffman | kWideSizesBit:
    case kHuffmanDelta | kWideSizesBit:
    case kHuffmanDelta2 | kWideSizesBit:
    case kBytePair:
    case kBytePair | kWideSizesBit:
      return true;
    default:
      return false;
  }
}

}  // namespace

size_t PACK_packedBound(size_t length) {
  // 6 header bytes at most (0x90 form), one run byte per 112 literals, the end command.
  return length + (length + kLzMaxLiteralRun - 1) / kLzMaxLiteralRun + 7;
}

uint32_t PACK_size(const uint8_t* block, size_t blockLength) {
  const std::optional<PackHeader> header = ReadPackHeader(block, blockLength);
  if (!header || !SizeIsReported(header->family)) return 0;
  return header->unpackedSize;
}

uint32_t PACK_unpack(const uint8_t* block, size_t blockLength, uint8_t* destination,
                     size_t destinationLength) {
  const std::optional<PackHeader> header = ReadPackHeader(block, blockLength);
  if (!header || header->unpackedSize == 0) return 0;
  const uint32_t size = header->unpackedSize;
  if (destination == nullptr || destinationLength < size) return 0;

  const uint8_t* stream = block + header->streamOffset;
  const size_t streamLength = blockLength - header->streamOffset;
  bool ok = false;
  switch (header->family & ~kWideSizesBit) {
    case kLz:
      ok = UnpackLz(stream, streamLength, destination, size);
      break;
    case kBlockTexture:
    case kBlockTextureAlpha:
    case kBlockTextureNoSize:
      ok = UnpackBlockTexture(stream, streamLength, destination, size);
      break;
    case kHuffman:
    case kHuffmanDelta:
    case kHuffmanDelta2: {
      ok = UnpackHuffman(stream, streamLength, destination, size);
      const int deltaLevels = ((header->family & ~kWideSizesBit) - kHuffman) / 2;
      if (ok) UndoByteDelta(destination, size, deltaLevels);
      break;
    }
    case kBytePair:
      ok = UnpackBytePair(stream, streamLength, destination, size);
      break;
    default:
      // Unknown signatures, and the external family: no decoder is ever registered for it.
      ok = false;
      break;
  }
  return ok ? size : 0;
}

}  // namespace torvale
