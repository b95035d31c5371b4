#include "assets/big_archive.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "platform/path.h"
#include "platform/text_encoding.h"
#include "storage/byte_order.h"
#include "storage/pack.h"
#include "storage/packed_size_limit.h"

namespace torvale {

namespace {

constexpr size_t kHeaderSize = 16;
constexpr size_t kMinRecordSize = 9;    // offset, length and a NUL for an empty name
constexpr size_t kMaxNameLength = 258;  // longer names end the opening without a message


bool StartsPacked(const uint8_t* p) { return p[0] == 0x10 && p[1] == kPackMarker; }

// Unpacks a block that starts 0x10 0xFB, unless its stated size is more than the block can hold.
bool UnpackPlausible(std::vector<uint8_t>& bytes) {
  if (bytes.size() < 5) return false;
  const uint32_t stated = (uint32_t(bytes[2]) << 16) | (bytes[3] << 8) | bytes[4];
  return IsPlausibleUnpackedSize(stated, bytes.size()) && PACK_unpackInPlace(bytes);
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::optional<uint64_t> FileLength(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return std::nullopt;
  const long end = std::ftell(file);
  if (end < 0 || std::fseek(file, 0, SEEK_SET) != 0) return std::nullopt;
  return static_cast<uint64_t>(end);
}

bool ReadAt(std::FILE* file, uint64_t offset, void* out, size_t size) {
  return std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 && std::fread(out, 1, size, file) == size;
}

// Creates a fresh "tmp" file in `folder` for reading and writing; null when the folder does
// not take one.
std::FILE* CreateTempFile(const std::string& folder, std::string& path) {
  path = JoinPath(folder.empty() ? std::string(".") : folder, "tmpXXXXXX");
  const int fd = ::mkstemp(path.data());
  if (fd < 0) return nullptr;
  std::FILE* file = ::fdopen(fd, "w+b");
  if (!file) {
    ::close(fd);
    ::unlink(path.c_str());
  }
  return file;
}

}  // namespace

std::string BigErrorText(BigError error, std::string_view argument) {
  const char* text = "";
  switch (error) {
    case BigError::kNoName: text = "Es wurde kein Name angegeben"; break;
    case BigError::kCannotOpen: text = "Die Datei %s kann nicht zum Lesen geöffnet werden"; break;
    case BigError::kInvalid: text = "%s ist keine gültige BIG Datei"; break;
    case BigError::kNotFound: text = "Die Datei %s konnte in dem BIG Archiv nicht gefunden werden"; break;
    case BigError::kNotOpen: text = "BIG Archiv ist nicht geöffnet"; break;
  }
  // The argument is inserted as it is; it is never read as a format.
  std::string message = Utf8ToCp1252(text);
  const size_t at = message.find("%s");
  if (at != std::string::npos) message.replace(at, 2, argument);
  return message;
}

CQZBig::~CQZBig() { Close(); }

void CQZBig::ReportError(BigError error, std::string_view argument) {
  lastError_ = BigErrorText(error, argument);
  if (!quiet_ && sink_) sink_(lastError_);
}

void CQZBig::Close() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!packedPath_.empty() && !readPath_.empty()) ::unlink(readPath_.c_str());
  entries_.clear();
  indexByLowerName_.clear();
  readPath_.clear();
  packedPath_.clear();
  archiveLength_ = 0;
  readOnly_ = true;
}

bool CQZBig::Open(std::string_view pathArg, bool readOnly) {
  Close();
  if (pathArg.empty()) {
    ReportError(BigError::kNoName);
    return false;
  }
  const std::string path(pathArg);
  const std::string resolved = ResolvePath(path);
  std::FILE* file = std::fopen(resolved.c_str(), "rb");
  if (!file) {
    ReportError(BigError::kCannotOpen, path);
    return false;
  }
  std::optional<uint64_t> fileLength = FileLength(file);
  uint8_t header[kHeaderSize];
  if (!fileLength || *fileLength < kHeaderSize || !ReadAt(file, 0, header, kHeaderSize)) {
    std::fclose(file);
    ReportError(BigError::kInvalid, path);
    return false;
  }
  readPath_ = resolved;
  if (StartsPacked(header)) {
    if (!OpenPacked(resolved, file, *fileLength, header)) {
      if (file) std::fclose(file);
      Close();  // a packed archive that does not unpack closes without a message
      return false;
    }
  }

  const uint32_t count = LoadBe32(header + 8);
  const uint32_t directoryLength = LoadBe32(header + 12);
  uint32_t archiveLength = LoadLe32(header + 4);
  // The game's tools wrote the length field in either byte order.
  if (archiveLength != *fileLength) archiveLength = LoadBe32(header + 4);
  const bool validHeader = header[0] == 'B' && header[1] == 'I' && header[2] == 'G' && header[3] == 'F' &&
                           archiveLength <= *fileLength && directoryLength <= *fileLength;
  if (!validHeader) {
    std::fclose(file);
    Close();
    ReportError(BigError::kInvalid, path);
    return false;
  }
  if (!ReadDirectory(file, *fileLength, count, path)) {
    std::fclose(file);
    Close();
    return false;
  }
  std::fclose(file);

  // Reopened so that the archive is held in the mode the caller asked for.
  file_ = std::fopen(readPath_.c_str(), readOnly ? "rb" : "r+b");
  if (!file_) {
    file_ = std::fopen(readPath_.c_str(), "rb");
    readOnly = true;
  }
  if (!file_) {
    const std::string shown = readPath_;
    Close();
    ReportError(BigError::kCannotOpen, shown);
    return false;
  }
  readOnly_ = readOnly;
  archiveLength_ = archiveLength;
  return true;
}

// Unpacks a wholly packed archive into a temporary file and continues with that file.
bool CQZBig::OpenPacked(const std::string& path, std::FILE*& file, uint64_t& fileLength, uint8_t header[16]) {
  std::vector<uint8_t> bytes(fileLength);
  const bool read = ReadAt(file, 0, bytes.data(), bytes.size());
  std::fclose(file);
  file = nullptr;
  if (!read || !UnpackPlausible(bytes) || bytes.size() < kHeaderSize) return false;

  std::string tempPath;
  file = CreateTempFile(std::filesystem::path(path).parent_path().string(), tempPath);
  if (!file) {
    std::error_code ec;
    file = CreateTempFile(std::filesystem::temp_directory_path(ec).string(), tempPath);
  }
  if (!file) return false;
  packedPath_ = path;
  readPath_ = tempPath;  // from here on Close removes the temporary file
  fileLength = bytes.size();
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0 &&
         ReadAt(file, 0, header, kHeaderSize);
}

bool CQZBig::ReadDirectory(std::FILE* file, uint64_t fileLength, uint32_t count, const std::string& shownPath) {
  // Every record takes at least nine bytes, so a count the file cannot hold is refused before
  // anything is allocated for it.
  if (count > (fileLength - kHeaderSize) / kMinRecordSize || std::fseek(file, kHeaderSize, SEEK_SET) != 0) {
    ReportError(BigError::kInvalid, shownPath);
    return false;
  }
  entries_.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    BigEntry entry;
    entry.recordPosition = static_cast<uint32_t>(std::ftell(file));
    uint8_t fields[8];
    if (std::fread(fields, 1, sizeof fields, file) != sizeof fields) {
      ReportError(BigError::kInvalid, shownPath);
      return false;
    }
    entry.offset = LoadBe32(fields);
    entry.length = LoadBe32(fields + 4);
    int c;
    while ((c = std::fgetc(file)) > 0 && entry.name.size() <= kMaxNameLength) entry.name.push_back(static_cast<char>(c));
    if (entry.name.size() > kMaxNameLength) return false;  // too long: closed without a message
    const bool badRecord = c != 0 || entry.offset < 1 || entry.offset > fileLength ||
                           uint64_t(entry.offset) + entry.length > fileLength;
    if (badRecord) {
      ReportError(BigError::kInvalid, shownPath);
      return false;
    }
    entries_.push_back(std::move(entry));
  }
  for (size_t i = 0; i < entries_.size(); ++i) {
    BigEntry& entry = entries_[i];
    indexByLowerName_.emplace(AsciiLower(entry.name), static_cast<int>(i));
    uint8_t start[8];
    if (entry.length >= 8 && ReadAt(file, entry.offset, start, sizeof start) && StartsPacked(start))
      entry.unpackedSize = (uint32_t(start[2]) << 16) | (start[3] << 8) | start[4];
  }
  return true;
}

BigEntry CQZBig::GetEntry(int index) const {
  if (!IsOpen() || index < 0 || index >= GetEntryCount()) return {};
  return entries_[static_cast<size_t>(index)];
}

int CQZBig::FindEntry(std::string_view name) {
  if (!IsOpen()) {
    ReportError(BigError::kNotOpen);
    return -1;
  }
  if (name.empty()) return -1;
  const auto it = indexByLowerName_.find(AsciiLower(name));
  return it == indexByLowerName_.end() ? -1 : it->second;
}

int CQZBig::FindEntryReported(std::string_view name) {
  if (IsOpen() && name.empty()) {
    ReportError(BigError::kNoName);
    return -1;
  }
  const int index = FindEntry(name);
  if (index < 0 && IsOpen()) ReportError(BigError::kNotFound, name);
  return index;
}

std::optional<std::vector<uint8_t>> CQZBig::ReadEntry(int index, bool unpack) {
  if (!IsOpen()) {
    ReportError(BigError::kNotOpen);
    return std::nullopt;
  }
  if (index < 0 || index >= GetEntryCount()) return std::nullopt;
  const BigEntry& entry = entries_[static_cast<size_t>(index)];
  std::vector<uint8_t> bytes(entry.length);
  if (!ReadAt(file_, entry.offset, bytes.data(), bytes.size())) return std::nullopt;
  if (unpack && bytes.size() >= 2 && StartsPacked(bytes.data()) && !UnpackPlausible(bytes))
    return std::nullopt;
  return bytes;
}

std::optional<std::vector<uint8_t>> CQZBig::ReadEntry(std::string_view name, bool unpack) {
  const int index = FindEntry(name);
  if (index < 0) return std::nullopt;
  return ReadEntry(index, unpack);
}

}  // namespace torvale
