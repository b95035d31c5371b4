#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTableView>
#include <filesystem>

#include "app/dlg_main_menu.h"
#include "app/qt_text.h"
#include "exchange/batch_corrections.h"
#include "platform/path.h"
#include "support/gui/editor_fixture.h"
#include "support/test_database.h"
#include "ui/undo/world_history.h"
#include "world/club.h"
#include "world/country.h"

namespace torvale {

namespace {

using UndoMenuTest = test::EditorFixture;

uint32_t SecondRegularClub(const CCountry& country) {
  int seen = 0;
  for (const auto& [id, club] : country.Clubs())
    if (club->Number() != kAmateurClubNumber && seen++ == 1) return club->clubId;
  return 0;
}

using Files = std::vector<std::pair<std::string, std::string>>;

// The world saved into a folder of its own; the world keeps its folder.
Files SaveCopy(CWorldDatabase& world, const std::string& folder) {
  const std::string keep = world.AccessFolder();
  std::filesystem::create_directories(folder);
  world.SetFolder(folder);
  testing::RecordingSaveReporter reporter;
  EXPECT_TRUE(world.Save(reporter));
  world.SetFolder(keep);
  return testing::FolderContents(folder);
}

std::vector<std::string> Differing(const Files& a, const Files& b) { return testing::DifferingFiles(a, b); }

}  // namespace

TEST_F(UndoMenuTest, TheEditMenuTakesBackADeletedClubAndTheCaptionFollowsTheSavedState) {
  DlgMainMenu window(Context(), MainMenuStart{false, {}, false});
  window.Initialise();
  QAction* undo = window.CommandAction(kCmdUndo);
  QAction* redo = window.CommandAction(kCmdRedo);
  const QList<QAction*> items = window.findChild<QMenu*>("editMenu")->actions();
  ASSERT_GE(items.size(), 2);
  EXPECT_EQ(items[0], undo);
  EXPECT_EQ(items[1], redo);
  EXPECT_EQ(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
  EXPECT_EQ(redo->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                                     QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(undo->text(), QString::fromUtf8("&Rückgängig"));
  EXPECT_EQ(redo->text(), QStringLiteral("&Wiederholen"));

  CCountry& germany = *World().Country(14);
  const uint32_t victim = SecondRegularClub(germany);
  const QString name = FromCp1252(std::string(germany.FindClub(victim)->Name(0)));
  auto* clubs = window.findChild<QTableView*>("clubList");
  const int rows = clubs->model()->rowCount();
  window.SelectClub(victim);
  window.TriggerCommand(kCmdDeleteClub);
  ASSERT_EQ(germany.FindClub(victim), nullptr);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_EQ(undo->text(), QString::fromUtf8("&Rückgängig: Verein %1 gelöscht").arg(QString(name).replace("&", "&&")));
  EXPECT_TRUE(window.windowTitle().endsWith(" *"));

  window.TriggerCommand(kCmdUndo);
  ASSERT_NE(germany.FindClub(victim), nullptr);
  EXPECT_EQ(clubs->model()->rowCount(), rows) << "the list shows the club again";
  EXPECT_FALSE(window.windowTitle().endsWith(" *")) << "back at the loaded state";
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->text(), QString::fromUtf8("&Wiederholen: Verein %1 gelöscht").arg(QString(name).replace("&", "&&")));

  window.TriggerCommand(kCmdRedo);
  EXPECT_EQ(germany.FindClub(victim), nullptr);
  EXPECT_EQ(clubs->model()->rowCount(), rows - 1);
  EXPECT_TRUE(window.windowTitle().endsWith(" *"));
  window.TriggerCommand(kCmdSave);
  EXPECT_FALSE(window.windowTitle().endsWith(" *"));
  window.TriggerCommand(kCmdUndo);
  EXPECT_TRUE(window.windowTitle().endsWith(" *")) << "an undo behind the save";
  window.TriggerCommand(kCmdRedo);
  EXPECT_FALSE(window.windowTitle().endsWith(" *"));

  // Each world has its own history: a second one starts with none.
  Context().OpenGameDatabase();
  window.Refresh();
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(undo->text(), QString::fromUtf8("&Rückgängig"));
}

// "Datenbank wiederherstellen" reads the pristine archive over the world, and a command of
// the admin menu changes persons of every country: both are steps that undo and redo exactly.
TEST_F(UndoMenuTest, ARestoredDatabaseAndACommandOverTheWorldAreTakenBackExactly) {
  Context().SetExpertMode(true);
  DlgMainMenu window(Context(), MainMenuStart{false, {}, true});  // writes the pristine archive
  window.Initialise();
  Answers().SetDefault(DialogAnswer::kYes);
  CWorldDatabase& world = World();
  const uint32_t victim = SecondRegularClub(*world.Country(14));
  window.SelectClub(victim);
  window.TriggerCommand(kCmdDeleteClub);
  const std::string folder = world.Folder();
  const Files before = SaveCopy(world, InstallFolder() + "/before");

  window.TriggerCommand(kCmdRestore);
  ASSERT_NE(world.Country(14)->FindClub(victim), nullptr) << "the pristine database has the club";
  EXPECT_FALSE(window.windowTitle().endsWith(" *")) << "the world is what the game's folder holds";
  const size_t persons = world.Persons().Count();
  window.TriggerCommand(static_cast<int>(BatchCommand::kDeleteStaff));
  ASSERT_LT(world.Persons().Count(), persons);
  QAction* undo = window.CommandAction(kCmdUndo);
  EXPECT_EQ(undo->text(), QString::fromUtf8("&Rückgängig: Delete staff (except manager, chairman, president)"));
  const Files after = SaveCopy(world, InstallFolder() + "/after");
  ASSERT_FALSE(Differing(before, after).empty());
  ASSERT_EQ(Context().HistoryOf(world).Stack().count(), 3);

  window.TriggerCommand(kCmdUndo);
  window.TriggerCommand(kCmdUndo);
  EXPECT_TRUE(undo->text().startsWith(QString::fromUtf8("&Rückgängig: Verein "))) << "the club's deletion is next";
  EXPECT_EQ(world.Country(14)->FindClub(victim), nullptr);
  EXPECT_EQ(world.Folder(), folder);
  EXPECT_TRUE(window.windowTitle().endsWith(" *"));
  EXPECT_EQ(Differing(before, SaveCopy(world, InstallFolder() + "/undone")), std::vector<std::string>{});

  window.TriggerCommand(kCmdRedo);
  EXPECT_FALSE(window.windowTitle().endsWith(" *")) << "back at the imported state";
  window.TriggerCommand(kCmdRedo);
  EXPECT_EQ(Differing(after, SaveCopy(world, InstallFolder() + "/redone")), std::vector<std::string>{});
}

}  // namespace torvale
