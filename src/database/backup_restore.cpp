#include "database/backup_restore.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "database/database_folder.h"
#include "database/world_backups.h"
#include "platform/atomic_file.h"
#include "platform/path.h"
#include "platform/string_table.h"

namespace torvale {

namespace fs = std::filesystem;

namespace {

// Fills each "%s" of a string-table text with the next argument; names may hold '%' themselves.
std::string FillEntry(int id, const std::vector<std::string>& args) {
  const std::string format = LoadString(id);
  std::string text;
  size_t next = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && next < args.size()) {
      text += args[next++];
      ++i;
    } else {
      text += format[i];
    }
  }
  return text;
}

}  // namespace

std::string RestoredDatabaseName(const BackupDescription& description, std::string_view databasesRoot) {
  std::string base = FillEntry(IDS_RESTORED_NAME, {description.database, BackupTimeStamp(description.timeMs)});
  // The name becomes a folder name: nothing the database dialogs would refuse.
  for (char& c : base)
    if (kForbiddenNameCharacters.find(c) != std::string_view::npos) c = '_';
  std::string name = base;
  for (int n = 2; fs::exists(ResolvePath(JoinPath(databasesRoot, name))); ++n)
    name = base + " (" + std::to_string(n) + ")";
  return name;
}

BackupRestoreResult RestoreBackupAsDatabase(const BackupEntry& entry, const std::string& databasesRoot,
                                            const BackupProgress& progress) {
  BackupRestoreResult result;
  result.name = RestoredDatabaseName(entry.description, databasesRoot);
  result.folder = JoinPath(databasesRoot, result.name);
  std::error_code ec;
  if (!fs::create_directories(ResolvePath(result.folder), ec)) return result;
  const std::string description =
      FillEntry(IDS_RESTORED_DESCRIPTION, {entry.description.database, BackupDisplayTime(entry.description.timeMs)});
  result.unpack = UnpackBackupArchive(entry.path, result.folder, progress);
  result.restored = result.unpack.Restored() &&
                    WriteWholeFile(JoinPath(result.folder, kDatabaseDescriptionFile), description);
  // Half a database would pass for the backup; nothing of it stays.
  if (!result.restored) fs::remove_all(ResolvePath(result.folder), ec);
  return result;
}

}  // namespace torvale
