#include "ui/squad/dlg_player_position_england.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "ui/controls/spin_edit_ctrl.h"
#include "ui/squad/person_field_texts.h"
#include "world/player.h"

namespace torvale {

CDlgPlayerPositionEngland::CDlgPlayerPositionEngland(CWorldDatabase& world, QWidget* parent)
    : CPersonPage(world, parent) {
  setObjectName("CDlgPlayerPositionEngland");
  const QStringList positions = PositionLongTexts();
  mainPosition_ = new QComboBox(this);
  mainPosition_->setObjectName("mainPosition");
  for (int i = 0; i < positions.size(); ++i) mainPosition_->addItem(positions[i], i + 1);
  Watch(mainPosition_);
  for (size_t slot = 0; slot < secondary_.size(); ++slot) {
    auto* box = new QComboBox(this);
    box->setObjectName(QStringLiteral("secondaryPosition%1").arg(slot));
    box->addItem(QStringLiteral("keine"), 0);
    for (int i = 0; i < positions.size(); ++i) box->addItem(positions[i], i + 1);
    Watch(box);
    secondary_[slot] = box;
  }
  const QStringList areas = {QStringLiteral("Torwart:"), QStringLiteral("Abwehr:"), QStringLiteral("Mittelfeld:"),
                             QStringLiteral("Angriff:")};
  for (size_t area = 0; area < ratings_.size(); ++area)
    ratings_[area] = MakeSpin(QStringLiteral("rating%1").arg(area), 0, kMaxRating);
  foot_ = MakeCombo("foot", FootTexts());

  QFormLayout* form = nullptr;
  QGroupBox* positionGroup = MakeGroup(QStringLiteral("Positionen"), form);
  form->addRow(QStringLiteral("Hauptposition:"), mainPosition_);
  form->addRow(QStringLiteral("Nebenpositionen (bis zu zwei):"), secondary_[0]);
  form->addRow(QString(), secondary_[1]);
  form->addRow(QString::fromUtf8("Bevorzugter Fuß:"), foot_);

  QGroupBox* ratingGroup = MakeGroup(QStringLiteral("Bewertung nach Mannschaftsteil (0-6)"), form);
  for (size_t area = 0; area < ratings_.size(); ++area) form->addRow(areas[static_cast<int>(area)], ratings_[area]);
  auto* hint = new QLabel(QString::fromUtf8("Die Bewertung des Mannschaftsteils der Hauptposition bildet die "
                                            "Grundlage der Spielerstärke."),
                          this);
  hint->setWordWrap(true);
  hint->setProperty("role", "caption");
  form->addRow(hint);

  auto* grid = new QGridLayout(this);
  grid->addWidget(positionGroup, 0, 0);
  grid->addWidget(ratingGroup, 0, 1);
  grid->setRowStretch(1, 1);
}

void CDlgPlayerPositionEngland::LoadFields(const CPlayer& person) {
  // Position 0 shows as goalkeeper, as everywhere in the game.
  SelectData(mainPosition_, person.mainPosition == 0 ? kPositionGoalkeeper : person.mainPosition);
  for (size_t slot = 0; slot < secondary_.size(); ++slot) SelectData(secondary_[slot], person.secondaryPositions[slot]);
  for (size_t area = 0; area < ratings_.size(); ++area) ratings_[area]->SetValue(person.Rating(static_cast<int>(area)));
  foot_->setCurrentIndex(person.foot <= kFootLeft ? person.foot : kFootRight);
}

void CDlgPlayerPositionEngland::StoreFields(CPlayer& person) {
  const int main = SelectedData(mainPosition_);
  // A stored 0 stays 0 while the box still shows the goalkeeper it stands for.
  if (!(person.mainPosition == 0 && main == kPositionGoalkeeper)) person.mainPosition = static_cast<uint8_t>(main);
  for (size_t slot = 0; slot < secondary_.size(); ++slot)
    person.secondaryPositions[slot] = static_cast<uint8_t>(SelectedData(secondary_[slot]));
  for (size_t area = 0; area < ratings_.size(); ++area) {
    // Stored values above 6 count as 6; they are kept while the field still shows 6.
    StoreShown(person.ratings[area], ratings_[area]->Value(), 0, kMaxRating);
  }
  person.foot = static_cast<uint8_t>(foot_->currentIndex());
}

}  // namespace torvale
