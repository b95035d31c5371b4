#include "master/master_writer.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace torvale {

void CMasterWriter::Put(const void* data, size_t size) {
  if (!writing_) {
    if (size > std::numeric_limits<uint32_t>::max() - total_) {
      overflow_ = true;
      total_ = std::numeric_limits<uint32_t>::max();
      return;
    }
    total_ += static_cast<uint32_t>(size);
    return;
  }
  // A writing pass that writes more than it counted is a fault of a record writer; the
  // buffer is never overrun and Flush refuses to write such a file.
  if (size > buffer_.size() - position_) {
    overflow_ = true;
    return;
  }
  if (size != 0) std::memcpy(buffer_.data() + position_, data, size);
  position_ += static_cast<uint32_t>(size);
}

void CMasterWriter::WriteU8(uint8_t value) { Put(&value, 1); }

void CMasterWriter::WriteU16(uint16_t value) {
  const uint8_t bytes[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
  Put(bytes, 2);
}

void CMasterWriter::WriteU32(uint32_t value) {
  const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  Put(bytes, 4);
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
