#include "ui/competition/dlg_fixturelist.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "competition/fixture_editing.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "database/world_database.h"
#include "ui/common/editor_context.h"
#include "world/country.h"

namespace torvale {

namespace {

QString TeamText(const CCountry& country, const CDBLeague& league, uint8_t place) {
  if (place == 0) return QStringLiteral("-");
  if (place > league.TeamCount()) return QStringLiteral("%1. (kein Verein)").arg(place);
  return QStringLiteral("%1. %2").arg(place).arg(FromCp1252(country.ClubName(league.GetTeam(place - 1))));
}

bool RowComplete(const CDBFixturelist& grid, int row) {
  for (int c = 0; c < grid.Columns(); ++c) {
    const CDBFixturelist::Pair pair = grid.GetPair(row, c);
    if (pair.home == 0 || pair.away == 0) return false;
  }
  return true;
}

}  // namespace

CDlgFixturelist::CDlgFixturelist(EditorContext& context, CCountry& country, QWidget* parent)
    : QDialog(parent), context_(context), country_(country) {
  setObjectName(QStringLiteral("CDlgFixturelist"));
  CWorldDatabase& world = *context.CurrentWorld();
  const QString countryName = FromCp1252(std::string(country.Name(world.Language())));
  setWindowTitle(QString::fromUtf8("Spielpläne - %1").arg(countryName));
  transaction_ = std::make_unique<ScopedWorldTransaction>(context.ChangesOf(world),
                                                          ChangeScope::CountrySettings(country.CountryNumber()),
                                                          QString::fromUtf8("Spielpläne %1 geändert").arg(countryName));

  leagues_ = new QComboBox(this);
  leagues_->setObjectName(QStringLiteral("leagueChoice"));
  for (CDBLeague* league : LeaguesInLevelOrder(country)) {
    leagues_->addItem(QStringLiteral("%1 (Ebene %2)").arg(FromCp1252(league->Name())).arg(league->Level() + 1),
                      QVariant::fromValue(static_cast<qulonglong>(league->Id())));
  }
  connect(leagues_, &QComboBox::currentIndexChanged, this, &CDlgFixturelist::ChooseLeague);

  matchdays_ = new QListWidget(this);
  matchdays_->setObjectName(QStringLiteral("matchdays"));
  matchdays_->setMaximumWidth(170);
  connect(matchdays_, &QListWidget::currentRowChanged, this, &CDlgFixturelist::ChooseMatchday);

  pairings_ = new QTableWidget(this);
  pairings_->setObjectName(QStringLiteral("pairings"));
  pairings_->setColumnCount(2);
  pairings_->setHorizontalHeaderLabels({QStringLiteral("Heim"), QStringLiteral("Gast")});
  pairings_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  pairings_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  pairings_->setSelectionMode(QAbstractItemView::NoSelection);
  pairings_->verticalHeader()->setDefaultSectionSize(22);
  pairings_->setToolTip(QStringLiteral("Ein Klick auf einen Verein nimmt ihn aus der Paarung."));
  connect(pairings_, &QTableWidget::cellClicked, this, &CDlgFixturelist::PairingClicked);

  teams_ = new QListWidget(this);
  teams_->setObjectName(QStringLiteral("teams"));
  teams_->setMaximumWidth(240);
  teams_->setToolTip(QStringLiteral("Ein Klick setzt den Verein in die erste freie Lücke des Spieltags."));
  connect(teams_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { TeamChosen(item->data(Qt::UserRole).toInt()); });

  generate_ = new QPushButton(QStringLiteral("Vom Computer generierter Spielplan"), this);
  generate_->setObjectName(QStringLiteral("generateButton"));
  mirror_ = new QPushButton(QStringLiteral("Rückrunde wie Hinrunde"), this);
  mirror_->setObjectName(QStringLiteral("mirrorButton"));
  clear_ = new QPushButton(QString::fromUtf8("Spieltag komplett löschen"), this);
  clear_->setObjectName(QStringLiteral("clearMatchdayButton"));
  for (QPushButton* b : {generate_, mirror_, clear_}) b->setAutoDefault(false);
  connect(generate_, &QPushButton::clicked, this, &CDlgFixturelist::Generate);
  connect(mirror_, &QPushButton::clicked, this, &CDlgFixturelist::Mirror);
  connect(clear_, &QPushButton::clicked, this, &CDlgFixturelist::ClearCurrentMatchday);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("status"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlgFixturelist::accept);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Liga"), this), 0, 0);
  grid->addWidget(leagues_, 0, 1, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Spieltage"), this), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Paarungen"), this), 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Vereine der Liga"), this), 1, 2);
  grid->addWidget(matchdays_, 2, 0);
  grid->addWidget(pairings_, 2, 1);
  grid->addWidget(teams_, 2, 2);
  grid->setColumnStretch(1, 1);
  auto* actions = new QHBoxLayout;
  actions->addWidget(generate_);
  actions->addWidget(mirror_);
  actions->addWidget(clear_);
  actions->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid, 1);
  layout->addLayout(actions);
  layout->addWidget(status_);
  layout->addWidget(buttons);
  resize(900, 640);
  ChooseLeague(leagues_->currentIndex());
}

CDlgFixturelist::~CDlgFixturelist() { EndTransaction(); }

void CDlgFixturelist::EndTransaction() {
  if (!transaction_) return;
  if (!changed_) transaction_->Unchanged();
  transaction_.reset();
}

void CDlgFixturelist::done(int result) {
  EndTransaction();
  QDialog::done(result);
}

int CDlgFixturelist::Matchday() const { return matchdays_->currentRow(); }

void CDlgFixturelist::ChooseLeague(int comboIndex) {
  league_ = nullptr;
  if (comboIndex >= 0) {
    const auto id = static_cast<CompetitionId>(leagues_->itemData(comboIndex).toULongLong());
    league_ = dynamic_cast<CDBLeague*>(country_.Competitions().FindCompetition(id));
  }
  teams_->clear();
  if (league_) {
    for (int i = 0; i < league_->TeamCount(); ++i) {
      auto* item = new QListWidgetItem(TeamText(country_, *league_, static_cast<uint8_t>(i + 1)), teams_);
      item->setData(Qt::UserRole, i + 1);
    }
  }
  const bool hasLeague = league_ != nullptr;
  generate_->setEnabled(hasLeague && CanGenerateFixturePlan(league_->NumberOfTeams()));
  mirror_->setEnabled(hasLeague);
  clear_->setEnabled(hasLeague);
  ShowMatchdays();
  matchdays_->setCurrentRow(matchdays_->count() ? 0 : -1);
  ShowMatchday();
}

void CDlgFixturelist::ShowMatchdays() {
  const QSignalBlocker block(matchdays_);
  const int current = matchdays_->currentRow();
  matchdays_->clear();
  if (!league_) return;
  const CDBFixturelist& grid = league_->Fixtures();
  for (int r = 0; r < grid.Rows(); ++r) {
    auto* item = new QListWidgetItem(QStringLiteral("%1. Spieltag").arg(r + 1), matchdays_);
    if (!RowComplete(grid, r)) item->setForeground(QColor(190, 30, 30));
  }
  if (current >= 0 && current < matchdays_->count()) matchdays_->setCurrentRow(current);
  status_->setText(grid.IsComplete() ? QStringLiteral("Der Spielplan ist vollständig.")
                                     : QString::fromUtf8("Rot markierte Spieltage sind noch unvollständig."));
}

void CDlgFixturelist::ChooseMatchday(int) { ShowMatchday(); }

void CDlgFixturelist::ShowMatchday() {
  pairings_->setRowCount(0);
  if (!league_ || Matchday() < 0) return;
  const CDBFixturelist& grid = league_->Fixtures();
  pairings_->setRowCount(grid.Columns());
  std::vector<bool> playing(static_cast<size_t>(league_->TeamCount()) + 1, false);
  for (int c = 0; c < grid.Columns(); ++c) {
    const CDBFixturelist::Pair pair = grid.GetPair(Matchday(), c);
    pairings_->setItem(c, 0, new QTableWidgetItem(TeamText(country_, *league_, pair.home)));
    pairings_->setItem(c, 1, new QTableWidgetItem(TeamText(country_, *league_, pair.away)));
    for (uint8_t place : {pair.home, pair.away}) {
      if (place > 0 && place < playing.size()) playing[place] = true;
    }
  }
  // Teams already paired on this matchday are greyed, so the free ones stand out.
  for (int i = 0; i < teams_->count(); ++i) {
    teams_->item(i)->setForeground(playing[static_cast<size_t>(i) + 1] ? QColor(150, 150, 150) : QColor(0, 0, 0));
  }
}

void CDlgFixturelist::Edited() {
  changed_ = true;
  ShowMatchdays();
  ShowMatchday();
}

void CDlgFixturelist::TeamChosen(int place) {
  if (!league_ || Matchday() < 0) return;
  if (PutTeamIntoFirstEmptySlot(league_->Fixtures(), Matchday(), static_cast<uint8_t>(place))) Edited();
}

void CDlgFixturelist::PairingClicked(int column, int side) {
  if (!league_ || Matchday() < 0) return;
  ClearSlot(league_->Fixtures(), Matchday(), column, side == 0 ? FixtureSide::kHome : FixtureSide::kAway);
  Edited();
}

void CDlgFixturelist::Generate() {
  if (league_ && GenerateFixturePlan(league_->Fixtures(), league_->NumberOfTeams(), league_->Rounds())) Edited();
}

void CDlgFixturelist::Mirror() {
  if (!league_) return;
  MirrorFirstHalf(league_->Fixtures());
  Edited();
}

void CDlgFixturelist::ClearCurrentMatchday() {
  if (!league_ || Matchday() < 0) return;
  ClearMatchday(league_->Fixtures(), Matchday());
  Edited();
}

}  // namespace torvale
