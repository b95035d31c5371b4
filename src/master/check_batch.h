#pragma once
// The window-less check of "-check": loads a database folder with the tables of the game's
// installation (country index, structure files, sibling-game lists, badges) and runs the
// world validation over it, for modders who check a database in their own scripts.

#include <string>
#include <string_view>

#include "master/world_validation.h"

namespace torvale {

struct DatabaseCheck {
  bool found = false;     // the database folder exists
  std::string folder;     // the folder that was checked
  ValidationReport report;
  std::string text;       // the report as FormatValidationReport words it (Windows-1252)
};

// The database folder a "path" folder names: its "database" folder when it has one (a game
// installation), else the folder itself. Without a folder, the install folder's "database".
std::string CheckedDatabaseFolder(std::string_view installFolder, std::string_view pathFolder);

// Checks `databaseFolder` with the tables below `installFolder`.
DatabaseCheck CheckDatabaseBatch(std::string_view installFolder, std::string_view databaseFolder);

}  // namespace torvale
