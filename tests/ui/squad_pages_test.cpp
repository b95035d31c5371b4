// The squad editor's person pages on their own: what they load they store back unchanged
// (values the game's files may hold beyond the fields' ranges included), what the user
// changes lands in the person, and the list and club-reference helpers keep their rules.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <memory>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "support/gui/editor_fixture.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/squad/club_reference_field.h"
#include "ui/squad/dlg_manager_abilities.h"
#include "ui/squad/dlg_player_abilities.h"
#include "ui/squad/dlg_player_all_right.h"
#include "ui/squad/dlg_player_character.h"
#include "ui/squad/dlg_player_hist.h"
#include "ui/squad/dlg_player_look.h"
#include "ui/squad/dlg_player_position_england.h"
#include "ui/squad/dlg_playerlist_club.h"
#include "ui/squad/squad_list_view.h"
#include "world/fixed_text.h"

namespace torvale {

namespace {

class SquadPagesTest : public test::EditorFixture {
 protected:
  std::vector<std::unique_ptr<CPersonPage>> AllPages() {
    std::vector<std::unique_ptr<CPersonPage>> pages;
    pages.push_back(std::make_unique<CDlgPlayerAllRight>(World(), nullptr));
    pages.push_back(std::make_unique<CDlgPlayerPositionEngland>(World(), nullptr));
    pages.push_back(std::make_unique<CDlgPlayerAbilities>(World(), nullptr));
    pages.push_back(std::make_unique<CDlgPlayerCharacter>(World(), nullptr));
    pages.push_back(std::make_unique<CDlgPlayerLook>(World(), nullptr));
    pages.push_back(std::make_unique<CDlgPlayerHist>(World(), nullptr));
    pages.push_back(std::make_unique<CDlgManagerAbilities>(World(), nullptr));
    return pages;
  }

  CPlayer& NewPerson() {
    CPlayer* person = World().Persons().CreatePlayer(0, true);
    person->InitDefaults(kRolePlayer, 14);
    return *person;
  }

  const CClub& SomeClub(int country) {
    for (const auto& entry : World().Country(country)->Clubs())
      if (entry.second->Number() != kAmateurClubNumber) return *entry.second;
    return *World().Country(country)->Clubs().begin()->second;
  }
};

}  // namespace

TEST_F(SquadPagesTest, LoadingAndStoringWithoutEditsChangesNothing) {
  CPlayer& person = NewPerson();
  SetFixedText(person.firstName, "Jürgen");
  SetFixedText(person.surname, "Ößmann");
  SetFixedText(person.stageName, "Der Bomber");
  person.notes = "Zeile 1\r\nZeile 2";
  person.languages = {3, 7, 0, 0};
  person.firstClub = SomeClub(14).clubId;
  person.lastClub = SomeClub(45).clubId | kReserveTeamBit;  // the reserve team
  person.loanedTo = MakeClubId(14, 999);                    // a club that no longer exists
  // Values beyond the fields' ranges, as old or hand-made files hold them.
  person.abilities[kPassing] = 0;
  person.ratings[kAreaAttack] = 9;
  person.character[kImage] = 15;
  person.face = 0;
  person.height = 240;
  person.birthDate = DATE();
  person.specialStart = DATE();
  person.leagueExperience = 9;
  person.formation = 40;
  person.managerAbilities = {20, 1, 2, 3};
  person.siblingId = 123456;
  person.personFlags = 0x81;
  const PlayerFields before = person;
  for (auto& page : AllPages()) {
    page->Load(&person);
    page->Store();
    EXPECT_TRUE(static_cast<const PlayerFields&>(person) == before) << page->objectName().toStdString();
    person = CPlayer();
    static_cast<PlayerFields&>(person) = before;
  }
}

TEST_F(SquadPagesTest, GeneralPageWritesNamesCutToTheRecordAndKeepsLanguagesTidy) {
  CPlayer& person = NewPerson();
  CDlgPlayerAllRight page(World(), nullptr);
  page.Load(&person);
  QSignalSpy updates(&page, &CPersonPage::updateList);
  auto* first = page.findChild<QLineEdit*>("firstName");
  EXPECT_EQ(first->maxLength(), 15);
  first->clear();
  QTest::keyClicks(first, QStringLiteral("Maximilian-Alexander"));
  page.Store();
  EXPECT_EQ(FixedText(person.firstName), "Maximilian-Alex");
  EXPECT_GT(updates.count(), 0);

  // Choosing the mother tongue again as a foreign language changes nothing; clearing the
  // mother tongue moves the foreign language up.
  auto* mother = page.findChild<QComboBox*>("language0");
  auto* foreign = page.findChild<QComboBox*>("language1");
  const int german = mother->currentData().toInt();
  ASSERT_NE(german, 0);
  foreign->setCurrentIndex(foreign->findData(german));
  EXPECT_EQ(person.languages[1], 0);
  EXPECT_EQ(foreign->currentData().toInt(), 0);
  const int other = german == 1 ? 2 : 1;
  foreign->setCurrentIndex(foreign->findData(other));
  mother->setCurrentIndex(0);
  EXPECT_EQ(person.languages[0], other);
  EXPECT_EQ(mother->currentData().toInt(), other);
  EXPECT_EQ(person.languages[1], 0);
}

TEST_F(SquadPagesTest, OfficialRolesTakenByOthersCannotBeChosen) {
  CPlayer& official = NewPerson();
  official.role = kRoleAssistantCoach;
  CDlgPlayerAllRight page(World(), nullptr);
  page.SetOfficialMode(true);
  page.SetTakenRoles({kRoleCoach, kRoleManager});
  page.Load(&official);
  auto* role = page.findChild<QComboBox*>("role");
  EXPECT_FALSE(role->model()->flags(role->model()->index(role->findData(kRoleCoach), 0)) & Qt::ItemIsEnabled);
  EXPECT_TRUE(role->model()->flags(role->model()->index(role->findData(kRolePresident), 0)) & Qt::ItemIsEnabled);
  role->setCurrentIndex(role->findData(kRolePresident));
  page.Store();
  EXPECT_EQ(official.role, kRolePresident);
}

TEST_F(SquadPagesTest, HistoryPageWritesClubsDatesAndNotes) {
  CPlayer& person = NewPerson();
  CDlgPlayerHist page(World(), nullptr);
  page.Load(&person);
  const CClub& club = SomeClub(45);
  auto* country = page.findChild<QComboBox*>("favouriteClubCountry");
  country->setCurrentIndex(country->findData(45));
  auto* clubBox = page.findChild<QComboBox*>("favouriteClubClub");
  clubBox->setCurrentIndex(clubBox->findData(club.clubId));
  page.findChild<QPlainTextEdit*>("notes")->setPlainText(QStringLiteral("Kapitän\nElfmeterschütze"));
  page.findChild<QComboBox*>("seasonSpecial")->setCurrentIndex(4);
  page.findChild<QDateEdit*>("specialEnd")->setDate(QDate(2004, 12, 31));
  page.Store();
  EXPECT_EQ(person.favouriteClub, club.clubId);
  EXPECT_EQ(person.notes, ToCp1252(QStringLiteral("Kapitän\r\nElfmeterschütze")));
  EXPECT_EQ(person.SeasonSpecial(), 4);
  EXPECT_EQ(person.specialEnd, DATE::FromCivil(2004, 12, 31));
  // "keiner" clears the reference.
  country->setCurrentIndex(0);
  page.Store();
  EXPECT_EQ(person.favouriteClub, 0u);
}

TEST_F(SquadPagesTest, ClubReferenceKeepsTheReserveBitOnlyWhileItsClubStaysChosen) {
  const CClub& club = SomeClub(14);
  ClubReferenceField field(World(), "reference", nullptr);
  field.SetClubId(club.clubId | kReserveTeamBit);
  EXPECT_EQ(field.ClubId(), club.clubId | kReserveTeamBit);
  auto* clubs = field.findChild<QComboBox*>("referenceClub");
  const int otherRow = clubs->currentIndex() == 0 ? 1 : 0;
  clubs->setCurrentIndex(otherRow);
  EXPECT_EQ(field.ClubId(), clubs->itemData(otherRow).toUInt());
}

TEST_F(SquadPagesTest, NameSortButtonSortsAscendingThenDescending) {
  uint32_t clubId = 0;
  for (const auto& entry : World().Country(14)->Clubs())
    if (entry.second->CountPlayers(kFirstTeam) >= 3) clubId = entry.second->clubId;
  CDlgPlayerlistClub dialog(Context(), clubId, SquadPickers{}, nullptr);
  SquadListView* list = dialog.List(CDlgPlayerlistClub::kFirstTeamTab);
  SquadListModel* model = list->Model();
  auto names = [&] {
    QStringList shown;
    for (int row = 0; row < model->rowCount(); ++row) shown << model->index(row, SquadListModel::kName).data().toString();
    return shown;
  };
  QHeaderView* header = list->Table()->horizontalHeader();
  emit header->sectionClicked(SquadListModel::kName);
  QStringList ascending = names();
  QStringList expected = ascending;
  std::sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
  EXPECT_EQ(ascending, expected);
  emit header->sectionClicked(SquadListModel::kName);
  std::reverse(expected.begin(), expected.end());
  EXPECT_EQ(names(), expected);
  emit header->sectionClicked(SquadListModel::kStrength);
  const float first = World().Persons().FindPlayer(model->IdAt(0))->Strength();
  const float last = World().Persons().FindPlayer(model->IdAt(model->rowCount() - 1))->Strength();
  EXPECT_LE(first, last);
  dialog.reject();
}

TEST_F(SquadPagesTest, TeamChosenOnTheGeneralPageMovesThePersonIntoTheOtherList) {
  uint32_t clubId = 0;
  for (const auto& entry : World().Country(14)->Clubs())
    if (entry.second->CountPlayers(kFirstTeam) >= 3) clubId = entry.second->clubId;
  CDlgPlayerlistClub dialog(Context(), clubId, SquadPickers{}, nullptr);
  dialog.show();
  CPlayer* person = dialog.ShownPerson();
  ASSERT_NE(person, nullptr);
  dialog.findChild<QComboBox*>("team")->setCurrentIndex(1);
  EXPECT_EQ(person->team, 1);
  EXPECT_EQ(dialog.CurrentTeamTab(), CDlgPlayerlistClub::kReserveTeamTab);
  EXPECT_EQ(dialog.List(CDlgPlayerlistClub::kReserveTeamTab)->SelectedId(), person->id);
  EXPECT_EQ(dialog.ShownPerson(), person);
  dialog.reject();
}

}  // namespace torvale
