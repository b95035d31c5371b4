// The main window's backups: "Speichern" keeps the previous state, "Sicherung
// wiederherstellen…" lists the backups of the current database and opens the chosen one as a
// new world beside the current one; "Löschen" asks first.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTableView>

#include "app/dlg_main_menu.h"
#include "app/main_menu_commands.h"
#include "database/background_backup_packer.h"
#include "database/database_commit.h"
#include "database/world_backups.h"
#include "database/world_database.h"
#include "platform/path.h"
#include "support/gui/editor_fixture.h"
#include "support/test_database.h"
#include "ui/backup/dlg_backup_restore.h"

namespace torvale {
namespace {

using testing::AddPerson;
using testing::FolderContents;

// The files a save writes, as they are now; the game's folder holds other data besides.
std::vector<std::pair<std::string, std::string>> SavedFiles(const std::string& folder) {
  auto files = FolderContents(folder);
  std::erase_if(files, [](const auto& file) { return !IsDatabaseFileName(file.first); });
  return files;
}

class BackupRestoreTest : public test::EditorFixture {
 protected:
  void EditAndSave(DlgMainMenu& window, int n) {
    CClub* club = World().Country(14)->Clubs().begin()->second.get();
    AddPerson(World(), "Erwin", "Sicher" + std::to_string(n), 0, 14, club);
    window.TriggerCommand(kCmdSave);
  }
};

TEST_F(BackupRestoreTest, SavesKeepBackupsAndOneOpensAsANewWorld) {
  DlgMainMenu window(Context(), MainMenuStart{false, {}, false});
  window.Initialise();
  CWorldDatabase* game = &World();
  const auto original = SavedFiles(game->AccessFolder());
  EditAndSave(window, 1);
  const auto afterFirst = SavedFiles(game->AccessFolder());
  EditAndSave(window, 2);
  ASSERT_FALSE(original == afterFirst);

  int listed = -1;
  bool onlyCurrent = false;
  Answers().ThenDrive([&](QDialog& dialog) {
    auto* view = dialog.findChild<QTableView*>("backupList");
    listed = view->model()->rowCount();
    onlyCurrent = dialog.findChild<QCheckBox*>("onlyCurrent")->isChecked();
    // Deleting asks; No keeps it.
    Answers().Then(DialogAnswer::kNo);
    dialog.findChild<QPushButton*>("delete")->click();
    EXPECT_EQ(view->model()->rowCount(), listed);
    view->selectRow(0);  // the newest: the state before the second save
    dialog.findChild<QPushButton*>("restore")->click();
  });
  window.CommandAction(kCmdRestoreBackup)->trigger();

  EXPECT_EQ(listed, 2);
  EXPECT_TRUE(onlyCurrent);
  ASSERT_EQ(Context().Worlds().Count(), 2u);
  CWorldDatabase* restored = Context().CurrentWorld();
  ASSERT_NE(restored, game);
  EXPECT_TRUE(SavedFiles(ResolvePath(restored->AccessFolder())) == afterFirst);
  EXPECT_FALSE(restored->SameData(*game));  // the game's world has the second edit, the backup not
  EXPECT_EQ(Context().Worlds().At(0), game);

  // The restored database has backups of its own once saved; the list starts with them only,
  // and Yes deletes.
  Context().BackupPacker().Wait();
  Answers().ThenDrive([&](QDialog& dialog) {
    auto* view = dialog.findChild<QTableView*>("backupList");
    EXPECT_EQ(view->model()->rowCount(), 0);
    EXPECT_TRUE(dialog.findChild<QWidget*>("emptyHint")->isVisibleTo(&dialog));
    dialog.findChild<QCheckBox*>("onlyCurrent")->setChecked(false);
    EXPECT_EQ(view->model()->rowCount(), 2);
    view->selectRow(1);
    Answers().Then(DialogAnswer::kYes);
    dialog.findChild<QPushButton*>("delete")->click();
    EXPECT_EQ(view->model()->rowCount(), 1);
    dialog.reject();
  });
  window.CommandAction(kCmdRestoreBackup)->trigger();
  EXPECT_EQ(Context().Backups().List().size(), 1u);
  EXPECT_EQ(Context().Worlds().Count(), 2u);
  EXPECT_FALSE(Context().Backups().HasFailed());
}

}  // namespace
}  // namespace torvale
