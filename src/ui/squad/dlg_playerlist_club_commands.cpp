// The squad editor's list commands: the context menus of the player and officials' lists,
// the shirt numbers and the person search.

#include <QAction>
#include <QMenu>

#include "database/world_database.h"
#include "persons/squad_rules.h"
#include "persons/squad_session.h"
#include "ui/common/editor_context.h"
#include "ui/lists/list_dialogs.h"
#include "ui/squad/dlg_playerlist_club.h"
#include "ui/squad/dlg_shirt_no.h"
#include "ui/squad/person_field_texts.h"
#include "ui/squad/person_page.h"
#include "ui/squad/squad_commands.h"
#include "ui/squad/squad_list_view.h"

namespace torvale {

namespace {

// The officials' menu shows the coach, manager and president first; the other roles follow
// in a submenu of their own.
constexpr int kMainOfficialRoles = 3;

QAction* AddCommand(QMenu& menu, const QString& text, int commandId, bool enabled) {
  QAction* action = menu.addAction(text);
  action->setObjectName(QStringLiteral("command%1").arg(commandId));
  action->setData(commandId);
  action->setEnabled(enabled);
  return action;
}

}  // namespace

bool CDlgPlayerlistClub::CommandEnabled(int commandId) const {
  if (!session_) return false;
  const TeamTab tab = CurrentTeamTab();
  const bool selected = lists_[static_cast<size_t>(tab)]->SelectedId() != 0;
  if (tab == kOfficialsTab) {
    if (const int role = OfficialRoleOfCommand(commandId))
      return CanAddNewPlayer(session_->Squad()) && !ClubHasRole(session_->Squad(), world_.Persons(), role);
    switch (commandId) {
      case kCmdTransferPerson: return selected && pickers_.chooseClub != nullptr;
      case kCmdDeleteEntry: return selected;
      default: return false;  // "Person holen" is always greyed for officials
    }
  }
  switch (commandId) {
    case kCmdNewPlayer: return CanAddNewPlayer(session_->Squad());
    case kCmdTransferPerson: return selected && pickers_.chooseClub != nullptr;
    case kCmdFetchPerson: return pickers_.choosePerson != nullptr;
    case kCmdSwitchTeam:
    case kCmdDeleteEntry: return selected;
    default: return false;
  }
}

std::unique_ptr<QMenu> CDlgPlayerlistClub::ContextMenu() {
  auto menu = std::make_unique<QMenu>(this);
  const TeamTab tab = CurrentTeamTab();
  if (tab == kOfficialsTab) {
    menu->setObjectName(QStringLiteral("menu%1").arg(kOfficialsMenu));
    const QStringList texts = NewOfficialMenuTexts();
    for (int role = 1; role <= kMainOfficialRoles; ++role)
      AddCommand(*menu, texts[role - 1], OfficialCommandOfRole(role), CommandEnabled(OfficialCommandOfRole(role)));
    QMenu* more = menu->addMenu(QStringLiteral("Weitere Mitarbeiter"));
    more->setObjectName("moreOfficials");
    for (int role = kMainOfficialRoles + 1; role < kRoleCount; ++role)
      AddCommand(*more, texts[role - 1], OfficialCommandOfRole(role), CommandEnabled(OfficialCommandOfRole(role)));
    menu->addSeparator();
    AddCommand(*menu, QStringLiteral("Person transferieren"), kCmdTransferPerson, CommandEnabled(kCmdTransferPerson));
    AddCommand(*menu, QStringLiteral("Person holen"), kCmdFetchPerson, false);
    AddCommand(*menu, QString::fromUtf8("Eintrag löschen"), kCmdDeleteEntry, CommandEnabled(kCmdDeleteEntry));
    return menu;
  }
  menu->setObjectName(QStringLiteral("menu%1").arg(tab == kFirstTeamTab ? kFirstTeamMenu : kReserveTeamMenu));
  AddCommand(*menu, QStringLiteral("Neuer Spieler"), kCmdNewPlayer, CommandEnabled(kCmdNewPlayer));
  AddCommand(*menu, QStringLiteral("Spieler transferieren"), kCmdTransferPerson, CommandEnabled(kCmdTransferPerson));
  AddCommand(*menu, QStringLiteral("Spieler holen"), kCmdFetchPerson, CommandEnabled(kCmdFetchPerson));
  AddCommand(*menu, tab == kFirstTeamTab ? QStringLiteral("In 2. Mannschaft") : QStringLiteral("In 1. Mannschaft"),
             kCmdSwitchTeam, CommandEnabled(kCmdSwitchTeam));
  AddCommand(*menu, QString::fromUtf8("Eintrag löschen"), kCmdDeleteEntry, CommandEnabled(kCmdDeleteEntry));
  return menu;
}

void CDlgPlayerlistClub::OnContextMenu(const QPoint& globalPosition) {
  std::unique_ptr<QMenu> menu = ContextMenu();
  if (QAction* chosen = menu->exec(globalPosition)) RunCommand(chosen->data().toInt());
}

bool CDlgPlayerlistClub::RunCommand(int commandId) {
  if (!CommandEnabled(commandId)) return false;
  const TeamTab tab = CurrentTeamTab();
  SquadListView* list = lists_[static_cast<size_t>(tab)];
  const uint32_t selected = list->SelectedId();
  StorePage();
  if (const int role = OfficialRoleOfCommand(commandId); role != 0 && tab == kOfficialsTab)
    return NewPerson(session_->NewOfficial(role));
  bool done = false;
  switch (commandId) {
    case kCmdNewPlayer: return NewPerson(session_->NewPlayer(tab == kFirstTeamTab ? 0 : 1));
    case kCmdTransferPerson: return TransferSelected();
    case kCmdFetchPerson: return FetchPerson();
    case kCmdSwitchTeam: done = session_->SwitchTeam(selected); break;
    case kCmdDeleteEntry: done = session_->Remove(selected); break;
    default: break;
  }
  if (done) {
    changed_ = true;
    FillLists();
    ShowPerson(list->SelectedId());
  }
  return done;
}

bool CDlgPlayerlistClub::NewPerson(CPlayer* person) {
  if (!person) return false;
  changed_ = true;
  FillLists();
  lists_[static_cast<size_t>(CurrentTeamTab())]->Select(person->id);
  return true;
}

bool CDlgPlayerlistClub::TransferSelected() {
  SquadListView* list = lists_[static_cast<size_t>(CurrentTeamTab())];
  const uint32_t id = list->SelectedId();
  const std::optional<uint32_t> target = pickers_.chooseClub(this, world_);
  // A full club refuses the move without a word, as in the person search.
  if (!target || session_->TransferOut(id, *target) != MoveResult::kMoved) return false;
  changed_ = true;
  FillLists();
  ShowPerson(list->SelectedId());
  return true;
}

bool CDlgPlayerlistClub::FetchPerson() {
  const int8_t team = CurrentTeamTab() == kReserveTeamTab ? 1 : 0;
  const std::optional<uint32_t> chosen = pickers_.choosePerson(this, world_);
  if (!chosen) return false;
  // The fetched person may be edited on the pages before OK moves it: its places are kept now.
  changes_.WidenTransaction(ChangeScope::ListingPersons(world_, std::span<const uint32_t>(&*chosen, 1)));
  if (session_->FetchIn(*chosen, team) != MoveResult::kMoved) return false;
  changed_ = true;
  FillLists();
  lists_[static_cast<size_t>(CurrentTeamTab())]->Select(*chosen);
  return true;
}

void CDlgPlayerlistClub::OpenShirtNumbers() {
  if (!session_) return;
  StorePage();
  std::vector<uint32_t> ids(session_->Squad().PlayerIds().begin(), session_->Squad().PlayerIds().end());
  CDlgShirtNo dialog(world_, ids, this);
  if (dialog.exec() != QDialog::Accepted) return;
  changed_ = true;
  FillLists();
  ShowPerson(lists_[static_cast<size_t>(CurrentTeamTab())]->SelectedId());
}

void CDlgPlayerlistClub::TakeBackFromWorld() {
  UnloadPages();
  session_->Reload();
  FillLists();
  ShowPerson(lists_[static_cast<size_t>(CurrentTeamTab())]->SelectedId());
}

void CDlgPlayerlistClub::RunSearch() {
  if (!session_ || !pickers_.searchPersons) return;
  StorePage();
  // The search moves persons between clubs itself: it works on the club as the list now is,
  // and the list is taken back from the club after every change it made.
  CommitSession(QStringLiteral("Spieler suchen"));
  pickers_.searchPersons(this, club_->clubId, [this] { TakeBackFromWorld(); });
  TakeBackFromWorld();
}

void CDlgPlayerlistClub::ShowDuplicates() {
  if (!session_) return;
  StorePage();
  // Removing a duplicate changes the club in the world: the report works on the club as the
  // list now is, and the list is taken back afterwards.
  CommitSession(QStringLiteral("Doppelte Spieler anzeigen"));
  OpenDuplicatePlayers(context_, this, club_->CountryId(), club_->clubId);
  TakeBackFromWorld();
}

}  // namespace torvale
