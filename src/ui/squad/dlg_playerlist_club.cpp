#include "ui/squad/dlg_playerlist_club.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "persons/squad_rules.h"
#include "persons/squad_session.h"
#include "persons/world_persons.h"
#include "platform/string_table.h"
#include "ui/common/dlg_error_message.h"
#include "ui/common/editor_context.h"
#include "ui/squad/dlg_manager_abilities.h"
#include "ui/squad/dlg_player_abilities.h"
#include "ui/squad/dlg_player_all_right.h"
#include "ui/squad/dlg_player_character.h"
#include "ui/squad/dlg_player_hist.h"
#include "ui/squad/dlg_player_look.h"
#include "ui/squad/dlg_player_position_england.h"
#include "ui/squad/person_field_texts.h"
#include "ui/squad/squad_list_view.h"
#include "world/strength.h"

namespace torvale {

namespace {

// String-table entries of the tabs.
constexpr int kTabFirstTeam = 589;
constexpr int kTabReserveTeam = 590;
constexpr int kTabOfficials = 591;
constexpr int kPageGeneral = 584;
constexpr int kPagePosition = 585;
constexpr int kPageAbilities = 586;
constexpr int kPageCharacter = 132;
constexpr int kPageLook = 587;
constexpr int kPageHistory = 588;
// Heading of the squad check's problems.
constexpr int kProblemsHeading = 1316;

QString Entry(int id) { return FromCp1252(LoadString(id)); }

}  // namespace

CDlgPlayerlistClub::CDlgPlayerlistClub(EditorContext& context, uint32_t clubId, SquadPickers pickers, QWidget* parent)
    : QDialog(parent),
      context_(context),
      world_(*context.CurrentWorld()),
      changes_(context.ChangesOf(*context.CurrentWorld())),
      club_(FindWorldClub(*context.CurrentWorld(), clubId)),
      pickers_(std::move(pickers)) {
  setObjectName("CDlgPlayerlistClub");
  setWindowTitle(QStringLiteral("Spielerkader bearbeiten"));
  BuildPages();
  BuildLayout();
  if (!club_) {
    setEnabled(false);
    return;
  }
  title_->setText(FromCp1252(WorldClubName(world_, club_->clubId)) + QStringLiteral(" – ") +
                  FromCp1252(WorldCountryName(world_, club_->CountryId())));
  session_ = std::make_unique<SquadEditSession>(world_, *club_);
  // The person pages write straight into the world while the dialog is open: everything up to
  // OK or Cancel is one change of the club (widened as persons of other places join the list).
  // A person edited here is also kept by every other list naming it (a national squad).
  ChangeScope scope = ChangeScope::Club(club_->clubId);
  scope |= ChangeScope::ListingPersons(world_, club_->PlayerIds());
  changes_.BeginTransaction(scope, QStringLiteral("Spielerkader %1 bearbeitet").arg(FromCp1252(WorldClubName(world_, club_->clubId))));
  inTransaction_ = true;
  FillLists();
  SelectPageSet(false);
  ShowPerson(lists_[kFirstTeamTab]->SelectedId());
}

CDlgPlayerlistClub::~CDlgPlayerlistClub() {
  // The pages let go before the session, whose end may remove persons they show.
  UnloadPages();
  session_.reset();
  EndTransaction();
}

void CDlgPlayerlistClub::BuildPages() {
  pageStack_ = new QStackedWidget(this);
  auto* general = new CDlgPlayerAllRight(world_, pageStack_);
  playerPages_ = {general,
                  new CDlgPlayerPositionEngland(world_, pageStack_),
                  new CDlgPlayerAbilities(world_, pageStack_),
                  new CDlgPlayerCharacter(world_, pageStack_),
                  new CDlgPlayerLook(world_, pageStack_),
                  new CDlgPlayerHist(world_, pageStack_)};
  officialPages_ = {general, new CDlgManagerAbilities(world_, pageStack_)};
  for (CPersonPage* page : playerPages_) pageStack_->addWidget(page);
  pageStack_->addWidget(officialPages_[1]);
  for (QWidget* page : {static_cast<QWidget*>(general), static_cast<QWidget*>(officialPages_[1])}) (void)page;
  for (CPersonPage* page : playerPages_) connect(page, &CPersonPage::updateList, this, &CDlgPlayerlistClub::PageChanged);
  connect(officialPages_[1], &CPersonPage::updateList, this, &CDlgPlayerlistClub::PageChanged);
}

void CDlgPlayerlistClub::BuildLayout() {
  title_ = new QLabel(this);
  title_->setObjectName("clubTitle");
  title_->setProperty("role", "heading");

  teamTabs_ = new QTabBar(this);
  teamTabs_->setObjectName("teamTabs");
  // "Vorstand&Trainer" means the ampersand itself, not a mnemonic.
  for (int entry : {kTabFirstTeam, kTabReserveTeam, kTabOfficials})
    teamTabs_->addTab(Entry(entry).replace(QLatin1Char('&'), QStringLiteral("&&")));
  listStack_ = new QStackedWidget(this);
  lists_[kFirstTeamTab] = new CDlgPlayerList(world_, listStack_);
  lists_[kReserveTeamTab] = new CDlgPlayerList(world_, listStack_);
  lists_[kOfficialsTab] = new CDlgManagerList(world_, listStack_);
  const QStringList names = {QStringLiteral("firstTeamList"), QStringLiteral("reserveTeamList"),
                             QStringLiteral("officialsList")};
  for (size_t i = 0; i < lists_.size(); ++i) {
    SquadListView* list = lists_[i];
    list->setObjectName(names[static_cast<int>(i)]);
    listStack_->addWidget(list);
    connect(list, &SquadListView::storePage, this, &CDlgPlayerlistClub::StorePage);
    connect(list, &SquadListView::showPerson, this, [this, list](uint32_t id) {
      if (list == lists_[static_cast<size_t>(CurrentTeamTab())]) ShowPerson(id);
    });
    connect(list, &SquadListView::contextMenuRequested, this, &CDlgPlayerlistClub::OnContextMenu);
  }
  connect(teamTabs_, &QTabBar::currentChanged, this, &CDlgPlayerlistClub::TeamTabChanged);
  auto* hint = new QLabel(QString::fromUtf8("Rechte Maustaste auf Liste ruft Kontextmenü auf (z.B. für das Anlegen "
                                            "neuer Spieler)!"),
                          this);
  hint->setObjectName("listHint");
  hint->setWordWrap(true);
  hint->setProperty("role", "caption");

  pageTabs_ = new QTabBar(this);
  pageTabs_->setObjectName("pageTabs");
  connect(pageTabs_, &QTabBar::currentChanged, this, &CDlgPlayerlistClub::PageTabChanged);
  strength_ = new QLabel(this);
  strength_->setObjectName("strength");
  strength_->setProperty("role", "figure");
  playerType_ = new QLabel(this);
  playerType_->setObjectName("playerType");
  playerType_->setProperty("role", "figure");
  strengthStrip_ = new QWidget(this);
  auto* strip = new QHBoxLayout(strengthStrip_);
  strip->setContentsMargins(4, 0, 4, 0);
  strip->addWidget(new QLabel(QString::fromUtf8("Stärke:"), strengthStrip_));
  strip->addWidget(strength_);
  strip->addSpacing(24);
  strip->addWidget(new QLabel(QStringLiteral("Spielertyp:"), strengthStrip_));
  strip->addWidget(playerType_);
  strip->addStretch(1);

  shirtNumbers_ = new QPushButton(QString::fromUtf8("Rückennr."), this);
  shirtNumbers_->setObjectName("shirtNumbers");
  duplicates_ = new QPushButton(QStringLiteral("Doppelte Spieler anzeigen"), this);
  duplicates_->setObjectName("duplicates");
  search_ = new QPushButton(QStringLiteral("Spieler suchen"), this);
  search_->setObjectName("search");
  search_->setEnabled(pickers_.searchPersons != nullptr);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("ok");
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancel->setObjectName("cancel");
  connect(shirtNumbers_, &QPushButton::clicked, this, &CDlgPlayerlistClub::OpenShirtNumbers);
  connect(search_, &QPushButton::clicked, this, &CDlgPlayerlistClub::RunSearch);
  connect(duplicates_, &QPushButton::clicked, this, &CDlgPlayerlistClub::ShowDuplicates);
  connect(ok, &QPushButton::clicked, this, &CDlgPlayerlistClub::accept);
  connect(cancel, &QPushButton::clicked, this, &CDlgPlayerlistClub::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(teamTabs_);
  left->addWidget(listStack_, 1);
  left->addWidget(hint);
  auto* right = new QVBoxLayout;
  right->addWidget(strengthStrip_);
  right->addWidget(pageTabs_);
  right->addWidget(pageStack_, 1);
  auto* body = new QHBoxLayout;
  body->addLayout(left, 2);
  body->addLayout(right, 5);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(shirtNumbers_);
  buttons->addWidget(duplicates_);
  buttons->addWidget(search_);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title_);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);
  resize(1240, 760);
}

void CDlgPlayerlistClub::FillLists() {
  if (!session_) return;
  // Every caller stored the page before it changed the squad; a store now would write the
  // page's old values over what the command just changed (a team switch, for one).
  const bool wasFilling = filling_;
  filling_ = true;
  const CClub& squad = session_->Squad();
  for (int team : {kFirstTeamTab, kReserveTeamTab}) {
    lists_[static_cast<size_t>(team)]->SetPersons(session_->TeamPlayers(team));
    lists_[static_cast<size_t>(team)]->SetSummary(squad.CountPlayers(team == kFirstTeamTab ? kFirstTeam : kReserveTeam),
                                                  squad.AverageStrength(team == kFirstTeamTab ? kFirstTeam : kReserveTeam));
  }
  lists_[kOfficialsTab]->SetPersons(session_->Officials());
  lists_[kOfficialsTab]->SetSummary(squad.CountPlayers(kFirstTeam) + squad.CountPlayers(kReserveTeam),
                                    squad.AverageStrength(kFirstTeam));
  filling_ = wasFilling;
}

void CDlgPlayerlistClub::RefillVisibleList() {
  // The summaries of all lists follow the squad; only the visible list's rows are refilled.
  FillLists();
}

CDlgPlayerlistClub::TeamTab CDlgPlayerlistClub::CurrentTeamTab() const {
  return static_cast<TeamTab>(std::max(teamTabs_->currentIndex(), 0));
}

void CDlgPlayerlistClub::SetTeamTab(TeamTab tab) { teamTabs_->setCurrentIndex(tab); }

bool CDlgPlayerlistClub::SetPageTab(const QString& title) {
  for (int i = 0; i < pageTabs_->count(); ++i)
    if (pageTabs_->tabText(i) == title) {
      pageTabs_->setCurrentIndex(i);
      return true;
    }
  return false;
}

CPersonPage* CDlgPlayerlistClub::VisiblePage() const {
  return pageIndex_ >= 0 && pageIndex_ < static_cast<int>(pages_.size()) ? pages_[static_cast<size_t>(pageIndex_)]
                                                                         : nullptr;
}

CPlayer* CDlgPlayerlistClub::ShownPerson() const { return shown_; }

void CDlgPlayerlistClub::StorePage() {
  if (filling_) return;
  if (CPersonPage* page = VisiblePage()) page->Store();
}

void CDlgPlayerlistClub::ShowPerson(uint32_t id) {
  shown_ = id ? world_.Persons().FindPlayer(id) : nullptr;
  if (auto* general = qobject_cast<CDlgPlayerAllRight*>(officialPages_[0]); general && shown_ && session_) {
    QSet<int> taken;
    for (int role = 1; role < kRoleCount; ++role)
      if (role != shown_->role && ClubHasRole(session_->Squad(), world_.Persons(), role)) taken.insert(role);
    general->SetTakenRoles(taken);
  }
  for (CPersonPage* page : pages_) page->Load(shown_);
  ShowStrength();
}

void CDlgPlayerlistClub::ShowStrength() {
  const bool player = shown_ && shown_->role == kRolePlayer;
  strengthStrip_->setVisible(player);
  if (!player) return;
  strength_->setText(QString::asprintf("%2.1f", static_cast<double>(shown_->Strength())));
  playerType_->setText(PlayerTypeText(PlayerType(*shown_).code));
}

void CDlgPlayerlistClub::PageChanged() {
  // "VQM_UPDATE_LIST": store the visible page and refill the visible list.
  StorePage();
  changed_ = true;
  CPlayer* person = shown_;
  if (person && person->role == kRolePlayer && CurrentTeamTab() != kOfficialsTab &&
      (person->team == 0 ? kFirstTeamTab : kReserveTeamTab) != CurrentTeamTab()) {
    // The team changed on the general page: follow the person into its new list.
    FillLists();
    SetTeamTab(person->team == 0 ? kFirstTeamTab : kReserveTeamTab);
    lists_[static_cast<size_t>(CurrentTeamTab())]->Select(person->id);
    return;
  }
  RefillVisibleList();
  ShowStrength();
}

void CDlgPlayerlistClub::SelectPageSet(bool officials) {
  officialPagesShown_ = officials;
  pages_ = officials ? officialPages_ : playerPages_;
  static_cast<CDlgPlayerAllRight*>(pages_[0])->SetOfficialMode(officials);
  const QList<int> titles = officials ? QList<int>{kPageGeneral, kPageAbilities}
                                      : QList<int>{kPageGeneral, kPagePosition, kPageAbilities, kPageCharacter,
                                                   kPageLook, kPageHistory};
  const QSignalBlocker blocker(pageTabs_);
  while (pageTabs_->count() > 0) pageTabs_->removeTab(0);
  for (int entry : titles) pageTabs_->addTab(Entry(entry));
  pageIndex_ = 0;
  pageTabs_->setCurrentIndex(0);
  pageStack_->setCurrentWidget(pages_[0]);
}

void CDlgPlayerlistClub::TeamTabChanged(int tab) {
  StorePage();
  listStack_->setCurrentIndex(tab);
  const bool officials = tab == kOfficialsTab;
  if (officials != officialPagesShown_) SelectPageSet(officials);
  FillLists();
  ShowPerson(lists_[static_cast<size_t>(tab)]->SelectedId());
}

void CDlgPlayerlistClub::PageTabChanged(int tab) {
  if (tab < 0 || tab >= static_cast<int>(pages_.size())) return;
  StorePage();
  pageIndex_ = tab;
  CPersonPage* page = pages_[static_cast<size_t>(tab)];
  page->Load(shown_);
  pageStack_->setCurrentWidget(page);
}

void CDlgPlayerlistClub::accept() {
  if (!session_) return QDialog::accept();
  StorePage();
  const uint32_t squadBits = CheckSquad(session_->Squad(), world_.Persons());
  const uint32_t clubBits = session_->Squad().Check();
  if (squadBits != 0 || clubBits != 0) {
    std::string text;
    for (const std::string& line : SquadProblemLines(squadBits, clubBits)) text += line + "\r\n";
    // "OK" goes back to the squad; "Egal" saves it as it is.
    if (CDlgErrorMessage::Ask(this, LoadString(kProblemsHeading), text, "OK", "Egal")) return;
  }
  CommitSession(QStringLiteral("Spielerkader bearbeiten"));
  session_.reset();
  EndTransaction();
  QDialog::accept();
}

void CDlgPlayerlistClub::reject() {
  // The club's list goes back to what it was; the persons' own edits stay.
  UnloadPages();
  session_.reset();
  EndTransaction();
  QDialog::reject();
}

void CDlgPlayerlistClub::CommitSession(const QString& text) {
  // Deleted persons leave every list that names them (a national squad, the free list).
  ChangeScope scope = ChangeScope::Club(club_->clubId);
  scope |= ChangeScope::ListingPersons(world_, club_->PlayerIds());
  for (uint32_t clubId : session_->PendingClubIds()) {
    if (clubId == 0)
      scope |= ChangeScope::PlayersWithoutClub();
    else
      scope |= ChangeScope::Club(clubId);
  }
  // Committing deletes the removed persons from the world: no page may still hold one.
  UnloadPages();
  changes_.Commit(scope, text, [this](CWorldDatabase&) { session_->Commit(); });
  changed_ = true;
}

void CDlgPlayerlistClub::UnloadPages() {
  for (CPersonPage* page : playerPages_) page->Load(nullptr);
  for (CPersonPage* page : officialPages_) page->Load(nullptr);
  shown_ = nullptr;
}

void CDlgPlayerlistClub::EndTransaction() {
  if (!inTransaction_) return;
  inTransaction_ = false;
  changes_.EndTransaction(changed_);
}

}  // namespace torvale
