#pragma once
// CountryListModel: the table model of the country editor's list pages. The page hands it
// its column titles and a function giving the rows (keys of the country's list, read afresh
// on every Reload) and one giving a cell's text, so the view always shows the country as it is.

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <vector>

namespace torvale {

class CountryListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using RowKeys = std::function<std::vector<int>()>;
  using CellText = std::function<QString(int key, int column)>;

  CountryListModel(QStringList headers, RowKeys rows, CellText cell, QObject* parent = nullptr);

  // Reads the rows again (after a change of the list).
  void Reload();
  // The key of `row`; -1 outside.
  int KeyAt(int row) const;
  int RowOf(int key) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QStringList headers_;
  RowKeys rows_;
  CellText cell_;
  std::vector<int> keys_;
};

}  // namespace torvale
