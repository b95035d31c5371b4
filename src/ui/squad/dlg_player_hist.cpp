#include "ui/squad/dlg_player_hist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/squad/club_reference_field.h"
#include "ui/squad/favourite_player_field.h"
#include "ui/squad/person_field_texts.h"
#include "world/player.h"

namespace torvale {

namespace {

constexpr int kHighestCount = 255;  // caps and goals are single bytes

}  // namespace

CDlgPlayerHist::CDlgPlayerHist(CWorldDatabase& world, QWidget* parent) : CPersonPage(world, parent) {
  setObjectName("CDlgPlayerHist");
  const QStringList names = {QStringLiteral("firstClub"),  QStringLiteral("lastClub"),
                             QStringLiteral("favouriteClub"), QStringLiteral("secondClubPreference"),
                             QStringLiteral("loanedTo"),   QStringLiteral("neverMovesTo")};
  const QStringList labels = {QStringLiteral("Erster Verein:"),   QStringLiteral("Letzter Verein:"),
                              QStringLiteral("Lieblingsverein:"), QStringLiteral("2. Lieblingsverein:"),
                              QStringLiteral("Verliehen nach:"),  QStringLiteral("Wechselt nie zu:")};
  QFormLayout* form = nullptr;
  QGroupBox* clubs = MakeGroup(QStringLiteral("Vereine"), form);
  for (size_t i = 0; i < clubs_.size(); ++i) {
    clubs_[i] = new ClubReferenceField(world, names[static_cast<int>(i)], this);
    connect(clubs_[i], &ClubReferenceField::edited, this, &CDlgPlayerHist::Changed);
    form->addRow(labels[static_cast<int>(i)], clubs_[i]);
  }
  favouriteCountry_ = MakeCountryCombo("favouriteCountry", true);
  form->addRow(QStringLiteral("Lieblingsland:"), favouriteCountry_);
  favouritePlayer_ = new FavouritePlayerField(world, this);
  connect(favouritePlayer_, &FavouritePlayerField::edited, this, &CDlgPlayerHist::Changed);
  form->addRow(QStringLiteral("Lieblingsspieler (Nr.):"), favouritePlayer_);

  caps_ = MakeSpin("caps", 0, kHighestCount);
  goals_ = MakeSpin("goals", 0, kHighestCount);
  retired_ = new QCheckBox(QString::fromUtf8("Möchte nicht mehr für Nationalmannschaft spielen"), this);
  retired_->setObjectName("retired");
  current_ = new QCheckBox(QStringLiteral("Derzeit in der Nationalmannschaft"), this);
  current_->setObjectName("currentInNationalTeam");
  Watch(retired_);
  Watch(current_);
  QGroupBox* national = MakeGroup(QStringLiteral("Nationalmannschaft"), form);
  form->addRow(QStringLiteral("Spiele Nationalmannschaft:"), caps_);
  form->addRow(QStringLiteral("Tore:"), goals_);
  form->addRow(retired_);
  form->addRow(current_);

  special_ = MakeCombo("seasonSpecial", SeasonSpecialTexts());
  specialStart_ = MakeDateEdit("specialStart");
  specialEnd_ = MakeDateEdit("specialEnd");
  QGroupBox* season = MakeGroup(QStringLiteral("Besonderheit Saisonbeginn"), form);
  form->addRow(QStringLiteral("Besonderheit:"), special_);
  form->addRow(QStringLiteral("Von:"), specialStart_);
  form->addRow(QStringLiteral("Bis:"), specialEnd_);

  notes_ = new QPlainTextEdit(this);
  notes_->setObjectName("notes");
  Watch(notes_);
  auto* notesGroup = new QGroupBox(QStringLiteral("Notizen"), this);
  (new QVBoxLayout(notesGroup))->addWidget(notes_);

  auto* grid = new QGridLayout(this);
  grid->addWidget(clubs, 0, 0, 2, 1);
  grid->addWidget(national, 0, 1);
  grid->addWidget(season, 1, 1);
  grid->addWidget(notesGroup, 2, 0, 1, 2);
  grid->setRowStretch(2, 1);
}

void CDlgPlayerHist::LoadFields(const CPlayer& person) {
  const std::array<uint32_t, 6> ids = {person.firstClub, person.lastClub, person.favouriteClub,
                                       person.secondClubPreference, person.loanedTo, person.neverMovesTo};
  for (size_t i = 0; i < clubs_.size(); ++i) clubs_[i]->SetClubId(ids[i]);
  SelectData(favouriteCountry_, person.favouriteCountry);
  favouritePlayer_->SetPlayerId(person.favouritePlayer);
  caps_->SetValue(person.internationalCaps);
  goals_->SetValue(person.internationalGoals);
  retired_->setChecked((person.nationalTeamStatus & kNationalTeamRetired) != 0);
  current_->setChecked((person.nationalTeamStatus & kNationalTeamCurrent) != 0);
  special_->setCurrentIndex(person.SeasonSpecial());
  specialStart_->setDate(DateOfDay(person.specialStart.jdn));
  specialEnd_->setDate(DateOfDay(person.specialEnd.jdn));
  notes_->setPlainText(FromCp1252(person.notes).remove(QLatin1Char('\r')));
}

void CDlgPlayerHist::StoreFields(CPlayer& person) {
  std::array<uint32_t*, 6> ids = {&person.firstClub, &person.lastClub, &person.favouriteClub,
                                  &person.secondClubPreference, &person.loanedTo, &person.neverMovesTo};
  for (size_t i = 0; i < clubs_.size(); ++i) *ids[i] = clubs_[i]->ClubId();
  person.favouriteCountry = static_cast<uint8_t>(SelectedData(favouriteCountry_));
  person.favouritePlayer = favouritePlayer_->PlayerId();
  person.internationalCaps = static_cast<uint8_t>(caps_->Value());
  person.internationalGoals = static_cast<uint8_t>(goals_->Value());
  uint8_t status = person.nationalTeamStatus & static_cast<uint8_t>(~(kNationalTeamRetired | kNationalTeamCurrent));
  if (retired_->isChecked()) status |= kNationalTeamRetired;
  if (current_->isChecked()) status |= kNationalTeamCurrent;
  person.nationalTeamStatus = status;
  person.SetSeasonSpecial(static_cast<uint8_t>(special_->currentIndex()));
  // A date field shows 1 January 2000 for "no date"; the record keeps its 0 until edited.
  if (DateOfDay(person.specialStart.jdn) != specialStart_->date()) person.specialStart = DATE(DayOfDate(specialStart_->date()));
  if (DateOfDay(person.specialEnd.jdn) != specialEnd_->date()) person.specialEnd = DATE(DayOfDate(specialEnd_->date()));
  // The record keeps its lines separated by CR LF, as the game's files do.
  person.notes = ToCp1252(notes_->toPlainText().replace('\n', QStringLiteral("\r\n")));
}

}  // namespace torvale
