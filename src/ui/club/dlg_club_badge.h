#pragma once
// "Wappen": the club's badge (chosen in the badge chooser, shown at full size) and the three
// club colours the game paints behind the badge and the headlines.

#include <array>

#include "ui/club/club_page.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace torvale {

class CDlgClubBadge : public CClubPage {
  Q_OBJECT
 public:
  CDlgClubBadge(CClub& club, const ClubEditorContext& context, QWidget* parent = nullptr);

  void LoadPage() override;
  bool StorePage() override;

  // Opens the badge chooser on the club's badge (the button "Wappen auswählen").
  void ChooseBadge();

 private:
  void ShowBadge();
  void ShowColourSample();

  QPushButton* choose_ = nullptr;
  QLabel* currentFile_ = nullptr;
  QLabel* badge_ = nullptr;
  QLabel* sample_ = nullptr;
  std::array<QComboBox*, 3> colours_ = {};
};

}  // namespace torvale
