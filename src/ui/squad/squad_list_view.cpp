#include "ui/squad/squad_list_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "persons/list_order.h"

namespace torvale {

SquadListView::SquadListView(CWorldDatabase& world, SquadListModel::Kind kind, const QString& countLabel,
                             QWidget* parent)
    : QWidget(parent) {
  model_ = new SquadListModel(world, kind, this);
  table_ = new QTableView(this);
  table_->setObjectName("persons");
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  QHeaderView* header = table_->horizontalHeader();
  header->setSectionsClickable(true);
  header->setSectionResizeMode(QHeaderView::ResizeToContents);
  header->setSectionResizeMode(SquadListModel::kName, QHeaderView::Stretch);
  connect(header, &QHeaderView::sectionClicked, this, [this](int column) { SortButtonClicked(column); });
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &SquadListView::SelectionChanged);
  connect(table_, &QTableView::customContextMenuRequested, this,
          [this](const QPoint& position) { emit contextMenuRequested(table_->viewport()->mapToGlobal(position)); });

  count_ = new QLabel(this);
  count_->setObjectName("count");
  count_->setProperty("role", "figure");
  average_ = new QLabel(this);
  average_->setObjectName("averageStrength");
  average_->setProperty("role", "figure");
  auto* summary = new QHBoxLayout;
  summary->addWidget(new QLabel(countLabel, this));
  summary->addWidget(count_);
  summary->addStretch(1);
  summary->addWidget(new QLabel(QString::fromUtf8("Durchsch. Stärke:"), this));
  summary->addWidget(average_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(table_, 1);
  layout->addLayout(summary);
}

void SquadListView::SetPersons(const std::vector<uint32_t>& ids) {
  if (shown_ != 0) emit storePage();
  const uint32_t selected = SelectedId();
  refilling_ = true;
  model_->SetPersons(ids);
  int row = model_->RowOf(selected);
  if (row < 0 && model_->rowCount() > 0) row = 0;
  if (row >= 0)
    table_->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  else
    table_->selectionModel()->clearSelection();
  refilling_ = false;
  const uint32_t now = model_->IdAt(row);
  if (now != shown_ || now != selected) {
    shown_ = now;
    emit showPerson(now);
  }
}

void SquadListView::SetSummary(int count, float averageStrength) {
  count_->setText(QString::number(count));
  average_->setText(QString::asprintf("%2.2f", static_cast<double>(averageStrength)));
}

uint32_t SquadListView::SelectedId() const { return model_->IdAt(table_->currentIndex().row()); }

void SquadListView::Select(uint32_t id) {
  const int row = model_->RowOf(id);
  if (row < 0) return;
  table_->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  table_->scrollTo(model_->index(row, 0));
}

void SquadListView::SelectionChanged() {
  if (refilling_) return;
  const uint32_t id = SelectedId();
  if (id == shown_) return;
  if (shown_ != 0) emit storePage();
  shown_ = id;
  emit showPerson(id);
}

CDlgPlayerList::CDlgPlayerList(CWorldDatabase& world, QWidget* parent)
    : SquadListView(world, SquadListModel::Kind::kPlayers, QStringLiteral("Spieleranzahl:"), parent) {
  setObjectName("CDlgPlayerList");
}

void CDlgPlayerList::SortButtonClicked(int column) {
  const SortOrder order = ClickSortColumn({sortColumn_, ascending_}, column);
  sortColumn_ = order.column;
  ascending_ = order.ascending;
  Table()->horizontalHeader()->setSortIndicatorShown(true);
  Table()->horizontalHeader()->setSortIndicator(column, ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
  Model()->SortBy(column, ascending_);
}

CDlgManagerList::CDlgManagerList(CWorldDatabase& world, QWidget* parent)
    : SquadListView(world, SquadListModel::Kind::kOfficials, QStringLiteral("Anzahl Spieler:"), parent) {
  setObjectName("CDlgManagerList");
}

}  // namespace torvale
