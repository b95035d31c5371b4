#pragma once
// Writing a chunk's data out as a file: how a world archive's chunks become the country files,
// badges and player pictures of an installation again. Archives may come from strangers, so a
// name inside a chunk can only ever place its file below the folder it belongs to.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "storage/form_chunk.h"

namespace torvale {

struct FormChunkFolders {
  std::string database;  // "COUN" chunks become "<database>/Country%d.sav"
  std::string badges;    // "BADG" chunks become "<badges>/<name>"
  std::string pictures;  // "PLIM" chunks become "<pictures>/<name>"
};

// Writes `size` bytes to `path`, replacing a file that is there; with `createFolders` the
// missing folders along the path are made first. False for an empty path, no data or a size of
// 0, and when the file cannot be written.
bool WriteChunkDataFile(std::string_view path, const uint8_t* data, size_t size, bool createFolders);

// Writes the file a "COUN", "BADG" or "PLIM" chunk carries into its folder. False for other
// tags, for a country number outside 1..206, for a file name that is missing, unterminated, or
// would leave its folder (absolute, drive letter, "..", a link pointing out), and when the file
// cannot be written.
bool WriteChunkAsFile(const CFormChunk& chunk, const FormChunkFolders& folders);

}  // namespace torvale
