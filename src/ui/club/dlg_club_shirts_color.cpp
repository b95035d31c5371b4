#include "ui/club/dlg_club_shirts_color.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "exchange/text_data_file.h"
#include "ui/club/club_controls.h"

namespace torvale {

namespace {
constexpr int kColumns = 5;
constexpr int kSwatch = 40;
}  // namespace

CDlgClubShirtsColor::CDlgClubShirtsColor(const CTeamColourTextFile* colours, uint32_t current, QWidget* parent)
    : QDialog(parent), colours_(colours), colour_(current) {
  setObjectName("CDlgClubShirtsColor");
  setWindowTitle("Trikot Farbauswahl");
  setStyleSheet("QToolButton:checked { border: 3px solid #1a5fb4; border-radius: 4px; background: #dde8f8; }");
  swatches_ = new QButtonGroup(this);
  swatches_->setExclusive(true);
  auto* grid = new QGridLayout;
  grid->setSpacing(6);
  const int count = colours ? colours->Count() : 0;
  for (int i = 0; i < count; ++i) {
    const auto id = static_cast<int>(colours->GetId(i));
    auto* button = new QToolButton;
    button->setObjectName(QString("colour%1").arg(id));
    button->setCheckable(true);
    button->setIcon(QIcon(ColourSwatch(colours->GetColour(i), kSwatch)));
    button->setIconSize(QSize(kSwatch, kSwatch));
    button->setText(FromCp1252(colours->GetText(i)));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setMinimumWidth(84);
    button->setToolTip(FromCp1252(colours->GetText(i)));
    swatches_->addButton(button, id);
    grid->addWidget(button, i / kColumns, i % kColumns);
  }
  connect(swatches_, &QButtonGroup::idClicked, this, [this](int id) { Choose(static_cast<uint32_t>(id)); });

  sample_ = new QLabel;
  sample_->setFixedSize(kSwatch, kSwatch);
  choice_ = new QLabel;
  choice_->setObjectName("colourChoice");
  auto* choiceRow = new QHBoxLayout;
  choiceRow->addWidget(new QLabel("Auswahl:"));
  choiceRow->addWidget(sample_);
  choiceRow->addWidget(choice_, 1);

  QDialogButtonBox* buttons = MakeOkCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(choiceRow);
  layout->addWidget(buttons);
  ShowChoice();
}

void CDlgClubShirtsColor::Choose(uint32_t number) {
  colour_ = number;
  ShowChoice();
}

void CDlgClubShirtsColor::ShowChoice() {
  if (QAbstractButton* button = swatches_->button(static_cast<int>(colour_))) {
    button->setChecked(true);
  } else if (QAbstractButton* checked = swatches_->checkedButton()) {
    swatches_->setExclusive(false);
    checked->setChecked(false);
    swatches_->setExclusive(true);
  }
  sample_->setPixmap(ColourSwatch(ClubColourOnScreen(colours_, colour_), kSwatch));
  choice_->setText(QString("%1 (Nr. %2)").arg(ClubColourName(colours_, colour_)).arg(colour_));
}

}  // namespace torvale
