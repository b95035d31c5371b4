#include "ui/squad/dlg_manager_abilities.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/squad/club_reference_field.h"
#include "ui/squad/favourite_player_field.h"
#include "ui/squad/person_field_texts.h"
#include "world/player.h"

namespace torvale {

namespace {

constexpr int kHighestManagerAbility = 15;

}  // namespace

CDlgManagerAbilities::CDlgManagerAbilities(CWorldDatabase& world, QWidget* parent) : CPersonPage(world, parent) {
  setObjectName("CDlgManagerAbilities");
  const QStringList names = ManagerAbilityTexts();
  QFormLayout* form = nullptr;
  QGroupBox* abilities = MakeGroup(QString::fromUtf8("Fähigkeiten (0-15)"), form);
  for (size_t i = 0; i < abilities_.size(); ++i) {
    abilities_[i] = MakeSpin(QStringLiteral("managerAbility%1").arg(i), 0, kHighestManagerAbility);
    form->addRow(names[static_cast<int>(i)] + ':', abilities_[i]);
  }
  formation_ = MakeCombo("formation", FormationTexts());
  form->addRow(QStringLiteral("Bevorzugte Formation:"), formation_);

  QGroupBox* preferences = MakeGroup(QStringLiteral("Vorlieben"), form);
  favouritePlayer_ = new FavouritePlayerField(world, this);
  connect(favouritePlayer_, &FavouritePlayerField::edited, this, &CDlgManagerAbilities::Changed);
  form->addRow(QStringLiteral("Lieblingsspieler (Nr.):"), favouritePlayer_);
  favouriteClub_ = new ClubReferenceField(world, "favouriteClub", this);
  neverMovesTo_ = new ClubReferenceField(world, "neverMovesTo", this);
  connect(favouriteClub_, &ClubReferenceField::edited, this, &CDlgManagerAbilities::Changed);
  connect(neverMovesTo_, &ClubReferenceField::edited, this, &CDlgManagerAbilities::Changed);
  form->addRow(QStringLiteral("Lieblingsverein:"), favouriteClub_);
  form->addRow(QStringLiteral("Wechselt nie zu:"), neverMovesTo_);

  auto* grid = new QGridLayout(this);
  grid->addWidget(abilities, 0, 0);
  grid->addWidget(preferences, 0, 1);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(1, 1);
}

void CDlgManagerAbilities::LoadFields(const CPlayer& person) {
  for (size_t i = 0; i < abilities_.size(); ++i) abilities_[i]->SetValue(person.managerAbilities[i]);
  SelectData(formation_, person.formation);
  favouritePlayer_->SetPlayerId(person.favouritePlayer);
  favouriteClub_->SetClubId(person.favouriteClub);
  neverMovesTo_->SetClubId(person.neverMovesTo);
}

void CDlgManagerAbilities::StoreFields(CPlayer& person) {
  for (size_t i = 0; i < abilities_.size(); ++i)
    StoreShown(person.managerAbilities[i], abilities_[i]->Value(), 0, kHighestManagerAbility);
  if (formation_->findData(person.formation) >= 0 || formation_->currentIndex() != 0)
    person.formation = static_cast<uint8_t>(SelectedData(formation_));
  person.favouritePlayer = favouritePlayer_->PlayerId();
  person.favouriteClub = favouriteClub_->ClubId();
  person.neverMovesTo = neverMovesTo_->ClubId();
}

}  // namespace torvale
