#pragma once
// "Speichern unter" as one step that cannot lose a database: when the chosen name is taken
// and the user agrees to replace it, the old folder is first moved aside (within the databases
// folder), the world is made its new folder and saved there, and only a complete save
// deletes the old folder. A save that fails removes the half-written folder, puts the old one
// back under its name and leaves the world where it was before.

#include <functional>
#include <string>
#include <string_view>

#include "database/database_folder.h"

namespace torvale {

class CWorldDatabase;
class SaveBackupHook;

enum class SaveAsOutcome {
  kSaved,
  kDeclined,      // the name was taken and the user kept the old database
  kNoFolder,      // invalid name, no documents folder, or the folder could not be made
  kSaveFailed,    // the world could not be written; any old database of the name is back
};

// `save` writes the world into its (new) folder and says whether every file was written
// (normally CWorldDatabase::Save with the editor's error reporter). With `backup`, a database
// that the save replaced is handed to it before its folder goes, as any save's old files are.
SaveAsOutcome SaveWorldAs(CWorldDatabase& world, std::string_view documentsFolder, std::string_view name,
                          std::string_view description, const OverwriteQuestion& confirmOverwrite,
                          const std::function<bool(CWorldDatabase&)>& save, SaveBackupHook* backup = nullptr);

// Where an existing database waits while its replacement is written: a free name beside it.
std::string AsideFolderFor(std::string_view folder);

}  // namespace torvale
