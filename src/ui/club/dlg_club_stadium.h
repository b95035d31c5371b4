#pragma once
// "Stadion/Umgebung": the club's venues from its country's stadium list, its facility levels,
// its position on the map, the countries its youth and its favourite signings come from, and
// the city graphic.

#include <array>
#include <tuple>

#include "ui/club/club_page.h"
#include "world/club.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace torvale {

class CDlgClubStadium : public CClubPage {
  Q_OBJECT
 public:
  CDlgClubStadium(CClub& club, const ClubEditorContext& context, QWidget* parent = nullptr);

  void LoadPage() override;
  bool StorePage() override;

  // The button "Wähle Datei": the city graphic from the city folder.
  void ChooseCityGraphic();

 private:
  struct Position {
    QSpinBox* degrees = nullptr;
    QSpinBox* minutes = nullptr;
    QComboBox* hemisphere = nullptr;
    std::tuple<bool, int, int> loaded;
    std::tuple<bool, int, int> Shown() const;
    void Show(bool second, int degreeValue, int minuteValue);
  };
  QWidget* MakeStadiumGroup();
  QWidget* MakeFacilityGroup();
  QWidget* MakePositionGroup();
  QWidget* MakeTransferGroup();
  QWidget* MakeCityGroup();
  void ShowCityGraphic();

  QComboBox* home_ = nullptr;
  QComboBox* alternative_ = nullptr;
  std::array<QComboBox*, kFacilityCount> facilities_ = {};
  Position latitude_;
  Position longitude_;
  QComboBox* youth_ = nullptr;
  std::array<QComboBox*, 2> preferred_ = {};
  QLabel* cityFile_ = nullptr;
};

}  // namespace torvale
