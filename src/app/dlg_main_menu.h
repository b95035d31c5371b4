#pragma once
// DlgMainMenu: the editor's main window. It shows the current world as continent → country →
// club lists with the statistics block, and it is the hub of every command: the world and
// database commands, the club commands, the master build, and the editor dialogs, which it
// reaches only through the context's EditorCommandRegistry (an editor without a registered
// handler shows disabled).
//
// Start-up (the program): construct it on an EditorContext whose tables are loaded, show it,
// call Initialise (first world, lists, renderer check), run it modally. Tests do the same on
// a context from tests/support/gui and drive the commands with TriggerCommand.
//
// The window listens to the change door (WorldChanges) of every open world: a committed
// change refills what it touched and the caption carries a trailing " *" while the current
// world has unsaved changes.

#include <QDialog>
#include <QIcon>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/main_menu_commands.h"
#include "database/world_statistics.h"
#include "ui/common/editor_commands.h"

class QAction;
class QComboBox;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QTableView;
class QLabel;

namespace torvale {

class ClubListModel;
class CWorldDatabase;
class EditorContext;
class MainStatisticsPanel;
class UndoMenuActions;
struct ChangeScope;
struct WorldArchiveFolders;
enum class BatchCommand : int;
enum class MappingCommand;

// The editor's application icon.
QIcon EditorIcon();

struct MainMenuStart {
  // The splash picture for 5 seconds over the window at start.
  bool showSplash = true;
  // Whether the renderer plug-in is loaded; without it the window says so and closes. Empty:
  // taken as loaded.
  std::function<bool()> rendererLoaded;
  // The pristine archive "database/default.zdb" of the game's database, written at start
  // when it is missing.
  bool writePristineArchive = true;
};

class DlgMainMenu : public QDialog {
  Q_OBJECT
 public:
  explicit DlgMainMenu(EditorContext& context, MainMenuStart start = {}, QWidget* parent = nullptr);
  ~DlgMainMenu() override;

  // Opens the game's database as the first world when none is open, fills the lists, checks
  // the renderer and, when all is well, marks the window initialised.
  void Initialise();
  bool IsInitialised() const { return initialised_; }

  // Re-reads everything from the current world: its starting selection and language, the
  // lists, the statistics, the "Datenbanken" menu and the caption.
  void Refresh();
  void RebuildDatabaseMenu();

  MainSelection Selection() const;
  void SelectCountry(int number);
  void SelectClub(uint32_t clubId);
  void SetClubOrder(ClubOrder order);

  // The action of a command id (menus and context menu share it); null for an unknown id.
  QAction* CommandAction(int command) const;
  // Runs a command as its menu item would (nothing when the action is disabled).
  void TriggerCommand(int command);

  // The caption before the world's name.
  static QString BaseCaption();

 protected:
  void reject() override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // ---- layout ----
  void BuildLayout();
  void BuildMenus();
  QAction* AddCommand(QMenu* menu, int command, const QString& text, std::function<void()> run);
  QAction* AddEditorCommand(QMenu* menu, int command, const QString& text, EditorCommand editor);

  // ---- navigation ----
  void FillLanguages();
  void FillContinents();
  void FillCountries();
  void FillClubs();
  void ShowStatistics();
  void UpdateCaption();
  void UpdateCommandStates();
  void OnLanguageChosen();
  void OnContinentChosen();
  void OnCountryChosen();

  // ---- worlds ----
  void WatchWorld(CWorldDatabase& world);
  void OnWorldChanged(CWorldDatabase& world, const ChangeScope& scope);
  WorldStatisticsCache& StatisticsOf(const CWorldDatabase& world);
  void ForgetWorld(const CWorldDatabase* world);

  // ---- commands ----
  void RunEditor(EditorCommand editor);
  void SaveCurrentWorld();
  void CloseCurrentWorld();
  void SwitchToWorld(size_t index);
  void DeleteSelectedClub();
  void SaveSelectedClub();
  void ReplaceSelectedClub();
  void RemoveSelectedClubPeople();
  void FindInvalidBadges();
  void ManageDatabases();

  // ---- database commands (dlg_main_menu_files.cpp) ----
  WorldArchiveFolders ArchiveFolders() const;
  bool ExportTo(const std::string& path);
  void ImportFrom(const std::string& path, bool confirm, bool emptyWorld, const QString& text);
  void WritePristineArchive();
  void NewDatabase();
  void OpenDatabase();
  void SaveDatabaseAs();
  void ImportData();
  void ExportData();
  void RestoreDatabase();
  void WriteDatabaseForGame(uint32_t flags);

  // ---- expert mode (dlg_main_menu_admin.cpp) ----
  void BuildAdminToolsMenu();
  void RunMapping(MappingCommand command);
  void RunBatch(BatchCommand command);

  EditorContext& context_;
  MainMenuStart start_;
  bool initialised_ = false;
  int continent_ = 0;
  int previousContinent_ = 0;
  int country_ = 14;
  bool filling_ = false;  // programmatic list changes are not user choices

  QMenuBar* menuBar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* databaseMenu_ = nullptr;
  QMenu* contextMenu_ = nullptr;
  std::map<int, QAction*> actions_;
  std::vector<QAction*> worldActions_;
  std::map<int, EditorCommand> editorActions_;

  QComboBox* languageBox_ = nullptr;
  QComboBox* continentBox_ = nullptr;
  QListWidget* countryList_ = nullptr;
  QTableView* clubView_ = nullptr;
  ClubListModel* clubModel_ = nullptr;
  std::array<QPushButton*, 3> orderButtons_{};
  QLabel* countryTitle_ = nullptr;
  QLabel* worldTitle_ = nullptr;
  MainStatisticsPanel* statistics_ = nullptr;
  UndoMenuActions* undoActions_ = nullptr;

  std::set<const CWorldDatabase*> watched_;
  std::map<const CWorldDatabase*, std::unique_ptr<WorldStatisticsCache>> statisticsCaches_;
};

}  // namespace torvale
