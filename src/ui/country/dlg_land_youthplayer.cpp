#include "ui/country/dlg_land_youthplayer.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/controls/spin_edit_ctrl.h"
#include "ui/country/country_texts.h"
#include "world/country.h"

namespace torvale {

namespace {

// A height or weight is one byte.
constexpr int kMaxBodyValue = 255;

}  // namespace

CDlgLandYouthplayer::CDlgLandYouthplayer(EditorContext& context, QWidget* parent) : CCountryPage(context, parent) {
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  struct AppearanceList {
    int mask;
    const char* title;
    const char* name;
    QStringList texts;
  };
  const AppearanceList appearanceLists[] = {{kYouthFaces, "Gesicht", "faces", FaceTexts()},
                            {kYouthHaircuts, "Haarschnitt", "haircuts", HaircutTexts()},
                            {kYouthHairColours, "Haarfarbe", "hairColours", HairColourTexts()},
                            {kYouthBeards, "Bart", "beards", BeardTexts()}};
  for (size_t i = 0; i < lists_.size(); ++i) {
    auto* box = new QGroupBox(QString::fromUtf8(appearanceLists[i].title), this);
    auto* boxLayout = new QVBoxLayout(box);
    auto* list = new QListWidget(box);
    list->setObjectName(QString::fromLatin1(appearanceLists[i].name));
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->addItems(appearanceLists[i].texts);
    boxLayout->addWidget(list);
    row->addWidget(box);
    lists_[i] = {appearanceLists[i].mask, list};
  }
  layout->addLayout(row, 1);

  auto* body = new QGroupBox(QStringLiteral("Körperbau"), this);
  auto* form = new QFormLayout(body);
  auto makeRow = [&](CSpinEditCtrl*& spin, QLabel*& imperial, const QString& name, const QString& unit) {
    auto* line = new QHBoxLayout;
    spin = new CSpinEditCtrl(body);
    spin->SetRange(0, kMaxBodyValue);
    spin->setObjectName(name);
    imperial = new QLabel(body);
    imperial->setObjectName(name + QStringLiteral("Imperial"));
    line->addWidget(spin);
    line->addWidget(new QLabel(unit, body));
    line->addWidget(imperial);
    line->addStretch();
    return line;
  };
  form->addRow(QString::fromUtf8("Durchschnittsgröße"),
               makeRow(height_, heightImperial_, QStringLiteral("averageHeight"), QStringLiteral("cm")));
  form->addRow(QStringLiteral("Durchschnittsgewicht"),
               makeRow(weight_, weightImperial_, QStringLiteral("averageWeight"), QStringLiteral("kg")));
  connect(height_, &CSpinEditCtrl::valueChanged, this, [this](int v) { heightImperial_->setText(FeetInchesText(v)); });
  connect(weight_, &CSpinEditCtrl::valueChanged, this, [this](int v) { weightImperial_->setText(StonePoundsText(v)); });
  layout->addWidget(body);
}

void CDlgLandYouthplayer::SetCountry(CCountry& country) {
  SetCountryPointer(country);
  for (const MaskList& entry : lists_)
    for (int row = 0; row < entry.list->count(); ++row)
      entry.list->item(row)->setSelected(country.YouthLook(entry.mask, row + 1));
  height_->SetValue(country.youthHeight);
  weight_->SetValue(country.youthWeight);
  heightImperial_->setText(FeetInchesText(height_->Value()));
  weightImperial_->setText(StonePoundsText(weight_->Value()));
}

void CDlgLandYouthplayer::Store() {
  if (!HasCountry()) return;
  CCountry& country = Country();
  for (const MaskList& entry : lists_)
    for (int row = 0; row < entry.list->count(); ++row)
      country.SetYouthLook(entry.mask, row + 1, entry.list->item(row)->isSelected());
  country.youthHeight = static_cast<uint8_t>(height_->GetValue());
  country.youthWeight = static_cast<uint8_t>(weight_->GetValue());
}

}  // namespace torvale
