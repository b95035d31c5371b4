#pragma once
// SquadListView: what the squad editor's player lists (CDlgPlayerList) and officials' list
// (CDlgManagerList) share — the table of persons, the count and average strength under it,
// and the list side of the page protocol: before the selection or the rows change the list
// asks for the shown page to be stored (storePage), after a selection it names the person to
// show (showPerson, 0 for none). A right click asks for the context menu.

#include <QWidget>
#include <cstdint>
#include <vector>

#include "ui/squad/squad_list_model.h"

class QLabel;
class QTableView;

namespace torvale {

class SquadListView : public QWidget {
  Q_OBJECT
 public:
  SquadListView(CWorldDatabase& world, SquadListModel::Kind kind, const QString& countLabel, QWidget* parent);

  // Refills the rows (the shown page is stored first); the selected person stays selected
  // when still listed, else the first row is selected and shown.
  void SetPersons(const std::vector<uint32_t>& ids);
  // The summary under the list.
  void SetSummary(int count, float averageStrength);
  uint32_t SelectedId() const;
  // Selects a person as a click would (store, then show).
  void Select(uint32_t id);

  QTableView* Table() const { return table_; }
  SquadListModel* Model() const { return model_; }

 signals:
  void storePage();
  void showPerson(uint32_t id);
  void contextMenuRequested(const QPoint& globalPosition);

 protected:
  // A click on a column's sort button.
  virtual void SortButtonClicked(int column) = 0;

 private:
  void SelectionChanged();

  SquadListModel* model_;
  QTableView* table_;
  QLabel* count_;
  QLabel* average_;
  uint32_t shown_ = 0;
  bool refilling_ = false;
};

// The first-team and reserve lists: "Name", "Pos.", "Nat.", "Stärke" sort the rows.
class CDlgPlayerList : public SquadListView {
  Q_OBJECT
 public:
  CDlgPlayerList(CWorldDatabase& world, QWidget* parent);

 protected:
  void SortButtonClicked(int column) override;

 private:
  int sortColumn_ = -1;
  bool ascending_ = true;
};

// The officials' list; its column buttons sort nothing, the game lists officials in the
// order the club holds them.
class CDlgManagerList : public SquadListView {
  Q_OBJECT
 public:
  CDlgManagerList(CWorldDatabase& world, QWidget* parent);

 protected:
  void SortButtonClicked(int) override {}
};

}  // namespace torvale
