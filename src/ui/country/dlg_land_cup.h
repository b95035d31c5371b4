#pragma once
// CDlgLandCup: the country editor's page "Pokal" — the national cups' names and modes, the
// cup final stadium, winter break, the card and suspension rules, and the prize and
// television money per round of each national cup. Storing sets each cup mode through the
// country, which rebuilds a cup whose mode changed.

#include <array>
#include <map>

#include "competition/competition_id.h"
#include "ui/country/country_page.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace torvale {

class CDlgLandCup : public CCountryPage {
  Q_OBJECT
 public:
  CDlgLandCup(EditorContext& context, QWidget* parent);

  void SetCountry(CCountry& country) override;
  void Store() override;
  bool StoredBeyondFields() const override { return storedCups_; }

 private:
  static constexpr int kCupSlots = 8;
  static constexpr int kShownMoneyValues = 2;  // "Prämie" (value 0), "Fernsehen" (value 1)
  using MoneyTable = std::array<int32_t, 32>;

  QWidget* MakeCupGroup();
  QWidget* MakeOtherCupsGroup();
  QWidget* MakeCardGroups();
  QWidget* MakeMoneyGroup();
  void ShowMoney();
  void KeepMoneyEdits();
  void StoreCupName(int kind, const QLineEdit& name, const QLineEdit& shortName);

  QLineEdit* cupName_ = nullptr;
  QLineEdit* cupShortName_ = nullptr;
  QComboBox* cupMode_ = nullptr;
  QCheckBox* homeAdvantage_ = nullptr;
  QCheckBox* noReserveSwitch_ = nullptr;
  QComboBox* finalStadium_ = nullptr;
  QLineEdit* leagueCupName_ = nullptr;
  QLineEdit* leagueCupShortName_ = nullptr;
  QComboBox* leagueCupMode_ = nullptr;
  QLineEdit* superCupName_ = nullptr;
  QLineEdit* superCupShortName_ = nullptr;
  QComboBox* superCupMode_ = nullptr;
  QCheckBox* winterBreak_ = nullptr;
  QCheckBox* indoor_ = nullptr;
  QComboBox* yellowLeague_ = nullptr;
  QComboBox* yellowCup_ = nullptr;
  QCheckBox* yellowAfterYellowRedLeague_ = nullptr;
  QCheckBox* yellowAfterYellowRedCup_ = nullptr;
  QCheckBox* yellowScope_ = nullptr;
  std::array<QCheckBox*, 5> yellowRedLevels_{};
  QCheckBox* yellowRedScope_ = nullptr;
  QComboBox* redRule_ = nullptr;
  QRadioButton* redFixed_ = nullptr;
  QRadioButton* redVariable_ = nullptr;
  QCheckBox* redScope_ = nullptr;
  QComboBox* moneyCup_ = nullptr;
  QButtonGroup* moneyKind_ = nullptr;
  std::array<QLineEdit*, kCupSlots> moneyRounds_{};
  // The money tables being edited, per cup kind; written to the cups on storing.
  std::map<int, MoneyTable> money_;
  int shownCup_ = -1;
  int shownKind_ = 0;
  bool storedCups_ = false;
};

}  // namespace torvale
