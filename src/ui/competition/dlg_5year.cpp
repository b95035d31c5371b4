#include "ui/competition/dlg_5year.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "competition/five_year_ranking.h"
#include "database/world_database.h"
#include "ui/common/editor_context.h"
#include "ui/competition/dlg_5year_change.h"
#include "world/country.h"

namespace torvale {

namespace {

std::vector<FiveYearRankingCountry> RankingCountries(const CWorldDatabase& world) {
  std::vector<FiveYearRankingCountry> countries;
  for (int n = kFirstRankedCountry; n <= kLastRankedCountry; ++n) {
    const CCountry* c = world.Country(n);
    if (!c) continue;
    FiveYearRankingCountry entry;
    entry.country = n;
    entry.name = std::string(c->Name(world.Language()));
    for (int s = 0; s < kRankingSeasons; ++s) entry.points[static_cast<size_t>(s)] = c->FiveYearPoints(s);
    entry.excluded = c->rankingExcluded != 0;
    countries.push_back(std::move(entry));
  }
  return countries;
}

}  // namespace

CDlg5Year::CDlg5Year(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("CDlg5Year"));
  setWindowTitle(QStringLiteral("5-Jahreswertung"));
  list_ = new QTableWidget(this);
  list_->setObjectName(QStringLiteral("rankingList"));
  list_->setColumnCount(static_cast<int>(kFiveYearRankingColumns.size()));
  QStringList headings;
  for (std::string_view h : kFiveYearRankingColumns) headings << FromCp1252(std::string(h));
  list_->setHorizontalHeaderLabels(headings);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(20);
  list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  list_->setAlternatingRowColors(true);
  connect(list_, &QTableWidget::cellDoubleClicked, this, [this] { ChangeSelected(); });

  auto* change = new QPushButton(QString::fromUtf8("Ä&ndern"), this);
  change->setObjectName(QStringLiteral("changeButton"));
  change->setAutoDefault(false);
  connect(change, &QPushButton::clicked, this, [this] { ChangeSelected(); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlg5Year::accept);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(change);
  bottom->addStretch();
  bottom->addWidget(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(bottom);
  Rebuild();
  list_->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
  list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  resize(860, 640);
}

void CDlg5Year::Rebuild(int select) {
  const std::vector<FiveYearRankingCountry> countries = RankingCountries(*context_.CurrentWorld());
  const std::vector<FiveYearRankingRow> rows = BuildFiveYearRanking(countries);
  list_->setRowCount(static_cast<int>(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r) {
    const QStringList cells = FromCp1252(rows[r].text).split(QLatin1Char('\t'));
    for (int c = 0; c < cells.size() && c < list_->columnCount(); ++c) {
      auto* item = new QTableWidgetItem(cells[c].trimmed());
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      item->setData(Qt::UserRole, rows[r].country);
      list_->setItem(static_cast<int>(r), c, item);
    }
    if (rows[r].country == select) list_->selectRow(static_cast<int>(r));
  }
}

int CDlg5Year::CountryOfRow(int row) const {
  const QTableWidgetItem* item = list_->item(row, 0);
  return item ? item->data(Qt::UserRole).toInt() : 0;
}

bool CDlg5Year::ChangeSelected() {
  const int country = CountryOfRow(list_->currentRow());
  if (country == 0) return false;
  CDlg5YearChange change(context_, country, this);
  const SeasonPoints before = change.Points();
  if (change.exec() != QDialog::Accepted) return false;
  Rebuild(country);
  return change.Points() != before;
}

}  // namespace torvale
