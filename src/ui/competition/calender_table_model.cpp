#include "ui/competition/calender_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "app/qt_text.h"
#include "competition/competition_registry.h"
#include "competition/competition_tree.h"
#include "competition/international_competitions.h"
#include "database/world_database.h"
#include "platform/string_table.h"
#include "world/country.h"

namespace torvale {

namespace {

// The game's season starts on 1 July; "Juli" is row 0 of the month buttons.
constexpr int kSeasonStartYear = 2003;
constexpr int kDayOfWeekTexts = 1330;  // "Mo" ... "So"

QColor CellColour(CalendarColumn::Kind kind) {
  switch (kind) {
    case CalendarColumn::Kind::kLeague: return QColor(120, 200, 120);
    case CalendarColumn::Kind::kCup: return QColor(240, 180, 90);
    case CalendarColumn::Kind::kComparison: return QColor(170, 170, 210);
  }
  return {};
}

}  // namespace

CalenderTableModel::CalenderTableModel(CWorldDatabase& world, CCountry& country, QObject* parent)
    : QAbstractTableModel(parent), world_(world), editor_(country) {
  world.Calendars().BuildCountryCalendar(static_cast<int>(country.continent), international_);
}

DATE CalenderTableModel::DateOfDay(int day) { return DATE::FromCivil(kSeasonStartYear, 7, 1).AddDays(day); }

void CalenderTableModel::SetComparisonCountry(int country) {
  beginResetModel();
  editor_.SetComparison(country > 0 ? world_.Country(country) : nullptr);
  endResetModel();
}

bool CalenderTableModel::ClickCell(int row, int column, PlacementMode mode) {
  if (column < kFirstCompetitionColumn) return false;
  const bool changed = editor_.Click(row, column - kFirstCompetitionColumn, mode);
  clickedDay_ = row;
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  return changed;
}

int CalenderTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : CalendarEditor::kShownDays;
}

int CalenderTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kFirstCompetitionColumn + static_cast<int>(editor_.Columns().size());
}

QVariant CalenderTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int day = index.row();
  const int column = index.column();
  const int competitionColumn = column - kFirstCompetitionColumn;
  if (role == Qt::DisplayRole) {
    if (column == kDateColumn) {
      const DATE date = DateOfDay(day);
      const QString weekday = FromCp1252(LoadString(kDayOfWeekTexts + static_cast<int>(date.jdn % 7)));
      return QStringLiteral("%1 %2.%3.%4")
          .arg(weekday)
          .arg(date.Day(), 2, 10, QLatin1Char('0'))
          .arg(date.Month(), 2, 10, QLatin1Char('0'))
          .arg(date.Year());
    }
    if (column == kInternationalColumn) return FromCp1252(std::string(FrameworkCodeText(international_[day])));
    return FromCp1252(editor_.CellText(day, competitionColumn));
  }
  if (role == Qt::BackgroundRole) {
    if (column >= kFirstCompetitionColumn && !editor_.CellText(day, competitionColumn).empty()) {
      QColor colour = CellColour(editor_.Columns()[static_cast<size_t>(competitionColumn)].kind);
      return QBrush(day == clickedDay_ ? colour.darker(120) : colour);
    }
    if (column == kInternationalColumn && international_[day] != 0) return QBrush(QColor(130, 170, 230));
    // The clicked day and its neighbours: a competition never plays two days running.
    if (clickedDay_ >= 0 && day >= clickedDay_ - 1 && day <= clickedDay_ + 1) {
      return QBrush(day == clickedDay_ ? QColor(255, 240, 150) : QColor(255, 250, 210));
    }
    if (DateOfDay(day).jdn % 7 >= 5) return QBrush(QColor(235, 235, 240));
    return {};
  }
  if (role == Qt::ForegroundRole) return QBrush(Qt::black);
  if (role == Qt::FontRole && column >= kFirstCompetitionColumn && !editor_.CellText(day, competitionColumn).empty()) {
    QFont bold;
    bold.setBold(true);
    return bold;
  }
  if (role == Qt::TextAlignmentRole && column != kDateColumn) return int(Qt::AlignCenter);
  return {};
}

QString CalenderTableModel::ColumnTitle(int competitionColumn, bool tooltip) const {
  const CalendarColumn& c = editor_.Columns()[static_cast<size_t>(competitionColumn)];
  const CDBCompetition* node = world_.Competitions().FindCompetition(c.competitions.front());
  if (!node) return {};
  if (!tooltip) {
    const char* shortName = node->ShortName();
    return FromCp1252(shortName[0] ? shortName : node->Name());
  }
  QString text = FromCp1252(node->Name());
  if (c.kind == CalendarColumn::Kind::kComparison) {
    if (const CCountry* other = world_.Country(CompetitionCountry(node->Id()))) {
      text += QStringLiteral(" (%1)").arg(FromCp1252(std::string(other->Name(world_.Language()))));
    }
  } else if (c.kind == CalendarColumn::Kind::kLeague) {
    text += QStringLiteral(" (Ebene %1)").arg(node->Level() + 1);
  }
  return text;
}

QVariant CalenderTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    return role == Qt::DisplayRole ? QVariant(section) : QVariant();
  }
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  if (section == kDateColumn) return QStringLiteral("Datum");
  if (section == kInternationalColumn) return QStringLiteral("Int. Wettb.");
  return ColumnTitle(section - kFirstCompetitionColumn, role == Qt::ToolTipRole);
}

}  // namespace torvale
