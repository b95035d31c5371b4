#pragma once
// CDlgPlayerpool: the country editor's page "Jugendspieler" — the entries in use of the
// country's youth player pool — and the entry editor "Jugendspieler".

#include <QDialog>

#include "ui/country/country_list_page.h"
#include "world/small_records.h"

class QComboBox;
class QLineEdit;

namespace torvale {

class CSpinEditCtrl;
class CWorldDatabase;

class CDlgPlayerpoolEntry : public QDialog {
  Q_OBJECT
 public:
  CDlgPlayerpoolEntry(const CPlayerPoolEntry& entry, const CWorldDatabase& world, const CCountry& country,
                      QWidget* parent);
  CPlayerPoolEntry Result() const;
  void accept() override;

 private:
  CPlayerPoolEntry entry_;
  QLineEdit* firstName_ = nullptr;
  QLineEdit* surname_ = nullptr;
  QComboBox* nationality_ = nullptr;
  CSpinEditCtrl* ability_ = nullptr;
  QComboBox* club_ = nullptr;
  QComboBox* teamPart_ = nullptr;
};

class CDlgPlayerpool : public CCountryListPage {
  Q_OBJECT
 public:
  CDlgPlayerpool(EditorContext& context, QWidget* parent);

  void New() override;
  void Change(int key) override;
  void Delete(int key) override;

 protected:
  // Keys are places in the pool array.
  std::vector<int> Keys() const override;
  QString Cell(int key, int column) const override;
};

// "Name", "Nationalität" and "Verein" of the world's countries and clubs for the pool's lists.
QString CountryNameText(const CWorldDatabase& world, int countryId, int language);

}  // namespace torvale
