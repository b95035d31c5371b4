#pragma once
// The table that shows search results in the search dialogs: full rows selected, grid lines,
// the seven columns at their widths, and header clicks that sort (again: the other way).

class QTableView;
class QWidget;

namespace torvale {

class SearchResultModel;

QTableView* MakeResultView(SearchResultModel* model, QWidget* parent);

}  // namespace torvale
