#include "ui/squad/dlg_player_all_right.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>

#include "app/qt_text.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/squad/person_field_texts.h"
#include "world/language_list.h"
#include "world/player.h"
#include "world/strength.h"

namespace torvale {

namespace {

// Contract years the game can show; the record keeps 16-bit years.
constexpr int kFirstContractYear = 1950;
constexpr int kLastContractYear = 2099;
constexpr int kHighestShirtNumber = 99;
constexpr int kOwnPictureFlag = 0x01;

}  // namespace

CDlgPlayerAllRight::CDlgPlayerAllRight(CWorldDatabase& world, QWidget* parent) : CPersonPage(world, parent) {
  setObjectName("CDlgPlayerAllRight");
  PlayerFields fields;
  firstName_ = MakeNameEdit("firstName", sizeof fields.firstName);
  surname_ = MakeNameEdit("surname", sizeof fields.surname);
  nickname_ = MakeNameEdit("nickname", sizeof fields.nickname);
  stageName_ = MakeNameEdit("stageName", sizeof fields.stageName);
  nationality_ = MakeCountryCombo("nationality", false);
  secondNationality_ = MakeCountryCombo("secondNationality", true);
  domestic_ = new QCheckBox(QString::fromUtf8("Fußballinländer"), this);
  domestic_->setObjectName("domestic");
  Watch(domestic_);
  birthDate_ = MakeDateEdit("birthDate");
  age_ = new QLabel(this);
  age_->setProperty("role", "caption");
  connect(birthDate_, &QDateEdit::dateChanged, this, &CDlgPlayerAllRight::ShowAge);

  role_ = new QComboBox(this);
  role_->setObjectName("role");
  const QStringList roles = OfficialRoleTexts();
  for (int i = 0; i < roles.size(); ++i) role_->addItem(roles[i], i + 1);
  Watch(role_);
  team_ = MakeCombo("team", {QStringLiteral("1. Mannschaft"), QStringLiteral("2. Mannschaft")});
  shirtNumber_ = MakeSpin("shirtNumber", 0, kHighestShirtNumber);
  contractStart_ = MakeSpin("contractStart", kFirstContractYear, kLastContractYear);
  contractEnd_ = MakeSpin("contractEnd", kFirstContractYear, kLastContractYear);

  for (int slot = 0; slot < 4; ++slot) {
    auto* box = new QComboBox(this);
    box->setObjectName(QStringLiteral("language%1").arg(slot));
    box->addItem(QStringLiteral("keine"), 0);
    for (int n = 1; n < kLanguageCount; ++n) {
      const std::string name = LanguageName(n);
      if (!name.empty()) box->addItem(FromCp1252(name), n);
    }
    connect(box, &QComboBox::currentIndexChanged, this, [this, slot] { LanguageChosen(slot); });
    languages_[static_cast<size_t>(slot)] = box;
  }
  speechFile_ = new QLineEdit(this);
  speechFile_->setObjectName("speechFile");
  Watch(speechFile_);
  starHead_ = MakeSpin("starHead", 0, 65535);
  ownPicture_ = new QCheckBox(QStringLiteral("Eigenes Foto"), this);
  ownPicture_->setObjectName("ownPicture");
  Watch(ownPicture_);
  siblingId_ = MakeSpin("siblingId", 0, 99999999);
  siblingId_->setMaximumWidth(130);

  QFormLayout* form = nullptr;
  QGroupBox* names = MakeGroup(QStringLiteral("Name"), form);
  form->addRow(QStringLiteral("Vorname:"), firstName_);
  form->addRow(QStringLiteral("Nachname:"), surname_);
  form->addRow(QStringLiteral("Spitzname:"), nickname_);
  form->addRow(QString::fromUtf8("Künstlername:"), stageName_);

  QGroupBox* origin = MakeGroup(QStringLiteral("Herkunft"), form);
  form->addRow(QString::fromUtf8("Nationalität:"), nationality_);
  form->addRow(QString::fromUtf8("2. Nationalität:"), secondNationality_);
  form->addRow(QString(), domestic_);
  auto* birthRow = new QWidget(this);
  auto* birthLayout = new QHBoxLayout(birthRow);
  birthLayout->setContentsMargins(0, 0, 0, 0);
  birthLayout->addWidget(birthDate_);
  birthLayout->addWidget(age_, 1);
  form->addRow(QStringLiteral("Geburtsdatum:"), birthRow);

  QGroupBox* club = MakeGroup(QStringLiteral("Verein und Vertrag"), form);
  form->addRow(QStringLiteral("Funktion:"), role_);
  form->addRow(QStringLiteral("Mannschaft:"), team_);
  form->addRow(QStringLiteral("Rückennummer:"), shirtNumber_);
  form->addRow(QStringLiteral("Start des Vertrages:"), contractStart_);
  form->addRow(QString::fromUtf8("Vertrag gültig bis:"), contractEnd_);
  clubForm_ = form;

  QGroupBox* speech = MakeGroup(QStringLiteral("Sprachen"), form);
  const QStringList slotLabels = {QStringLiteral("Muttersprache:"), QStringLiteral("1. Fremdsprache:"),
                             QStringLiteral("2. Fremdsprache:"), QStringLiteral("3. Fremdsprache:")};
  for (int slot = 0; slot < 4; ++slot) form->addRow(slotLabels[slot], languages_[static_cast<size_t>(slot)]);
  form->addRow(QStringLiteral("Sprachdatei:"), speechFile_);

  QGroupBox* picture = MakeGroup(QStringLiteral("Bild"), form);
  form->addRow(QStringLiteral("Starkopf:"), starHead_);
  form->addRow(QString(), ownPicture_);
  form->addRow(QStringLiteral("ID im Schwesterspiel:"), siblingId_);

  auto* grid = new QGridLayout(this);
  grid->addWidget(names, 0, 0);
  grid->addWidget(origin, 1, 0);
  grid->addWidget(picture, 2, 0);
  grid->addWidget(club, 0, 1);
  grid->addWidget(speech, 1, 1, 2, 1);
  grid->setRowStretch(3, 1);
}

void CDlgPlayerAllRight::SetOfficialMode(bool officials) {
  clubForm_->setRowVisible(role_, officials);
  clubForm_->setRowVisible(team_, !officials);
  clubForm_->setRowVisible(shirtNumber_, !officials);
}

void CDlgPlayerAllRight::SetTakenRoles(const QSet<int>& roles) {
  auto* model = qobject_cast<QStandardItemModel*>(role_->model());
  if (!model) return;
  for (int row = 0; row < role_->count(); ++row)
    if (QStandardItem* item = model->item(row)) item->setEnabled(!roles.contains(role_->itemData(row).toInt()));
}

void CDlgPlayerAllRight::LoadFields(const CPlayer& person) {
  firstName_->setText(FromCp1252(person.firstName));
  surname_->setText(FromCp1252(person.surname));
  nickname_->setText(FromCp1252(person.nickname));
  stageName_->setText(FromCp1252(person.stageName));
  SelectData(nationality_, person.nationality);
  SelectData(secondNationality_, person.secondNationality);
  domestic_->setChecked(person.domestic != 0);
  birthDate_->setDate(DateOfDay(person.birthDate.jdn));
  ShowAge();
  SelectData(role_, person.role);
  team_->setCurrentIndex(person.team == 0 ? 0 : 1);
  shirtNumber_->SetValue(person.shirtNumber);
  contractStart_->SetValue(person.contractStart);
  contractEnd_->SetValue(person.contractEnd);
  ShowLanguages(person);
  speechFile_->setText(FromCp1252(person.speechFile));
  starHead_->SetValue(person.starHead);
  ownPicture_->setChecked((person.personFlags & kOwnPictureFlag) != 0);
  siblingId_->SetValue(static_cast<int32_t>(person.siblingId));
}

void CDlgPlayerAllRight::ShowLanguages(const CPlayer& person) {
  LoadGuard guard(*this);
  for (size_t slot = 0; slot < languages_.size(); ++slot) SelectData(languages_[slot], person.languages[slot]);
}

void CDlgPlayerAllRight::LanguageChosen(int slot) {
  if (Loading() || !Person()) return;
  // The slots follow the game's rule (no language twice, no gaps), so the boxes show what the
  // person speaks after the change rather than what was picked.
  Person()->SetLanguage(slot, SelectedData(languages_[static_cast<size_t>(slot)]));
  ShowLanguages(*Person());
  Changed();
}

void CDlgPlayerAllRight::ShowAge() {
  const int years = DATE(DayOfDate(birthDate_->date())).AgeAt(BaseDate());
  age_->setText(QStringLiteral("Alter zu Saisonbeginn: %1 Jahre").arg(years));
}

void CDlgPlayerAllRight::StoreFields(CPlayer& person) {
  CopyText(person.firstName, firstName_->text());
  CopyText(person.surname, surname_->text());
  CopyText(person.nickname, nickname_->text());
  CopyText(person.stageName, stageName_->text());
  person.nationality = static_cast<uint8_t>(SelectedData(nationality_));
  person.secondNationality = static_cast<uint8_t>(SelectedData(secondNationality_));
  person.domestic = domestic_->isChecked() ? 1 : 0;
  // A date field shows 1 January 2000 for "no date"; the record keeps its 0 until edited.
  if (DateOfDay(person.birthDate.jdn) != birthDate_->date()) person.birthDate = DATE(DayOfDate(birthDate_->date()));
  if (person.role != kRolePlayer) person.role = static_cast<int8_t>(SelectedData(role_));
  if (person.role == kRolePlayer) {
    person.team = static_cast<int8_t>(team_->currentIndex());
    StoreShown(person.shirtNumber, shirtNumber_->Value(), 0, kHighestShirtNumber);
  }
  StoreShown(person.contractStart, contractStart_->Value(), kFirstContractYear, kLastContractYear);
  StoreShown(person.contractEnd, contractEnd_->Value(), kFirstContractYear, kLastContractYear);
  person.speechFile = ToCp1252(speechFile_->text());
  person.starHead = static_cast<uint16_t>(starHead_->Value());
  person.personFlags = static_cast<uint8_t>((person.personFlags & ~kOwnPictureFlag) |
                                            (ownPicture_->isChecked() ? kOwnPictureFlag : 0));
  person.siblingId = static_cast<uint32_t>(siblingId_->Value());
}

}  // namespace torvale
