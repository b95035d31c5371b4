#pragma once
// The main window's club list: one row per club of the selected country with its name, the
// league its first team plays in and the first team's average strength, in one of the three
// orders of the window's buttons. The rows are computed by the core (ClubListRows); the
// model only holds them, so a country with hundreds of clubs scrolls without work.

#include <QAbstractTableModel>
#include <vector>

#include "database/world_statistics.h"

namespace torvale {

class CCountry;

class ClubListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kName, kLeague, kStrength, kColumnCount };
  static constexpr int kClubIdRole = Qt::UserRole + 1;

  using QAbstractTableModel::QAbstractTableModel;

  // Refills from the country (none: empty) in the given order.
  void Fill(const CCountry* country, int language, ClubOrder order);
  void SetOrder(ClubOrder order);
  ClubOrder Order() const { return order_; }

  uint32_t ClubIdAt(int row) const;
  // Row of the club; -1 when it is not listed.
  int RowOf(uint32_t clubId) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  void Sort();

  std::vector<ClubListRow> rows_;
  ClubOrder order_ = ClubOrder::kName;
};

// Compares Windows-1252 names the way the user's language sorts them.
bool CollatedLess(std::string_view a, std::string_view b);

}  // namespace torvale
