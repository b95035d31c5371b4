#pragma once
// Restoring an automatic backup never touches the database it was taken of: the backup
// becomes a database of its own, a new folder beside the user's databases named after the
// database and the backup's time, which the editor then opens as a new world.

#include <string>
#include <string_view>

#include "database/backup_archive.h"

namespace torvale {

struct BackupEntry;

struct BackupRestoreResult {
  bool restored = false;
  std::string folder;  // the new database folder (removed again when the restore failed)
  std::string name;
  BackupUnpackReport unpack;
};

// The new database's name: "<database> Sicherung <date>_<time>", numbered " (2)", " (3)" ...
// when a folder of that name is below `databasesRoot` already.
std::string RestoredDatabaseName(const BackupDescription& description, std::string_view databasesRoot);

// Makes the folder "<databasesRoot>/<RestoredDatabaseName>" with its description and unpacks
// the backup's files into it.
BackupRestoreResult RestoreBackupAsDatabase(const BackupEntry& entry, const std::string& databasesRoot,
                                            const BackupProgress& progress = {});

// String-table entries of the restored database's description and name.
constexpr int IDS_RESTORED_DESCRIPTION = 1515;
constexpr int IDS_RESTORED_NAME = 1518;

}  // namespace torvale
