#include "exchange/longtime_backups.h"

#include "platform/string_table.h"

namespace torvale {

namespace {

// The progress bar counts in ints; bytes are shown in thousandths of the whole.
constexpr int kProgressSteps = 1000;

BackupProgress ProgressOf(LongtimeProgress& progress) {
  return [&progress](uint64_t done, uint64_t total) {
    progress.SetPos(total == 0 ? kProgressSteps : static_cast<int>(done * kProgressSteps / total));
  };
}

}  // namespace

CLongtimePackBackups::CLongtimePackBackups(WorldBackups& backups) : backups_(backups) {
  SetTitle(LoadString(IDS_BACKUP_PACK_TITLE));
  SetDescription(LoadString(IDS_BACKUP_PACK_DESCRIPTION));
  SetStatus(LoadString(IDS_BACKUP_PACKING));
  SetRange(0, kProgressSteps);
  EnableCancel(false);
}

void CLongtimePackBackups::Execute() { packed_ = backups_.PackPending(ProgressOf(*this)); }

CLongtimeRestoreBackup::CLongtimeRestoreBackup(BackupEntry entry, std::string databasesRoot)
    : entry_(std::move(entry)), databasesRoot_(std::move(databasesRoot)) {
  SetTitle(LoadString(IDS_BACKUP_RESTORE_TITLE));
  SetDescription(FormatStringEntry(IDS_BACKUP_RESTORE_DESCRIPTION, RestoredDatabaseName(entry_.description, databasesRoot_)));
  SetStatus(LoadString(IDS_BACKUP_UNPACKING));
  SetRange(0, kProgressSteps);
  EnableCancel(false);
}

void CLongtimeRestoreBackup::Execute() { result_ = RestoreBackupAsDatabase(entry_, databasesRoot_, ProgressOf(*this)); }

}  // namespace torvale
