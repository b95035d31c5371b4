#pragma once
// CDlgPlayerAbilities: the page "Fähigkeiten" of players — the 16 abilities (field players'
// and goalkeepers'), talent, the bonus ability, experience and tactical education.

#include <array>

#include "ui/squad/person_page.h"
#include "world/player.h"

namespace torvale {

class CDlgPlayerAbilities : public CPersonPage {
  Q_OBJECT
 public:
  CDlgPlayerAbilities(CWorldDatabase& world, QWidget* parent);

 protected:
  void LoadFields(const CPlayer& person) override;
  void StoreFields(CPlayer& person) override;

 private:
  std::array<CSpinEditCtrl*, kAbilityCount> abilities_{};
  QComboBox* talent_;
  QComboBox* bonusAbility_;
  CSpinEditCtrl* leagueExperience_;
  CSpinEditCtrl* internationalExperience_;
  CSpinEditCtrl* tacticalEducation_;
};

}  // namespace torvale
