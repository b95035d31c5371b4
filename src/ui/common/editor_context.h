#pragma once
// EditorContext: everything the editor's dialogs share for the whole run — the open worlds
// (WorldManager) with the change door of each (WorldChanges), the game's text data tables
// (boots, faces, speeches, team colours, stadium models), the cup allocation table, the
// sibling-game mapping lists, the badge archive, the name generator, expert mode, the current
// database language, and the editor commands' dispatch (EditorCommandRegistry).
//
// The main window builds one at start; every dialog receives it by reference (there are no
// globals). GUI tests build one the same way, on a copy of the sample installation:
//
//   auto context = EditorContext::FromInstallFolder(folder);   // tables + the game's database
//   CWorldDatabase& world = *context->CurrentWorld();
//   context->ChangesOf(world).Commit(...);
//
// The install folder must be the working folder while the context lives: the game's database
// is the folder "database" below it, as the core's worlds name it.

#include <map>
#include <memory>
#include <string>

#include "competition/cup_allocation.h"
#include "database/world_manager.h"
#include "exchange/global_tools.h"
#include "exchange/text_data_file.h"
#include "ui/common/editor_commands.h"
#include "ui/common/world_changes.h"

namespace torvale {

class BackgroundBackupPacker;
class WorldBackups;
class WorldHistory;

// The game's own database folder below the install folder.
constexpr const char* kGameDatabaseFolder = "database";

class EditorContext {
 public:
  // Loads the process-wide tables of `installFolder` (normalised; the working folder when
  // empty) and registers the editors. No world is open yet.
  explicit EditorContext(const std::string& installFolder = {});
  EditorContext(const EditorContext&) = delete;
  EditorContext& operator=(const EditorContext&) = delete;
  ~EditorContext();

  // The context with the game's database loaded as the first, current world.
  static std::unique_ptr<EditorContext> FromInstallFolder(const std::string& installFolder);

  // ---- folders ----
  const std::string& InstallFolder() const { return installFolder_; }
  // "<install>/<name>" for the game's data folders ("script", "badges", "picture", ...).
  std::string DataFolder(const std::string& name) const;

  // ---- worlds ----
  WorldManager& Worlds() { return *worlds_; }
  const WorldManager& Worlds() const { return *worlds_; }
  CWorldDatabase* CurrentWorld() const { return worlds_->Current(); }
  // A new empty world, appended and made current; null when six are open.
  CWorldDatabase* CreateWorld();
  // A new world loaded from `folder`, made current and unmodified; null when six are open.
  CWorldDatabase* OpenWorld(const std::string& folder);
  // The game's database as a new current world.
  CWorldDatabase* OpenGameDatabase() { return OpenWorld(kGameDatabaseFolder); }
  // Closes and destroys the world and its change door (the first world becomes current when
  // it was current). False for a world the manager does not hold.
  bool CloseWorld(CWorldDatabase* world);
  // The change door of an open world.
  WorldChanges& ChangesOf(CWorldDatabase& world);
  WorldChanges& CurrentChanges() { return ChangesOf(*CurrentWorld()); }
  // The undo history of an open world; it begins with the world's change door and ends with
  // the world.
  WorldHistory& HistoryOf(CWorldDatabase& world);

  // ---- process-wide tables ----
  CTextDataTables& TextTables() { return textTables_; }
  const CStadiumList& StadiumModels() const { return textTables_.stadiumModels; }
  const CupAllocationTable& CupAllocations() const { return cupAllocations_; }
  CGlobalTools& Tools() { return tools_; }
  CQZBig& BadgeArchive() { return tools_.BadgeArchive(); }
  CNameGenerator& NameGenerator() { return tools_.NameGenerator(); }

  // ---- switches ----
  bool ExpertMode() const { return expertMode_; }
  void SetExpertMode(bool on) { expertMode_ = on; }
  // The running number of the names "Club %d" that new clubs start with.
  ClubNameCounter& ClubNames() { return clubNames_; }
  // The database language 0-4 of names, shared by every dialog.
  int CurrentLanguage() const { return language_; }
  void SetCurrentLanguage(int language) { language_ = language; }

  // ---- automatic backups ----
  // The backups taken before each save, in "Sicherungen" beside the user's databases, and the
  // worker that packs them; made on first use.
  WorldBackups& Backups();
  BackgroundBackupPacker& BackupPacker();

  // ---- editor commands ----
  EditorCommandRegistry& Commands() { return commands_; }
  const EditorCommandRegistry& Commands() const { return commands_; }

 private:
  std::string installFolder_;
  CupAllocationTable cupAllocations_;
  CTextDataTables textTables_;
  CGlobalTools tools_;
  std::unique_ptr<WorldManager> worlds_;
  std::map<const CWorldDatabase*, std::unique_ptr<WorldChanges>> changes_;
  std::map<const CWorldDatabase*, std::unique_ptr<WorldHistory>> histories_;  // observe the doors
  EditorCommandRegistry commands_;
  ClubNameCounter clubNames_;
  bool expertMode_ = false;
  // The packer works on the backups: it goes first.
  std::unique_ptr<WorldBackups> backups_;
  std::unique_ptr<BackgroundBackupPacker> backupPacker_;
  int language_ = 0;
};

}  // namespace torvale
