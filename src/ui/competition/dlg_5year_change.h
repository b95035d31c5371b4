#pragma once
// CDlg5YearChange: the six seasons of one country's 5-year ranking points, each typed (a comma
// counts as decimal point) or set on a scroll bar of 0.00-20.00 points, with the running total
// of the seasons that count. OK commits the six values to the country.

#include <QDialog>
#include <array>

#include "competition/five_year_ranking.h"

class QLabel;
class QLineEdit;
class QScrollBar;

namespace torvale {

class EditorContext;

class CDlg5YearChange : public QDialog {
  Q_OBJECT
 public:
  CDlg5YearChange(EditorContext& context, int country, QWidget* parent = nullptr);

  const SeasonPoints& Points() const { return points_; }
  void accept() override;

 private:
  void TextEdited(int season);
  void BarMoved(int season, int value);
  void ShowTotal();

  EditorContext& context_;
  int country_;
  SeasonPoints points_{};
  std::array<QLineEdit*, kRankingSeasons> texts_{};
  std::array<QScrollBar*, kRankingSeasons> bars_{};
  QLabel* total_ = nullptr;
};

}  // namespace torvale
