#include "storage/form_reader.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/path.h"
#include "storage/byte_order.h"
#include "storage/pack.h"
#include "storage/packed_size_limit.h"

namespace torvale {

namespace {

constexpr uint32_t kFileHeaderSize = 8;
constexpr uint32_t kChunkHeaderSize = 8;

}  // namespace

CFormReader::~CFormReader() { Close(); }

bool CFormReader::Open(std::string_view path) {
  Close();
  if (path.empty()) return false;
  file_ = std::fopen(ResolvePath(path).c_str(), "rb");
  if (!file_) return false;
  uint8_t header[kFileHeaderSize];
  off_t end = -1;
  if (::fseeko(file_, 0, SEEK_END) == 0) end = ::ftello(file_);
  const bool valid = end >= off_t{kFileHeaderSize} && ::fseeko(file_, 0, SEEK_SET) == 0 &&
                     std::fread(header, 1, sizeof header, file_) == sizeof header &&
                     std::memcmp(header, "FORM", 4) == 0 && LoadLe32(header + 4) == uint64_t(end);
  if (!valid) {
    Close();
    return false;
  }
  length_ = static_cast<uint32_t>(end);
  position_ = kFileHeaderSize;
  finished_ = false;
  return true;
}

std::optional<CFormChunk> CFormReader::ReadNextChunk() {
  if (!IsOpen() || finished_) return std::nullopt;
  finished_ = true;  // until this chunk has been read whole
  uint8_t header[kChunkHeaderSize];
  if (length_ - position_ < kChunkHeaderSize || std::fread(header, 1, sizeof header, file_) != sizeof header)
    return std::nullopt;
  const uint32_t packedLength = LoadLe32(header + 4);
  if (packedLength < 1 || packedLength > length_ - position_ - kChunkHeaderSize) return std::nullopt;

  std::vector<uint8_t> block(packedLength);
  if (std::fread(block.data(), 1, block.size(), file_) != block.size()) return std::nullopt;
  const uint32_t unpackedSize = PACK_size(block.data(), block.size());
  if (unpackedSize == 0 || !IsPlausibleUnpackedSize(unpackedSize, packedLength)) return std::nullopt;
  CFormChunk chunk;
  chunk.tagIndex = FormTagIndex(header);
  chunk.data.resize(unpackedSize);
  if (PACK_unpack(block.data(), block.size(), chunk.data.data(), chunk.data.size()) != unpackedSize)
    return std::nullopt;
  position_ += kChunkHeaderSize + packedLength;
  finished_ = false;
  return chunk;
}

void CFormReader::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  length_ = 0;
  position_ = 0;
  finished_ = false;
}

}  // namespace torvale
