#pragma once
// "Allgemeine Informationen": the club's names in the database languages with their grammar,
// founding year, finances, start conditions, rivals, address, press, the spectator questions
// and the squad figures.

#include <array>

#include "ui/club/club_page.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QCheckBox;

namespace torvale {

class CSpinEditCtrl;

class CDlgClub : public CClubPage {
  Q_OBJECT
 public:
  CDlgClub(CClub& club, const ClubEditorContext& context, QWidget* parent = nullptr);

  void LoadPage() override;
  bool StorePage() override;

 private:
  QWidget* MakeGeneralGroup();
  QWidget* MakeFinanceGroup();
  QWidget* MakeStartGroup();
  QWidget* MakeAddressGroup();
  QWidget* MakePressGroup();
  QWidget* MakeSpectatorGroup();
  QWidget* MakeTeamGroup();

  void LoadLanguageFields();
  void StoreLanguageFields();
  void OnLanguageChosen();
  void RefreshGrammar();
  void ShowAssets(int position);
  void FillClubBoxes();

  int shownLanguage_ = 0;
  int loadedAssetsPosition_ = -1;

  QComboBox* language_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* shortName_ = nullptr;
  QLineEdit* abbreviation_ = nullptr;
  QLineEdit* town_ = nullptr;
  QPushButton* nameArticle_ = nullptr;
  QPushButton* fanArticle_ = nullptr;
  QPushButton* secondFanArticle_ = nullptr;
  QLabel* nameArticlePreview_ = nullptr;
  QLabel* fanArticlePreview_ = nullptr;
  QLabel* secondFanArticlePreview_ = nullptr;
  std::array<QPushButton*, 2> sentenceForm_ = {};
  std::array<QLabel*, 2> sentencePreview_ = {};
  QComboBox* speech_ = nullptr;
  CSpinEditCtrl* foundingYear_ = nullptr;
  CSpinEditCtrl* assets_ = nullptr;
  QLabel* assetsAmount_ = nullptr;
  QCheckBox* publicCompany_ = nullptr;
  QButtonGroup* deduction_ = nullptr;
  QScrollBar* prestige_ = nullptr;
  QLabel* prestigeValue_ = nullptr;
  QComboBox* fanFriendship_ = nullptr;
  QComboBox* archRival1_ = nullptr;
  QComboBox* archRival2_ = nullptr;
  QLineEdit* fansName_ = nullptr;
  QLineEdit* secondFansName_ = nullptr;
  QLineEdit* mascot_ = nullptr;
  QLineEdit* address_ = nullptr;
  QLineEdit* phone_ = nullptr;
  QLineEdit* website_ = nullptr;
  QLineEdit* fanSites_ = nullptr;
  QLineEdit* newspaper_ = nullptr;
  std::array<QLineEdit*, 3> spectators_ = {};
  std::array<QLabel*, 2> teamCount_ = {};
  std::array<QLabel*, 2> teamStrength_ = {};
};

}  // namespace torvale
