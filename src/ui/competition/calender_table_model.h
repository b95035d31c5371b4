#pragma once
// The rows of the framework calendar: one per season day, the date, the international event of
// the day, then one column per competition column of the calendar model. Matchday cells are
// tinted by kind (league, cup, comparison league) and the days around the last click are
// marked, so that the one-day gap the game keeps between matches is easy to see.

#include <QAbstractTableModel>
#include <array>

#include "competition/calendar_day_table.h"
#include "competition/calendar_editor.h"
#include "world/date.h"

namespace torvale {

class CCountry;
class CWorldDatabase;

class CalenderTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // Columns before the competition columns.
  static constexpr int kDateColumn = 0;
  static constexpr int kInternationalColumn = 1;
  static constexpr int kFirstCompetitionColumn = 2;

  CalenderTableModel(CWorldDatabase& world, CCountry& country, QObject* parent = nullptr);

  CalendarEditor& Editor() { return editor_; }
  // The calendar date of season day `day`.
  static DATE DateOfDay(int day);

  // Shows another country's first league in the last column (0: none).
  void SetComparisonCountry(int country);
  // A click on a cell: the calendar model decides; every row is redrawn afterwards.
  bool ClickCell(int row, int column, PlacementMode mode);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QString ColumnTitle(int competitionColumn, bool tooltip) const;

  CWorldDatabase& world_;
  CalendarEditor editor_;
  std::array<int32_t, kSeasonDays> international_{};
  int clickedDay_ = -1;
};

}  // namespace torvale
