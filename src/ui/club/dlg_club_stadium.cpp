#include "ui/club/dlg_club_stadium.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "ui/club/club_controls.h"
#include "ui/club/club_editor_context.h"
#include "world/club_editing.h"
#include "world/fixed_text.h"

namespace torvale {

namespace {
// In the order of the club's facility fields.
constexpr const char* kFacilityLabels[kFacilityCount] = {"Vereinszentrum",  "Fanartikel",      "Medizinische Abteilung",
                                                         "Jugendzentrum",   "Trainingsanlage", "Medien",
                                                         "Forschung"};
constexpr const char* kFacilityNames[kFacilityCount] = {"clubCentreBox",     "fanMerchandiseBox", "medicalBox",
                                                        "youthCentreBox",    "trainingGroundBox", "mediaBox",
                                                        "researchBox"};
}  // namespace

std::tuple<bool, int, int> CDlgClubStadium::Position::Shown() const {
  return {hemisphere->currentIndex() == 1, degrees->value(), minutes->value()};
}

void CDlgClubStadium::Position::Show(bool second, int degreeValue, int minuteValue) {
  hemisphere->setCurrentIndex(second ? 1 : 0);
  degrees->setValue(degreeValue);
  minutes->setValue(minuteValue);
  // What the controls could show (they hold the game's ranges) counts as untouched.
  loaded = Shown();
}

CDlgClubStadium::CDlgClubStadium(CClub& club, const ClubEditorContext& context, QWidget* parent)
    : CClubPage(club, context, parent) {
  setObjectName("CDlgClubStadium");
  auto* left = new QVBoxLayout;
  left->addWidget(MakeStadiumGroup());
  left->addWidget(MakeFacilityGroup());
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(MakePositionGroup());
  right->addWidget(MakeTransferGroup());
  right->addWidget(MakeCityGroup());
  right->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 1);
}

QWidget* CDlgClubStadium::MakeStadiumGroup() {
  home_ = new QComboBox;
  home_->setObjectName("homeStadiumBox");
  alternative_ = new QComboBox;
  alternative_->setObjectName("alternativeStadiumBox");
  for (QComboBox* box : {home_, alternative_}) {
    box->addItem("kein Stadion", 0);
    if (const CCountry* country = Context().country)
      for (const auto& [number, stadium] : country->Stadiums()) {
        QString text = FromCp1252(FixedText(stadium.name));
        if (stadium.town[0] != '\0') text += " (" + FromCp1252(FixedText(stadium.town)) + ")";
        box->addItem(text, number);
      }
  }
  auto* form = new QFormLayout;
  form->addRow("Spielort", home_);
  form->addRow("Alternativer Spielort", alternative_);
  return MakeGroup("Stadion", form);
}

QWidget* CDlgClubStadium::MakeFacilityGroup() {
  auto* form = new QFormLayout;
  for (int f = 0; f < kFacilityCount; ++f) {
    auto* box = new QComboBox;
    box->setObjectName(kFacilityNames[f]);
    const auto names = ClubFacilityLevelNames(static_cast<ClubFacility>(f));
    for (size_t level = 0; level < names.size(); ++level) box->addItem(FromCp1252(names[level]), static_cast<int>(level));
    form->addRow(QString::fromUtf8(kFacilityLabels[f]), box);
    facilities_[static_cast<size_t>(f)] = box;
  }
  return MakeGroup("Vereinseinrichtungen", form);
}

QWidget* CDlgClubStadium::MakePositionGroup() {
  auto* grid = new QGridLayout;
  auto row = [&](int r, const char* label, Position& position, const char* name, int maxDegrees, const char* first,
                 const char* second) {
    position.degrees = new QSpinBox;
    position.degrees->setObjectName(QString("%1Degrees").arg(name));
    position.degrees->setRange(0, maxDegrees);
    position.degrees->setSuffix(QString::fromUtf8("°"));
    position.minutes = new QSpinBox;
    position.minutes->setObjectName(QString("%1Minutes").arg(name));
    position.minutes->setRange(0, 59);
    position.minutes->setSuffix("'");
    position.hemisphere = new QComboBox;
    position.hemisphere->setObjectName(QString("%1Hemisphere").arg(name));
    position.hemisphere->addItem(QString::fromUtf8(first));
    position.hemisphere->addItem(QString::fromUtf8(second));
    grid->addWidget(new QLabel(QString::fromUtf8(label)), r, 0);
    grid->addWidget(position.degrees, r, 1);
    grid->addWidget(position.minutes, r, 2);
    grid->addWidget(position.hemisphere, r, 3);
  };
  row(0, "Breitengrad", latitude_, "latitude", 90, "Nord", "Süd");
  row(1, "Längengrad", longitude_, "longitude", 180, "Ost", "West");
  return MakeGroup("Ortsangabe", grid);
}

QWidget* CDlgClubStadium::MakeTransferGroup() {
  auto* form = new QFormLayout;
  youth_ = new QComboBox;
  youth_->setObjectName("youthOriginBox");
  form->addRow("Jugendspieler kommen aus...", youth_);
  for (size_t i = 0; i < preferred_.size(); ++i) {
    preferred_[i] = new QComboBox;
    preferred_[i]->setObjectName(QString("preferredCountry%1Box").arg(i + 1));
    form->addRow(i == 0 ? "Verpflichtet besonders gerne Spieler aus" : "", preferred_[i]);
  }
  if (const CWorldDatabase* world = Context().world)
    for (QComboBox* box : {youth_, preferred_[0], preferred_[1]}) FillCountryBox(box, *world, Context().Language());
  return MakeGroup("Transfers", form);
}

QWidget* CDlgClubStadium::MakeCityGroup() {
  auto* grid = new QGridLayout;
  auto* choose = new QPushButton(QString::fromUtf8("Wähle Datei"));
  choose->setObjectName("chooseCityButton");
  connect(choose, &QPushButton::clicked, this, &CDlgClubStadium::ChooseCityGraphic);
  cityFile_ = new QLabel;
  cityFile_->setObjectName("currentCityFile");
  grid->addWidget(new QLabel("Aktuelle Datei:"), 0, 0);
  grid->addWidget(cityFile_, 0, 1);
  grid->addWidget(choose, 1, 0, 1, 2, Qt::AlignLeft);
  grid->setColumnStretch(1, 1);
  return MakeGroup("Stadtgrafik", grid);
}

void CDlgClubStadium::LoadPage() {
  const CClub& club = Club();
  SelectValue(home_, club.homeStadium);
  SelectValue(alternative_, club.alternativeStadium);
  for (size_t f = 0; f < facilities_.size(); ++f) SelectValue(facilities_[f], club.facilities[f]);
  latitude_.Show(club.LatitudeSouthern(), club.LatitudeDegrees(), club.LatitudeMinutes());
  longitude_.Show(club.LongitudeSecondHemisphere(), club.LongitudeDegrees(), club.LongitudeMinutes());
  SelectValue(youth_, club.youthOrigin);
  SelectValue(preferred_[0], club.preferredCountries[0]);
  SelectValue(preferred_[1], club.preferredCountries[1]);
  ShowCityGraphic();
}

bool CDlgClubStadium::StorePage() {
  CClub& club = Club();
  club.homeStadium = SelectedValue(home_);
  club.alternativeStadium = SelectedValue(alternative_);
  for (size_t f = 0; f < facilities_.size(); ++f) club.facilities[f] = static_cast<uint8_t>(SelectedValue(facilities_[f]));
  // Positions are only rewritten when changed, so an odd value from a file is not clamped unasked.
  if (latitude_.Shown() != latitude_.loaded) {
    const auto [south, degrees, minutes] = latitude_.Shown();
    club.SetLatitude(south, degrees, minutes);
  }
  if (longitude_.Shown() != longitude_.loaded) {
    const auto [west, degrees, minutes] = longitude_.Shown();
    club.SetLongitude(west, degrees, minutes);
  }
  club.youthOrigin = static_cast<uint8_t>(SelectedValue(youth_));
  club.preferredCountries[0] = static_cast<uint8_t>(SelectedValue(preferred_[0]));
  club.preferredCountries[1] = static_cast<uint8_t>(SelectedValue(preferred_[1]));
  return true;
}

void CDlgClubStadium::ChooseCityGraphic() {
  const QString folder = FromCp1252(Context().cityFolder);
  const QString file = ChooseFileToOpen(this, "Stadtgrafik", folder, "Bilder (*.tga *.bmp);;Alle Dateien (*.*)");
  if (file.isEmpty()) return;
  // The game looks the graphic up in its city folder: keep the name relative to it.
  QString name = QDir(folder).relativeFilePath(file);
  if (folder.isEmpty() || name.startsWith("..")) name = QFileInfo(file).fileName();
  Club().cityGraphic = ToCp1252(name);
  ShowCityGraphic();
}

void CDlgClubStadium::ShowCityGraphic() {
  cityFile_->setText(Club().cityGraphic.empty() ? QString::fromUtf8("(keine)") : FromCp1252(Club().cityGraphic));
}

}  // namespace torvale
