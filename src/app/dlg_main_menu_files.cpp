// The main window's database commands: new, open, save as, import, export, restore, and the
// build of the game's master file. Long work runs behind CDlgLongtimeOperation.

#include <QAction>
#include <QFile>

#include "app/dlg_main_menu.h"
#include "app/qt_text.h"
#include "competition/cup_allocation.h"
#include "database/database_folder.h"
#include "database/world_database.h"
#include "exchange/longtime_world_archive.h"
#include "exchange/longtime_write_db.h"
#include "master/master_batch.h"
#include "platform/documents_folder.h"
#include "platform/path.h"
#include "platform/string_table.h"
#include "database/background_backup_packer.h"
#include "database/world_backups.h"
#include "ui/backup/backup_commands.h"
#include "ui/common/dlg_longtime_operation.h"
#include "ui/common/editor_context.h"
#include "ui/common/input_dialogs.h"
#include "ui/common/master_build_prompts.h"
#include "ui/common/message_box.h"
#include "ui/common/message_box_prompts.h"
#include "ui/common/save_error_box.h"
#include "ui/common/world_changes.h"
#include "ui/database/dlg_new_database.h"
#include "ui/database/dlg_select_database.h"
#include "ui/validation/validation_commands.h"

namespace torvale {

namespace {

constexpr int kNewDatabaseTexts = 858;  // title, prompt and proposal, one per line
constexpr int kArchiveFilter = 819;
constexpr int kRestoreQuestion = 897;
constexpr int kNewDatabaseNameLength = 32;
constexpr const char* kPristineArchive = "database/default.zdb";

}  // namespace

WorldArchiveFolders DlgMainMenu::ArchiveFolders() const {
  WorldArchiveFolders folders;
  folders.documents = PersonalDocumentsFolder().value_or(std::string());
  folders.badges = context_.DataFolder("badges");
  folders.pictures = context_.DataFolder("picture");
  return folders;
}

bool DlgMainMenu::ExportTo(const std::string& path) {
  SaveErrorBox errors(this);
  DialogLongtimeRunner runner(this);
  ExportReport report;
  return ExportCurrentWorld(context_.Worlds(), path, ArchiveFolders(), errors, runner, &report) &&
         report.outcome == ExportOutcome::kWritten;
}

void DlgMainMenu::ImportFrom(const std::string& path, bool confirm, bool emptyWorld, const QString& text) {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world) return;
  ImportOptions options;
  options.emptyWorld = emptyWorld;
  options.badges = context_.DataFolder("badges");
  options.pictures = context_.DataFolder("picture");
  MessageBoxPrompts prompts(this);
  // Asked before the change starts: the undo history keeps the world as it was first, which
  // takes a moment on a big world and is not worth it for a No.
  if (confirm && !prompts.AskYesNo(LoadString(IDS_IMPORT_CONFIRM))) return;
  DialogLongtimeRunner runner(this);
  ImportReport report;
  WorldChanges& changes = context_.ChangesOf(*world);
  // The import replaces everything, the folder too; the undo step keeps the world before it.
  const bool imported = changes.CommitIf(ChangeScope::WholeWorld(), text, [&](CWorldDatabase&) {
    return ImportIntoCurrentWorld(context_.Worlds(), path, false, options, prompts, runner, &report);
  });
  if (!imported) return;
  // The world is what the game's database folder now holds.
  changes.MarkSaved();
  if (const std::string warning = ImportWarningText(report); !warning.empty()) ShowMessage(warning, this);
  Refresh();
}

void DlgMainMenu::WritePristineArchive() {
  // "Datenbank wiederherstellen" needs the game's database as it came; it is kept once.
  if (FileExists(kPristineArchive)) return;
  ExportTo(kPristineArchive);
}

void DlgMainMenu::NewDatabase() {
  if (context_.Worlds().Count() >= WorldManager::kMaxWorlds) return;
  const QStringList texts = FromCp1252(LoadString(kNewDatabaseTexts)).split('\n');
  const std::optional<std::string> name =
      AskText(this, texts.value(0), texts.value(1), texts.value(2), kNewDatabaseNameLength);
  if (!name || name->empty()) return;
  CWorldDatabase* previous = context_.CurrentWorld();
  CWorldDatabase* world = context_.CreateWorld();
  if (!world) return;
  const std::string documents = PersonalDocumentsFolder().value_or(std::string());
  const bool created = CreateDatabaseFolder(*world, documents, *name, {}, [this](std::string_view question) {
    return AskYesNo(std::string(question), this);
  });
  if (!created) {
    // The new world had nowhere to live: it goes, and the world before it is current again.
    context_.CloseWorld(world);
    context_.Worlds().SetCurrent(previous);
    return;
  }
  context_.Worlds().SetCurrent(world);
  Refresh();
}

void DlgMainMenu::OpenDatabase() {
  if (context_.Worlds().Count() >= WorldManager::kMaxWorlds) return;
  CDlgSelectDatabase dialog(PersonalDocumentsFolder().value_or(std::string()), this);
  if (!RunModalDialog(dialog)) return;
  const std::string folder = NormalizePath(dialog.ChosenFolder());
  context_.Worlds().SetActiveDatabasePath(folder);
  if (!context_.OpenWorld(folder)) return;
  Refresh();
}

void DlgMainMenu::SaveDatabaseAs() {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world) return;
  CDlgNewDatabase dialog(*world, PersonalDocumentsFolder().value_or(std::string()),
                         [this](CWorldDatabase& w) {
                           SaveErrorBox errors(this);
                           return w.Save(errors);
                         },
                         this);
  dialog.SetBackup(&context_.Backups());
  const bool saved = RunModalDialog(dialog);
  context_.BackupPacker().Start();
  ReportBackupFailureOnce(context_, this);
  if (!saved) return;
  context_.ChangesOf(*world).MarkSaved();
  Refresh();
}

void DlgMainMenu::ImportData() {
  if (context_.Worlds().Count() >= WorldManager::kMaxWorlds) return;
  const std::optional<QString> path = ChooseOpenFile(this, FromCp1252(LoadString(kArchiveFilter)), QStringLiteral("zdb"));
  if (!path) return;
  ImportFrom(ToCp1252(*path), true, true, QStringLiteral("Daten importieren"));
}

void DlgMainMenu::ExportData() {
  const std::optional<QString> path = ChooseSaveFile(this, FromCp1252(LoadString(kArchiveFilter)), QStringLiteral("zdb"));
  if (!path) return;
  ExportTo(ToCp1252(*path));
}

void DlgMainMenu::RestoreDatabase() {
  const std::string archive = JoinPath(context_.InstallFolder(), kPristineArchive);
  if (!FileExists(archive)) return;
  if (!AskYesNo(LoadString(kRestoreQuestion), this)) return;
  ImportFrom(archive, false, false, QStringLiteral("Datenbank wiederherstellen"));
}

void DlgMainMenu::WriteDatabaseForGame(uint32_t flags) {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world) return;
  if (!ConfirmBuildDespiteErrors(context_, this, flags)) return;
  const std::string databasePath = context_.Worlds().ActiveDatabasePath();
  WorldDatabaseMasterView view(*world, databasePath);
  MasterBuildOptions options;
  options.language = context_.CurrentLanguage();
  options.batch = false;
  options.flags = flags;
  MasterBuildTables tables;
  tables.sibling = &context_.Tools().SiblingLists();
  CQZBig& archive = context_.BadgeArchive();
  tables.badgeMissing = [&archive, world](std::string_view badge) {
    return IsArchiveBadgeMissing(archive, world->BadgeFolder(), badge);
  };
  DialogMasterBuildPrompts prompts(this);
  CLongtimeWriteDB build(view, options, tables, prompts);
  DialogLongtimeRunner runner(this);
  build.Run(runner);
}

}  // namespace torvale
