#include "ui/search/dlg_fast_transfer.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "persons/person_texts.h"
#include "ui/common/editor_context.h"
#include "ui/search/person_moves.h"
#include "ui/search/person_search_dialogs.h"
#include "world/club.h"
#include "world/player.h"

namespace torvale {

CDlgFastTransfer::CDlgFastTransfer(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("CDlgFastTransfer"));
  setWindowTitle(QStringLiteral("HALVEX Torvale - Schnelle Transfers"));
  chooseClub_ = [this](QWidget* parent, uint32_t current) { return ChooseClub(context_, parent, current); };

  auto* grid = new QGridLayout;
  for (int side = 0; side < 2; ++side) {
    const auto s = static_cast<size_t>(side);
    const int column = side * 2;
    auto* choose = new QPushButton(QString::fromUtf8(side == 0 ? "&Linker Verein …" : "&Rechter Verein …"), this);
    choose->setObjectName(side == 0 ? QStringLiteral("chooseLeftButton") : QStringLiteral("chooseRightButton"));
    titles_[s] = new QLabel(this);
    titles_[s]->setStyleSheet(QStringLiteral("font-weight: bold;"));
    lists_[s] = new QTreeWidget(this);
    lists_[s]->setObjectName(side == 0 ? QStringLiteral("leftList") : QStringLiteral("rightList"));
    lists_[s]->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Pos."), QStringLiteral("Team"), QString::fromUtf8("Stärke")});
    lists_[s]->setRootIsDecorated(false);
    lists_[s]->setAlternatingRowColors(true);
    lists_[s]->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lists_[s]->setSortingEnabled(true);
    lists_[s]->sortByColumn(0, Qt::AscendingOrder);
    lists_[s]->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lists_[s]->header()->setStretchLastSection(false);
    auto* top = new QHBoxLayout;
    top->addWidget(titles_[s], 1);
    top->addWidget(choose);
    grid->addLayout(top, 0, column);
    grid->addWidget(lists_[s], 1, column);
    grid->setColumnStretch(column, 1);
    connect(choose, &QPushButton::clicked, this, [this, side] {
      const uint32_t chosen = chooseClub_(this, clubs_[static_cast<size_t>(side)]);
      if (chosen != 0) SetClub(side, chosen);
    });
    connect(lists_[s], &QTreeWidget::itemSelectionChanged, this, &CDlgFastTransfer::UpdateButtons);
  }
  auto* middle = new QVBoxLayout;
  middle->addStretch();
  for (int side = 0; side < 2; ++side) {
    auto* button = new QPushButton(side == 0 ? QString::fromUtf8("→") : QString::fromUtf8("←"), this);
    button->setObjectName(side == 0 ? QStringLiteral("moveRightButton") : QStringLiteral("moveLeftButton"));
    button->setToolTip(side == 0 ? QString::fromUtf8("Ausgewählte Personen zum rechten Verein transferieren")
                                 : QString::fromUtf8("Ausgewählte Personen zum linken Verein transferieren"));
    button->setFixedWidth(48);
    moveButtons_[static_cast<size_t>(side)] = button;
    middle->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, side] { MoveSelected(side); });
  }
  middle->addStretch();
  grid->addLayout(middle, 1, 1);

  status_ = new QLabel(QString::fromUtf8("Ein voller Verein (256 Personen) nimmt niemanden mehr auf."), this);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QString::fromUtf8("Schließen"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("closeButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(status_, 1);
  bottom->addWidget(buttons);
  layout->addLayout(bottom);
  resize(1100, 620);
  Refill(0);
  Refill(1);
}

void CDlgFastTransfer::SetClub(int side, uint32_t clubId) {
  if (side < 0 || side > 1) return;
  clubs_[static_cast<size_t>(side)] = FindWorldClub(*context_.CurrentWorld(), clubId) ? clubId : 0;
  Refill(side);
}

void CDlgFastTransfer::Refill(int side) {
  const auto s = static_cast<size_t>(side);
  const CWorldDatabase& world = *context_.CurrentWorld();
  QTreeWidget& list = *lists_[s];
  list.clear();
  const uint32_t clubId = clubs_[s];
  const CClub* club = FindWorldClub(world, clubId);
  if (!club) {
    titles_[s]->setText(QString::fromUtf8("(kein Verein gewählt)"));
    UpdateButtons();
    return;
  }
  QString title = FromCp1252(WorldClubName(world, clubId & ~kReserveTeamBit));
  if (clubId & kReserveTeamBit) title += QStringLiteral(" (2. Mannschaft)");
  titles_[s]->setText(QStringLiteral("%1 – %2 Personen").arg(title).arg(club->PlayerIds().size()));
  list.setSortingEnabled(false);
  for (uint32_t id : club->PlayerIds()) {
    const CPlayer* person = world.Persons().FindPlayer(id);
    if (!person) continue;
    auto* item = new QTreeWidgetItem(&list);
    item->setText(0, FromCp1252(std::string(person->surname) + ", " + person->firstName));
    item->setText(1, FromCp1252(PositionOrRoleText(*person)));
    item->setText(2, person->role != kRolePlayer ? QStringLiteral("Vorstand") : person->team == 0 ? QStringLiteral("1.") : QStringLiteral("2."));
    if (person->role == kRolePlayer) item->setText(3, QString::number(person->Strength(), 'f', 1));
    item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(0, Qt::UserRole, static_cast<qint64>(id));
  }
  list.setSortingEnabled(true);
  UpdateButtons();
}

void CDlgFastTransfer::UpdateButtons() {
  for (int side = 0; side < 2; ++side) {
    const auto s = static_cast<size_t>(side);
    const uint32_t other = clubs_[1 - s];
    const bool differentClubs = ((clubs_[s] ^ other) & ~kReserveTeamBit) != 0;
    moveButtons_[s]->setEnabled(clubs_[s] != 0 && other != 0 && differentClubs && !lists_[s]->selectedItems().isEmpty());
  }
}

int CDlgFastTransfer::MoveSelected(int from) {
  if (from < 0 || from > 1) return 0;
  const auto s = static_cast<size_t>(from);
  const uint32_t source = clubs_[s] & ~kReserveTeamBit;
  const uint32_t target = clubs_[1 - s];
  if (source == 0 || target == 0) return 0;
  std::vector<uint32_t> ids;
  for (const QTreeWidgetItem* item : lists_[s]->selectedItems()) ids.push_back(static_cast<uint32_t>(item->data(0, Qt::UserRole).toLongLong()));
  if (ids.empty()) return 0;
  const int moved = CommitTransfers(context_.CurrentChanges(), ids, source, target);
  if (moved < static_cast<int>(ids.size())) {
    status_->setText(QString::fromUtf8("%1 von %2 Personen transferiert – der Zielverein ist voll.").arg(moved).arg(ids.size()));
  } else {
    status_->setText(QString::fromUtf8("%1 Personen transferiert.").arg(moved));
  }
  Refill(0);
  Refill(1);
  return moved;
}

}  // namespace torvale
