#pragma once
// CDlgLandYouthplayer: the country editor's page "Spieler Aussehen" — which faces, haircuts,
// hair colours and beards the game gives the country's generated youth players (four bit
// masks, one list item per bit from bit 1), and their average height and weight.

#include <array>

#include "ui/country/country_page.h"

class QLabel;
class QListWidget;

namespace torvale {

class CSpinEditCtrl;

class CDlgLandYouthplayer : public CCountryPage {
  Q_OBJECT
 public:
  CDlgLandYouthplayer(EditorContext& context, QWidget* parent);

  void SetCountry(CCountry& country) override;
  void Store() override;

 private:
  struct MaskList {
    int mask;  // YouthMask
    QListWidget* list;
  };
  std::array<MaskList, 4> lists_{};
  CSpinEditCtrl* height_ = nullptr;
  CSpinEditCtrl* weight_ = nullptr;
  QLabel* heightImperial_ = nullptr;
  QLabel* weightImperial_ = nullptr;
};

}  // namespace torvale
