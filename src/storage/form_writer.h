#pragma once
// CFormWriter writes a FORM chunk file. The file appears under its name only when Close has
// written the final length into the header, so an interrupted export never leaves a
// half-written archive in place of an older one.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/atomic_file.h"
#include "storage/form_chunk.h"

namespace torvale {

class CFormWriter {
 public:
  CFormWriter() = default;
  CFormWriter(const CFormWriter&) = delete;
  CFormWriter& operator=(const CFormWriter&) = delete;
  ~CFormWriter();  // closes, so a writer that goes away still leaves a complete file

  // Starts a new file at `path` with "FORM" and a zero length. False for an empty path or a
  // folder that does not take the file; any file already open is closed first.
  bool Open(std::string_view path);
  // Packs `size` bytes and appends them as one chunk of the tag `tagIndex`. False when no file
  // is open, there is no data, the tag is not in the table, a write fails, or the file would
  // outgrow its 32-bit length field.
  bool WriteChunk(uint32_t tagIndex, const uint8_t* data, size_t size);
  // A chunk holding `number` (u32, little-endian) followed by the whole file at `path`.
  bool WriteFileChunk(uint32_t tagIndex, uint32_t number, std::string_view path);
  // Writes the total length into the header and puts the file in place. False when nothing was
  // open or the file could not be completed (the target is then unchanged).
  bool Close();
  // Drops what was written: the target stays as it was (a cancelled export).
  void Abort();

  bool IsOpen() const { return file_.IsOpen(); }
  // Bytes written so far, header included.
  uint64_t Length() const { return length_; }

 private:
  AtomicFile file_;
  uint64_t length_ = 0;
  bool failed_ = false;
};

}  // namespace torvale
