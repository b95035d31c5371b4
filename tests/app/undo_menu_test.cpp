#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTableView>

#include "app/dlg_main_menu.h"
#include "app/qt_text.h"
#include "support/gui/editor_fixture.h"
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

}  // namespace torvale
