#pragma once
// "Historische Daten": the club's all-time first-league figures, its titles as lists of years,
// its record results and its record attendance.

#include <array>

#include "ui/club/club_page.h"
#include "world/club.h"

class QLineEdit;
class QSpinBox;

namespace torvale {

class CDlgClubHist : public CClubPage {
  Q_OBJECT
 public:
  CDlgClubHist(CClub& club, const ClubEditorContext& context, QWidget* parent = nullptr);

  void LoadPage() override;
  // Refuses (and says which list and which entry) while a title list is not a list of years.
  bool StorePage() override;

 private:
  QWidget* MakeStatisticsGroup();
  QWidget* MakeTitleGroup();
  QWidget* MakeRecordGroup();

  std::array<QSpinBox*, 5> statistics_ = {};
  std::array<QLineEdit*, kTitleListCount> titles_ = {};
  std::array<QLineEdit*, kRecordCount> scores_ = {};  // the attendance for the last
  std::array<QLineEdit*, kRecordCount> opponents_ = {};
  std::array<QLineEdit*, kRecordCount> seasons_ = {};
};

}  // namespace torvale
