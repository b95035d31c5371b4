#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/sample_clubs.h"
#include "support/gui/editor_fixture.h"
#include "support/test_database.h"
#include "ui/search/dlg_fast_transfer.h"
#include "ui/search/dlg_nationalteam.h"
#include "ui/search/dlg_player_compare.h"
#include "world/club.h"
#include "world/country.h"

namespace torvale {
namespace {

using testing::AddPerson;

class TransferDialogsTest : public test::EditorFixture {
 protected:
  CClub& GermanClub(int which) { return test::SampleClub(World(), 14, which); }

  static void SelectIds(QTreeWidget& list, std::initializer_list<uint32_t> ids) {
    list.clearSelection();
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = list.topLevelItem(i);
      for (uint32_t id : ids) {
        if (item->data(0, Qt::UserRole).toLongLong() == id) item->setSelected(true);
      }
    }
  }
};

TEST_F(TransferDialogsTest, FastTransferMovesTheSelectionAsOneChange) {
  CClub& left = GermanClub(0);
  CClub& right = GermanClub(1);
  CPlayer& a = AddPerson(World(), "Anton", "Zqxa", kRolePlayer, 14, &left);
  CPlayer& b = AddPerson(World(), "Bernd", "Zqxb", kRolePlayer, 14, &left);
  a.contractStart = 1999;
  QStringList texts;
  QObject::connect(&Changes(), &WorldChanges::changed, [&](const ChangeScope&, const QString& text) { texts << text; });

  CDlgFastTransfer dialog(Context());
  dialog.SetClub(0, left.clubId);
  dialog.SetClub(1, right.clubId | kReserveTeamBit);
  auto* moveRight = dialog.findChild<QPushButton*>("moveRightButton");
  EXPECT_FALSE(moveRight->isEnabled());  // nothing selected yet
  SelectIds(dialog.List(0), {a.id, b.id});
  ASSERT_TRUE(moveRight->isEnabled());
  moveRight->click();

  EXPECT_TRUE(right.HasPlayer(a.id) && right.HasPlayer(b.id));
  EXPECT_FALSE(left.HasPlayer(a.id) || left.HasPlayer(b.id));
  EXPECT_EQ(a.team, 1);
  EXPECT_EQ(a.contractStart, 2003);
  EXPECT_EQ(texts, QStringList{QStringLiteral("2 Spieler transferiert")});
  EXPECT_EQ(dialog.List(1).topLevelItemCount(), static_cast<int>(right.PlayerIds().size()));

  // Back again, into the first team, until the left club is full.
  while (left.PlayerIds().size() < kMaxClubPersons - 1) AddPerson(World(), "Fill", "Fill", kRolePlayer, 14, &left);
  dialog.SetClub(0, left.clubId);
  dialog.SetClub(1, right.clubId);
  SelectIds(dialog.List(1), {a.id, b.id});
  EXPECT_EQ(dialog.MoveSelected(1), 1);
  EXPECT_EQ(left.PlayerIds().size(), static_cast<size_t>(kMaxClubPersons));
  EXPECT_TRUE(Answers().Texts().empty());
}

TEST_F(TransferDialogsTest, NationalTeamCallsUpStrongestFirstAndPlayersKeepTheirClubs) {
  CClub& club = GermanClub(0);
  CPlayer& star = AddPerson(World(), "Star", "Zqxstar", kRolePlayer, 14, &club);
  star.abilities.fill(10);
  star.mainPosition = 9;

  CDlgNationalteam dialog(Context());
  dialog.SetCountry(14);
  ASSERT_EQ(dialog.Country(), 14);
  QTreeWidget& candidates = dialog.Candidates();
  ASSERT_GT(candidates.topLevelItemCount(), 1);
  auto listed = [&](QTreeWidget& tree) {
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
      if (tree.topLevelItem(i)->data(0, Qt::UserRole).toLongLong() == star.id) return true;
    }
    return false;
  };
  EXPECT_TRUE(listed(candidates));
  // The order is the core's (strongest first); the list shows it.
  EXPECT_GT(candidates.topLevelItem(0)->text(3).toDouble(),
            candidates.topLevelItem(candidates.topLevelItemCount() - 1)->text(3).toDouble());

  const CClub& national = *World().Country(14)->AmateurClub();
  SelectIds(candidates, {star.id});
  EXPECT_EQ(dialog.CallUpSelected(), 1);
  EXPECT_TRUE(national.HasPlayer(star.id));
  EXPECT_TRUE(club.HasPlayer(star.id));
  EXPECT_FALSE(listed(candidates));
  EXPECT_TRUE(listed(dialog.Squad()));

  SelectIds(dialog.Squad(), {star.id});
  EXPECT_EQ(dialog.DropSelected(), 1);
  EXPECT_FALSE(national.HasPlayer(star.id));
  EXPECT_TRUE(club.HasPlayer(star.id));
}

TEST_F(TransferDialogsTest, CompareShowsTheStrongerPerson) {
  CPlayer& weak = AddPerson(World(), "Weak", "Zqxweak", kRolePlayer, 14, &GermanClub(0));
  CPlayer& strong = AddPerson(World(), "Strong", "Zqxstrong", kRolePlayer, 14, &GermanClub(1));
  weak.mainPosition = strong.mainPosition = 9;
  weak.abilities.fill(2);
  strong.abilities.fill(9);

  CDlgPlayerCompare dialog(Context());
  EXPECT_EQ(dialog.StrongerSide(), -1);
  dialog.SetPerson(0, weak.id);
  dialog.SetPerson(1, strong.id);
  EXPECT_EQ(dialog.StrongerSide(), 1);
  EXPECT_EQ(dialog.findChild<QLabel*>("rightName")->text(), QStringLiteral("Strong Zqxstrong"));
  EXPECT_TRUE(dialog.findChild<QLabel*>("rightStrength")->styleSheet().contains("bold"));
  EXPECT_FALSE(dialog.findChild<QLabel*>("leftStrength")->styleSheet().contains("bold"));
  dialog.SetPerson(1, 0xFFFFFFF0u);  // no such person: the side empties
  EXPECT_EQ(dialog.Person(1), 0u);
}

}  // namespace
}  // namespace torvale
