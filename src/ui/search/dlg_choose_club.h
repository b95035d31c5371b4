#pragma once
// "Verein auswählen": continent, country, club and team, for the transfer commands. The result
// is a club id of the current world, with bit 24 set when the reserve team was chosen.

#include <QDialog>
#include <cstdint>

class QComboBox;
class QListWidget;
class QRadioButton;

namespace torvale {

class CWorldDatabase;

class CDlgChooseClub : public QDialog {
  Q_OBJECT
 public:
  CDlgChooseClub(const CWorldDatabase& world, int language, QWidget* parent = nullptr);

  // Shows the club (bit 24: its reserve team) as chosen; ignored when it does not exist.
  void Preselect(uint32_t clubId);
  // The chosen club with bit 24 for the reserve team; 0 while no club is selected.
  uint32_t ChosenClub() const;

 private:
  void FillCountries();
  void FillClubs();

  const CWorldDatabase& world_;
  int language_;
  QComboBox* continent_;
  QListWidget* countries_;
  QListWidget* clubs_;
  QRadioButton* firstTeam_;
  QRadioButton* reserveTeam_;
};

}  // namespace torvale
