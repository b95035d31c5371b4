#pragma once
// The automatic backups' slow steps behind the progress dialog: packing what earlier saves
// staged (when the list of backups opens before the background packer got to it), and
// unpacking a backup into a new database. Neither can be cancelled: a half-packed backup is
// thrown away anyway, and a half-restored database would be removed again.

#include <string>

#include "database/backup_restore.h"
#include "database/world_backups.h"
#include "exchange/longtime_operation.h"

namespace torvale {

class CLongtimePackBackups final : public CLongtimeOperation {
 public:
  explicit CLongtimePackBackups(WorldBackups& backups);
  int Packed() const { return packed_; }

 protected:
  void Execute() override;

 private:
  WorldBackups& backups_;
  int packed_ = 0;
};

class CLongtimeRestoreBackup final : public CLongtimeOperation {
 public:
  CLongtimeRestoreBackup(BackupEntry entry, std::string databasesRoot);
  const BackupRestoreResult& Result() const { return result_; }

 protected:
  void Execute() override;

 private:
  BackupEntry entry_;
  std::string databasesRoot_;
  BackupRestoreResult result_;
};

// String-table entries of the two operations.
constexpr int IDS_BACKUP_PACK_TITLE = 1509;
constexpr int IDS_BACKUP_PACK_DESCRIPTION = 1510;
constexpr int IDS_BACKUP_RESTORE_TITLE = 1502;
constexpr int IDS_BACKUP_RESTORE_DESCRIPTION = 1511;
constexpr int IDS_BACKUP_UNPACKING = 1519;
constexpr int IDS_BACKUP_PACKING = 1520;

}  // namespace torvale
