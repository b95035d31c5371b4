#pragma once
// The user's own databases: folders below "<documents>/database" (the documents folder is the
// user's personal one; tests pass their own). A database folder holds the world's files and
// "Database.txt", its description.

#include <functional>
#include <string>
#include <string_view>

namespace torvale {

class CWorldDatabase;

// The folder a world export saves into on its way to the archive; the folder dialogs remove
// a left-over one.
inline constexpr std::string_view kTempExportFolderName = "tempExport";
inline constexpr std::string_view kDatabaseDescriptionFile = "Database.txt";
// The automatic backups live beside the databases; the folder is no database and its name is
// not one a database may take (saving a database under it would replace every backup).
inline constexpr std::string_view kBackupFolderName = "Sicherungen";

// "<documents>/database", spelled as it is on disk when it exists in another letter case.
std::string DatabasesRoot(std::string_view documentsFolder);

// The rule of the "save as" dialog: not empty and none of \ / " * ? < > :. The names "." and
// ".." are refused too, since a database of that name would be its parent folder, and so is
// the backup folder's name in any letter case.
bool IsValidDatabaseName(std::string_view name);
inline constexpr std::string_view kForbiddenNameCharacters = "\\/\"*?<>:";

// Asked when the folder exists already; the text is message 863 with the name. True: replace.
using OverwriteQuestion = std::function<bool(std::string_view text)>;

// Makes the folder "<documents>/database/<name>" for a new database (or one saved under a new
// name), makes it the world's folder and writes `description` to its "Database.txt". An
// existing folder of that name is deleted with everything in it, but only when
// `confirmOverwrite` agrees (without one it is kept and the creation fails). False for an
// invalid name, an empty documents folder, or a folder that cannot be made.
bool CreateDatabaseFolder(CWorldDatabase& world, std::string_view documentsFolder, std::string_view name,
                          std::string_view description, const OverwriteQuestion& confirmOverwrite);

// Moves a folder to the desktop's trash; the editor passes one (the core cannot reach it).
using MoveToTrash = std::function<bool(const std::string& path)>;

// Removes a folder with everything in it, without asking; with `permanently` false it goes to
// the trash instead (and stays, returning false, when no `moveToTrash` is given). Links inside
// are removed, never followed. True when the folder is gone (or was never there).
bool DeleteFolder(std::string_view path, bool permanently, const MoveToTrash& moveToTrash = {});

// String-table entry of the overwrite question.
constexpr int IDS_DATABASE_EXISTS = 863;

}  // namespace torvale
