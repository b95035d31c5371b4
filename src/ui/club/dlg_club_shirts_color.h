#pragma once
// "Trikot Farbauswahl": picks a kit colour from the club colour list, shown as a palette of
// swatches with their names. A number the list does not name stays chosen until another
// colour is picked.

#include <QDialog>
#include <cstdint>

class QButtonGroup;
class QLabel;

namespace torvale {

class CTeamColourTextFile;

class CDlgClubShirtsColor : public QDialog {
  Q_OBJECT
 public:
  CDlgClubShirtsColor(const CTeamColourTextFile* colours, uint32_t current, QWidget* parent = nullptr);

  uint32_t Colour() const { return colour_; }
  // Picks a colour as a click on its swatch does.
  void Choose(uint32_t number);

 private:
  void ShowChoice();

  const CTeamColourTextFile* colours_;
  uint32_t colour_;
  QButtonGroup* swatches_ = nullptr;
  QLabel* choice_ = nullptr;
  QLabel* sample_ = nullptr;
};

}  // namespace torvale
