#include "storage/form_writer.h"

#include <string>
#include <vector>

#include "platform/path.h"
#include "storage/byte_order.h"
#include "storage/pack.h"

namespace torvale {

namespace {

constexpr size_t kFileHeaderSize = 8;
constexpr size_t kChunkHeaderSize = 8;
constexpr uint64_t kMaxFileLength = UINT32_MAX;  // the header's length field is 32 bits

}  // namespace

CFormWriter::~CFormWriter() { Close(); }

bool CFormWriter::Open(std::string_view path) {
  Close();
  if (path.empty() || !file_.Open(path)) return false;
  const uint8_t header[kFileHeaderSize] = {'F', 'O', 'R', 'M', 0, 0, 0, 0};
  failed_ = !file_.Write(header, sizeof header);
  length_ = kFileHeaderSize;
  return !failed_;
}

bool CFormWriter::WriteChunk(uint32_t tagIndex, const uint8_t* data, size_t size) {
  if (!IsOpen() || failed_ || !data || size == 0 || tagIndex >= kFormTagCount) return false;
  std::vector<uint8_t> block(kChunkHeaderSize + PACK_packedBound(size));
  const size_t packed = PACK_pack(data, size, block.data() + kChunkHeaderSize, block.size() - kChunkHeaderSize, true);
  if (packed == 0 || length_ + kChunkHeaderSize + packed > kMaxFileLength) return false;
  std::copy(kFormTagBytes[tagIndex].begin(), kFormTagBytes[tagIndex].end(), block.begin());
  StoreLe32(block.data() + 4, static_cast<uint32_t>(packed));
  if (!file_.Write(block.data(), kChunkHeaderSize + packed)) {
    failed_ = true;  // the file is no longer a sequence of whole chunks
    return false;
  }
  length_ += kChunkHeaderSize + packed;
  return true;
}

bool CFormWriter::WriteFileChunk(uint32_t tagIndex, uint32_t number, std::string_view path) {
  if (!IsOpen()) return false;
  std::string content;
  if (!FileExists(path) || !ReadWholeFile(path, content)) return false;  // a folder is no file
  std::vector<uint8_t> data(4 + content.size());
  StoreLe32(data.data(), number);
  std::copy(content.begin(), content.end(), data.begin() + 4);
  return WriteChunk(tagIndex, data.data(), data.size());
}

bool CFormWriter::Close() {
  if (!IsOpen()) return false;
  uint8_t length[4];
  StoreLe32(length, static_cast<uint32_t>(length_));
  const bool ok = !failed_ && file_.WriteAt(4, length, sizeof length) && file_.Commit();
  if (!ok) file_.Abort();
  length_ = 0;
  failed_ = false;
  return ok;
}

void CFormWriter::Abort() {
  file_.Abort();
  length_ = 0;
  failed_ = false;
}

}  // namespace torvale
