#pragma once
// CDlgPlayerAllRight: the page "Allgemeine Information" of players and officials — names,
// nationalities, birth date, club details (team and shirt number for players, the role for
// officials), contract, languages and the picture.

#include <QSet>
#include <array>

#include "ui/squad/person_page.h"

class QLabel;

namespace torvale {

class CDlgPlayerAllRight : public CPersonPage {
  Q_OBJECT
 public:
  CDlgPlayerAllRight(CWorldDatabase& world, QWidget* parent);

  // Players see team and shirt number, officials their role.
  void SetOfficialMode(bool officials);
  // Roles another person of the club already holds: they cannot be chosen (one per role).
  void SetTakenRoles(const QSet<int>& roles);

 protected:
  void LoadFields(const CPlayer& person) override;
  void StoreFields(CPlayer& person) override;

 private:
  void LanguageChosen(int slot);
  void ShowLanguages(const CPlayer& person);
  void ShowAge();

  QLineEdit* firstName_;
  QLineEdit* surname_;
  QLineEdit* nickname_;
  QLineEdit* stageName_;
  QComboBox* nationality_;
  QComboBox* secondNationality_;
  QCheckBox* domestic_;
  QDateEdit* birthDate_;
  QLabel* age_;
  QComboBox* role_;
  QComboBox* team_;
  CSpinEditCtrl* shirtNumber_;
  CSpinEditCtrl* contractStart_;
  CSpinEditCtrl* contractEnd_;
  std::array<QComboBox*, 4> languages_{};
  QLineEdit* speechFile_;
  CSpinEditCtrl* starHead_;
  QCheckBox* ownPicture_;
  CSpinEditCtrl* siblingId_;
  QFormLayout* clubForm_;
};

}  // namespace torvale
