#include "ui/search/result_view.h"

#include <QHeaderView>
#include <QTableView>
#include <array>

#include "ui/search/search_result_model.h"

namespace torvale {
namespace {

// Column widths in dialog units; one unit is about a fifth of the average character width at
// the editor's font.
constexpr std::array<int, kSearchColumnCount> kColumnUnits = {120, 120, 120, 45, 70, 120, 100};

Qt::SortOrder Direction(const SortOrder& order) { return order.ascending ? Qt::AscendingOrder : Qt::DescendingOrder; }

}  // namespace

QTableView* MakeResultView(SearchResultModel* model, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setObjectName(QStringLiteral("resultList"));
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setShowGrid(true);
  view->setAlternatingRowColors(true);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  QHeaderView* header = view->horizontalHeader();
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(true);
  header->setSortIndicator(model->Order().column, Direction(model->Order()));
  header->setStretchLastSection(true);
  const int unit = view->fontMetrics().averageCharWidth();
  for (int column = 0; column < kSearchColumnCount; ++column) {
    view->setColumnWidth(column, kColumnUnits[static_cast<size_t>(column)] * unit / 5);
  }
  QObject::connect(header, &QHeaderView::sectionClicked, view, [model, header](int column) {
    model->ClickColumn(column);
    header->setSortIndicator(model->Order().column, Direction(model->Order()));
  });
  return view;
}

}  // namespace torvale
