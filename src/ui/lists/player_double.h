#pragma once
// CPlayerDouble: "Doppelte Spieler anzeigen", the report of persons under contract who carry
// exactly the same surname and first name. The scope ("Alle", "Nur von <Land>", "Nur von
// <Verein>", the narrowest available preselected) and the birth-date flag filter the pairs;
// "delplayer1"/"delplayer2" take the first or second person of the selected row out of every
// list, committed through the world's change door, and the report is rebuilt.

#include <QDialog>
#include <cstdint>
#include <vector>

#include "persons/duplicate_players.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace torvale {

class CReportList;
class WorldChanges;

class CPlayerDouble : public QDialog {
  Q_OBJECT
 public:
  // `country` 0 / `clubId` 0: none given.
  CPlayerDouble(WorldChanges& changes, int language, int country, uint32_t clubId, QWidget* parent = nullptr);

  DuplicateScope Scope() const;
  const std::vector<DuplicateRow>& Rows() const { return rows_; }
  CReportList& List() const { return *list_; }

  // Rebuilds the index, the pairs and the rows.
  void Rebuild();
  // Removes side 0 or 1 of the selected row; false when nothing was removed.
  bool RemoveSelected(int side);

 private:
  void SortAndShow();
  void OnHeaderClicked(int column);
  void UpdateButtons();

  WorldChanges& changes_;
  int language_;
  int country_;
  uint32_t clubId_;
  SortOrder order_;
  NameCompare collation_;
  std::vector<DuplicateRow> rows_;
  QRadioButton* all_;
  QRadioButton* onlyCountry_;
  QRadioButton* onlyClub_;
  QCheckBox* sameBirthDate_;
  CReportList* list_;
  QPushButton* delete1_;
  QPushButton* delete2_;
};

}  // namespace torvale
