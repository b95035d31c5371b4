#pragma once
// CDlgPlayerWithoutClub: "Freie Spieler", the world's players without club. Several rows can
// be selected; "&Wechsel zum Verein" moves them into the club the club chooser returns (the
// reserve team when its id has bit 24), "&Löschen" deletes them from the world. Both commit
// through the world's change door; the list is refilled and the selection kept in place.

#include <QDialog>
#include <cstdint>
#include <functional>
#include <vector>

#include "persons/free_players.h"

class QPushButton;

namespace torvale {

class CReportList;
class WorldChanges;

// Asks for the target club: its id (bit 24 for the reserve team), 0 when cancelled.
using ClubChooser = std::function<uint32_t(QWidget* parent)>;

class CDlgPlayerWithoutClub : public QDialog {
  Q_OBJECT
 public:
  CDlgPlayerWithoutClub(WorldChanges& changes, ClubChooser chooser, QWidget* parent = nullptr);

  const std::vector<FreePlayerRow>& Rows() const { return rows_; }
  CReportList& List() const { return *list_; }

  void Refill();
  // The two commands on the selected rows; the number of persons moved or deleted.
  int MoveSelectedToClub();
  int DeleteSelected();

 private:
  void SortAndShow();
  void OnHeaderClicked(int column);
  std::vector<uint32_t> SelectedIds(std::vector<int>& rows) const;
  void SelectAfterRemovals(const std::vector<int>& selectedRows, const std::vector<uint32_t>& removedIds);

  WorldChanges& changes_;
  ClubChooser chooser_;
  SortOrder order_;
  NameCompare names_;
  NameCompare codes_;
  std::vector<FreePlayerRow> rows_;
  CReportList* list_;
  QPushButton* move_;
  QPushButton* delete_;
};

}  // namespace torvale
