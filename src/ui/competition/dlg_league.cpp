#include "ui/competition/dlg_league.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "competition/league.h"
#include "competition/league_checks.h"
#include "competition/league_system.h"
#include "database/world_database.h"
#include "platform/string_table.h"
#include "ui/common/dlg_error_message.h"
#include "ui/common/editor_context.h"
#include "ui/competition/club_drop_list.h"
#include "world/club.h"
#include "world/country.h"

namespace torvale {

CDlgLeague::CDlgLeague(EditorContext& context, CCountry& country, QWidget* parent)
    : QDialog(parent), context_(context), country_(country) {
  setObjectName(QStringLiteral("CDlgLeague"));
  CWorldDatabase& world = *context.CurrentWorld();
  const QString countryName = FromCp1252(std::string(country.Name(world.Language())));
  setWindowTitle(QStringLiteral("Ligazusammensetzung - %1").arg(countryName));
  transaction_ = std::make_unique<ScopedWorldTransaction>(
      context.ChangesOf(world), ChangeScope::CountrySettings(country.CountryNumber()),
      QString::fromUtf8("Ligazusammensetzung %1 geändert").arg(countryName));

  leagues_ = new QComboBox(this);
  leagues_->setObjectName(QStringLiteral("leagueChoice"));
  leagueList_ = LeaguesInLevelOrder(country);
  for (const CDBLeague* league : leagueList_) {
    leagues_->addItem(QStringLiteral("%1 (Ebene %2)").arg(FromCp1252(league->Name())).arg(league->Level() + 1));
  }
  clubs_ = new CClubDropList(this);
  clubs_->setObjectName(QStringLiteral("countryClubs"));
  teams_ = new CClubDropList(this);
  teams_->setObjectName(QStringLiteral("leagueTeams"));
  connect(leagues_, &QComboBox::currentIndexChanged, this, &CDlgLeague::ChooseLeague);
  for (CClubDropList* list : {clubs_, teams_}) {
    connect(list, &CClubDropList::clubsDropped, this,
            [this, list](CClubDropList* source, std::vector<uint32_t> clubs, int row) { Drop(list, source, clubs, row); });
  }

  auto* add = new QPushButton(QString::fromUtf8("Hinzufügen >>"), this);
  add->setObjectName(QStringLiteral("addButton"));
  auto* remove = new QPushButton(QStringLiteral("<< Entfernen"), this);
  remove->setObjectName(QStringLiteral("removeButton"));
  for (QPushButton* b : {add, remove}) b->setAutoDefault(false);
  connect(add, &QPushButton::clicked, this, [this] { AddClubs(clubs_->SelectedClubs(), -1); });
  connect(remove, &QPushButton::clicked, this, [this] { RemoveClubs(teams_->SelectedClubs()); });
  auto* middle = new QVBoxLayout;
  middle->addStretch();
  middle->addWidget(add);
  middle->addWidget(remove);
  middle->addStretch();

  showReserveTeams_ = new QCheckBox(QStringLiteral("Reserveteams anzeigen"), this);
  showReserveTeams_->setObjectName(QStringLiteral("showReserveTeams"));
  connect(showReserveTeams_, &QCheckBox::toggled, this, &CDlgLeague::ShowLists);

  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("teamCount"));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Vereine des Landes (grau: spielt bereits in einer Liga)"), this), 0, 0);
  grid->addWidget(leagues_, 0, 2);
  grid->addWidget(clubs_, 1, 0);
  grid->addLayout(middle, 1, 1);
  grid->addWidget(teams_, 1, 2);
  grid->addWidget(showReserveTeams_, 2, 0);
  grid->addWidget(count_, 2, 2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgLeague::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Vereine mit der Maus zwischen den Listen ziehen; "
                                              "innerhalb der Liga legt das Ziehen die Reihenfolge fest."),
                               this));
  layout->addLayout(grid, 1);
  layout->addWidget(buttons);
  resize(860, 620);
  ChooseLeague(leagues_->currentIndex());
}

CDlgLeague::~CDlgLeague() { EndTransaction(); }

void CDlgLeague::EndTransaction() {
  if (!transaction_) return;
  if (!changed_) transaction_->Unchanged();
  transaction_.reset();
}

void CDlgLeague::done(int result) {
  EndTransaction();
  QDialog::done(result);
}

void CDlgLeague::ChooseLeague(int index) {
  league_ = index >= 0 && static_cast<size_t>(index) < leagueList_.size() ? leagueList_[static_cast<size_t>(index)] : nullptr;
  if (leagues_->currentIndex() != index) leagues_->setCurrentIndex(index);
  ShowLists();
}

void CDlgLeague::AddClubEntry(uint32_t team) {
  const CDBLeague* playsIn = nullptr;
  for (const CDBLeague* league : leagueList_) {
    if (league->FindTeam(team) >= 0) playsIn = league;
  }
  QString text = FromCp1252(country_.ClubName(team));
  if (playsIn) text += QStringLiteral("  [%1]").arg(FromCp1252(playsIn->Name()));
  auto* item = new QListWidgetItem(text, clubs_);
  item->setData(Qt::UserRole, team);
  if (playsIn) item->setForeground(QColor(140, 140, 140));
}

void CDlgLeague::ShowLists() {
  clubs_->clear();
  teams_->clear();
  const bool reserves = showReserveTeams_->isChecked();
  for (const auto& [id, club] : country_.Clubs()) {
    if (ClubNumber(id) == kAmateurClubNumber) continue;
    AddClubEntry(id);
    // Reserve teams are listed on request; the OK check says where they may not play.
    if (reserves) AddClubEntry(id | kReserveTeamBit);
  }
  clubs_->sortItems();
  if (!league_) {
    count_->clear();
    return;
  }
  for (int i = 0; i < league_->TeamCount(); ++i) {
    const uint32_t team = league_->GetTeam(i);
    auto* item = new QListWidgetItem(QStringLiteral("%1. %2").arg(i + 1).arg(FromCp1252(country_.ClubName(team))), teams_);
    item->setData(Qt::UserRole, team);
  }
  const bool full = league_->TeamCount() == league_->NumberOfTeams();
  count_->setText(QStringLiteral("%1 von %2 Vereinen").arg(league_->TeamCount()).arg(league_->NumberOfTeams()));
  count_->setStyleSheet(full ? QString() : QStringLiteral("color: #b41e1e;"));
}

void CDlgLeague::AddClubs(const std::vector<uint32_t>& clubs, int position) {
  if (!league_) return;
  int at = position;
  for (uint32_t club : clubs) {
    // A club already listed moves to the drop position instead of being refused.
    const int present = league_->FindTeam(club);
    if (present >= 0) {
      if (at < 0) continue;
      league_->RemoveTeam(club);
      if (present < at) --at;
    }
    if (league_->InsertTeam(at, club) != 1) continue;  // the league is full
    changed_ = true;
    // A club plays in one league: taking it into this one moves it out of any other.
    for (CDBLeague* other : leagueList_) {
      if (other != league_ && other->FindTeam(club) >= 0) other->RemoveTeam(club);
    }
    if (at >= 0) ++at;
  }
  ShowLists();
}

void CDlgLeague::RemoveClubs(const std::vector<uint32_t>& clubs) {
  if (!league_) return;
  for (uint32_t club : clubs) {
    if (league_->FindTeam(club) < 0) continue;
    league_->RemoveTeam(club);
    changed_ = true;
  }
  ShowLists();
}

void CDlgLeague::Drop(CClubDropList* target, CClubDropList* source, const std::vector<uint32_t>& clubs, int row) {
  if (target == teams_) {
    AddClubs(clubs, source == teams_ || row < teams_->count() ? row : -1);
  } else if (source == teams_) {
    RemoveClubs(clubs);
  }
}

void CDlgLeague::accept() {
  const ConsistencyReport report = CheckLeagueComposition(country_);
  // "OK" goes back to fix the leagues; "Egal" closes with them as they are.
  if (!report.Empty() && CDlgErrorMessage::Ask(this, LoadString(report.HeadingId()), report.Text(), "OK", "Egal")) {
    return;
  }
  QDialog::accept();
}

}  // namespace torvale
