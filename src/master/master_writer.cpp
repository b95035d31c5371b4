#include "master/master_writer.h"

#include <sys/mman.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace torvale {

namespace {

// A full-size world makes a buffer of some tens of megabytes; on huge pages the writing pass
// takes a few dozen page faults instead of thousands.
constexpr size_t kHugePage = size_t{2} << 20;

uint8_t* AllocateBuffer(size_t size) {
  if (size >= kHugePage) {
    void* bytes = nullptr;
    const size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    if (::posix_memalign(&bytes, kHugePage, rounded) == 0) {
#ifdef MADV_HUGEPAGE
      ::madvise(bytes, rounded, MADV_HUGEPAGE);
#endif
      return static_cast<uint8_t*>(bytes);
    }
  }
  return static_cast<uint8_t*>(std::malloc(size));
}

}  // namespace

void CMasterWriter::FreeBuffer::operator()(uint8_t* bytes) const { std::free(bytes); }

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
  buffer_.reset(AllocateBuffer(total_));
  if (!buffer_) return false;
  capacity_ = total_;
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
  if (!writing_ || !file_ || overflow_ || position_ != capacity_) return false;
  return file_->Write(buffer_.get(), capacity_) && file_->Commit();
}

void CMasterWriter::Close() {
  file_.reset();  // an uncommitted file is discarded
  buffer_.reset();
  capacity_ = 0;
  writing_ = false;
  position_ = 0;
}

std::vector<uint8_t> CMasterWriter::TakeBuffer() {
  std::vector<uint8_t> out;
  if (buffer_) out.assign(buffer_.get(), buffer_.get() + position_);
  out.resize(capacity_, 0);  // what a short writing pass left unwritten reads as zeros
  if (position_ != capacity_) overflow_ = true;
  Close();
  return out;
}

}  // namespace torvale
