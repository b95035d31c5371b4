#pragma once
// CMasterWriter: the writer of the game's master file. A build runs every record writer
// twice over the same writer: first in counting mode, where each write only adds its size,
// then (after Open) in writing mode, where the bytes land in one buffer of exactly the
// counted size that Flush writes in a single call. Numbers are little-endian, with no
// padding or alignment anywhere in the file.

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"

namespace torvale {

class CMasterWriter {
 public:
  CMasterWriter() = default;
  CMasterWriter(const CMasterWriter&) = delete;
  CMasterWriter& operator=(const CMasterWriter&) = delete;

  void WriteU8(uint8_t value) { Put(&value, 1); }
  void WriteU16(uint16_t value) {
    const uint8_t bytes[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
    Put(bytes, 2);
  }
  void WriteU32(uint32_t value) {
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                              static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    Put(bytes, 4);
  }
  void WriteI32(int32_t value) { WriteU32(static_cast<uint32_t>(value)); }
  // IEEE single precision, stored like a u32.
  void WriteF32(float value);
  void WriteBytes(const void* data, size_t size);
  void WriteU16Array(std::span<const uint16_t> values);
  void WriteU32Array(std::span<const uint32_t> values);
  // The characters and a terminating zero.
  void WriteString(std::string_view text);
  // u32 size, then the bytes.
  void WriteBlock(const void* data, uint32_t size);

  // Bytes counted so far (counting mode) or the size of the file being written.
  uint32_t Total() const { return total_; }
  // Write offset in writing mode (0 while counting).
  uint32_t Position() const { return position_; }
  bool IsWriting() const { return writing_; }
  // Where the next byte goes in either pass: a record writer measures the size of what it
  // wrote as the difference of two offsets.
  uint32_t Offset() const { return writing_ ? position_ : total_; }

  // Switches to writing mode for `path`: the buffer of Total() bytes is made and the file is
  // opened beside its target (it appears under its name only when Flush succeeds). False when
  // nothing was counted or the file cannot be created.
  bool Open(std::string_view path);
  // Writing mode without a file, for the inspector's tests and in-memory builds.
  bool OpenInMemory();
  // Writes the whole buffer in one write and puts the file in place. False when the passes
  // disagreed (the writing pass did not fill the buffer exactly) or the write failed.
  bool Flush();
  // Frees the buffer and drops a file that was not flushed.
  void Close();
  // The bytes of an in-memory build (empty in counting mode); the writer is closed.
  std::vector<uint8_t> TakeBuffer();

  // True when a writing pass wrote past the counted size (its extra bytes were dropped) or
  // the counted size outgrew the 32-bit size word.
  bool Overflowed() const { return overflow_; }

 private:
  // Every primitive ends here; the common cases stay inline, as a build makes tens of
  // millions of these calls.
  void Put(const void* data, size_t size) {
    if (!writing_ && size <= kMaxCounted - total_) {
      total_ += static_cast<uint32_t>(size);
    } else if (writing_ && size <= capacity_ - position_) {
      if (size != 0) std::memcpy(buffer_.get() + position_, data, size);
      position_ += static_cast<uint32_t>(size);
    } else {
      PutSlow(size);
    }
  }
  void PutSlow(size_t size);
  static constexpr uint32_t kMaxCounted = 0xFFFFFFFFu;

  struct FreeBuffer {
    void operator()(uint8_t* bytes) const;
  };

  uint32_t total_ = 0;
  uint32_t position_ = 0;
  bool writing_ = false;
  bool overflow_ = false;
  // Not cleared when made: the writing pass fills every byte (Flush checks that it did).
  std::unique_ptr<uint8_t[], FreeBuffer> buffer_;
  uint32_t capacity_ = 0;
  std::unique_ptr<AtomicFile> file_;
};

}  // namespace torvale
