#pragma once
// CDlgManagAll: the country editor's page "Sonstige Trainer/Manager" — the country's
// additional managers (officials without a club, persons of the world's person table) — and
// CDlgManagerEdit, the small editor of one of them: names, nationality, birth date, role and
// the four manager abilities.

#include <QDialog>
#include <array>

#include "ui/country/country_list_page.h"

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace torvale {

class CPlayer;
class CSpinEditCtrl;
class CWorldDatabase;

class CDlgManagerEdit : public QDialog {
  Q_OBJECT
 public:
  CDlgManagerEdit(const CPlayer& person, const CWorldDatabase& world, int language, QWidget* parent);
  // Writes the fields into `person`.
  void StoreInto(CPlayer& person) const;

 private:
  QLineEdit* firstName_ = nullptr;
  QLineEdit* surname_ = nullptr;
  QLineEdit* nickname_ = nullptr;
  QComboBox* nationality_ = nullptr;
  QDateEdit* birthDate_ = nullptr;
  QComboBox* role_ = nullptr;
  std::array<CSpinEditCtrl*, 4> abilities_{};
};

class CDlgManagAll : public CCountryListPage {
  Q_OBJECT
 public:
  CDlgManagAll(EditorContext& context, QWidget* parent);

  void New() override;
  void Change(int key) override;
  void Delete(int key) override;

 protected:
  // Keys are player ids.
  std::vector<int> Keys() const override;
  QString Cell(int key, int column) const override;
};

}  // namespace torvale
