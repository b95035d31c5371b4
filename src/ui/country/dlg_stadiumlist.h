#pragma once
// CDlgStadiumlist: the country editor's page "Stadion Liste", and the stadium editor
// "Stadien" with the places of the eight stands. A stand cannot be a season ticket block and
// the guest block at once; the editor does not accept such a stadium.

#include <QDialog>
#include <array>

#include "ui/country/country_list_page.h"
#include "world/stadium.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace torvale {

class CSpinEditCtrl;
class CStadiumList;

class CDlgStadium : public QDialog {
  Q_OBJECT
 public:
  CDlgStadium(const CStadium& stadium, const CStadiumList& models, QWidget* parent);
  CStadium Result() const;
  void accept() override;

 private:
  void UpdateCapacity();

  CStadium stadium_;
  QLineEdit* name_ = nullptr;
  QLineEdit* town_ = nullptr;
  QComboBox* type_ = nullptr;
  std::array<std::array<CSpinEditCtrl*, 3>, kStandCount> places_{};
  std::array<QCheckBox*, kStandCount> seasonTicket_{};
  std::array<QCheckBox*, kStandCount> guest_{};
  QLabel* capacity_ = nullptr;
};

class CDlgStadiumlist : public CCountryListPage {
  Q_OBJECT
 public:
  CDlgStadiumlist(EditorContext& context, QWidget* parent);

  void New() override;
  void Change(int key) override;
  void Delete(int key) override;

 protected:
  std::vector<int> Keys() const override;
  QString Cell(int key, int column) const override;
};

}  // namespace torvale
