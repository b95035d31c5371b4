#include "ui/squad/dlg_playerlist_club.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTableView>
#include <QTest>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "persons/squad_rules.h"
#include "persons/squad_session.h"
#include "persons/world_persons.h"
#include "support/gui/editor_fixture.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/squad/dlg_player_character.h"
#include "ui/squad/dlg_shirt_no.h"
#include "ui/squad/squad_commands.h"
#include "ui/squad/squad_editor_command.h"
#include "ui/squad/squad_list_view.h"
#include "world/fixed_text.h"
#include "world/player.h"

namespace torvale {

namespace {

class SquadEditorTest : public test::EditorFixture {
 protected:
  SquadEditorTest() {
    for (const auto& entry : World().Country(14)->Clubs())
      if (entry.second->Number() != kAmateurClubNumber && entry.second->CountPlayers(kFirstTeam) >= 15) {
        club_ = entry.second.get();
        break;
      }
  }

  CClub& Club() { return *club_; }
  std::vector<uint32_t> ClubList() const { return {club_->PlayerIds().begin(), club_->PlayerIds().end()}; }

  std::unique_ptr<CDlgPlayerlistClub> Open(SquadPickers pickers = {}) {
    auto dialog = std::make_unique<CDlgPlayerlistClub>(Context(), club_->clubId, std::move(pickers), nullptr);
    dialog->show();
    return dialog;
  }

  static QAction* MenuCommand(QMenu& menu, int commandId) {
    return menu.findChild<QAction*>(QStringLiteral("command%1").arg(commandId));
  }

  // Selects a person in the visible list as a click would.
  static void SelectInList(CDlgPlayerlistClub& dialog, uint32_t id) { dialog.List(dialog.CurrentTeamTab())->Select(id); }

  // A first-team player of the club.
  uint32_t FirstTeamPlayer(int index = 0) {
    int seen = 0;
    for (uint32_t id : ClubList()) {
      const CPlayer* person = World().Persons().FindPlayer(id);
      if (person && person->role == kRolePlayer && person->team == 0 && seen++ == index) return id;
    }
    return 0;
  }

 private:
  CClub* club_ = nullptr;
};

}  // namespace

TEST_F(SquadEditorTest, NewPlayerIsOfferedBelowSeventyPersonsOnly) {
  ASSERT_NE(&Club(), nullptr);
  while (Club().PlayerIds().size() < static_cast<size_t>(kMaxPersonsForNewPlayer - 1)) {
    CPlayer* filler = World().Persons().CreatePlayer(0, true);
    filler->InitDefaults(kRolePlayer, 14);
    filler->team = 1;
    Club().AddPlayer(filler->id);
  }
  auto dialog = Open();
  ASSERT_TRUE(dialog->RunCommand(kCmdNewPlayer));
  // The new person is listed, selected and shown on the pages.
  CPlayer* made = dialog->ShownPerson();
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(dialog->List(CDlgPlayerlistClub::kFirstTeamTab)->SelectedId(), made->id);
  EXPECT_EQ(dialog->findChild<QLineEdit*>("surname")->text(), FromCp1252(made->surname));

  // 70 persons (the limit itself is the squad session's rule): the item is greyed.
  EXPECT_FALSE(MenuCommand(*dialog->ContextMenu(), kCmdNewPlayer)->isEnabled());
  EXPECT_FALSE(dialog->RunCommand(kCmdNewPlayer));
}

TEST_F(SquadEditorTest, ThirdCharacterValueSpringsBackToNormal) {
  auto dialog = Open();
  const uint32_t id = FirstTeamPlayer();
  SelectInList(*dialog, id);
  CPlayer& person = *World().Persons().FindPlayer(id);
  person.character.fill(kCharacterNormal);
  ASSERT_TRUE(dialog->SetPageTab(QStringLiteral("Charakter")));
  auto* page = dynamic_cast<CDlgPlayerCharacter*>(dialog->VisiblePage());
  ASSERT_NE(page, nullptr);
  page->Load(&person);
  page->Slider(kLeadership)->setValue(8);
  page->Slider(kNerves)->setValue(0);
  // A third value away from normal is refused by the person (its own rule); the slider follows.
  page->Slider(kImage)->setValue(9);
  EXPECT_EQ(page->Slider(kImage)->value(), kCharacterNormal);
  EXPECT_EQ(person.character[kLeadership], 8);
}

TEST_F(SquadEditorTest, ThirteenFirstTeamPlayersWarnOnOkAndEgalStillSaves) {
  auto dialog = Open();
  // Thirteen in the first team: the others go to the reserves through the list command.
  for (int moves = 0; moves < kMaxClubPersons && dialog->Session()->TeamPlayers(0).size() > 13; ++moves) {
    SelectInList(*dialog, dialog->Session()->TeamPlayers(0).back());
    ASSERT_TRUE(dialog->RunCommand(kCmdSwitchTeam));
  }
  ASSERT_EQ(dialog->Session()->TeamPlayers(0).size(), 13u);
  Answers().Then(DialogAnswer::kOk);  // "OK": back to the squad
  dialog->accept();
  ASSERT_EQ(Answers().Shown().size(), 1u);
  EXPECT_EQ(Answers().Shown()[0].kind, ShownDialogKind::kErrorMessage);
  EXPECT_EQ(Answers().Shown()[0].buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Egal")}));
  EXPECT_TRUE(Answers().Shown()[0].text.contains(QStringLiteral("Es sollten mind. 14 Spieler in der ersten Mannschaft vorhanden sein.")));
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_NE(dialog->result(), QDialog::Accepted);

  const uint32_t removed = dialog->Session()->TeamPlayers(1).front();
  dialog->SetTeamTab(CDlgPlayerlistClub::kReserveTeamTab);
  SelectInList(*dialog, removed);
  ASSERT_TRUE(dialog->RunCommand(kCmdDeleteEntry));
  QSignalSpy changed(&Changes(), &WorldChanges::changed);
  Answers().Then(DialogAnswer::kCancel);  // "Egal"
  dialog->accept();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_FALSE(Club().HasPlayer(removed));
  EXPECT_EQ(Club().CountPlayers(kFirstTeam), 13);
  EXPECT_EQ(changed.count(), 1);  // the dialog's transaction, announced once
  EXPECT_TRUE(Changes().IsModified());
}

TEST_F(SquadEditorTest, CancelRestoresTheClubListWhilePersonEditsRemain) {
  const std::vector<uint32_t> before = ClubList();
  const size_t persons = World().Persons().Count();
  auto dialog = Open();
  const uint32_t edited = FirstTeamPlayer(1);
  SelectInList(*dialog, edited);
  auto* surname = dialog->findChild<QLineEdit*>("surname");
  surname->selectAll();
  QTest::keyClicks(surname, QStringLiteral("Özdemir"));
  // The list follows the page at once.
  SquadListView* list = dialog->List(CDlgPlayerlistClub::kFirstTeamTab);
  EXPECT_TRUE(list->Model()->data(list->Model()->index(list->Model()->RowOf(edited), 0), Qt::DisplayRole)
                  .toString()
                  .startsWith(QStringLiteral("Özdemir, ")));
  ASSERT_TRUE(dialog->RunCommand(kCmdNewPlayer));
  SelectInList(*dialog, FirstTeamPlayer(2));
  ASSERT_TRUE(dialog->RunCommand(kCmdDeleteEntry));
  QSignalSpy changed(&Changes(), &WorldChanges::changed);
  dialog->reject();

  EXPECT_EQ(ClubList(), before);
  EXPECT_EQ(World().Persons().Count(), persons);  // the new person went again
  EXPECT_EQ(FixedText(World().Persons().FindPlayer(edited)->surname), ToCp1252(QStringLiteral("Özdemir")));
  EXPECT_EQ(changed.count(), 1);  // the person edit is a change of the world
}

TEST_F(SquadEditorTest, PlayerMovesToTheReserveTeamAndBack) {
  auto dialog = Open();
  const uint32_t id = FirstTeamPlayer(3);
  SelectInList(*dialog, id);
  std::unique_ptr<QMenu> menu = dialog->ContextMenu();
  EXPECT_EQ(MenuCommand(*menu, kCmdSwitchTeam)->text(), QStringLiteral("In 2. Mannschaft"));
  ASSERT_TRUE(dialog->RunCommand(kCmdSwitchTeam));
  EXPECT_LT(dialog->List(CDlgPlayerlistClub::kFirstTeamTab)->Model()->RowOf(id), 0);
  EXPECT_GE(dialog->List(CDlgPlayerlistClub::kReserveTeamTab)->Model()->RowOf(id), 0);
  EXPECT_EQ(World().Persons().FindPlayer(id)->team, 1);

  dialog->SetTeamTab(CDlgPlayerlistClub::kReserveTeamTab);
  SelectInList(*dialog, id);
  menu = dialog->ContextMenu();
  EXPECT_EQ(MenuCommand(*menu, kCmdSwitchTeam)->text(), QStringLiteral("In 1. Mannschaft"));
  ASSERT_TRUE(dialog->RunCommand(kCmdSwitchTeam));
  EXPECT_GE(dialog->List(CDlgPlayerlistClub::kFirstTeamTab)->Model()->RowOf(id), 0);
  EXPECT_EQ(World().Persons().FindPlayer(id)->team, 0);
  dialog->accept();
  EXPECT_TRUE(Club().HasPlayer(id));
}

TEST_F(SquadEditorTest, NewOfficialIsGreyedWhileTheClubHasOneOfThatRole) {
  auto dialog = Open();
  dialog->SetTeamTab(CDlgPlayerlistClub::kOfficialsTab);
  const int assistantCommand = OfficialCommandOfRole(kRoleAssistantCoach);
  std::unique_ptr<QMenu> menu = dialog->ContextMenu();
  EXPECT_EQ(menu->objectName(), QStringLiteral("menu167"));
  EXPECT_FALSE(MenuCommand(*menu, kCmdFetchPerson)->isEnabled());  // "Person holen" is always greyed
  const bool hadAssistant = ClubHasRole(Club(), World().Persons(), kRoleAssistantCoach);
  EXPECT_EQ(MenuCommand(*menu, assistantCommand)->isEnabled(), !hadAssistant);
  EXPECT_EQ(MenuCommand(*menu, OfficialCommandOfRole(kRoleCoach))->isEnabled(),
            !ClubHasRole(Club(), World().Persons(), kRoleCoach));
  if (hadAssistant) {
    SelectInList(*dialog, dialog->Session()->Officials().front());
    for (uint32_t official : dialog->Session()->Officials())
      if (World().Persons().FindPlayer(official)->role == kRoleAssistantCoach) SelectInList(*dialog, official);
    ASSERT_TRUE(dialog->RunCommand(kCmdDeleteEntry));
  }
  ASSERT_TRUE(dialog->RunCommand(assistantCommand));
  EXPECT_EQ(dialog->ShownPerson()->role, kRoleAssistantCoach);
  // The general page of an official shows the role, not team and shirt number.
  EXPECT_FALSE(dialog->findChild<QWidget*>("shirtNumber")->isVisible());
  EXPECT_TRUE(dialog->findChild<QWidget*>("role")->isVisible());
  menu = dialog->ContextMenu();
  EXPECT_FALSE(MenuCommand(*menu, assistantCommand)->isEnabled());
  EXPECT_FALSE(dialog->RunCommand(assistantCommand));
}

TEST_F(SquadEditorTest, EditingAnAbilityChangesTheShownStrength) {
  auto dialog = Open();
  const uint32_t id = FirstTeamPlayer();
  SelectInList(*dialog, id);
  CPlayer& person = *World().Persons().FindPlayer(id);
  ASSERT_TRUE(dialog->SetPageTab(QString::fromUtf8("Fähigkeiten")));
  // Raise the ability that weighs most in the player's position.
  auto* strength = dialog->findChild<QLabel*>("strength");
  const QString before = strength->text();
  const float oldStrength = person.Strength();
  for (int ability = 0; ability < kAbilityCount && person.Strength() <= oldStrength; ++ability) {
    auto* spin = dialog->findChild<CSpinEditCtrl*>(QStringLiteral("ability%1").arg(ability));
    spin->SetValue(spin->Value() < 10 ? 10 : 1);
  }
  ASSERT_NE(person.Strength(), oldStrength);
  EXPECT_NE(strength->text(), before);
  EXPECT_EQ(strength->text(), QString::asprintf("%2.1f", static_cast<double>(person.Strength())));
  SquadListView* list = dialog->List(CDlgPlayerlistClub::kFirstTeamTab);
  EXPECT_EQ(list->Model()->data(list->Model()->index(list->Model()->RowOf(id), SquadListModel::kStrength), Qt::DisplayRole),
            strength->text());
}

TEST_F(SquadEditorTest, TransferAndFetchUseTheChoosersAndWaitForOk) {
  CClub* target = nullptr;
  for (const auto& entry : World().Country(14)->Clubs())
    if (entry.second.get() != &Club() && entry.second->Number() != kAmateurClubNumber) target = entry.second.get();
  ASSERT_NE(target, nullptr);
  const uint32_t incoming = target->PlayerIds()[0];
  SquadPickers pickers;
  pickers.chooseClub = [&](QWidget*, CWorldDatabase&) { return std::optional<uint32_t>(target->clubId); };
  pickers.choosePerson = [&](QWidget*, CWorldDatabase&) { return std::optional<uint32_t>(incoming); };
  auto dialog = Open(pickers);
  const uint32_t outgoing = FirstTeamPlayer();
  SelectInList(*dialog, outgoing);
  ASSERT_TRUE(dialog->RunCommand(kCmdTransferPerson));
  ASSERT_TRUE(dialog->RunCommand(kCmdFetchPerson));
  EXPECT_EQ(dialog->ShownPerson()->id, incoming);
  EXPECT_TRUE(target->HasPlayer(incoming));  // nothing moved before OK
  Answers().SetDefault(DialogAnswer::kCancel);
  dialog->accept();
  EXPECT_TRUE(target->HasPlayer(outgoing));
  EXPECT_FALSE(target->HasPlayer(incoming));
  EXPECT_TRUE(Club().HasPlayer(incoming));
  EXPECT_EQ(World().Persons().FindPlayer(incoming)->shirtNumber, 0);
}

TEST_F(SquadEditorTest, ShirtNumbersMarkSharedNumbersAndCancelGivesThemBack) {
  const uint32_t a = FirstTeamPlayer(0);
  const uint32_t b = FirstTeamPlayer(1);
  CPlayer& first = *World().Persons().FindPlayer(a);
  CPlayer& second = *World().Persons().FindPlayer(b);
  first.shirtNumber = 97;  // numbers nobody else in the sample squads wears
  second.shirtNumber = 98;
  {
    CDlgShirtNo dialog(World(), ClubList(), nullptr);
    const std::vector<uint32_t> before = dialog.MarkedPlayers();
    EXPECT_EQ(std::find(before.begin(), before.end(), a), before.end());
    dialog.findChild<CSpinEditCtrl*>(QStringLiteral("number%1").arg(b))->SetValue(97);
    const std::vector<uint32_t> marked = dialog.MarkedPlayers();
    EXPECT_NE(std::find(marked.begin(), marked.end(), a), marked.end());
    EXPECT_NE(std::find(marked.begin(), marked.end(), b), marked.end());
    EXPECT_EQ(second.shirtNumber, 97);  // typed straight into the person
    dialog.reject();
  }
  EXPECT_EQ(second.shirtNumber, 98);
  {
    CDlgShirtNo dialog(World(), ClubList(), nullptr);
    dialog.SetNumber(b, 23);
    dialog.accept();
  }
  EXPECT_EQ(second.shirtNumber, 23);
}

TEST_F(SquadEditorTest, NationalPseudoClubOpensTheNationalTeamsInstead) {
  MainSelection asked;
  Context().Commands().Register(EditorCommand::kNationalTeams,
                                [&](EditorContext&, QWidget*, const MainSelection& selection) { asked = selection; });
  const MainSelection national{14, MakeClubId(14, kAmateurClubNumber)};
  ASSERT_TRUE(Context().Commands().Has(EditorCommand::kSquadEditor));
  Context().Commands().Run(EditorCommand::kSquadEditor, Context(), nullptr, national);
  EXPECT_EQ(asked.clubId, national.clubId);
}

TEST_F(SquadEditorTest, SearchWorksOnTheWrittenBackClubAndTheListsFollowIt) {
  CClub* other = nullptr;
  for (const auto& entry : World().Country(14)->Clubs())
    if (entry.second.get() != &Club() && entry.second->Number() != kAmateurClubNumber) other = entry.second.get();
  ASSERT_NE(other, nullptr);
  uint32_t made = 0;
  const uint32_t leaving = FirstTeamPlayer(2);
  int searches = 0;
  SquadPickers pickers;
  pickers.searchPersons = [&](QWidget*, uint32_t target, const std::function<void()>& afterChange) {
    ++searches;
    EXPECT_EQ(target, Club().clubId);
    EXPECT_TRUE(Club().HasPlayer(made));  // the working copy was written back first
    // What the result list's "Spieler transferieren" does.
    EXPECT_EQ(TransferPerson(World(), leaving, Club().clubId, other->clubId), MoveResult::kMoved);
    afterChange();
  };
  auto dialog = Open(pickers);
  ASSERT_TRUE(dialog->RunCommand(kCmdNewPlayer));
  made = dialog->ShownPerson()->id;
  QTest::mouseClick(dialog->findChild<QPushButton*>("search"), Qt::LeftButton);
  EXPECT_EQ(searches, 1);
  EXPECT_LT(dialog->List(CDlgPlayerlistClub::kFirstTeamTab)->Model()->RowOf(leaving), 0);
  EXPECT_GE(dialog->List(CDlgPlayerlistClub::kFirstTeamTab)->Model()->RowOf(made), 0);
  // The search committed the squad: Cancel now keeps the new player and the transfer.
  dialog->reject();
  EXPECT_TRUE(Club().HasPlayer(made));
  EXPECT_TRUE(other->HasPlayer(leaving));
}

}  // namespace torvale
