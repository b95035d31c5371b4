#include "database/database_folder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "database/world_database.h"
#include "platform/atomic_file.h"
#include "platform/path.h"
#include "platform/string_table.h"

namespace torvale {

namespace fs = std::filesystem;

std::string DatabasesRoot(std::string_view documentsFolder) {
  return ResolvePath(JoinPath(documentsFolder, "database"));
}

bool IsValidDatabaseName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  if (name.size() == kBackupFolderName.size() &&
      std::equal(name.begin(), name.end(), kBackupFolderName.begin(),
                 [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b)); }))
    return false;
  return name.find_first_of(kForbiddenNameCharacters) == std::string_view::npos;
}

bool CreateDatabaseFolder(CWorldDatabase& world, std::string_view documentsFolder, std::string_view name,
                          std::string_view description, const OverwriteQuestion& confirmOverwrite) {
  if (documentsFolder.empty() || !IsValidDatabaseName(name)) return false;
  const std::string root = DatabasesRoot(documentsFolder);
  std::error_code ec;
  if (!DirectoryExists(root) && !fs::create_directories(root, ec)) return false;

  const std::string folder = ResolvePath(JoinPath(root, name));
  if (DirectoryExists(folder)) {
    const std::string question = FormatStringEntry(IDS_DATABASE_EXISTS, name);
    if (!confirmOverwrite || !confirmOverwrite(question)) return false;
    if (!DeleteFolder(folder, true)) return false;
  }
  if (!fs::create_directory(folder, ec)) return false;
  world.SetFolder(folder);
  return WriteWholeFile(JoinPath(folder, kDatabaseDescriptionFile), description);
}

bool DeleteFolder(std::string_view path, bool permanently, const MoveToTrash& moveToTrash) {
  if (path.empty()) return false;
  const std::string folder = ResolvePath(path);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(folder, ec))) return true;
  if (!permanently) return moveToTrash && moveToTrash(folder);
  // remove_all removes a link, not what it points to.
  fs::remove_all(folder, ec);
  return !ec;
}

}  // namespace torvale
