#include "database/backup_archive.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "database/database_commit.h"
#include "platform/path.h"
#include "storage/byte_order.h"
#include "storage/form_chunk_file.h"
#include "storage/form_reader.h"
#include "storage/form_writer.h"

namespace torvale {

namespace fs = std::filesystem;

namespace {

constexpr int kFirstCountryFile = 1;
constexpr int kLastCountryFile = 206;

// One database file of a folder: its name on disk and, for a country file, its number.
struct FolderFile {
  std::string name;
  int country = 0;
  uint64_t size = 0;
};

// The country number of "Country%d.sav" in any letter case; 0 for other names.
int CountryNumberOf(std::string_view name) {
  constexpr size_t kPrefix = 7;  // "country"
  constexpr size_t kSuffix = 4;  // ".sav"
  if (!IsDatabaseFileName(name) || name.size() <= kPrefix + kSuffix) return 0;
  const std::string_view digits = name.substr(kPrefix, name.size() - kPrefix - kSuffix);
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return 0;
  return number;
}

// The folder's database files: countries by number, then the others by name. The commit
// record is not part of a database's state.
std::vector<FolderFile> DatabaseFilesOf(const std::string& folder) {
  std::vector<FolderFile> files;
  std::error_code ec;
  for (fs::directory_iterator it(ResolvePath(folder), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!IsDatabaseFileName(name) || EqualsIgnoringCase(name, kCommitRecordName)) continue;
    if (!it->is_regular_file(ec)) continue;
    files.push_back({name, CountryNumberOf(name), it->file_size(ec)});
  }
  std::sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
    const bool aCountry = a.country > 0;
    const bool bCountry = b.country > 0;
    if (aCountry != bCountry) return aCountry;
    return aCountry ? a.country < b.country : a.name < b.name;
  });
  return files;
}

std::vector<uint8_t> NamedFileChunk(std::string_view name, const std::string& content) {
  std::vector<uint8_t> data(name.begin(), name.end());
  data.push_back(0);
  data.insert(data.end(), content.begin(), content.end());
  return data;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.remove_suffix(1);
  return text;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::vector<std::string> BackupFileNames(const std::string& folder) {
  std::vector<std::string> names;
  for (FolderFile& file : DatabaseFilesOf(folder)) names.push_back(std::move(file.name));
  return names;
}

std::string FormatBackupDescription(const BackupDescription& description) {
  std::string text;
  text += "Datenbank=" + description.database + "\r\n";
  text += "Ordner=" + description.folder + "\r\n";
  text += "Zeitpunkt=" + std::to_string(description.timeMs) + "\r\n";
  text += "Dateien=" + std::to_string(description.files) + "\r\n";
  text += "Bytes=" + std::to_string(description.bytes) + "\r\n";
  return text;
}

std::optional<BackupDescription> ParseBackupDescription(std::string_view text) {
  BackupDescription description;
  bool hasTime = false;
  size_t position = 0;
  while (position < text.size()) {
    size_t end = text.find('\n', position);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trimmed(text.substr(position, end - position));
    position = end + 1;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    if (key == "Datenbank") description.database = std::string(value);
    else if (key == "Ordner") description.folder = std::string(value);
    else if (key == "Zeitpunkt") hasTime = ParseNumber(value, description.timeMs);
    else if (key == "Dateien") ParseNumber(value, description.files);
    else if (key == "Bytes") ParseNumber(value, description.bytes);
  }
  if (description.folder.empty() || !hasTime) return std::nullopt;
  return description;
}

bool PackBackupArchive(const std::string& sourceFolder, const BackupDescription& description,
                       const std::string& archivePath, const BackupProgress& progress) {
  const std::vector<FolderFile> files = DatabaseFilesOf(sourceFolder);
  uint64_t total = 0;
  for (const FolderFile& file : files) total += file.size;
  CFormWriter writer;
  if (!writer.Open(archivePath)) return false;
  const std::string info = FormatBackupDescription(description);
  if (!writer.WriteChunk(kFormTagInfo, reinterpret_cast<const uint8_t*>(info.data()), info.size())) {
    writer.Abort();
    return false;
  }
  uint64_t done = 0;
  for (const FolderFile& file : files) {
    const std::string path = JoinPath(sourceFolder, file.name);
    bool written = false;
    if (file.country >= kFirstCountryFile && file.country <= kLastCountryFile) {
      written = writer.WriteFileChunk(kFormTagCountry, static_cast<uint32_t>(file.country), path);
    } else {
      std::string content;
      const std::vector<uint8_t> data =
          ReadWholeFileChecked(path, content) == FileReadResult::kRead ? NamedFileChunk(file.name, content)
                                                                        : std::vector<uint8_t>();
      written = !data.empty() && writer.WriteChunk(kFormTagFile, data.data(), data.size());
    }
    // A backup missing one file would restore a world whose files no longer fit together.
    if (!written) {
      writer.Abort();
      return false;
    }
    done += file.size;
    if (progress) progress(done, total);
  }
  return writer.Close();
}

std::optional<BackupDescription> ReadBackupDescription(const std::string& archivePath) {
  CFormReader reader;
  if (!reader.Open(archivePath)) return std::nullopt;
  const std::optional<CFormChunk> first = reader.ReadNextChunk();
  if (!first || first->tagIndex != kFormTagInfo) return std::nullopt;
  return ParseBackupDescription(
      std::string_view(reinterpret_cast<const char*>(first->data.data()), first->data.size()));
}

BackupUnpackReport UnpackBackupArchive(const std::string& archivePath, const std::string& databaseFolder,
                                       const BackupProgress& progress) {
  BackupUnpackReport report;
  CFormReader reader;
  report.opened = reader.Open(archivePath);
  if (!report.opened) return report;
  const FormChunkFolders folders{databaseFolder, {}, {}};
  while (std::optional<CFormChunk> chunk = reader.ReadNextChunk()) {
    if (progress) progress(reader.Position(), reader.Length());
    if (chunk->tagIndex == kFormTagInfo) continue;
    if (chunk->tagIndex == kFormTagCountry) {
      const bool known = chunk->Size() >= 4 && LoadLe32(chunk->data.data()) >= uint32_t(kFirstCountryFile) &&
                         LoadLe32(chunk->data.data()) <= uint32_t(kLastCountryFile);
      if (!known) ++report.skipped;
      else if (WriteChunkAsFile(*chunk, folders)) ++report.files;
      else ++report.failedWrites;
      continue;
    }
    if (chunk->tagIndex != kFormTagFile) {
      ++report.skipped;
      continue;
    }
    const uint8_t* begin = chunk->data.data();
    const void* nul = std::memchr(begin, 0, chunk->data.size());
    const std::string name =
        nul ? std::string(reinterpret_cast<const char*>(begin), size_t(static_cast<const uint8_t*>(nul) - begin))
            : std::string();
    // Only a plain database file name: never a path, never the commit record, which would make
    // the next load rename files.
    if (name.empty() || !IsDatabaseFileName(name) || EqualsIgnoringCase(name, kCommitRecordName) ||
        CountryNumberOf(name) != 0) {
      ++report.skipped;
      continue;
    }
    const size_t offset = name.size() + 1;
    if (WriteChunkDataFile(JoinPath(databaseFolder, name), begin + offset, chunk->data.size() - offset, false))
      ++report.files;
    else
      ++report.failedWrites;
  }
  report.complete = reader.Position() >= reader.Length();
  return report;
}

}  // namespace torvale
