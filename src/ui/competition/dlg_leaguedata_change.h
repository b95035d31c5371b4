#pragma once
// CDlgLeaguedataChange: "Ligadaten" of one league — its names, size, rounds, multipliers and
// money — together with what the country keeps for the league's level: the foreign-player
// limit, the tie-break order, the relegation rule below the level (only the rules the league
// system layout offers there) and whether reserve teams may play. OK commits it all as one
// change of the country.

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace torvale {

class CCountry;
class CDBLeague;
class CSpinEditCtrl;
class WorldChanges;
struct LeagueSystemLayout;

class CDlgLeaguedataChange : public QDialog {
  Q_OBJECT
 public:
  CDlgLeaguedataChange(WorldChanges& changes, CCountry& country, CDBLeague& league,
                       const LeagueSystemLayout& layout, int level, QWidget* parent = nullptr);

  void accept() override;

 private:
  QWidget* MakeLeagueGroup();
  QWidget* MakeMoneyGroup();
  QWidget* MakeLevelGroup(const LeagueSystemLayout& layout);
  void Load();
  void Apply();

  WorldChanges& changes_;
  CCountry& country_;
  CDBLeague& league_;
  int level_;
  QLineEdit* name_ = nullptr;
  QLineEdit* shortName_ = nullptr;
  CSpinEditCtrl* teams_ = nullptr;
  QButtonGroup* rounds_ = nullptr;
  CSpinEditCtrl* spectators_ = nullptr;
  CSpinEditCtrl* transfers_ = nullptr;
  std::array<QLineEdit*, 3> money_{};  // television, first place, per place lower
  QComboBox* foreignLimit_ = nullptr;
  QComboBox* tieBreak_ = nullptr;
  QComboBox* relegation_ = nullptr;
  QCheckBox* reserves_ = nullptr;
};

}  // namespace torvale
