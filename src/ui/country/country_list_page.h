#pragma once
// CCountryListPage: the frame of the country editor's list pages — a list of the country's
// records with "&Neu", "Ä&ndern" and "&Löschen" (a double click changes too). Every command
// is committed at once as one change of the country.

#include "ui/country/country_page.h"

class QPushButton;
class QTableView;

namespace torvale {

class CountryListModel;

class CCountryListPage : public CCountryPage {
  Q_OBJECT
 public:
  CCountryListPage(EditorContext& context, QWidget* parent, const QStringList& headers);

  void SetCountry(CCountry& country) override;
  bool StoresOnLeave() const override { return false; }

  QTableView* View() const { return view_; }
  // The key of the selected row; -1 when none is selected.
  int SelectedKey() const;
  void SelectKey(int key);

  // The commands, also for tests and the screenshots.
  virtual void New() = 0;
  virtual void Change(int key) = 0;
  virtual void Delete(int key) = 0;

 protected:
  // The keys of the listed records, in list order, and a cell's text.
  virtual std::vector<int> Keys() const = 0;
  virtual QString Cell(int key, int column) const = 0;
  // Shows the list again after a command.
  void Reload();

 private:
  QTableView* view_ = nullptr;
  CountryListModel* model_ = nullptr;
};

}  // namespace torvale
