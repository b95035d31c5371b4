#include "app/club_list_model.h"

#include <QCollator>
#include <QFont>

#include "app/qt_text.h"
#include "world/club.h"

namespace torvale {

bool CollatedLess(std::string_view a, std::string_view b) {
  thread_local QCollator collator = [] {
    QCollator c;
    c.setNumericMode(true);
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
  }();
  return collator.compare(FromCp1252(a), FromCp1252(b)) < 0;
}

void ClubListModel::Fill(const CCountry* country, int language, ClubOrder order) {
  beginResetModel();
  rows_ = country ? ClubListRows(*country, language) : std::vector<ClubListRow>{};
  order_ = order;
  Sort();
  endResetModel();
}

void ClubListModel::SetOrder(ClubOrder order) {
  if (order == order_) return;
  beginResetModel();
  order_ = order;
  Sort();
  endResetModel();
}

void ClubListModel::Sort() { SortClubList(rows_, order_, CollatedLess); }

uint32_t ClubListModel::ClubIdAt(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<size_t>(row)].clubId : 0;
}

int ClubListModel::RowOf(uint32_t clubId) const {
  for (size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].clubId == clubId) return static_cast<int>(i);
  return -1;
}

int ClubListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ClubListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant ClubListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  const ClubListRow& row = rows_[static_cast<size_t>(index.row())];
  if (role == kClubIdRole) return QVariant::fromValue(row.clubId);
  if (role == Qt::TextAlignmentRole && index.column() == kStrength)
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  const bool national = ClubNumber(row.clubId) == kAmateurClubNumber;
  if (role == Qt::ToolTipRole && national) return QStringLiteral("Nationalteam / Amateurverein");
  if (role == Qt::FontRole && national) {
    // The country's own pseudo-club is no club to pick by mistake: it reads differently.
    QFont font;
    font.setItalic(true);
    return font;
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kName: return FromCp1252(row.name);
    case kLeague: return FromCp1252(row.league);
    case kStrength: return row.strength > 0 ? QString::number(row.strength, 'f', 2) : QString();
    default: return {};
  }
}

QVariant ClubListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kName: return QStringLiteral("Verein");
    case kLeague: return QStringLiteral("Liga");
    case kStrength: return QString::fromUtf8("Ø - Stärke");
    default: return {};
  }
}

}  // namespace torvale
