#include "ui/squad/dlg_player_character.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/squad/person_field_texts.h"

namespace torvale {

namespace {

constexpr int kLowestCharacter = 0;
constexpr int kHighestCharacter = 10;

}  // namespace

CDlgPlayerCharacter::CDlgPlayerCharacter(CWorldDatabase& world, QWidget* parent) : CPersonPage(world, parent) {
  setObjectName("CDlgPlayerCharacter");
  const QStringList names = CharacterTexts();
  auto* group = new QGroupBox(QStringLiteral("Charaktereigenschaften"), this);
  auto* grid = new QGridLayout(group);
  for (int trait = 0; trait < kCharacterCount; ++trait) {
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QStringLiteral("character%1").arg(trait));
    slider->setRange(kLowestCharacter, kHighestCharacter);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    auto* value = new QLabel(this);
    value->setMinimumWidth(90);
    value->setProperty("role", "figure");
    sliders_[static_cast<size_t>(trait)] = slider;
    values_[static_cast<size_t>(trait)] = value;
    grid->addWidget(new QLabel(names[trait] + ':', this), trait, 0);
    grid->addWidget(slider, trait, 1);
    grid->addWidget(value, trait, 2);
    connect(slider, &QSlider::valueChanged, this, [this, trait] { SliderMoved(trait); });
  }
  grid->setColumnStretch(1, 1);
  auto* hint = new QLabel(QString::fromUtf8("Hinweis: Maximal zwei Charaktereigenschaften dürfen von \"normal\" "
                                            "abweichen."),
                          this);
  hint->setObjectName("characterHint");
  hint->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(hint);
  layout->addStretch(1);
}

void CDlgPlayerCharacter::ShowValue(int trait) {
  const int value = sliders_[static_cast<size_t>(trait)]->value();
  values_[static_cast<size_t>(trait)]->setText(value == kCharacterNormal ? QStringLiteral("%1 (normal)").arg(value)
                                                                         : QString::number(value));
}

void CDlgPlayerCharacter::SliderMoved(int trait) {
  ShowValue(trait);
  if (Loading() || !Person()) return;
  QSlider* slider = sliders_[static_cast<size_t>(trait)];
  if (!Person()->SetCharacter(trait, static_cast<uint8_t>(slider->value()))) {
    // A third value away from normal: back to what the person has, which is normal.
    LoadGuard guard(*this);
    slider->setValue(Person()->character[static_cast<size_t>(trait)]);
    ShowValue(trait);
    return;
  }
  Changed();
}

void CDlgPlayerCharacter::LoadFields(const CPlayer& person) {
  for (int trait = 0; trait < kCharacterCount; ++trait) {
    sliders_[static_cast<size_t>(trait)]->setValue(person.character[static_cast<size_t>(trait)]);
    ShowValue(trait);
  }
}

void CDlgPlayerCharacter::StoreFields(CPlayer& person) {
  // Each move went through the person's rule already; storing repeats it, so a value the
  // rule would refuse never lands here either.
  // Values beyond the sliders' range stay as stored until a slider is moved.
  for (int trait = 0; trait < kCharacterCount; ++trait) {
    const int shown = sliders_[static_cast<size_t>(trait)]->value();
    if (std::clamp<int>(person.character[static_cast<size_t>(trait)], kLowestCharacter, kHighestCharacter) != shown)
      person.SetCharacter(trait, static_cast<uint8_t>(shown));
  }
}

}  // namespace torvale
