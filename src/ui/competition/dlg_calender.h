#pragma once
// CDlgCalender ("Rahmenterminkalender"): places the matchdays of a country's leagues and
// national cups on the days of the season. Clicks act on the world at once (Cancel keeps
// them); OK lists what is still inconsistent and closes with "OK" or "Egal" alike.

#include <QDialog>
#include <memory>

class QButtonGroup;
class QComboBox;
class QTableView;

namespace torvale {

class CCountry;
class CalenderTableModel;
class EditorContext;
class ScopedWorldTransaction;

class CDlgCalender : public QDialog {
  Q_OBJECT
 public:
  CDlgCalender(EditorContext& context, CCountry& country, QWidget* parent = nullptr);
  ~CDlgCalender() override;

  // Ends the dialog's change to the world: the clicks so far are one step for undo.
  void done(int result) override;

  // Whether a click changed the world.
  bool Changed() const { return changed_; }
  CalenderTableModel& Model() { return *model_; }
  // The first day row shown at the top.
  int TopDay() const;
  void ScrollToDay(int day);

  void accept() override;

 private:
  void EndTransaction();
  void CellClicked(int row, int column);
  void ComparisonChosen(int comboIndex);
  void FitColumns();

  EditorContext& context_;
  CCountry& country_;
  std::unique_ptr<ScopedWorldTransaction> transaction_;
  CalenderTableModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QButtonGroup* modes_ = nullptr;
  QComboBox* comparison_ = nullptr;
  bool changed_ = false;
};

}  // namespace torvale
