#pragma once
// The main window's statistics block: leagues, clubs, persons and the two average strengths,
// then the persons by talent, each for the selected country and for the whole world. The
// figures come from the core (CountryStatistics); the panel only formats them.

#include <QWidget>
#include <array>

#include "database/world_statistics.h"

class QLabel;

namespace torvale {

class MainStatisticsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit MainStatisticsPanel(QWidget* parent = nullptr);

  void Show(const CountryStatistics& country, const CountryStatistics& total);
  // The heading over the country column (the selected country's name).
  void SetCountryName(const QString& name);

 private:
  enum Row { kLeagues, kClubs, kPersons, kPlayerStrength, kClubStrength, kTalent0, kRowCount = kTalent0 + kShownTalentLevels };
  std::array<QLabel*, kRowCount> country_{};
  std::array<QLabel*, kRowCount> total_{};
  QLabel* countryHeading_ = nullptr;
};

}  // namespace torvale
