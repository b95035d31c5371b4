#include "ui/club/dlg_club_shirts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "assets/render_host/kit_preview_words.h"
#include "assets/render_host/render_manager.h"
#include "exchange/text_data_file.h"
#include "ui/club/club_controls.h"
#include "ui/club/club_editor_context.h"
#include "ui/club/dlg_club_shirts_color.h"
#include "ui/common/dialog_answers.h"
#include "ui/club/kit_sketch.h"
#include "world/club.h"

namespace torvale {

namespace {
// The game's style numbers of shirt, shorts and socks start at 1.
constexpr int kStyleMax[] = {42, 13, 4};
constexpr const char* kPartTitles[] = {"Trikot", "Hose", "Stutzen"};
constexpr const char* kPartNames[] = {"shirt", "shorts", "socks"};
constexpr const char* kKitChoices[] = {"Heim", "Auswärts", "Orginal Heim", "Orginal Auswärts"};
constexpr const char* kKitChoiceNames[] = {"kitHome", "kitAway", "kitOriginalHome", "kitOriginalAway"};
// What the three colours of each group colour (the renderer reads them so too).
constexpr const char* kColourRoles[][3] = {
    {"Grundfarbe", "Zweitfarbe", "Kragen/Bündchen"},
    {"Grundfarbe", "Zweitfarbe", "Farbe 3"},
    {"Grundfarbe", "Zweitfarbe", "Farbe 3"},
    {"Rückennummer", "Farbe 2", "Farbe 3"},
};
}  // namespace

CDlgClubShirts::CDlgClubShirts(CClub& club, const ClubEditorContext& context, QWidget* parent)
    : CClubPage(club, context, parent) {
  setObjectName("CDlgClubShirts");
  if (context.tables) colours_ = &context.tables->teamColours;

  kitChoice_ = new QButtonGroup(this);
  auto* choiceRow = new QHBoxLayout;
  for (int i = 0; i < 4; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(kKitChoices[i]));
    radio->setObjectName(kKitChoiceNames[i]);
    kitChoice_->addButton(radio, i);
    choiceRow->addWidget(radio);
  }
  choiceRow->addStretch();
  kitChoice_->button(0)->setChecked(true);
  connect(kitChoice_, &QButtonGroup::idClicked, this, [this](int id) {
    shownOutfit_ = id % 2;
    original_ = id >= 2;
    ShowOutfit();
  });

  readyMade_ = new QSpinBox;
  readyMade_->setObjectName("readyMadeSpin");
  readyMade_->setRange(0, 65535);
  readyMade_->setSpecialValueText("keins");
  connect(readyMade_, &QSpinBox::valueChanged, this, [this](int value) {
    if (loading_) return;
    Club().kit.readyMade = static_cast<uint16_t>(value);
    SendKit();
  });
  choiceRow->addWidget(new QLabel("Orginaltrikot"));
  choiceRow->addWidget(readyMade_);

  auto* parts = new QGridLayout;
  groups_ = {MakePartGroup(0), MakePartGroup(1), MakePartGroup(2), MakeDetailGroup()};
  parts->addWidget(groups_[0], 0, 0);
  parts->addWidget(groups_[1], 0, 1);
  parts->addWidget(groups_[2], 1, 0);
  parts->addWidget(groups_[3], 1, 1);

  sketch_ = new CKitSketch(colours_);
  viewBox_ = new QComboBox;
  viewBox_->setObjectName("kitViewBox");
  for (const char* view : {"Drehend", "Vorderseite", "Rückseite"}) viewBox_->addItem(QString::fromUtf8(view));
  connect(viewBox_, &QComboBox::currentIndexChanged, this, [this](int view) {
    view_ = static_cast<uint32_t>(view);
    SendKit();
  });
  auto* viewRow = new QHBoxLayout;
  viewRow->addWidget(new QLabel("Ansicht"));
  viewRow->addWidget(viewBox_, 1);
  auto* previewGroup = new QGroupBox("Vorschau");
  auto* previewLayout = new QVBoxLayout(previewGroup);
  previewLayout->addWidget(sketch_, 1);
  previewLayout->addLayout(viewRow);

  auto* left = new QVBoxLayout;
  left->addLayout(choiceRow);
  left->addLayout(parts);
  left->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 3);
  layout->addWidget(previewGroup, 2);
}

CDlgClubShirts::~CDlgClubShirts() {
  if (attached_) Context().renderer->Attach(nullptr);
}

QWidget* CDlgClubShirts::MakePartGroup(int part) {
  const auto p = static_cast<size_t>(part);
  auto* grid = new QGridLayout;
  auto* box = new QComboBox;
  box->setObjectName(QString("%1StyleBox").arg(kPartNames[p]));
  for (int style = 1; style <= kStyleMax[p]; ++style) box->addItem(QString("Muster %1").arg(style), style);
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setObjectName(QString("%1StyleSlider").arg(kPartNames[p]));
  slider->setRange(1, kStyleMax[p]);
  slider->setPageStep(1);
  styleBox_[p] = box;
  styleSlider_[p] = slider;
  connect(box, &QComboBox::currentIndexChanged, this, [this, part, box] { SetStyle(part, box->currentData().toInt()); });
  connect(slider, &QSlider::valueChanged, this, [this, part](int value) { SetStyle(part, value); });
  grid->addWidget(new QLabel("Muster"), 0, 0);
  grid->addWidget(box, 0, 1);
  grid->addWidget(slider, 0, 2);
  for (int k = 0; k < 3; ++k) {
    grid->addWidget(new QLabel(QString::fromUtf8(kColourRoles[p][static_cast<size_t>(k)])), k + 1, 0);
    grid->addWidget(MakeColourRow(part * 3 + k), k + 1, 1, 1, 2);
  }
  grid->setColumnStretch(2, 1);
  auto* group = new QGroupBox(kPartTitles[p]);
  group->setLayout(grid);
  return group;
}

QWidget* CDlgClubShirts::MakeDetailGroup() {
  auto* grid = new QGridLayout;
  for (int k = 0; k < 3; ++k) {
    grid->addWidget(new QLabel(QString::fromUtf8(kColourRoles[3][static_cast<size_t>(k)])), k, 0);
    grid->addWidget(MakeColourRow(9 + k), k, 1);
  }
  grid->setColumnStretch(1, 1);
  auto* group = new QGroupBox("Beflockung");
  group->setLayout(grid);
  return group;
}

QWidget* CDlgClubShirts::MakeColourRow(int index) {
  const auto i = static_cast<size_t>(index);
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* button = new QToolButton;
  button->setObjectName(QString("colourButton%1").arg(index));
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setIconSize(QSize(18, 18));
  button->setMinimumWidth(130);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  connect(button, &QToolButton::clicked, this, [this, index] { PickColour(index); });
  auto* number = new QSpinBox;
  number->setObjectName(QString("colourNumber%1").arg(index));
  number->setRange(0, 255);
  connect(number, &QSpinBox::valueChanged, this, [this, index](int value) { SetColour(index, value); });
  layout->addWidget(button, 1);
  layout->addWidget(number);
  colourButton_[i] = button;
  colourNumber_[i] = number;
  return row;
}

KIT::Outfit& CDlgClubShirts::ShownOutfit() { return Club().kit.outfits[static_cast<size_t>(shownOutfit_)]; }

void CDlgClubShirts::LoadPage() { ShowOutfit(); }

void CDlgClubShirts::ShowOutfit() {
  loading_ = true;
  const KIT::Outfit& outfit = ShownOutfit();
  const int styles[] = {outfit.shirtStyle, outfit.shortsStyle, outfit.socksStyle};
  for (size_t p = 0; p < kParts; ++p) {
    SelectValue(styleBox_[p], styles[p]);
    styleSlider_[p]->setValue(styles[p]);
  }
  for (size_t i = 0; i < kColours; ++i) {
    colourNumber_[i]->setValue(outfit.colours[i]);
    colourButton_[i]->setIcon(QIcon(ColourSwatch(ClubColourOnScreen(colours_, outfit.colours[i]), 18)));
    colourButton_[i]->setText(ClubColourName(colours_, outfit.colours[i]));
  }
  readyMade_->setValue(Club().kit.readyMade);
  // While the ready-made kit is worn the club's own kit is not what the game shows: it stays
  // as it is until "Heim" or "Auswärts" is chosen again.
  for (QWidget* group : groups_) group->setEnabled(!original_);
  loading_ = false;
  SendKit();
}

void CDlgClubShirts::SetStyle(int part, int style) {
  if (loading_) return;
  KIT::Outfit& outfit = ShownOutfit();
  uint8_t* fields[] = {&outfit.shirtStyle, &outfit.shortsStyle, &outfit.socksStyle};
  *fields[part] = static_cast<uint8_t>(style);
  static constexpr RendererKitPart kParts[] = {kKitPartShirt, kKitPartShorts, kKitPartSocks};
  selectedPart_ = kParts[part];
  ShowOutfit();  // keeps the box and the slider of the part in step
}

void CDlgClubShirts::SetColour(int index, int number) {
  if (loading_) return;
  ShownOutfit().colours[static_cast<size_t>(index)] = static_cast<uint8_t>(number);
  ShowOutfit();
}

void CDlgClubShirts::PickColour(int index) {
  CDlgClubShirtsColor picker(colours_, ShownOutfit().colours[static_cast<size_t>(index)], this);
  if (!RunModalDialog(picker)) return;
  SetColour(index, static_cast<int>(picker.Colour()));
}

RendererDisplaySettings CDlgClubShirts::DisplaySettings() const {
  RendererDisplaySettings settings;
  settings.mode = view_;
  settings.selectedPart = selectedPart_;
  return settings;
}

void CDlgClubShirts::SendKit() {
  sketch_->ShowOutfit(ShownOutfit());
  if (!attached_ || !colours_) return;
  Context().renderer->SetKit(MakeKitPreviewWords(ShownOutfit(), *colours_), DisplaySettings());
}

void CDlgClubShirts::PageShown(bool shown) {
  CRenderManager* renderer = Context().renderer;
  if (!renderer || !renderer->IsLoaded() || !colours_) return;
  if (shown && !attached_) {
    // The render window takes the drawing's place; the host ticks it while it is visible.
    renderer->Attach(sketch_);
    attached_ = true;
    RendererKitData data;
    for (size_t kit = 0; kit < 2; ++kit) data.kits[kit] = MakeKitPreviewWords(Club().kit.outfits[kit], *colours_);
    data.shownKit = static_cast<uint32_t>(shownOutfit_);
    renderer->ShowKitScreen(data, DisplaySettings());
    renderer->SetBackground(kKitScreenBackground);
    SendKit();
  } else if (!shown && attached_) {
    renderer->Attach(nullptr);
    attached_ = false;
  }
}

}  // namespace torvale
