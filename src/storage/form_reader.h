#pragma once
// CFormReader reads a FORM chunk file chunk by chunk. A file whose stored length differs from
// its real length is not opened at all; a chunk that is cut short or does not unpack ends the
// reading, and the chunks before it stay valid. A chunk claiming more unpacked bytes than its
// packed block can hold is refused before anything is allocated for it.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

#include "storage/form_chunk.h"

namespace torvale {

class CFormReader {
 public:
  CFormReader() = default;
  CFormReader(const CFormReader&) = delete;
  CFormReader& operator=(const CFormReader&) = delete;
  ~CFormReader();

  bool Open(std::string_view path);
  // The next chunk, or none at the end of the file and after a bad or truncated chunk.
  std::optional<CFormChunk> ReadNextChunk();
  void Close();

  bool IsOpen() const { return file_ != nullptr; }
  // The file's length and the offset of the next chunk (an import's progress).
  uint32_t Length() const { return length_; }
  uint32_t Position() const { return position_; }

 private:
  std::FILE* file_ = nullptr;
  uint32_t length_ = 0;
  uint32_t position_ = 0;
  bool finished_ = false;
};

}  // namespace torvale
