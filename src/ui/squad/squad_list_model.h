#pragma once
// SquadListModel: the persons of one list of the squad editor (first team, reserve team or
// officials) as rows over the world's person table. Players show "Name", "Pos.", "Nat.",
// "Stärke"; officials "Name", "Pos.", "Land". The rows hold ids only; every cell is read
// from the person when it is drawn, so an edit on a page shows as soon as the rows are
// refreshed.

#include <QAbstractTableModel>
#include <QCollator>
#include <cstdint>
#include <vector>

namespace torvale {

class CWorldDatabase;

class SquadListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum class Kind { kPlayers, kOfficials };
  enum PlayerColumn { kName = 0, kPosition, kNation, kStrength };

  SquadListModel(CWorldDatabase& world, Kind kind, QObject* parent);

  // New rows when the ids differ from the shown ones (in any order), else the same rows
  // redrawn. Keeps the current sort order.
  void SetPersons(std::vector<uint32_t> ids);
  const std::vector<uint32_t>& Persons() const { return ids_; }
  uint32_t IdAt(int row) const;
  int RowOf(uint32_t id) const;
  // Sorts the rows by a column; names in the user's collation.
  void SortBy(int column, bool ascending);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  void ApplySort();

  CWorldDatabase& world_;
  Kind kind_;
  std::vector<uint32_t> ids_;
  int sortColumn_ = -1;
  bool ascending_ = true;
  QCollator collator_;
};

}  // namespace torvale
