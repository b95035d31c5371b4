#pragma once
// CDlgReferees: the country editor's page "Schiedsrichter" — the country's referees with
// their character, and the referee editor "Schiedsrichter ändern".

#include <QDialog>

#include "ui/country/country_list_page.h"
#include "world/small_records.h"

class QButtonGroup;
class QLineEdit;

namespace torvale {

class CDlgRefereeChange : public QDialog {
  Q_OBJECT
 public:
  CDlgRefereeChange(const CReferee& referee, QWidget* parent);
  // The referee as edited (first name cut to the 15 characters the record keeps).
  CReferee Result() const;

 private:
  CReferee referee_;
  QLineEdit* firstName_ = nullptr;
  QLineEdit* surname_ = nullptr;
  QButtonGroup* character_ = nullptr;
};

class CDlgReferees : public CCountryListPage {
  Q_OBJECT
 public:
  CDlgReferees(EditorContext& context, QWidget* parent);

  void New() override;
  void Change(int key) override;
  void Delete(int key) override;

 protected:
  std::vector<int> Keys() const override;
  QString Cell(int key, int column) const override;
};

}  // namespace torvale
