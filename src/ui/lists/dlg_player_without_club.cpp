#include "ui/lists/dlg_player_without_club.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "persons/world_persons.h"
#include "ui/common/world_changes.h"
#include "ui/lists/list_texts.h"
#include "ui/lists/report_list.h"
#include "world/country.h"
#include "world/club.h"
#include "world/players_without_club.h"

namespace torvale {

CDlgPlayerWithoutClub::CDlgPlayerWithoutClub(WorldChanges& changes, ClubChooser chooser, QWidget* parent)
    : QDialog(parent),
      changes_(changes),
      chooser_(std::move(chooser)),
      names_(UserCollation()),
      codes_(UserCollationCaseSensitive()) {
  setObjectName(QStringLiteral("CDlgPlayerWithoutClub"));
  setWindowTitle(QStringLiteral("HALVEX Torvale - Spieler ohne Verein"));

  list_ = new CReportList(this);
  list_->setObjectName(QStringLiteral("freePlayerList"));
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->SetColumns({{TableText(848, "Name"), 140, Qt::AlignLeft},
                     {TableText(854, "Nationalität"), 120, Qt::AlignLeft},
                     {TableText(849, "Position"), 56, Qt::AlignHCenter},
                     {TableText(850, "Stärke"), 56, Qt::AlignRight}});

  move_ = new QPushButton(QStringLiteral("&Wechsel zum Verein"), this);
  move_->setObjectName(QStringLiteral("moveToClub"));
  move_->setEnabled(static_cast<bool>(chooser_));
  delete_ = new QPushButton(QStringLiteral("&Löschen"), this);
  delete_->setObjectName(QStringLiteral("delete"));
  const auto [save, print] = list_->MakeOutputButtons(this, "Spieler ohne Verein", ListPrintSettings{});
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {move_, delete_, save, print}) buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  resize(640, 600);

  connect(list_, &CReportList::sortRequested, this, &CDlgPlayerWithoutClub::OnHeaderClicked);
  connect(move_, &QPushButton::clicked, this, &CDlgPlayerWithoutClub::MoveSelectedToClub);
  connect(delete_, &QPushButton::clicked, this, &CDlgPlayerWithoutClub::DeleteSelected);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  Refill();
}

void CDlgPlayerWithoutClub::Refill() {
  rows_.clear();
  const CWorldDatabase& world = changes_.World();
  const CPlayersWithoutClub* freeList = world.PlayersWithoutClub();
  const size_t count = freeList ? freeList->Count() : 0;
  rows_.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    FreePlayerRow row;
    if (MakeFreePlayerRow(world, i, row)) rows_.push_back(std::move(row));
  }
  SortAndShow();
}

void CDlgPlayerWithoutClub::SortAndShow() {
  const NameCompare& compare = order_.column == kFreeNationality ? codes_ : names_;
  std::stable_sort(rows_.begin(), rows_.end(), [&](const FreePlayerRow& a, const FreePlayerRow& b) {
    return Directed(CompareFreePlayerRows(a, b, order_.column, compare), order_.ascending) < 0;
  });
  std::vector<std::vector<std::string>> cells;
  cells.reserve(rows_.size());
  for (const FreePlayerRow& row : rows_) {
    std::vector<std::string> line;
    for (int c = 0; c < kFreeColumnCount; ++c) line.push_back(row.Text(c));
    cells.push_back(std::move(line));
  }
  list_->SetRows(std::move(cells));
}

void CDlgPlayerWithoutClub::OnHeaderClicked(int column) {
  order_ = ClickSortColumn(order_, column);
  SortAndShow();
}

std::vector<uint32_t> CDlgPlayerWithoutClub::SelectedIds(std::vector<int>& rows) const {
  rows = list_->SelectedRows();
  std::vector<uint32_t> ids;
  for (int row : rows) ids.push_back(rows_[static_cast<size_t>(row)].playerId);
  return ids;
}

void CDlgPlayerWithoutClub::SelectAfterRemovals(const std::vector<int>& selectedRows,
                                                const std::vector<uint32_t>& removedIds) {
  std::vector<int> removedRows;
  for (int row : selectedRows)
    if (std::find(removedIds.begin(), removedIds.end(), rows_[static_cast<size_t>(row)].playerId) != removedIds.end())
      removedRows.push_back(row);
  const int previous = selectedRows.empty() ? -1 : selectedRows.front();
  Refill();
  list_->SelectRow(RowAfterRemovals(previous, removedRows, list_->RowCount()));
}

int CDlgPlayerWithoutClub::MoveSelectedToClub() {
  std::vector<int> rows;
  const std::vector<uint32_t> ids = SelectedIds(rows);
  if (ids.empty() || !chooser_) return 0;
  const uint32_t clubId = chooser_(this);
  if (clubId == 0) return 0;
  ChangeScope scope = ChangeScope::ListingPersons(changes_.World(), ids);
  scope |= ChangeScope::PlayersWithoutClub();
  scope |= ChangeScope::Club(clubId);
  std::vector<uint32_t> moved;
  const QString text = QString::fromUtf8("%1 freie Spieler zu %2 gewechselt").arg(ids.size()).arg(FromCp1252(WorldClubName(changes_.World(), clubId)));
  changes_.CommitIf(scope, text, [&](CWorldDatabase& world) {
    moved = MoveFreePlayersToClub(world, ids, clubId);
    return !moved.empty();
  });
  SelectAfterRemovals(rows, moved);
  return static_cast<int>(moved.size());
}

int CDlgPlayerWithoutClub::DeleteSelected() {
  std::vector<int> rows;
  const std::vector<uint32_t> ids = SelectedIds(rows);
  if (ids.empty()) return 0;
  int deleted = 0;
  // A person some club lists as well stays in the world: that club is kept with the list.
  ChangeScope scope = ChangeScope::ListingPersons(changes_.World(), ids);
  scope |= ChangeScope::PlayersWithoutClub();
  changes_.CommitIf(scope, QString::fromUtf8("%1 freie Spieler gelöscht").arg(ids.size()),
                    [&](CWorldDatabase& world) {
                      deleted = DeleteFreePlayers(world, ids);
                      return deleted > 0;
                    });
  SelectAfterRemovals(rows, ids);
  return deleted;
}

}  // namespace torvale
