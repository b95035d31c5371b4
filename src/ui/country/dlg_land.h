#pragma once
// CDlgLand: the country editor's page "Allgemeine Informationen" — the federation and its
// president, the reporters, the national newspaper, transfers, strength, climate, titles,
// the languages spoken with their shares, and the notes.

#include <array>

#include "ui/country/country_page.h"
#include "world/country.h"
#include "world/country_editing.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;

namespace torvale {

class CSpinEditCtrl;

class CDlgLand : public CCountryPage {
  Q_OBJECT
 public:
  CDlgLand(EditorContext& context, QWidget* parent);

  void SetCountry(CCountry& country) override;
  void Store() override;

 private:
  QWidget* MakePresidentGroup();
  QWidget* MakeReporterGroup();
  QWidget* MakeSettingsGroup();
  QWidget* MakeTitlesGroup();
  QWidget* MakeLanguagesGroup();
  // A scroll bar with its value text beside it.
  QWidget* MakeScrollRow(QScrollBar*& bar, QLabel*& text, int minimum, int maximum, const QString& name);
  void BirthMonthChanged();
  void UpdateAge();
  void UpdateLanguageSum();
  void ContinentClicked(int continent);

  QLineEdit* federation_ = nullptr;
  QButtonGroup* continent_ = nullptr;
  QLineEdit* presidentSurname_ = nullptr;
  QLineEdit* presidentFirstName_ = nullptr;
  CSpinEditCtrl* birthDay_ = nullptr;
  CSpinEditCtrl* birthMonth_ = nullptr;
  CSpinEditCtrl* birthYear_ = nullptr;
  QLabel* age_ = nullptr;
  bool birthDateEdited_ = false;
  bool loading_ = false;
  std::array<QLineEdit*, kReporterCount> reporterFirst_{};
  std::array<QLineEdit*, kReporterCount> reporterSurname_{};
  QLineEdit* newspaper_ = nullptr;
  QScrollBar* moveAbroad_ = nullptr;
  QLabel* moveAbroadText_ = nullptr;
  QComboBox* teamTransfers_ = nullptr;
  QCheckBox* generateNames_ = nullptr;
  QScrollBar* strength_ = nullptr;
  QLabel* strengthText_ = nullptr;
  QComboBox* climate_ = nullptr;
  std::array<QScrollBar*, 4> titles_{};
  std::array<QLabel*, 4> titleTexts_{};
  QComboBox* window1_ = nullptr;
  QComboBox* window2_ = nullptr;
  std::array<QComboBox*, kSpokenLanguageSlots> languages_{};
  std::array<CSpinEditCtrl*, kSpokenLanguageSlots> shares_{};
  QLabel* languageSum_ = nullptr;
  QPlainTextEdit* notes_ = nullptr;
};

}  // namespace torvale
