#include "database/database_commit.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/path.h"

namespace torvale {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRecordHeader = "TORVALE COMMIT 1";
constexpr std::string_view kRecordEnd = "END";

std::string FileName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The target whose temporary `name` is, when it is one of a database file; empty otherwise.
std::string_view TemporaryTarget(std::string_view name) {
  const size_t tail = kTemporarySuffix.size() + kTemporaryRandomChars;
  if (name.size() <= tail) return {};
  const std::string_view target = name.substr(0, name.size() - tail);
  return IsTemporaryOf(name, target) && IsDatabaseFileName(target) ? target : std::string_view();
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// One line "temporary<TAB>target" of a record, both plain names of the folder's database
// files (a record is a file of the folder and may have been made by anyone).
bool ParseRecordLine(std::string_view line, std::string& temp, std::string& target) {
  const size_t tab = line.find('\t');
  if (tab == std::string_view::npos) return false;
  temp = std::string(line.substr(0, tab));
  target = std::string(line.substr(tab + 1));
  return IsDatabaseFileName(target) && target != kCommitRecordName && TemporaryTarget(temp) == target;
}

}  // namespace

bool IsDatabaseFileName(std::string_view name) {
  if (EqualsIgnoringCase(name, "Rules.sav") || EqualsIgnoringCase(name, "Without.sav") ||
      EqualsIgnoringCase(name, kCommitRecordName))
    return true;
  constexpr std::string_view kPrefix = "country";
  constexpr std::string_view kSuffix = ".sav";
  if (name.size() <= kPrefix.size() + kSuffix.size() || name.size() > kPrefix.size() + kSuffix.size() + 3) return false;
  if (!EqualsIgnoringCase(name.substr(0, kPrefix.size()), kPrefix) ||
      !EqualsIgnoringCase(name.substr(name.size() - kSuffix.size()), kSuffix))
    return false;
  for (char c : name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size()))
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

DatabaseCommit::DatabaseCommit(std::string folder) : folder_(std::move(folder)) {}

DatabaseCommit::~DatabaseCommit() { Discard(); }

void DatabaseCommit::Add(std::string stagedPath, std::string target) {
  staged_.emplace_back(std::move(stagedPath), std::move(target));
}

void DatabaseCommit::Discard() {
  for (const auto& [temp, target] : staged_) ::unlink(temp.c_str());
  staged_.clear();
}

bool DatabaseCommit::WriteRecord() const {
  std::string text(kRecordHeader);
  text += '\n';
  for (const auto& [temp, target] : staged_) text += FileName(temp) + '\t' + FileName(target) + '\n';
  text += kRecordEnd;
  text += '\n';
  // Written atomically and synced, together with the folder: from here on the save counts
  // as done, whatever happens to the process.
  return WriteWholeFile(JoinPath(folder_, kCommitRecordName), text);
}

bool DatabaseCommit::SyncStaged() const {
  // One sync of the file system costs what one file's sync does; a database has 208 files.
  FileStep();
  if (SyncFileSystemOf(ResolvePath(folder_))) return true;
  for (const auto& [temp, target] : staged_)
    if (!SyncPath(temp)) return false;
  return true;
}

bool DatabaseCommit::Commit() {
  if (staged_.empty()) return true;
  // A target that is a folder cannot be replaced by a rename and would stop the renames
  // half-way: refuse before anything changes.
  for (const auto& [temp, target] : staged_) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
      Discard();
      return false;
    }
  }
  // The record may only exist once every new file is complete on the disk.
  if (!SyncStaged() || !WriteRecord()) {
    Discard();
    return false;
  }
  bool renamed = true;
  for (const auto& [temp, target] : staged_) {
    FileStep();
    if (std::rename(temp.c_str(), target.c_str()) != 0) renamed = false;
  }
  staged_.clear();
  SyncPath(ResolvePath(folder_));
  if (!renamed) return false;
  FileStep();
  ::unlink(ResolvePath(JoinPath(folder_, kCommitRecordName)).c_str());
  SyncPath(ResolvePath(folder_));
  return true;
}

CommitRecovery RecoverInterruptedSave(const std::string& folder) {
  const std::string recordPath = ResolvePath(JoinPath(folder, kCommitRecordName));
  std::string text;
  if (ReadWholeFileChecked(recordPath, text) != FileReadResult::kRead) return CommitRecovery::kNothing;

  std::vector<std::pair<std::string, std::string>> entries;
  bool complete = false;
  bool valid = true;
  size_t position = 0;
  bool first = true;
  while (position < text.size()) {
    size_t end = text.find('\n', position);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + position, end - position);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    position = end + 1;
    if (first) {
      valid = line == kRecordHeader;
      first = false;
      if (!valid) break;
      continue;
    }
    if (line == kRecordEnd) {
      complete = position >= text.size();
      break;
    }
    std::string temp;
    std::string target;
    if (ParseRecordLine(line, temp, target)) entries.emplace_back(std::move(temp), std::move(target));
    else valid = false;
  }

  const std::string base = ResolvePath(folder);
  CommitRecovery result = CommitRecovery::kRolledBack;
  if (valid && complete) {
    // Every temporary the record lists was complete on disk before the record was written;
    // those already renamed are simply gone.
    for (const auto& [temp, target] : entries) {
      const std::string tempPath = JoinPath(base, temp);
      FileStep();
      if (IsRegularFile(tempPath)) std::rename(tempPath.c_str(), JoinPath(base, target).c_str());
    }
    result = CommitRecovery::kRolledForward;
  } else {
    for (const auto& [temp, target] : entries) ::unlink(JoinPath(base, temp).c_str());
  }
  SyncPath(base);
  ::unlink(recordPath.c_str());
  SyncPath(base);
  return result;
}

int RemoveStaleTemporaries(const std::string& folder) {
  std::error_code ec;
  std::vector<fs::path> stale;
  for (fs::directory_iterator it(ResolvePath(folder), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!TemporaryTarget(name).empty() && it->is_regular_file(ec)) stale.push_back(it->path());
  }
  int removed = 0;
  for (const fs::path& path : stale)
    if (fs::remove(path, ec)) ++removed;
  return removed;
}

}  // namespace torvale
