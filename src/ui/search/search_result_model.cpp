#include "ui/search/search_result_model.h"

#include <algorithm>

#include "app/qt_text.h"
#include "platform/string_table.h"

namespace torvale {
namespace {

// Header texts of the seven columns, by string-table number.
constexpr std::array<int, kSearchColumnCount> kHeaderStrings = {889, 891, 893, 864, 852, 851, 894};

}  // namespace

SearchResultModel::SearchResultModel(const CWorldDatabase& world, QObject* parent)
    : QAbstractTableModel(parent), world_(world) {
  collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

int SearchResultModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int SearchResultModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kSearchColumnCount; }

QVariant SearchResultModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const SearchResultRow& row = entries_[static_cast<size_t>(index.row())].row;
  if (role == Qt::DisplayRole) return FromCp1252(row.Text(index.column()));
  if (role == Qt::TextAlignmentRole) {
    if (index.column() == kSearchPosition) return int(Qt::AlignCenter);
    if (index.column() == kSearchBirthDate) return int(Qt::AlignRight | Qt::AlignVCenter);
    return int(Qt::AlignLeft | Qt::AlignVCenter);
  }
  return {};
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kSearchColumnCount) return {};
  if (role == Qt::DisplayRole) return FromCp1252(LoadString(kHeaderStrings[static_cast<size_t>(section)]));
  return {};
}

void SearchResultModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= kSearchColumnCount) return;
  order_ = {column, order == Qt::AscendingOrder};
  SortAll();
}

void SearchResultModel::ClickColumn(int column) {
  if (column < 0 || column >= kSearchColumnCount) return;
  order_ = ClickSortColumn(order_, column);
  SortAll();
}

void SearchResultModel::Clear() {
  beginResetModel();
  entries_.clear();
  endResetModel();
}

const QCollatorSortKey& SearchResultModel::NameKeys::Of(int column) const {
  switch (column) {
    case kSearchFirstName: return firstName;
    case kSearchSurname: return surname;
    case kSearchStageName: return stageName;
    case kSearchClub: return club;
    default: return country;
  }
}

SearchResultModel::Entry SearchResultModel::MakeEntry(const SearchResultRow& row) const {
  auto key = [&](const std::string& text) { return collator_.sortKey(FromCp1252(text)); };
  return Entry{row, NameKeys{key(row.firstName), key(row.surname), key(row.stageName), key(row.clubName), key(row.countryName)}};
}

void SearchResultModel::Append(const std::vector<SearchHit>& hits) {
  if (hits.empty()) return;
  std::vector<Entry> fresh;
  fresh.reserve(hits.size());
  SearchResultRow row;
  for (const SearchHit& hit : hits) {
    if (MakeSearchResultRow(world_, hit, row)) fresh.push_back(MakeEntry(row));
  }
  auto less = [this](const Entry& a, const Entry& b) { return Less(a, b); };
  std::stable_sort(fresh.begin(), fresh.end(), less);
  // Each batch redraws the whole list once, as the new rows land all over the sorted order.
  beginResetModel();
  const auto middle = static_cast<std::ptrdiff_t>(entries_.size());
  entries_.insert(entries_.end(), std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
  std::inplace_merge(entries_.begin(), entries_.begin() + middle, entries_.end(), less);
  endResetModel();
}

const SearchResultRow* SearchResultModel::Row(int row) const {
  return row >= 0 && row < rowCount() ? &entries_[static_cast<size_t>(row)].row : nullptr;
}

int SearchResultModel::Compare(const Entry& left, const Entry& right) const {
  auto names = [&](int column) {
    return left.keys.Of(column).compare(right.keys.Of(column));
  };
  switch (order_.column) {
    case kSearchFirstName: {
      const int c = names(kSearchFirstName);
      return c != 0 ? c : names(kSearchSurname);
    }
    case kSearchSurname: {
      const int c = names(kSearchSurname);
      return c != 0 ? c : names(kSearchFirstName);
    }
    case kSearchStageName:
    case kSearchClub:
    case kSearchCountry:
      return names(order_.column);
    default:
      // Positions and dates compare by number; the core knows their order.
      return CompareSearchResultRows(left.row, right.row, order_.column, CompareNamesIgnoringCase);
  }
}

bool SearchResultModel::Less(const Entry& left, const Entry& right) const {
  return Directed(Compare(left, right), order_.ascending) < 0;
}

void SearchResultModel::SortAll() {
  emit layoutAboutToBeChanged();
  std::stable_sort(entries_.begin(), entries_.end(), [this](const Entry& a, const Entry& b) { return Less(a, b); });
  emit layoutChanged();
}

}  // namespace torvale
