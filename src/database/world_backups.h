#pragma once
// WorldBackups: the automatic backups of the databases, kept in the folder "Sicherungen" beside
// the user's database folders. Before a save replaces a database's files, the files as they
// are on disk are hard-linked into a staging folder below "Sicherungen/Ungepackt" (copied
// where a link is impossible, e.g. on another file system). That takes a few milliseconds,
// since a save replaces files by renames and the links keep the old contents alive. Packing
// the staged files into an archive ("<database>_<date>_<time>.zdb", see backup_archive.h)
// is slow and runs later, on a worker thread; a staged backup stays on disk until its archive
// is complete, so a crash loses none: the next packing picks it up. Only the newest
// kBackupsKept archives of each database are kept.
//
// A backup that fails never stops a save. The user hears of it once per session, not on every
// save, through TakeFailureReport.

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/backup_archive.h"
#include "database/database_folder.h"
#include "database/save_backup_hook.h"

namespace torvale {

inline constexpr std::string_view kBackupStagingFolderName = "Ungepackt";
inline constexpr size_t kBackupsKept = 10;

// String-table entry of the message of a failed backup ("%s": the backup folder).
constexpr int IDS_BACKUP_FAILED = 1500;

struct BackupEntry {
  std::string path;       // the archive
  std::string fileName;   // its name in the backup folder
  uint64_t archiveBytes = 0;
  BackupDescription description;
};

class WorldBackups final : public SaveBackupHook {
 public:
  // `folder`: the backup folder, made when the first backup needs it.
  explicit WorldBackups(std::string folder);
  WorldBackups(const WorldBackups&) = delete;
  WorldBackups& operator=(const WorldBackups&) = delete;

  // "<databases root>/Sicherungen".
  static std::string FolderBeside(std::string_view databasesRoot);
  const std::string& Folder() const { return folder_; }

  // The time a backup is stamped with (ms since 1970); tests set their own.
  void SetClock(std::function<int64_t()> clock) { clock_ = std::move(clock); }

  // SaveBackupHook: stages the folder's database files. A folder without any (a database
  // never saved) has nothing to keep.
  void KeepPreviousState(const std::string& accessFolder, const std::string& folder,
                         std::string_view name) override;

  // Packs every staged backup, oldest first, and prunes each database to the newest
  // kBackupsKept. Callers on several threads take turns. Returns how many were packed.
  int PackPending(const BackupProgress& progress = {});
  // Staged backups not yet packed.
  int PendingCount() const;

  // Every backup archive of the folder, newest first.
  std::vector<BackupEntry> List() const;
  // Deletes the archive of a listed backup; false when it could not be removed.
  bool Remove(const BackupEntry& entry);

  // The message for the user (Windows-1252) the first time a backup failed in this session;
  // none afterwards and while nothing failed.
  std::optional<std::string> TakeFailureReport();
  bool HasFailed() const;

 private:
  std::string StagingRoot() const;
  std::string ArchiveNameFor(const BackupDescription& description) const;
  void Prune(const std::string& databaseFolder);
  void Fail();

  std::string folder_;
  std::function<int64_t()> clock_;
  std::mutex packing_;        // one packer at a time
  mutable std::mutex state_;  // failed_, reported_
  bool failed_ = false;
  bool reported_ = false;
};

// The archive name's date and time part of a backup time: "2026-12-07_03-40-12" (local time).
std::string BackupTimeStamp(int64_t timeMs);
// "07.12.2026 03:40:12" (local time), as the list and the messages show a backup's time.
std::string BackupDisplayTime(int64_t timeMs);

}  // namespace torvale
