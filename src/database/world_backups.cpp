#include "database/world_backups.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/path.h"
#include "platform/string_table.h"

namespace torvale {

namespace fs = std::filesystem;

namespace {

// Written last into a staging folder: a folder without it was never finished.
constexpr std::string_view kStagedDescriptionFile = "Sicherung.txt";
// A staging folder is made under this suffix and renamed when every file is in it.
constexpr std::string_view kUnfinishedSuffix = ".neu";
constexpr std::string_view kArchiveExtension = ".zdb";

int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

bool IsAllDigits(std::string_view name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A hard link keeps the old contents at no cost, since the save renames its new files over the
// old names; a copy is the way out where links are not possible (another file system, a file
// system without links).
bool KeepFile(const std::string& source, const std::string& target) {
  if (::link(source.c_str(), target.c_str()) == 0) return true;
  std::error_code ec;
  return fs::copy_file(source, target, fs::copy_options::none, ec) && !ec;
}

// The database's name as part of a file name: the game's names never hold separators, but a
// folder name could.
std::string FileNamePart(std::string_view database) {
  std::string part(database);
  for (char& c : part)
    if (c == '/' || c == '\\' || c == ':') c = '_';
  return part.empty() ? std::string("Datenbank") : part;
}

std::tm LocalTimeOf(int64_t timeMs) {
  const std::time_t seconds = static_cast<std::time_t>(timeMs / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

}  // namespace

std::string BackupTimeStamp(int64_t timeMs) {
  const std::tm t = LocalTimeOf(timeMs);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d-%02d-%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

std::string BackupDisplayTime(int64_t timeMs) {
  const std::tm t = LocalTimeOf(timeMs);
  char text[64];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900,
                t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

WorldBackups::WorldBackups(std::string folder) : folder_(std::move(folder)), clock_(NowMs) {}

std::string WorldBackups::FolderBeside(std::string_view databasesRoot) {
  return JoinPath(databasesRoot, kBackupFolderName);
}

std::string WorldBackups::StagingRoot() const { return JoinPath(folder_, kBackupStagingFolderName); }

void WorldBackups::KeepPreviousState(const std::string& accessFolder, const std::string& folder,
                                     std::string_view name) {
  const std::vector<std::string> files = BackupFileNames(accessFolder);
  if (files.empty()) return;
  std::error_code ec;
  const std::string root = ResolvePath(StagingRoot());
  // Saves run one at a time on one thread, so an unfinished staging folder here was left by a
  // crash in the middle of staging; the database was not replaced then and it is worthless.
  for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
    if (EndsWithIgnoringCase(it->path().filename().string(), kUnfinishedSuffix)) fs::remove_all(it->path(), ec);

  BackupDescription description;
  description.database = std::string(name);
  description.folder = folder;
  description.timeMs = clock_();
  while (fs::exists(JoinPath(root, std::to_string(description.timeMs)), ec) ||
         fs::exists(JoinPath(root, std::to_string(description.timeMs) + std::string(kUnfinishedSuffix)), ec))
    ++description.timeMs;  // keeps two saves within one millisecond apart
  const std::string finished = JoinPath(root, std::to_string(description.timeMs));
  const std::string unfinished = finished + std::string(kUnfinishedSuffix);
  if (!fs::create_directories(unfinished, ec)) {
    Fail();
    return;
  }
  const std::string source = ResolvePath(accessFolder);
  for (const std::string& file : files) {
    if (!KeepFile(JoinPath(source, file), JoinPath(unfinished, file))) {
      fs::remove_all(unfinished, ec);
      Fail();
      return;
    }
    description.bytes += fs::file_size(JoinPath(unfinished, file), ec);
    ++description.files;
  }
  if (!WriteWholeFile(JoinPath(unfinished, kStagedDescriptionFile), FormatBackupDescription(description)) ||
      std::rename(unfinished.c_str(), finished.c_str()) != 0) {
    fs::remove_all(unfinished, ec);
    Fail();
  }
}

int WorldBackups::PendingCount() const {
  int count = 0;
  std::error_code ec;
  for (fs::directory_iterator it(ResolvePath(StagingRoot()), ec), end; !ec && it != end; it.increment(ec))
    if (IsAllDigits(it->path().filename().string()) && it->is_directory(ec)) ++count;
  return count;
}

std::string WorldBackups::ArchiveNameFor(const BackupDescription& description) const {
  const std::string base = FileNamePart(description.database) + "_" + BackupTimeStamp(description.timeMs);
  std::string name = base + std::string(kArchiveExtension);
  for (int n = 2; FileExists(JoinPath(folder_, name)); ++n)
    name = base + "_" + std::to_string(n) + std::string(kArchiveExtension);
  return name;
}

int WorldBackups::PackPending(const BackupProgress& progress) {
  std::lock_guard lock(packing_);
  std::vector<std::pair<int64_t, fs::path>> staged;
  std::error_code ec;
  for (fs::directory_iterator it(ResolvePath(StagingRoot()), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (IsAllDigits(name) && it->is_directory(ec)) staged.emplace_back(std::stoll(name), it->path());
  }
  std::sort(staged.begin(), staged.end());
  int packed = 0;
  for (const auto& [time, path] : staged) {
    std::string text;
    std::optional<BackupDescription> description;
    if (ReadWholeFile((path / std::string(kStagedDescriptionFile)).string(), text))
      description = ParseBackupDescription(text);
    // A finished staging folder always has its description; one without is not ours to pack
    // or to delete.
    if (!description) continue;
    if (!PackBackupArchive(path.string(), *description, JoinPath(folder_, ArchiveNameFor(*description)), progress)) {
      Fail();
      continue;
    }
    fs::remove_all(path, ec);
    Prune(description->folder);
    ++packed;
  }
  return packed;
}

std::vector<BackupEntry> WorldBackups::List() const {
  std::vector<BackupEntry> entries;
  std::error_code ec;
  for (fs::directory_iterator it(ResolvePath(folder_), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!EndsWithIgnoringCase(name, kArchiveExtension) || !it->is_regular_file(ec)) continue;
    std::optional<BackupDescription> description = ReadBackupDescription(it->path().string());
    if (!description) continue;  // not a backup of ours: left alone
    entries.push_back({it->path().string(), name, it->file_size(ec), std::move(*description)});
  }
  std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
    if (a.description.timeMs != b.description.timeMs) return a.description.timeMs > b.description.timeMs;
    return a.fileName > b.fileName;
  });
  return entries;
}

void WorldBackups::Prune(const std::string& databaseFolder) {
  size_t kept = 0;
  std::error_code ec;
  for (const BackupEntry& entry : List()) {
    if (entry.description.folder != databaseFolder) continue;
    if (++kept > kBackupsKept) fs::remove(entry.path, ec);
  }
}

bool WorldBackups::Remove(const BackupEntry& entry) {
  std::error_code ec;
  return fs::remove(entry.path, ec) && !ec;
}

void WorldBackups::Fail() {
  std::lock_guard lock(state_);
  failed_ = true;
}

bool WorldBackups::HasFailed() const {
  std::lock_guard lock(state_);
  return failed_;
}

std::optional<std::string> WorldBackups::TakeFailureReport() {
  std::lock_guard lock(state_);
  if (!failed_ || reported_) return std::nullopt;
  reported_ = true;
  return FormatStringEntry(IDS_BACKUP_FAILED, folder_);
}

}  // namespace torvale
