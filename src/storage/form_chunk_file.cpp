#include "storage/form_chunk_file.h"

#include <cstring>
#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/path.h"
#include "storage/byte_order.h"

namespace torvale {

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kFirstCountry = 1;
constexpr uint32_t kLastCountry = 206;

// Writes the file of a named chunk ("BADG", "PLIM") below `root`.
bool WriteNamedFile(const CFormChunk& chunk, const std::string& root) {
  if (root.empty() || chunk.data.empty()) return false;
  const uint8_t* begin = chunk.data.data();
  const uint8_t* nul = static_cast<const uint8_t*>(std::memchr(begin, 0, chunk.data.size()));
  if (!nul) return false;
  const std::string name(reinterpret_cast<const char*>(begin), size_t(nul - begin));
  // The folders on the way may already exist as links; what counts is where they really lead,
  // and that is checked before any folder is made.
  const std::string target = ConfinedPath(root, name);
  if (target.empty()) return false;
  const size_t size = chunk.data.size() - size_t(nul - begin) - 1;
  return WriteChunkDataFile(target, nul + 1, size, true);
}

}  // namespace

bool WriteChunkDataFile(std::string_view path, const uint8_t* data, size_t size, bool createFolders) {
  if (path.empty() || !data || size < 1) return false;
  const std::string target = ResolvePath(path);
  if (createFolders) {
    std::error_code ec;
    fs::create_directories(fs::path(target).parent_path(), ec);
  }
  AtomicFile file;
  return file.Open(target) && file.Write(data, size) && file.Commit();
}

bool WriteChunkAsFile(const CFormChunk& chunk, const FormChunkFolders& folders) {
  switch (chunk.tagIndex) {
    case kFormTagCountry: {
      if (chunk.data.size() < 4 || folders.database.empty()) return false;
      const uint32_t country = LoadLe32(chunk.data.data());
      if (country < kFirstCountry || country > kLastCountry) return false;
      const std::string path = JoinPath(folders.database, "Country" + std::to_string(country) + ".sav");
      return WriteChunkDataFile(path, chunk.data.data() + 4, chunk.data.size() - 4, false);
    }
    case kFormTagBadge:
      return WriteNamedFile(chunk, folders.badges);
    case kFormTagPicture:
      return WriteNamedFile(chunk, folders.pictures);
    default:
      return false;
  }
}

}  // namespace torvale
