#pragma once
// CDlgPlayerPositionEngland: the page "Position" — main position, up to two secondary
// positions, the four ratings (goalkeeper, defence, midfield, attack) and the preferred foot.

#include <array>

#include "ui/squad/person_page.h"

namespace torvale {

class CDlgPlayerPositionEngland : public CPersonPage {
  Q_OBJECT
 public:
  CDlgPlayerPositionEngland(CWorldDatabase& world, QWidget* parent);

 protected:
  void LoadFields(const CPlayer& person) override;
  void StoreFields(CPlayer& person) override;

 private:
  QComboBox* mainPosition_;
  std::array<QComboBox*, 2> secondary_{};
  std::array<CSpinEditCtrl*, 4> ratings_{};
  QComboBox* foot_;
};

}  // namespace torvale
