#pragma once
// The rows of a person search as a table: the seven columns of the result list, kept sorted
// by the current column while batches arrive. A list can hold every person of a world, so a
// row keeps only numbers: its texts are interned once per distinct text, the distinct texts
// are ranked in the user's collation, and rows compare by those ranks.

#include <QAbstractTableModel>
#include <QCollator>
#include <QLocale>
#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "persons/list_order.h"
#include "persons/person_search.h"

namespace torvale {

class SearchResultModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit SearchResultModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  void Clear();
  // Adds rows (made on the search's worker thread), keeping the order.
  void Append(const std::vector<SearchResultRow>& rows);
  // A header click: the column ascending, or the other direction when it is the sort column.
  void ClickColumn(int column);
  SortOrder Order() const { return order_; }

  // The hit of a row; null outside the list.
  const SearchHit* Hit(int row) const;
  // A row's text in a column (Windows-1252); empty outside the list.
  std::string Text(int row, int column) const;

 private:
  struct Entry {
    SearchHit hit;
    std::array<uint32_t, kSearchColumnCount> texts;  // interned text of each column
    int positionKey;
    DATE birthDay;
  };
  uint32_t Intern(const std::string& text);
  // Ranks every interned text in collation order (equal texts share a rank).
  void UpdateRanks();
  int Compare(const Entry& left, const Entry& right) const;
  bool Less(const Entry& left, const Entry& right) const;
  void SortAll();

  QCollator collator_;
  std::vector<Entry> entries_;
  std::unordered_map<std::string, uint32_t> textIds_;
  std::vector<std::string> texts_;
  std::unordered_map<int, uint32_t> positionTexts_;                         // position key -> text
  std::unordered_map<uint32_t, std::pair<uint32_t, uint32_t>> clubTexts_;  // club id -> club, country
  std::vector<uint32_t> ranks_;  // by text id
  SortOrder order_{kSearchSurname, true};
};

}  // namespace torvale
