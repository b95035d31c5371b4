#include "ui/country/country_list_model.h"

#include <algorithm>

namespace torvale {

CountryListModel::CountryListModel(QStringList headers, RowKeys rows, CellText cell, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)), rows_(std::move(rows)), cell_(std::move(cell)) {}

void CountryListModel::Reload() {
  beginResetModel();
  keys_ = rows_();
  endResetModel();
}

int CountryListModel::KeyAt(int row) const {
  return row >= 0 && row < static_cast<int>(keys_.size()) ? keys_[static_cast<size_t>(row)] : -1;
}

int CountryListModel::RowOf(int key) const {
  auto it = std::find(keys_.begin(), keys_.end(), key);
  return it == keys_.end() ? -1 : static_cast<int>(it - keys_.begin());
}

int CountryListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(keys_.size());
}

int CountryListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(headers_.size()); }

QVariant CountryListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return cell_(KeyAt(index.row()), index.column());
}

QVariant CountryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= headers_.size()) return {};
  return headers_[section];
}

}  // namespace torvale
