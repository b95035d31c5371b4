#pragma once
// CDlg5Year: the 5-year ranking of the countries, best first, with "Ändern" for the points of
// the chosen country (CDlg5YearChange); the list is rebuilt after every change.

#include <QDialog>

class QTableWidget;

namespace torvale {

class EditorContext;

class CDlg5Year : public QDialog {
  Q_OBJECT
 public:
  CDlg5Year(EditorContext& context, QWidget* parent = nullptr);

  // Fills the list from the world; the country `select` is selected afterwards.
  void Rebuild(int select = 0);
  // The country of a list row; 0 for none.
  int CountryOfRow(int row) const;
  // "Ändern" for the selected country; true when the points were changed.
  bool ChangeSelected();

 private:
  EditorContext& context_;
  QTableWidget* list_ = nullptr;
};

}  // namespace torvale
