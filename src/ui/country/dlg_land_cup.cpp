#include "ui/country/dlg_land_cup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "competition/competition_registry.h"
#include "competition/cup.h"
#include "ui/country/choice_combo.h"
#include "ui/country/country_texts.h"
#include "ui/country/country_widgets.h"
#include "world/country.h"

namespace torvale {

namespace {

// The national cups whose money the page edits, in the order of the "Wettbewerb" list.
constexpr int kMoneyCups[] = {CompKind::FA_CUP, CompKind::LE_CUP, CompKind::CHALLENGE_SHIELD, CompKind::CONFERENCE_CUP,
                              CompKind::SUPERCUP};

QString CupKindText(int kind) {
  switch (kind) {
    case CompKind::FA_CUP: return QStringLiteral("Pokal");
    case CompKind::LE_CUP: return QStringLiteral("Ligapokal");
    case CompKind::CHALLENGE_SHIELD: return QStringLiteral("Challenge Shield");
    case CompKind::CONFERENCE_CUP: return QStringLiteral("Conference Cup");
    default: return QStringLiteral("Supercup");
  }
}

QComboBox* MakeModeCombo(const QList<CupModeChoice>& choices, QWidget* parent, const QString& name) {
  auto* combo = new QComboBox(parent);
  for (const CupModeChoice& choice : choices) combo->addItem(choice.text, choice.mode);
  combo->setObjectName(name);
  return combo;
}

QCheckBox* MakeCheck(const QString& text, QWidget* parent, const QString& name) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  return box;
}

CDBCup* FindCup(CCountry& country, int kind) {
  return country.Competitions().Find<CDBCup>(MakeCompetitionId(country.CountryNumber(), kind, 0));
}

}  // namespace

CDlgLandCup::CDlgLandCup(EditorContext& context, QWidget* parent) : CCountryPage(context, parent) {
  auto* columns = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(MakeCupGroup());
  left->addWidget(MakeOtherCupsGroup());
  left->addStretch();
  columns->addLayout(left, 1);
  columns->addWidget(MakeCardGroups(), 1);
  auto* right = new QVBoxLayout;
  right->addWidget(MakeMoneyGroup());
  right->addStretch();
  columns->addLayout(right, 1);
}

QWidget* CDlgLandCup::MakeCupGroup() {
  auto* box = new QGroupBox(QStringLiteral("Pokal"), this);
  auto* form = new QFormLayout(box);
  cupName_ = MakeLimitedEdit(box, CDBCompetition::kNameSize - 1, QStringLiteral("cupName"));
  cupShortName_ = MakeLimitedEdit(box, CDBCompetition::kShortNameChars, QStringLiteral("cupShortName"));
  cupMode_ = MakeModeCombo(NationalCupModes(), box, QStringLiteral("cupMode"));
  form->addRow(QStringLiteral("Name"), cupName_);
  form->addRow(QStringLiteral("Name (PS2)"), cupShortName_);
  form->addRow(QStringLiteral("Pokalmodus"), cupMode_);
  homeAdvantage_ = MakeCheck(QString::fromUtf8("Heimvorteil für Mannschaften ab Regionalliga"), box,
                             QStringLiteral("homeAdvantage"));
  noReserveSwitch_ = MakeCheck(QString::fromUtf8("Spieler darf nicht für 2.Mannschaften während eines Jahres spielen"),
                               box, QStringLiteral("noReserveSwitch"));
  form->addRow(homeAdvantage_);
  form->addRow(noReserveSwitch_);
  finalStadium_ = new QComboBox(box);
  finalStadium_->setObjectName(QStringLiteral("finalStadium"));
  form->addRow(QStringLiteral("Endspielstadion"), finalStadium_);
  return box;
}

QWidget* CDlgLandCup::MakeOtherCupsGroup() {
  auto* holder = new QWidget(this);
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* leagueCup = new QGroupBox(QStringLiteral("Ligapokal"), holder);
  auto* leagueForm = new QFormLayout(leagueCup);
  leagueCupName_ = MakeLimitedEdit(leagueCup, CDBCompetition::kNameSize - 1, QStringLiteral("leagueCupName"));
  leagueCupShortName_ = MakeLimitedEdit(leagueCup, CDBCompetition::kShortNameChars, QStringLiteral("leagueCupShortName"));
  leagueCupMode_ = MakeModeCombo(LeagueCupModes(), leagueCup, QStringLiteral("leagueCupMode"));
  leagueForm->addRow(QStringLiteral("Name"), leagueCupName_);
  leagueForm->addRow(QStringLiteral("Name (PS2)"), leagueCupShortName_);
  leagueForm->addRow(QStringLiteral("Modus"), leagueCupMode_);
  layout->addWidget(leagueCup);

  auto* superCup = new QGroupBox(QStringLiteral("Supercup"), holder);
  auto* superForm = new QFormLayout(superCup);
  superCupName_ = MakeLimitedEdit(superCup, CDBCompetition::kNameSize - 1, QStringLiteral("superCupName"));
  superCupShortName_ = MakeLimitedEdit(superCup, CDBCompetition::kShortNameChars, QStringLiteral("superCupShortName"));
  superCupMode_ = MakeModeCombo(SuperCupModes(), superCup, QStringLiteral("superCupMode"));
  superForm->addRow(QStringLiteral("Name"), superCupName_);
  superForm->addRow(QStringLiteral("Name (PS2)"), superCupShortName_);
  superForm->addRow(QStringLiteral("Modus"), superCupMode_);
  layout->addWidget(superCup);

  auto* winter = new QGroupBox(QStringLiteral("Winterpause"), holder);
  auto* winterLayout = new QHBoxLayout(winter);
  winterBreak_ = MakeCheck(QStringLiteral("Winterpause"), winter, QStringLiteral("winterBreak"));
  indoor_ = MakeCheck(QStringLiteral("Hallenrunde"), winter, QStringLiteral("indoorTournament"));
  winterLayout->addWidget(winterBreak_);
  winterLayout->addWidget(indoor_);
  // The game reads no indoor tournament without a winter break.
  connect(winterBreak_, &QCheckBox::toggled, indoor_, &QWidget::setEnabled);
  layout->addWidget(winter);
  return holder;
}

QWidget* CDlgLandCup::MakeCardGroups() {
  auto* holder = new QWidget(this);
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* yellow = new QGroupBox(QStringLiteral("Gelbe Karten"), holder);
  auto* yellowForm = new QFormLayout(yellow);
  yellowLeague_ = MakeChoiceCombo(YellowCardRuleTexts(), yellow);
  yellowLeague_->setObjectName(QStringLiteral("yellowLeagueRule"));
  yellowCup_ = MakeChoiceCombo(YellowCardRuleTexts(), yellow);
  yellowCup_->setObjectName(QStringLiteral("yellowCupRule"));
  const QString afterYellowRed = QString::fromUtf8("nach einer gelb-roten Karte zählt auch die gelbe Karte");
  yellowAfterYellowRedLeague_ = MakeCheck(afterYellowRed, yellow, QStringLiteral("yellowAfterYellowRedLeague"));
  yellowAfterYellowRedCup_ = MakeCheck(afterYellowRed, yellow, QStringLiteral("yellowAfterYellowRedCup"));
  yellowScope_ = MakeCheck(QStringLiteral("Sperren gelten für alle nationale Wettbewerbe"), yellow,
                           QStringLiteral("yellowScope"));
  yellowForm->addRow(QStringLiteral("Regel (Liga)"), yellowLeague_);
  yellowForm->addRow(yellowAfterYellowRedLeague_);
  yellowForm->addRow(QStringLiteral("Regel (Pokal)"), yellowCup_);
  yellowForm->addRow(yellowAfterYellowRedCup_);
  yellowForm->addRow(yellowScope_);
  layout->addWidget(yellow);

  auto* yellowRed = new QGroupBox(QStringLiteral("Durch Gelb-Rote Karten"), holder);
  auto* yellowRedLayout = new QGridLayout(yellowRed);
  yellowRedLayout->addWidget(new QLabel(QStringLiteral("1 Spiel Sperre in"), yellowRed), 0, 0, 1, 5);
  for (int level = 0; level < 5; ++level) {
    yellowRedLevels_[level] = MakeCheck(QStringLiteral("%1. Liga").arg(level + 1), yellowRed,
                                        QStringLiteral("yellowRedBan%1").arg(level));
    yellowRedLayout->addWidget(yellowRedLevels_[level], 1 + level / 3, level % 3);
  }
  yellowRedScope_ = MakeCheck(QString::fromUtf8("Sperren gelten für alle Wettb."), yellowRed,
                              QStringLiteral("yellowRedScope"));
  yellowRedLayout->addWidget(yellowRedScope_, 3, 0, 1, 3);
  layout->addWidget(yellowRed);

  auto* red = new QGroupBox(QStringLiteral("Rote Karten"), holder);
  auto* redForm = new QFormLayout(red);
  redRule_ = MakeChoiceCombo(RedCardRuleTexts(), red);
  redRule_->setObjectName(QStringLiteral("redCardRule"));
  redForm->addRow(QStringLiteral("Regel"), redRule_);
  auto* durations = new QHBoxLayout;
  redFixed_ = new QRadioButton(QStringLiteral("Feste Dauer"), red);
  redFixed_->setObjectName(QStringLiteral("redFixedDuration"));
  redVariable_ = new QRadioButton(QStringLiteral("Variable Dauer"), red);
  redVariable_->setObjectName(QStringLiteral("redVariableDuration"));
  durations->addWidget(redFixed_);
  durations->addWidget(redVariable_);
  redForm->addRow(QStringLiteral("Sperren"), durations);
  redScope_ = MakeCheck(QString::fromUtf8("Sperren gelten für alle nationalen Wettbewerbe"), red,
                        QStringLiteral("redScope"));
  redForm->addRow(redScope_);
  layout->addWidget(red);
  layout->addStretch();
  return holder;
}

QWidget* CDlgLandCup::MakeMoneyGroup() {
  auto* box = new QGroupBox(QString::fromUtf8("Prämien in Wettbewerben"), this);
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel(QStringLiteral("Wettbewerb"), box), 0, 0);
  moneyCup_ = new QComboBox(box);
  moneyCup_->setObjectName(QStringLiteral("moneyCompetition"));
  grid->addWidget(moneyCup_, 0, 1);
  moneyKind_ = new QButtonGroup(this);
  auto* kinds = new QHBoxLayout;
  const QString kindTexts[] = {QString::fromUtf8("Prämie"), QStringLiteral("Fernsehen")};
  for (int i = 0; i < kShownMoneyValues; ++i) {
    auto* radio = new QRadioButton(kindTexts[i], box);
    radio->setObjectName(QStringLiteral("moneyKind%1").arg(i));
    moneyKind_->addButton(radio, i);
    kinds->addWidget(radio);
  }
  moneyKind_->button(0)->setChecked(true);
  grid->addLayout(kinds, 1, 0, 1, 2);
  const QString rounds[] = {QStringLiteral("1. Runde"), QStringLiteral("2. Runde"), QStringLiteral("3. Runde"),
                            QStringLiteral("4. Runde"), QStringLiteral("5. Runde"), QStringLiteral("Viertelfinale"),
                            QStringLiteral("Halbfinale"), QStringLiteral("Finale")};
  for (int slot = 0; slot < kCupSlots; ++slot) {
    grid->addWidget(new QLabel(rounds[slot], box), 2 + slot, 0);
    moneyRounds_[slot] = new QLineEdit(box);
    moneyRounds_[slot]->setObjectName(QStringLiteral("moneyRound%1").arg(slot));
    moneyRounds_[slot]->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), moneyRounds_[slot]));
    moneyRounds_[slot]->setAlignment(Qt::AlignRight);
    grid->addWidget(moneyRounds_[slot], 2 + slot, 1);
  }
  grid->addWidget(new QLabel(QString::fromUtf8("Sämtliche Geldbeträge sind Euroangaben!"), box), 2 + kCupSlots, 0, 1, 2);
  connect(moneyCup_, &QComboBox::currentIndexChanged, this, [this] {
    KeepMoneyEdits();
    ShowMoney();
  });
  connect(moneyKind_, &QButtonGroup::idClicked, this, [this] {
    KeepMoneyEdits();
    ShowMoney();
  });
  return box;
}

void CDlgLandCup::KeepMoneyEdits() {
  auto it = money_.find(shownCup_);
  if (it == money_.end()) return;
  for (int slot = 0; slot < kCupSlots; ++slot)
    if (moneyRounds_[slot]->isEnabled())
      it->second[static_cast<size_t>(shownKind_ * kCupSlots + slot)] = moneyRounds_[slot]->text().toInt();
}

void CDlgLandCup::ShowMoney() {
  shownCup_ = moneyCup_->currentData().isValid() ? moneyCup_->currentData().toInt() : -1;
  shownKind_ = std::max(0, moneyKind_->checkedId());
  auto it = money_.find(shownCup_);
  CDBCup* cup = HasCountry() && shownCup_ >= 0 ? FindCup(Country(), shownCup_) : nullptr;
  // A cup of n rounds keeps its money in the last n slots.
  const int firstSlot = cup != nullptr ? kCupSlots - std::min(cup->RoundCount(), kCupSlots) : kCupSlots;
  for (int slot = 0; slot < kCupSlots; ++slot) {
    const bool used = it != money_.end() && slot >= firstSlot;
    moneyRounds_[slot]->setEnabled(used);
    moneyRounds_[slot]->setText(used ? QString::number(it->second[static_cast<size_t>(shownKind_ * kCupSlots + slot)])
                                     : QString());
  }
}

void CDlgLandCup::SetCountry(CCountry& country) {
  SetCountryPointer(country);
  auto loadNames = [&](int kind, QLineEdit& name, QLineEdit& shortName) {
    const CDBCup* cup = FindCup(country, kind);
    name.setText(cup != nullptr ? FromCp1252(cup->Name()) : QString());
    shortName.setText(cup != nullptr ? FromCp1252(cup->ShortName()) : QString());
  };
  loadNames(CompKind::FA_CUP, *cupName_, *cupShortName_);
  loadNames(CompKind::LE_CUP, *leagueCupName_, *leagueCupShortName_);
  loadNames(CompKind::SUPERCUP, *superCupName_, *superCupShortName_);
  SetChoice(*cupMode_, country.nationalCupMode);
  SetChoice(*leagueCupMode_, country.leagueCupMode);
  SetChoice(*superCupMode_, country.superCupMode);
  homeAdvantage_->setChecked(country.ClubOption(kClubOptionHomeAdvantage));
  noReserveSwitch_->setChecked(country.ClubOption(kClubOptionNoReserveSwitch));

  finalStadium_->clear();
  finalStadium_->addItem(QStringLiteral("(kein)"), 0);
  for (const auto& [number, stadium] : country.Stadiums())
    finalStadium_->addItem(FromCp1252(stadium.name), number);
  SetChoice(*finalStadium_, country.cupFinalStadium);

  winterBreak_->setChecked(country.winterBreak != 0);
  indoor_->setChecked(country.indoorTournament != 0);
  indoor_->setEnabled(winterBreak_->isChecked());
  SetChoice(*yellowLeague_, country.YellowCardRule(false));
  SetChoice(*yellowCup_, country.YellowCardRule(true));
  yellowAfterYellowRedLeague_->setChecked(country.YellowCountsAfterYellowRed(false));
  yellowAfterYellowRedCup_->setChecked(country.YellowCountsAfterYellowRed(true));
  yellowScope_->setChecked(country.SuspensionScope(kScopeYellowAllNational));
  for (int level = 0; level < 5; ++level) yellowRedLevels_[level]->setChecked(country.YellowRedBan(level));
  yellowRedScope_->setChecked(country.SuspensionScope(kScopeYellowRedAll));
  SetChoice(*redRule_, country.redCardRule);
  (country.RedCardFixedDuration() ? redFixed_ : redVariable_)->setChecked(true);
  redScope_->setChecked(country.SuspensionScope(kScopeRedAllNational));

  money_.clear();
  {
    const QSignalBlocker blocker(moneyCup_);
    moneyCup_->clear();
    for (int kind : kMoneyCups) {
      const CDBCup* cup = FindCup(country, kind);
      if (cup == nullptr) continue;
      MoneyTable table{};
      cup->GetMoney(table);
      money_[kind] = table;
      moneyCup_->addItem(QStringLiteral("%1: %2").arg(CupKindText(kind), FromCp1252(cup->Name())), kind);
    }
  }
  ShowMoney();
}

void CDlgLandCup::StoreCupName(int kind, const QLineEdit& name, const QLineEdit& shortName) {
  if (CDBCup* cup = FindCup(Country(), kind)) {
    const std::string before = std::string(cup->Name()) + '\n' + cup->ShortName();
    cup->SetName(ToCp1252(name.text()));
    cup->SetShortName(ToCp1252(shortName.text()));
    storedCups_ |= before != std::string(cup->Name()) + '\n' + cup->ShortName();
  }
}

void CDlgLandCup::Store() {
  if (!HasCountry()) return;
  CCountry& country = Country();
  storedCups_ = false;
  KeepMoneyEdits();
  // The money edited belongs to the cups as they were; a cup rebuilt for a new mode starts
  // with the money of its new format.
  for (const auto& [kind, table] : money_)
    if (CDBCup* cup = FindCup(country, kind)) {
      MoneyTable before{};
      cup->GetMoney(before);
      cup->SetMoney(table);
      storedCups_ |= before != table;
    }
  // A changed mode rebuilds its cup: the country's mode field tells the change.
  country.SetNationalCupMode(Choice(*cupMode_));
  country.SetLeagueCupMode(Choice(*leagueCupMode_));
  country.SetSuperCupMode(Choice(*superCupMode_));
  StoreCupName(CompKind::FA_CUP, *cupName_, *cupShortName_);
  StoreCupName(CompKind::LE_CUP, *leagueCupName_, *leagueCupShortName_);
  StoreCupName(CompKind::SUPERCUP, *superCupName_, *superCupShortName_);
  country.SetClubOption(kClubOptionHomeAdvantage, homeAdvantage_->isChecked());
  country.SetClubOption(kClubOptionNoReserveSwitch, noReserveSwitch_->isChecked());
  country.cupFinalStadium = Choice(*finalStadium_);
  country.winterBreak = winterBreak_->isChecked() ? 1 : 0;
  country.indoorTournament = winterBreak_->isChecked() && indoor_->isChecked() ? 1 : 0;
  country.SetYellowCardRule(false, Choice(*yellowLeague_));
  country.SetYellowCardRule(true, Choice(*yellowCup_));
  country.SetYellowCountsAfterYellowRed(false, yellowAfterYellowRedLeague_->isChecked());
  country.SetYellowCountsAfterYellowRed(true, yellowAfterYellowRedCup_->isChecked());
  country.SetSuspensionScope(kScopeYellowAllNational, yellowScope_->isChecked());
  for (int level = 0; level < 5; ++level) country.SetYellowRedBan(level, yellowRedLevels_[level]->isChecked());
  country.SetSuspensionScope(kScopeYellowRedAll, yellowRedScope_->isChecked());
  country.redCardRule = static_cast<uint8_t>(Choice(*redRule_));
  country.SetRedCardFixedDuration(redFixed_->isChecked());
  country.SetSuspensionScope(kScopeRedAllNational, redScope_->isChecked());
  SetCountry(country);
}

}  // namespace torvale
