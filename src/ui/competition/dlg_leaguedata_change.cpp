#include "ui/competition/dlg_leaguedata_change.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "competition/league.h"
#include "competition/league_data.h"
#include "competition/league_system.h"
#include "competition/league_system_layouts.h"
#include "competition/relegation_rules.h"
#include "platform/string_table.h"
#include "ui/common/world_changes.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/country/country_widgets.h"
#include "ui/country/choice_combo.h"
#include "ui/country/country_texts.h"
#include "world/country.h"
#include "world/country_editing.h"

namespace torvale {

namespace {

constexpr int kShortNameChars = CDBCompetition::kShortNameChars;
constexpr int kMoneyDigits = 8;
constexpr int kMinRounds = 2;
constexpr int kMaxRounds = 4;
// Money values of a league: 3 television, 1 bonus for first place, 2 deduction per place.
constexpr int kMoneyValues[3] = {3, 1, 2};

CSpinEditCtrl* MakeMultiplierSpin(QWidget* parent, int maximum, const QString& name) {
  auto* spin = new CSpinEditCtrl(parent);
  spin->SetRange(1, maximum);
  // Percent shown as a factor with two decimals: 150 reads "1,50".
  spin->SetFixedPoint(100.0f, QStringLiteral("%s%d,%02d"));
  spin->setObjectName(name);
  return spin;
}

}  // namespace

CDlgLeaguedataChange::CDlgLeaguedataChange(WorldChanges& changes, CCountry& country, CDBLeague& league,
                                           const LeagueSystemLayout& layout, int level, QWidget* parent)
    : QDialog(parent), changes_(changes), country_(country), league_(league), level_(level) {
  setWindowTitle(QStringLiteral("Ligadaten"));
  setObjectName(QStringLiteral("CDlgLeaguedataChange"));
  auto* layoutMain = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  columns->addWidget(MakeLeagueGroup());
  auto* right = new QVBoxLayout;
  right->addWidget(MakeMoneyGroup());
  right->addWidget(MakeLevelGroup(layout));
  right->addStretch();
  columns->addLayout(right);
  layoutMain->addLayout(columns);
  AddOkCancelButtons(*this, *layoutMain);
  Load();
}

QWidget* CDlgLeaguedataChange::MakeLeagueGroup() {
  auto* box = new QGroupBox(QStringLiteral("Liga"), this);
  auto* form = new QFormLayout(box);
  name_ = MakeLimitedEdit(box, kMaxLeagueNameChars, QStringLiteral("leagueName"));
  shortName_ = MakeLimitedEdit(box, kShortNameChars, QStringLiteral("leagueShortName"));
  form->addRow(QStringLiteral("Name"), name_);
  form->addRow(QStringLiteral("Name (PS2)"), shortName_);
  teams_ = new CSpinEditCtrl(box);
  teams_->SetRange(2, CDBLeague::kMaxTeams);
  teams_->setObjectName(QStringLiteral("leagueSize"));
  form->addRow(QStringLiteral("Ligengröße"), teams_);

  auto* roundsBox = new QGroupBox(QStringLiteral("Anzahl Spielrunden"), box);
  auto* roundsLayout = new QHBoxLayout(roundsBox);
  rounds_ = new QButtonGroup(this);
  for (int r = kMinRounds; r <= kMaxRounds; ++r) {
    auto* radio = new QRadioButton(QStringLiteral("%1 Runden").arg(r), roundsBox);
    radio->setObjectName(QStringLiteral("rounds%1").arg(r));
    rounds_->addButton(radio, r);
    roundsLayout->addWidget(radio);
  }
  form->addRow(roundsBox);
  spectators_ = MakeMultiplierSpin(box, 200, QStringLiteral("spectatorMultiplier"));
  transfers_ = MakeMultiplierSpin(box, 250, QStringLiteral("transferMultiplier"));
  form->addRow(QStringLiteral("Zuschauermultiplikator"), spectators_);
  form->addRow(QStringLiteral("Transfermarkt Multiplikator"), transfers_);
  return box;
}

QWidget* CDlgLeaguedataChange::MakeMoneyGroup() {
  auto* box = new QGroupBox(QStringLiteral("Geld"), this);
  auto* form = new QFormLayout(box);
  const QString labels[] = {QStringLiteral("Fernsehgelder"), QString::fromUtf8("Bonuszahlung für 1. Platz"),
                            QStringLiteral("Abzug für jeden Platz tiefer")};
  const QString names[] = {QStringLiteral("television"), QStringLiteral("firstPlaceBonus"),
                           QStringLiteral("perPlaceDeduction")};
  for (size_t i = 0; i < money_.size(); ++i) {
    money_[i] = new QLineEdit(box);
    money_[i]->setMaxLength(kMoneyDigits);
    money_[i]->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,8}")), money_[i]));
    money_[i]->setObjectName(names[i]);
    form->addRow(labels[i], money_[i]);
  }
  form->addRow(new QLabel(QString::fromUtf8("Sämtliche Geldbeträge sind in Euro!"), box));
  return box;
}

QWidget* CDlgLeaguedataChange::MakeLevelGroup(const LeagueSystemLayout& layout) {
  auto* box = new QGroupBox(QStringLiteral("%1. Liga (alle Ligen der Ebene)").arg(level_ + 1), this);
  auto* form = new QFormLayout(box);
  foreignLimit_ = MakeChoiceCombo(ForeignPlayerLimitTexts(), box);
  foreignLimit_->setObjectName(QStringLiteral("foreignPlayerLimit"));
  form->addRow(QString::fromUtf8("Begrenzung ausländischer Spieler"), foreignLimit_);
  tieBreak_ = MakeChoiceCombo(TieBreakTexts(), box);
  tieBreak_->setObjectName(QStringLiteral("tieBreak"));
  form->addRow(QString::fromUtf8("Sortierreihenfolge bei Punktgleichheit"), tieBreak_);
  relegation_ = new QComboBox(box);
  relegation_->setObjectName(QStringLiteral("relegationRule"));
  for (int rule = 0; rule < kRelegationRuleCount; ++rule)
    if (layout.Offers(level_, rule)) relegation_->addItem(FromCp1252(LoadString(RelegationRuleTextId(rule))), rule);
  form->addRow(QStringLiteral("Abstiegsregelung"), relegation_);
  reserves_ = new QCheckBox(QStringLiteral("Reservemannschaften erlaubt"), box);
  reserves_->setObjectName(QStringLiteral("reservesAllowed"));
  form->addRow(reserves_);
  return box;
}

void CDlgLeaguedataChange::Load() {
  name_->setText(FromCp1252(league_.Name()));
  shortName_->setText(FromCp1252(league_.ShortName()));
  teams_->SetValue(league_.NumberOfTeams());
  if (QAbstractButton* button = rounds_->button(league_.Rounds())) button->setChecked(true);
  spectators_->SetValue(league_.SpectatorMultiplier());
  transfers_->SetValue(league_.TransferMultiplier());
  for (size_t i = 0; i < money_.size(); ++i) money_[i]->setText(QString::number(league_.GetMoneyValue(kMoneyValues[i])));
  SetChoice(*foreignLimit_, country_.foreignPlayerLimits[level_]);
  SetChoice(*tieBreak_, country_.tieBreakRules[level_]);
  // The level's rule; one the layout does not offer reads as 0, as switching layouts keeps it.
  const int index = relegation_->findData(country_.LevelRelegationRule(level_));
  relegation_->setCurrentIndex(index >= 0 ? index : 0);
  reserves_->setChecked(ReservesAllowedOnLevel(country_, level_));
}

void CDlgLeaguedataChange::Apply() {
  LeagueData data;
  data.name = ToCp1252(name_->text());
  data.shortName = ToCp1252(shortName_->text());
  data.teams = teams_->GetValue();
  data.rounds = rounds_->checkedId() > 0 ? rounds_->checkedId() : league_.Rounds();
  data.spectatorMultiplier = spectators_->GetValue();
  data.transferMultiplier = transfers_->GetValue();
  data.relegationRule = relegation_->currentData().toInt();
  data.television = money_[0]->text().toInt();
  data.firstPlaceBonus = money_[1]->text().toInt();
  data.perPlaceDeduction = money_[2]->text().toInt();
  const int rule = ApplyLeagueData(league_, data);

  country_.foreignPlayerLimits[level_] = static_cast<uint8_t>(Choice(*foreignLimit_));
  country_.tieBreakRules[level_] = static_cast<uint8_t>(Choice(*tieBreak_));
  SetReservesAllowedOnLevel(country_, level_, reserves_->isChecked());
  // The level's rule decides which play-offs the league system needs.
  LevelRules rules = StoredRelegationRules(country_);
  rules[level_] = rule;
  BuildRelegationStructure(country_, rules);
}

void CDlgLeaguedataChange::accept() {
  changes_.Commit(ChangeScope::CountrySettings(country_.CountryNumber()), QString::fromUtf8("Ligadaten geändert"),
                  [this](CWorldDatabase&) { Apply(); });
  QDialog::accept();
}

}  // namespace torvale
