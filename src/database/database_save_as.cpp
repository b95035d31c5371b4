#include "database/database_save_as.h"

#include <filesystem>
#include <system_error>

#include "database/save_backup_hook.h"
#include "database/world_database.h"
#include "platform/path.h"
#include "platform/string_table.h"

namespace torvale {

namespace fs = std::filesystem;

std::string AsideFolderFor(std::string_view folder) {
  const std::string base = std::string(folder) + " (wird ersetzt)";
  std::string candidate = base;
  std::error_code ec;
  for (int n = 2; fs::exists(fs::symlink_status(candidate, ec)); ++n) candidate = base + " " + std::to_string(n);
  return candidate;
}

SaveAsOutcome SaveWorldAs(CWorldDatabase& world, std::string_view documentsFolder, std::string_view name,
                          std::string_view description, const OverwriteQuestion& confirmOverwrite,
                          const std::function<bool(CWorldDatabase&)>& save, SaveBackupHook* backup) {
  if (documentsFolder.empty() || !IsValidDatabaseName(name)) return SaveAsOutcome::kNoFolder;
  const std::string previousFolder = world.Folder();
  const std::string target = ResolvePath(JoinPath(DatabasesRoot(documentsFolder), name));
  std::error_code ec;

  std::string aside;
  if (DirectoryExists(target)) {
    const std::string question = FormatStringEntry(IDS_DATABASE_EXISTS, name);
    if (!confirmOverwrite || !confirmOverwrite(question)) return SaveAsOutcome::kDeclined;
    aside = AsideFolderFor(target);
    fs::rename(target, aside, ec);
    if (ec) return SaveAsOutcome::kNoFolder;
  }
  auto putBack = [&] {
    if (aside.empty()) return;
    std::error_code ignored;
    fs::rename(aside, target, ignored);
  };

  // The name is free now, so the folder is made without a second question.
  if (!CreateDatabaseFolder(world, documentsFolder, name, description, {})) {
    putBack();
    world.SetFolder(previousFolder);
    return SaveAsOutcome::kNoFolder;
  }
  if (!save(world)) {
    DeleteFolder(world.Folder(), true);
    putBack();
    world.SetFolder(previousFolder);
    return SaveAsOutcome::kSaveFailed;
  }
  if (!aside.empty()) {
    if (backup) backup->KeepPreviousState(aside, world.Folder(), world.Name());
    DeleteFolder(aside, true);
  }
  return SaveAsOutcome::kSaved;
}

}  // namespace torvale
