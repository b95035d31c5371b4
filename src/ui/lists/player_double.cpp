#include "ui/lists/player_double.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "exchange/list_export.h"
#include "platform/string_table.h"
#include "ui/common/world_changes.h"
#include "ui/lists/list_texts.h"
#include "ui/lists/report_list.h"
#include "world/country.h"
#include "world/player.h"

namespace torvale {

namespace {

std::vector<ReportColumn> DuplicateColumns() {
  const QString club = TableText(851, "Verein");
  const QString birth = TableText(852, "Geburtstag");
  const QString pos = TableText(864, "Pos");
  auto numbered = [](const QString& text, int n) { return QStringLiteral("%1 %2").arg(text).arg(n); };
  return {{TableText(848, "Name"), 150, Qt::AlignLeft},
          {numbered(club, 1), 180, Qt::AlignLeft},
          {numbered(club, 2), 180, Qt::AlignLeft},
          {numbered(birth, 1), 95, Qt::AlignRight},
          {numbered(birth, 2), 95, Qt::AlignRight},
          {numbered(pos, 1), 55, Qt::AlignHCenter},
          {numbered(pos, 2), 55, Qt::AlignHCenter}};
}

QString DuplicateRemovedText(const CWorldDatabase& world, uint32_t playerId) {
  const CPlayer* person = world.Persons().FindPlayer(playerId);
  return QStringLiteral("Doppelten Spieler %1 entfernt").arg(person ? FromCp1252(person->ShortName()) : QString());
}

}  // namespace

CPlayerDouble::CPlayerDouble(WorldChanges& changes, int language, int country, uint32_t clubId, QWidget* parent)
    : QDialog(parent),
      changes_(changes),
      language_(language),
      country_(country),
      clubId_(clubId),
      collation_(UserCollation()) {
  setObjectName(QStringLiteral("CPlayerDouble"));
  setWindowTitle(QStringLiteral("HALVEX Torvale - Spieler doppelt"));
  const CWorldDatabase& world = changes_.World();

  auto* scopeBox = new QGroupBox(QStringLiteral("Anzeigen"), this);
  auto* scopeLayout = new QHBoxLayout(scopeBox);
  all_ = new QRadioButton(QStringLiteral("Alle"), scopeBox);
  all_->setObjectName(QStringLiteral("scopeAll"));
  const CCountry* countryObject = country_ ? world.Country(country_) : nullptr;
  const QString countryName = countryObject ? FromCp1252(countryObject->Name(language_)) : QString();
  onlyCountry_ = new QRadioButton(
      QStringLiteral("Nur von %1").arg(countryName.isEmpty() ? QStringLiteral("Land") : countryName), scopeBox);
  onlyCountry_->setObjectName(QStringLiteral("scopeCountry"));
  QString clubName;
  if (countryObject && clubId_) clubName = FromCp1252(countryObject->ClubName(clubId_, language_));
  if (clubName.isEmpty()) clubName = TableText(851, "Verein");
  onlyClub_ = new QRadioButton(QStringLiteral("Nur von %1").arg(clubName), scopeBox);
  onlyClub_->setObjectName(QStringLiteral("scopeClub"));
  onlyCountry_->setEnabled(DuplicateScopeAvailable(DuplicateScope::kCountry, country_, clubId_) && countryObject);
  onlyClub_->setEnabled(DuplicateScopeAvailable(DuplicateScope::kClub, country_, clubId_) && countryObject);
  switch (DefaultDuplicateScope(country_, clubId_)) {
    case DuplicateScope::kClub: (onlyClub_->isEnabled() ? onlyClub_ : all_)->setChecked(true); break;
    case DuplicateScope::kCountry: (onlyCountry_->isEnabled() ? onlyCountry_ : all_)->setChecked(true); break;
    case DuplicateScope::kAll: all_->setChecked(true); break;
  }
  scopeLayout->addWidget(all_);
  scopeLayout->addWidget(onlyCountry_);
  scopeLayout->addWidget(onlyClub_);
  scopeLayout->addStretch();
  sameBirthDate_ = new QCheckBox(QStringLiteral("Nur Spieler mit gleichem Geburtsdatum anzeigen"), this);
  sameBirthDate_->setObjectName(QStringLiteral("sameBirthDate"));

  list_ = new CReportList(this);
  list_->setObjectName(QStringLiteral("duplicateList"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->SetColumns(DuplicateColumns());

  delete1_ = new QPushButton(QStringLiteral("delplayer1"), this);
  delete1_->setObjectName(QStringLiteral("delplayer1"));
  delete2_ = new QPushButton(QStringLiteral("delplayer2"), this);
  delete2_->setObjectName(QStringLiteral("delplayer2"));
  const auto [save, print] =
      list_->MakeOutputButtons(this, LoadString(IDS_DUPLICATE_PLAYERS_TITLE), DuplicateReportPrintSettings());
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(delete1_);
  buttons->addWidget(delete2_);
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(print);
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scopeBox);
  layout->addWidget(sameBirthDate_);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  resize(900, 600);

  for (QRadioButton* button : {all_, onlyCountry_, onlyClub_})
    connect(button, &QRadioButton::toggled, this, [this](bool on) { if (on) Rebuild(); });
  connect(sameBirthDate_, &QCheckBox::toggled, this, &CPlayerDouble::Rebuild);
  connect(list_, &CReportList::sortRequested, this, &CPlayerDouble::OnHeaderClicked);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CPlayerDouble::UpdateButtons);
  connect(delete1_, &QPushButton::clicked, this, [this] { RemoveSelected(0); });
  connect(delete2_, &QPushButton::clicked, this, [this] { RemoveSelected(1); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  Rebuild();
}

DuplicateScope CPlayerDouble::Scope() const {
  if (onlyClub_->isChecked()) return DuplicateScope::kClub;
  if (onlyCountry_->isChecked()) return DuplicateScope::kCountry;
  return DuplicateScope::kAll;
}

void CPlayerDouble::Rebuild() {
  const CWorldDatabase& world = changes_.World();
  const DuplicateFilter filter{Scope(), country_, clubId_, sameBirthDate_->isChecked()};
  const auto index = BuildDuplicateIndex(world, collation_);
  rows_.clear();
  for (const DuplicatePair& pair : FindDuplicatePairs(index, filter)) {
    DuplicateRow row;
    if (MakeDuplicateRow(world, pair, row)) rows_.push_back(std::move(row));
  }
  SortAndShow();
}

void CPlayerDouble::SortAndShow() {
  std::stable_sort(rows_.begin(), rows_.end(), [this](const DuplicateRow& a, const DuplicateRow& b) {
    return Directed(CompareDuplicateRows(a, b, order_.column, collation_), order_.ascending) < 0;
  });
  std::vector<std::vector<std::string>> cells;
  cells.reserve(rows_.size());
  for (const DuplicateRow& row : rows_) {
    std::vector<std::string> line;
    for (int c = 0; c < kDuplicateColumnCount; ++c) line.push_back(row.Text(c));
    cells.push_back(std::move(line));
  }
  list_->SetRows(std::move(cells));
  UpdateButtons();
}

void CPlayerDouble::OnHeaderClicked(int column) {
  order_ = ClickSortColumn(order_, column);
  SortAndShow();
}

void CPlayerDouble::UpdateButtons() {
  const bool selected = list_->CurrentRow() >= 0;
  delete1_->setEnabled(selected);
  delete2_->setEnabled(selected);
}

bool CPlayerDouble::RemoveSelected(int side) {
  const int row = list_->CurrentRow();
  if (row < 0 || row >= static_cast<int>(rows_.size())) return false;
  const DuplicatePerson person = side == 0 ? rows_[static_cast<size_t>(row)].pair.first
                                           : rows_[static_cast<size_t>(row)].pair.second;
  const bool removed = changes_.CommitIf(ScopeListingPerson(changes_.World(), person.playerId),
                                         DuplicateRemovedText(changes_.World(), person.playerId),
                                         [&](CWorldDatabase& world) { return RemoveDuplicatePerson(world, person); });
  Rebuild();
  list_->SelectRow(std::min(row, list_->RowCount() - 1));
  return removed;
}

}  // namespace torvale
