#include "ui/squad/dlg_shirt_no.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "persons/person_texts.h"
#include "persons/shirt_numbers.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "world/player.h"

namespace torvale {

namespace {

enum Column { kNumberColumn = 0, kNameColumn, kPositionColumn, kTeamColumn, kColumnCount };
constexpr int kHighestShirtNumber = 99;
const QColor kSharedColour(250, 200, 200);

}  // namespace

CDlgShirtNo::CDlgShirtNo(CWorldDatabase& world, std::vector<uint32_t> squad, QWidget* parent)
    : QDialog(parent), world_(world) {
  setObjectName("CDlgShirtNo");
  setWindowTitle(QString::fromUtf8("Rückennummern"));
  for (uint32_t id : squad) {
    const CPlayer* person = world_.Persons().FindPlayer(id);
    if (!person || person->role != kRolePlayer) continue;
    players_.push_back(id);
    original_[id] = person->shirtNumber;
  }
  // First team before reserves, each by number (players without one last), then by name.
  std::stable_sort(players_.begin(), players_.end(), [this](uint32_t a, uint32_t b) {
    const CPlayer& l = *world_.Persons().FindPlayer(a);
    const CPlayer& r = *world_.Persons().FindPlayer(b);
    const auto key = [](const CPlayer& p) { return std::make_pair(p.team == 0 ? 0 : 1, p.shirtNumber == 0 ? 256 : p.shirtNumber); };
    return key(l) < key(r);
  });

  table_ = new QTableWidget(static_cast<int>(players_.size()), kColumnCount, this);
  table_->setObjectName("shirtNumberTable");
  table_->setHorizontalHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Name"), QStringLiteral("Pos."),
                                     QStringLiteral("Mannschaft")});
  table_->verticalHeader()->hide();
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
  status_ = new QLabel(this);
  status_->setObjectName("status");
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("ok");
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancel->setObjectName("cancel");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &CDlgShirtNo::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  Fill();
  MarkShared();
  resize(520, 640);
}

void CDlgShirtNo::Fill() {
  for (int row = 0; row < static_cast<int>(players_.size()); ++row) {
    const uint32_t id = players_[static_cast<size_t>(row)];
    const CPlayer& person = *world_.Persons().FindPlayer(id);
    auto* number = new CSpinEditCtrl(table_);
    number->setObjectName(QStringLiteral("number%1").arg(id));
    number->SetRange(0, kHighestShirtNumber);
    number->SetValue(std::min<int>(person.shirtNumber, kHighestShirtNumber));
    connect(number, &CSpinEditCtrl::valueChanged, this, [this, id](int value) { SetNumber(id, value); });
    table_->setCellWidget(row, kNumberColumn, number);
    table_->setItem(row, kNameColumn, new QTableWidgetItem(FromCp1252(person.ShortName())));
    table_->setItem(row, kPositionColumn, new QTableWidgetItem(FromCp1252(PositionOrRoleText(person))));
    table_->setItem(row, kTeamColumn,
                    new QTableWidgetItem(person.team == 0 ? QStringLiteral("1. Mannschaft") : QStringLiteral("2. Mannschaft")));
  }
}

void CDlgShirtNo::SetNumber(uint32_t playerId, int number) {
  CPlayer* person = world_.Persons().FindPlayer(playerId);
  if (!person || !original_.contains(playerId)) return;
  person->shirtNumber = static_cast<uint8_t>(std::clamp(number, 0, kHighestShirtNumber));
  const auto it = std::find(players_.begin(), players_.end(), playerId);
  if (auto* spin = qobject_cast<CSpinEditCtrl*>(table_->cellWidget(static_cast<int>(it - players_.begin()), kNumberColumn)))
    spin->SetValue(person->shirtNumber);
  MarkShared();
}

void CDlgShirtNo::MarkShared() {
  marked_ = PlayersSharingShirtNumber(players_, world_.Persons());
  for (int row = 0; row < static_cast<int>(players_.size()); ++row) {
    const bool shared = std::find(marked_.begin(), marked_.end(), players_[static_cast<size_t>(row)]) != marked_.end();
    for (int column = kNameColumn; column < kColumnCount; ++column)
      if (QTableWidgetItem* item = table_->item(row, column))
        item->setBackground(shared ? QBrush(kSharedColour) : QBrush());
  }
  status_->setText(marked_.empty() ? QString::fromUtf8("Jede Rückennummer ist in ihrer Mannschaft nur einmal vergeben.")
                                   : QString::fromUtf8("%1 Spieler tragen eine doppelt vergebene Rückennummer (rot).")
                                         .arg(marked_.size()));
}

void CDlgShirtNo::reject() {
  for (const auto& [id, number] : original_)
    if (CPlayer* person = world_.Persons().FindPlayer(id)) person->shirtNumber = number;
  QDialog::reject();
}

}  // namespace torvale
