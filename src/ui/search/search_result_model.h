#pragma once
// The rows of a person search as a table: the seven columns of the result list, kept sorted
// by the current column while batches arrive. Names sort in the user's collation through
// precomputed collation keys, so a list of 300,000 rows sorts without a stall.

#include <QAbstractTableModel>
#include <QCollator>
#include <array>
#include <vector>

#include "persons/list_order.h"
#include "persons/person_search.h"

namespace torvale {

class SearchResultModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit SearchResultModel(const CWorldDatabase& world, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  void Clear();
  // Adds the rows of `hits` (persons that no longer exist are left out), keeping the order.
  void Append(const std::vector<SearchHit>& hits);
  // A header click: the column ascending, or the other direction when it is the sort column.
  void ClickColumn(int column);
  SortOrder Order() const { return order_; }

  const SearchResultRow* Row(int row) const;

 private:
  // Collation keys of the name columns.
  struct NameKeys {
    QCollatorSortKey firstName, surname, stageName, club, country;
    const QCollatorSortKey& Of(int column) const;
  };
  struct Entry {
    SearchResultRow row;
    NameKeys keys;
  };
  Entry MakeEntry(const SearchResultRow& row) const;
  int Compare(const Entry& left, const Entry& right) const;
  bool Less(const Entry& left, const Entry& right) const;
  void SortAll();

  const CWorldDatabase& world_;
  QCollator collator_;
  std::vector<Entry> entries_;
  SortOrder order_{kSearchSurname, true};
};

}  // namespace torvale
