#include "ui/club/dlg_club_badge.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "exchange/text_data_file.h"
#include "ui/club/club_controls.h"
#include "ui/club/club_editor_context.h"
#include "ui/club/dlg_club_badge_manage.h"
#include "ui/common/dialog_answers.h"
#include "world/club.h"
#include "world/fixed_text.h"

namespace torvale {

namespace {
constexpr int kBadgeSize = 180;
constexpr const char* kColourLabels[] = {"Hintergrund Wappen", "Hintergrund Wappen", "Hintergrund Überschriften"};
constexpr const char* kColourNames[] = {"badgeBackground1", "badgeBackground2", "headlineBackground"};
}  // namespace

CDlgClubBadge::CDlgClubBadge(CClub& club, const ClubEditorContext& context, QWidget* parent)
    : CClubPage(club, context, parent) {
  setObjectName("CDlgClubBadge");
  choose_ = new QPushButton(QString::fromUtf8("Wappen auswählen"));
  choose_->setObjectName("chooseBadgeButton");
  connect(choose_, &QPushButton::clicked, this, &CDlgClubBadge::ChooseBadge);
  currentFile_ = new QLabel;
  currentFile_->setObjectName("currentBadgeFile");
  currentFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  badge_ = new QLabel;
  badge_->setObjectName("badgeImage");
  badge_->setFixedSize(kBadgeSize + 24, kBadgeSize + 24);
  badge_->setAlignment(Qt::AlignCenter);

  auto* badgeLayout = new QVBoxLayout;
  badgeLayout->addWidget(badge_, 0, Qt::AlignHCenter);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(new QLabel("Aktuelle Datei:"));
  fileRow->addWidget(currentFile_, 1);
  badgeLayout->addLayout(fileRow);
  badgeLayout->addWidget(choose_, 0, Qt::AlignLeft);
  badgeLayout->addStretch();
  auto* badgeGroup = new QGroupBox("Wappen");
  badgeGroup->setLayout(badgeLayout);

  auto* colourForm = new QGridLayout;
  const CTextDataTables* tables = Context().tables;
  for (size_t i = 0; i < colours_.size(); ++i) {
    auto* box = new QComboBox;
    box->setObjectName(kColourNames[i]);
    box->setMinimumWidth(180);
    FillTeamColourBox(box, tables ? (i < 2 ? &tables->teamColours : &tables->secondTeamColours) : nullptr);
    connect(box, &QComboBox::currentIndexChanged, this, &CDlgClubBadge::ShowColourSample);
    colourForm->addWidget(new QLabel(QString::fromUtf8(kColourLabels[i]) + (i < 2 ? QString(" %1").arg(i + 1) : "")),
                          static_cast<int>(i), 0);
    colourForm->addWidget(box, static_cast<int>(i), 1);
    colours_[i] = box;
  }
  sample_ = new QLabel;
  sample_->setObjectName("colourSample");
  sample_->setMinimumHeight(36);
  sample_->setAlignment(Qt::AlignCenter);
  colourForm->addWidget(sample_, 3, 0, 1, 2);
  auto* colourGroup = new QGroupBox("Vereinsfarben");
  colourGroup->setLayout(colourForm);

  auto* right = new QVBoxLayout;
  right->addWidget(colourGroup);
  right->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(badgeGroup, 1);
  layout->addLayout(right, 1);
}

void CDlgClubBadge::LoadPage() {
  const CClub& club = Club();
  for (size_t i = 0; i < colours_.size(); ++i) {
    const QSignalBlocker block(colours_[i]);
    SelectValue(colours_[i], club.clubColours[i]);
  }
  ShowBadge();
  ShowColourSample();
}

bool CDlgClubBadge::StorePage() {
  for (size_t i = 0; i < colours_.size(); ++i) Club().clubColours[i] = static_cast<uint8_t>(SelectedValue(colours_[i]));
  return true;
}

void CDlgClubBadge::ChooseBadge() {
  std::vector<std::string> countryNames(kCountrySlots);
  if (const CWorldDatabase* world = Context().world)
    for (int id = kFirstCountry; id <= kLastCountry; ++id)
      if (const CCountry* country = world->Country(id)) countryNames[static_cast<size_t>(id)] = country->Name(world->Language());
  CDlgClubBadgeManage chooser(Context().badges, countryNames, std::string(FixedText(Club().badgeFile)), this);
  if (!RunModalDialog(chooser)) return;
  SetFixedText(Club().badgeFile, chooser.BadgePath());
  ShowBadge();
}

void CDlgClubBadge::ShowBadge() {
  const std::string_view path = FixedText(Club().badgeFile);
  currentFile_->setText(path.empty() ? QString::fromUtf8("(kein Wappen)") : FromCp1252(path));
  const QPixmap pixmap = BadgePixmap(Context().badges, path, kBadgeSize);
  if (pixmap.isNull())
    badge_->setText(path.empty() ? QString() : QString::fromUtf8("Bild nicht gefunden"));
  else
    badge_->setPixmap(pixmap);
  ShowColourSample();
}

// The club's name on its headline colour, framed by the two badge backgrounds: how the game's
// screens will dress the club.
void CDlgClubBadge::ShowColourSample() {
  const CTextDataTables* tables = Context().tables;
  auto colour = [&](size_t i) {
    const CTeamColourTextFile* list = tables ? (i < 2 ? &tables->teamColours : &tables->secondTeamColours) : nullptr;
    return ScreenColour(ClubColourOnScreen(list, static_cast<uint32_t>(SelectedValue(colours_[i]))));
  };
  const QColor headline = colour(2);
  const QColor text = headline.lightness() > 140 ? Qt::black : Qt::white;
  sample_->setText(FromCp1252(Club().Name(Context().Language())));
  sample_->setStyleSheet(QString("QLabel { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, "
                                 "stop:0.12 %1, stop:0.121 %3, stop:0.879 %3, stop:0.88 %2, stop:1 %2); "
                                 "color: %4; font-weight: bold; border: 1px solid #555; }")
                             .arg(colour(0).name(), colour(1).name(), headline.name(), text.name()));
  // Also frame the badge with its backgrounds.
  badge_->setStyleSheet(QString("QLabel { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, "
                                "stop:1 %2); border: 1px solid #555; }")
                            .arg(colour(0).name(), colour(1).name()));
}

}  // namespace torvale
