#include "ui/squad/squad_list_model.h"

#include <QBrush>
#include <algorithm>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "persons/list_order.h"
#include "persons/person_texts.h"
#include "world/player.h"

namespace torvale {

SquadListModel::SquadListModel(CWorldDatabase& world, Kind kind, QObject* parent)
    : QAbstractTableModel(parent), world_(world), kind_(kind) {
  collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

void SquadListModel::SetPersons(std::vector<uint32_t> ids) {
  std::vector<uint32_t> sortedNew = ids;
  std::vector<uint32_t> sortedOld = ids_;
  std::sort(sortedNew.begin(), sortedNew.end());
  std::sort(sortedOld.begin(), sortedOld.end());
  if (sortedNew == sortedOld) {
    if (sortColumn_ >= 0) SortBy(sortColumn_, ascending_);
    if (!ids_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    return;
  }
  beginResetModel();
  ids_ = std::move(ids);
  if (sortColumn_ >= 0) {
    const int column = sortColumn_;
    sortColumn_ = -1;
    SortBy(column, ascending_);
  }
  endResetModel();
}

uint32_t SquadListModel::IdAt(int row) const {
  return row >= 0 && row < rowCount() ? ids_[static_cast<size_t>(row)] : 0;
}

int SquadListModel::RowOf(uint32_t id) const {
  const auto it = std::find(ids_.begin(), ids_.end(), id);
  return it == ids_.end() ? -1 : static_cast<int>(it - ids_.begin());
}

void SquadListModel::SortBy(int column, bool ascending) {
  sortColumn_ = column;
  ascending_ = ascending;
  emit layoutAboutToBeChanged();
  ApplySort();
  emit layoutChanged();
}

void SquadListModel::ApplySort() {
  if (sortColumn_ < 0) return;
  const CPersonTable& persons = world_.Persons();
  auto compare = [&](uint32_t a, uint32_t b) {
    const CPlayer* left = persons.FindPlayer(a);
    const CPlayer* right = persons.FindPlayer(b);
    if (!left || !right) return CompareValues(left != nullptr, right != nullptr);
    switch (sortColumn_) {
      case kPosition: return CompareValues(PositionOrRoleKey(*left), PositionOrRoleKey(*right));
      case kNation: {
        const CCountry* l = world_.Country(left->nationality);
        const CCountry* r = world_.Country(right->nationality);
        return collator_.compare(l ? FromCp1252(l->ShortName(world_.Language())) : QString(),
                                 r ? FromCp1252(r->ShortName(world_.Language())) : QString());
      }
      case kStrength: return CompareValues(left->Strength(), right->Strength());
      default: return collator_.compare(FromCp1252(left->ShortName()), FromCp1252(right->ShortName()));
    }
  };
  std::stable_sort(ids_.begin(), ids_.end(),
                   [&](uint32_t a, uint32_t b) { return Directed(compare(a, b), ascending_) < 0; });
}

int SquadListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(ids_.size());
}

int SquadListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : (kind_ == Kind::kPlayers ? 4 : 3);
}

QVariant SquadListModel::data(const QModelIndex& index, int role) const {
  const CPlayer* person = world_.Persons().FindPlayer(IdAt(index.row()));
  if (!person) return {};
  if (role == Qt::TextAlignmentRole)
    return index.column() == kStrength ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  if (role == Qt::ForegroundRole && index.column() == kName &&
      (person->firstName[0] == '\0' || person->surname[0] == '\0'))
    return QBrush(Qt::red);  // the squad check refuses persons without a full name
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  const CCountry* country = world_.Country(person->nationality);
  switch (index.column()) {
    case kName: return FromCp1252(person->ShortName());
    case kPosition: return FromCp1252(PositionOrRoleText(*person));
    case kNation:
      if (!country) return QString();
      return FromCp1252(kind_ == Kind::kPlayers ? country->ShortName(world_.Language()) : country->Name(world_.Language()));
    case kStrength: return QString::asprintf("%2.1f", static_cast<double>(person->Strength()));
    default: return {};
  }
}

QVariant SquadListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kName: return QStringLiteral("Name");
    case kPosition: return QStringLiteral("Pos.");
    case kNation: return kind_ == Kind::kPlayers ? QStringLiteral("Nat.") : QStringLiteral("Land");
    case kStrength: return QString::fromUtf8("Stärke");
    default: return {};
  }
}

}  // namespace torvale
