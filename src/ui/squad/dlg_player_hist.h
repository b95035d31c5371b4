#pragma once
// CDlgPlayerHist: the page "Historische Daten" — the person's clubs (first, last, favourite,
// second preference, loaned to, never moves to), favourite country and player, national team
// record and status, the season-start special with its period, and the notes.

#include <array>

#include "ui/squad/person_page.h"

class QLabel;

namespace torvale {

class ClubReferenceField;
class FavouritePlayerField;

class CDlgPlayerHist : public CPersonPage {
  Q_OBJECT
 public:
  CDlgPlayerHist(CWorldDatabase& world, QWidget* parent);

 protected:
  void LoadFields(const CPlayer& person) override;
  void StoreFields(CPlayer& person) override;

 private:
  std::array<ClubReferenceField*, 6> clubs_{};
  QComboBox* favouriteCountry_;
  FavouritePlayerField* favouritePlayer_;
  CSpinEditCtrl* caps_;
  CSpinEditCtrl* goals_;
  QCheckBox* retired_;
  QCheckBox* current_;
  QComboBox* special_;
  QDateEdit* specialStart_;
  QDateEdit* specialEnd_;
  QPlainTextEdit* notes_;
};

}  // namespace torvale
