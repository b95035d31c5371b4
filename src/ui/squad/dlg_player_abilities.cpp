#include "ui/squad/dlg_player_abilities.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>

#include "ui/controls/spin_edit_ctrl.h"
#include "ui/squad/person_field_texts.h"

namespace torvale {

namespace {

constexpr int kLowestAbility = 1;
constexpr int kHighestAbility = 10;
constexpr int kHighestLeagueExperience = 6;
constexpr int kHighestInternationalExperience = 4;
constexpr int kHighestTacticalEducation = 8;
constexpr int kFirstKeeperAbility = kReflexes;

}  // namespace

CDlgPlayerAbilities::CDlgPlayerAbilities(CWorldDatabase& world, QWidget* parent) : CPersonPage(world, parent) {
  setObjectName("CDlgPlayerAbilities");
  const QStringList names = AbilityTexts();
  QFormLayout* fieldForm = nullptr;
  QFormLayout* keeperForm = nullptr;
  QGroupBox* field = MakeGroup(QStringLiteral("Feldspieler (1-10)"), fieldForm);
  QGroupBox* keeper = MakeGroup(QStringLiteral("Torwart (1-10)"), keeperForm);
  for (int i = 0; i < kAbilityCount; ++i) {
    CSpinEditCtrl* spin = MakeSpin(QStringLiteral("ability%1").arg(i), kLowestAbility, kHighestAbility);
    abilities_[static_cast<size_t>(i)] = spin;
    (i < kFirstKeeperAbility ? fieldForm : keeperForm)->addRow(names[i] + ':', spin);
  }

  talent_ = MakeCombo("talent", TalentTexts());
  bonusAbility_ = MakeCombo("bonusAbility", BonusAbilityTexts());
  leagueExperience_ = MakeSpin("leagueExperience", 0, kHighestLeagueExperience);
  internationalExperience_ = MakeSpin("internationalExperience", 0, kHighestInternationalExperience);
  tacticalEducation_ = MakeSpin("tacticalEducation", 0, kHighestTacticalEducation);
  QFormLayout* form = nullptr;
  QGroupBox* more = MakeGroup(QStringLiteral("Talent und Erfahrung"), form);
  form->addRow(QStringLiteral("Talent:"), talent_);
  form->addRow(QString::fromUtf8("Bonusfähigkeit:"), bonusAbility_);
  form->addRow(QStringLiteral("Nat. Erfahrung:"), leagueExperience_);
  form->addRow(QStringLiteral("Intern. Erfahrung:"), internationalExperience_);
  form->addRow(QStringLiteral("Taktische Ausbildung:"), tacticalEducation_);

  auto* grid = new QGridLayout(this);
  grid->addWidget(field, 0, 0, 2, 1);
  grid->addWidget(keeper, 0, 1);
  grid->addWidget(more, 1, 1);
  grid->setRowStretch(2, 1);
}

void CDlgPlayerAbilities::LoadFields(const CPlayer& person) {
  for (size_t i = 0; i < abilities_.size(); ++i) abilities_[i]->SetValue(person.abilities[i]);
  talent_->setCurrentIndex(person.talent & 7);
  SelectData(bonusAbility_, person.bonusAbility);
  leagueExperience_->SetValue(person.leagueExperience);
  internationalExperience_->SetValue(person.internationalExperience);
  tacticalEducation_->SetValue(person.tacticalEducation);
}

void CDlgPlayerAbilities::StoreFields(CPlayer& person) {
  for (size_t i = 0; i < abilities_.size(); ++i) {
    // Old files may hold 0, shown as 1; it stays until the user changes the field.
    StoreShown(person.abilities[i], abilities_[i]->Value(), kLowestAbility, kHighestAbility);
  }
  person.talent = static_cast<uint8_t>(talent_->currentIndex());
  person.bonusAbility = static_cast<uint8_t>(SelectedData(bonusAbility_));
  StoreShown(person.leagueExperience, leagueExperience_->Value(), 0, kHighestLeagueExperience);
  StoreShown(person.internationalExperience, internationalExperience_->Value(), 0, kHighestInternationalExperience);
  StoreShown(person.tacticalEducation, tacticalEducation_->Value(), 0, kHighestTacticalEducation);
}

}  // namespace torvale
