#include "master/master_writer.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace torvale {

void CMasterWriter::PutSlow(size_t /*size*/) {
  // Counting past 4 GiB would not fit the file's size word; a writing pass that writes more
  // than it counted is a fault of a record writer. Either way the buffer is never overrun and
  // Flush refuses to write the file.
  overflow_ = true;
  if (!writing_) total_ = kMaxCounted;
}

void CMasterWriter::WriteF32(float value) { WriteU32(std::bit_cast<uint32_t>(value)); }

void CMasterWriter::WriteBytes(const void* data, size_t size) { Put(data, size); }

void CMasterWriter::WriteU16Array(std::span<const uint16_t> values) {
  for (uint16_t v : values) WriteU16(v);
}

void CMasterWriter::WriteU32Array(std::span<const uint32_t> values) {
  for (uint32_t v : values) WriteU32(v);
}

void CMasterWriter::WriteString(std::string_view text) {
  // Text fields are C strings to the game: an embedded zero ends the text there.
  const size_t length = std::min(text.size(), text.find('\0'));
  Put(text.data(), length);
  WriteU8(0);
}

void CMasterWriter::WriteBlock(const void* data, uint32_t size) {
  WriteU32(size);
  Put(data, size);
}

bool CMasterWriter::OpenInMemory() {
  if (total_ < 1 || overflow_) return false;
  buffer_.assign(total_, 0);
  position_ = 0;
  writing_ = true;
  return true;
}

bool CMasterWriter::Open(std::string_view path) {
  if (!OpenInMemory()) return false;
  file_ = std::make_unique<AtomicFile>();
  if (!file_->Open(path)) {
    Close();
    return false;
  }
  return true;
}

bool CMasterWriter::Flush() {
  if (!writing_ || !file_ || overflow_ || position_ != buffer_.size()) return false;
  return file_->Write(buffer_.data(), buffer_.size()) && file_->Commit();
}

void CMasterWriter::Close() {
  file_.reset();  // an uncommitted file is discarded
  buffer_.clear();
  buffer_.shrink_to_fit();
  writing_ = false;
  position_ = 0;
}

std::vector<uint8_t> CMasterWriter::TakeBuffer() {
  std::vector<uint8_t> out = std::move(buffer_);
  if (position_ != out.size()) overflow_ = true;
  Close();
  return out;
}

}  // namespace torvale
