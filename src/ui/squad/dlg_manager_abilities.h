#pragma once
// CDlgManagerAbilities: the page "Fähigkeiten" of officials — the four manager abilities,
// the preferred formation, the favourite player and the clubs a coach or manager loves or
// would never join.

#include <array>

#include "ui/squad/person_page.h"

class QLabel;

namespace torvale {

class ClubReferenceField;
class FavouritePlayerField;

class CDlgManagerAbilities : public CPersonPage {
  Q_OBJECT
 public:
  CDlgManagerAbilities(CWorldDatabase& world, QWidget* parent);

 protected:
  void LoadFields(const CPlayer& person) override;
  void StoreFields(CPlayer& person) override;

 private:
  std::array<CSpinEditCtrl*, 4> abilities_{};
  QComboBox* formation_;
  FavouritePlayerField* favouritePlayer_;
  ClubReferenceField* favouriteClub_;
  ClubReferenceField* neverMovesTo_;
};

}  // namespace torvale
