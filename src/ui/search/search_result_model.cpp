#include "ui/search/search_result_model.h"

#include <algorithm>
#include <numeric>

#include "app/qt_text.h"
#include "persons/person_texts.h"
#include "platform/string_table.h"

namespace torvale {
namespace {

// Header texts of the seven columns, by string-table number.
constexpr std::array<int, kSearchColumnCount> kHeaderStrings = {889, 891, 893, 864, 852, 851, 894};

}  // namespace

SearchResultModel::SearchResultModel(QObject* parent) : QAbstractTableModel(parent) {
  collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

int SearchResultModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int SearchResultModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kSearchColumnCount; }

QVariant SearchResultModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DisplayRole) return FromCp1252(Text(index.row(), index.column()));
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
  // Club names may have changed with the command that restarted the search.
  clubTexts_.clear();
  endResetModel();
}

uint32_t SearchResultModel::Intern(const std::string& text) {
  const auto [it, added] = textIds_.try_emplace(text, static_cast<uint32_t>(texts_.size()));
  if (added) texts_.push_back(text);
  return it->second;
}

void SearchResultModel::UpdateRanks() {
  if (ranks_.size() == texts_.size()) return;
  // Distinct texts are few against the rows, so they are put in collation order once per new
  // batch of texts, and rows then compare by rank: a cheap integer compare per row pair.
  // (QCollator::compare, not sort keys: only compare honours the case-insensitivity everywhere.)
  std::vector<QString> texts;
  texts.reserve(texts_.size());
  for (const std::string& text : texts_) texts.push_back(FromCp1252(text));
  std::vector<uint32_t> order(texts_.size());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return collator_.compare(texts[a], texts[b]) < 0; });
  ranks_.assign(texts_.size(), 0);
  uint32_t rank = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    if (i > 0 && collator_.compare(texts[order[i - 1]], texts[order[i]]) != 0) ++rank;
    ranks_[order[i]] = rank;
  }
}

void SearchResultModel::Append(const std::vector<SearchResultRow>& rows) {
  if (rows.empty()) return;
  std::vector<Entry> fresh;
  fresh.reserve(rows.size());
  for (const SearchResultRow& row : rows) {
    Entry entry{row.hit, {}, row.positionKey, row.birthDay};
    entry.texts[kSearchFirstName] = Intern(row.firstName);
    entry.texts[kSearchSurname] = Intern(row.surname);
    entry.texts[kSearchStageName] = Intern(row.stageName);
    // Positions, clubs and countries repeat for many rows: look them up by number, not by text.
    auto [position, newPosition] = positionTexts_.try_emplace(row.positionKey, 0);
    if (newPosition) position->second = Intern(row.position);
    entry.texts[kSearchPosition] = position->second;
    auto [club, newClub] = clubTexts_.try_emplace(row.hit.clubId, std::pair<uint32_t, uint32_t>{});
    if (newClub) club->second = {Intern(row.clubName), Intern(row.countryName)};
    entry.texts[kSearchClub] = club->second.first;
    entry.texts[kSearchCountry] = club->second.second;
    fresh.push_back(entry);
  }
  UpdateRanks();
  auto less = [this](const Entry& a, const Entry& b) { return Less(a, b); };
  std::stable_sort(fresh.begin(), fresh.end(), less);
  // Each batch redraws the whole list once, as the new rows land all over the sorted order.
  beginResetModel();
  const auto middle = static_cast<std::ptrdiff_t>(entries_.size());
  entries_.insert(entries_.end(), fresh.begin(), fresh.end());
  std::inplace_merge(entries_.begin(), entries_.begin() + middle, entries_.end(), less);
  endResetModel();
}

const SearchHit* SearchResultModel::Hit(int row) const {
  return row >= 0 && row < rowCount() ? &entries_[static_cast<size_t>(row)].hit : nullptr;
}

std::string SearchResultModel::Text(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= kSearchColumnCount) return {};
  const Entry& entry = entries_[static_cast<size_t>(row)];
  // Dates are formatted when shown: nearly every row has a date of its own.
  if (column == kSearchBirthDate) return BirthDateText(entry.birthDay);
  return texts_[entry.texts[static_cast<size_t>(column)]];
}

int SearchResultModel::Compare(const Entry& left, const Entry& right) const {
  auto names = [&](int column) {
    const auto c = static_cast<size_t>(column);
    return CompareValues(ranks_[left.texts[c]], ranks_[right.texts[c]]);
  };
  switch (order_.column) {
    case kSearchFirstName:
      if (int c = names(kSearchFirstName)) return c;
      return names(kSearchSurname);
    case kSearchSurname:
      if (int c = names(kSearchSurname)) return c;
      return names(kSearchFirstName);
    case kSearchPosition:
      return CompareValues(left.positionKey, right.positionKey);
    case kSearchBirthDate:
      return CompareValues(left.birthDay, right.birthDay);
    default:
      return names(order_.column);
  }
}

bool SearchResultModel::Less(const Entry& left, const Entry& right) const {
  return Directed(Compare(left, right), order_.ascending) < 0;
}

void SearchResultModel::SortAll() {
  UpdateRanks();
  emit layoutAboutToBeChanged();
  std::stable_sort(entries_.begin(), entries_.end(), [this](const Entry& a, const Entry& b) { return Less(a, b); });
  emit layoutChanged();
}

}  // namespace torvale
