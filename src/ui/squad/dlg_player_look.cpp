#include "ui/squad/dlg_player_look.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/squad/appearance_preview.h"
#include "ui/squad/person_field_texts.h"
#include "world/player.h"
#include "world/player_format.h"

namespace torvale {

namespace {

// The game reads heights and weights back clamped to these.
constexpr int kLowestHeight = 150;
constexpr int kHighestHeight = 220;
constexpr int kLowestWeight = 50;
constexpr int kHighestWeight = 150;

}  // namespace

CDlgPlayerLook::CDlgPlayerLook(CWorldDatabase& world, QWidget* parent)
    : CPersonPage(world, parent), preview_(std::make_unique<AppearancePreview>()) {
  setObjectName("CDlgPlayerLook");
  const std::array<AppearanceChoices, 5> choices = {HairColourChoices(), SkinColourChoices(), FaceChoices(),
                                                    HairStyleChoices(), FacialHairChoices()};
  const QStringList names = {QStringLiteral("hairColour"), QStringLiteral("skinColour"), QStringLiteral("face"),
                             QStringLiteral("hairStyle"), QStringLiteral("facialHair")};
  const QStringList labels = {QStringLiteral("Haarfarbe:"), QStringLiteral("Hautfarbe:"), QStringLiteral("Gesicht:"),
                              QStringLiteral("Frisur:"), QStringLiteral("Bart:")};
  QFormLayout* form = nullptr;
  QGroupBox* looks = MakeGroup(QStringLiteral("Aussehen"), form);
  for (size_t i = 0; i < looks_.size(); ++i) {
    auto* box = new QComboBox(this);
    box->setObjectName(names[static_cast<int>(i)]);
    firstValue_[i] = choices[i].first;
    for (int k = 0; k < choices[i].texts.size(); ++k) box->addItem(choices[i].texts[k], choices[i].first + k);
    Watch(box);
    connect(box, &QComboBox::currentIndexChanged, this, [this] {
      if (!Loading()) SendAppearance();
    });
    looks_[i] = box;
    form->addRow(labels[static_cast<int>(i)], box);
  }

  height_ = MakeSpin("height", kLowestHeight, kHighestHeight);
  weight_ = MakeSpin("weight", kLowestWeight, kHighestWeight);
  headType_ = MakeSpin("headType", 0, 255);
  heightImperial_ = new QLabel(this);
  weightImperial_ = new QLabel(this);
  heightImperial_->setProperty("role", "caption");
  weightImperial_->setProperty("role", "caption");
  connect(height_, &CSpinEditCtrl::valueChanged, this, &CDlgPlayerLook::ShowImperial);
  connect(weight_, &CSpinEditCtrl::valueChanged, this, &CDlgPlayerLook::ShowImperial);
  QFormLayout* bodyForm = nullptr;
  QGroupBox* body = MakeGroup(QStringLiteral("Körper"), bodyForm);
  auto row = [this](CSpinEditCtrl* spin, QLabel* imperial, const QString& unit) {
    auto* widget = new QWidget(this);
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(spin);
    layout->addWidget(new QLabel(unit, widget));
    layout->addWidget(imperial, 1);
    return widget;
  };
  bodyForm->addRow(QString::fromUtf8("Größe:"), row(height_, heightImperial_, QStringLiteral("cm")));
  bodyForm->addRow(QStringLiteral("Gewicht:"), row(weight_, weightImperial_, QStringLiteral("kg")));
  bodyForm->addRow(QStringLiteral("Kopftyp:"), headType_);

  auto* previewGroup = new QGroupBox(QStringLiteral("Vorschau"), this);
  auto* previewLayout = new QVBoxLayout(previewGroup);
  auto* frame = new QFrame(previewGroup);
  frame->setObjectName("previewPlaceholder");
  frame->setFrameShape(QFrame::StyledPanel);
  frame->setMinimumSize(240, 260);
  placeholder_ = frame;
  previewLayout->addWidget(frame);

  auto* grid = new QGridLayout(this);
  grid->addWidget(looks, 0, 0);
  grid->addWidget(body, 1, 0);
  grid->addWidget(previewGroup, 0, 1, 3, 1);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(1, 1);
}

CDlgPlayerLook::~CDlgPlayerLook() { preview_->Detach(); }

bool CDlgPlayerLook::PreviewAttached() const { return preview_->IsAttached(); }

std::array<uint32_t, 5> CDlgPlayerLook::ShownAppearance() const {
  std::array<uint32_t, 5> numbers{};
  for (size_t i = 0; i < looks_.size(); ++i) numbers[i] = static_cast<uint32_t>(SelectedData(looks_[i]));
  return numbers;
}

void CDlgPlayerLook::SendAppearance() {
  if (Person()) preview_->Show(ShownAppearance());
}

void CDlgPlayerLook::ShowImperial() {
  heightImperial_->setText(FromCp1252(FormatHeightImperial(height_->Value())));
  weightImperial_->setText(FromCp1252(FormatWeightImperial(weight_->Value())));
}

void CDlgPlayerLook::LoadFields(const CPlayer& person) {
  const std::array<uint8_t, 5> numbers = {person.hairColour, person.skinColour, person.face, person.hairStyle,
                                          person.facialHair};
  for (size_t i = 0; i < looks_.size(); ++i) {
    // A number outside the list (an old file's conversion gives 0) shows the list's first
    // entry and is kept until the user picks another.
    const int index = looks_[i]->findData(numbers[i]);
    looks_[i]->setCurrentIndex(index >= 0 ? index : 0);
  }
  height_->SetValue(person.ClampedHeight());
  weight_->SetValue(person.ClampedWeight());
  headType_->SetValue(person.headType);
  ShowImperial();
  SendAppearance();
}

void CDlgPlayerLook::StoreFields(CPlayer& person) {
  std::array<uint8_t*, 5> fields = {&person.hairColour, &person.skinColour, &person.face, &person.hairStyle,
                                    &person.facialHair};
  const std::array<uint32_t, 5> shown = ShownAppearance();
  for (size_t i = 0; i < fields.size(); ++i)
    if (looks_[i]->findData(*fields[i]) >= 0 || static_cast<int>(shown[i]) != firstValue_[i])
      *fields[i] = static_cast<uint8_t>(shown[i]);
  if (person.ClampedHeight() != height_->Value()) person.height = static_cast<uint8_t>(height_->Value());
  if (person.ClampedWeight() != weight_->Value()) person.weight = static_cast<uint8_t>(weight_->Value());
  person.headType = static_cast<uint8_t>(headType_->Value());
}

void CDlgPlayerLook::showEvent(QShowEvent* event) {
  CPersonPage::showEvent(event);
  preview_->Attach(placeholder_, ShownAppearance());
}

void CDlgPlayerLook::hideEvent(QHideEvent* event) {
  preview_->Detach();
  CPersonPage::hideEvent(event);
}

}  // namespace torvale
