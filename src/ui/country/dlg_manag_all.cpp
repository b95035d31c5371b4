#include "ui/country/dlg_manag_all.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "persons/person_texts.h"
#include "ui/common/editor_context.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/country/country_widgets.h"
#include "ui/country/choice_combo.h"
#include "ui/country/dlg_playerpool.h"
#include "world/country.h"
#include "world/fixed_text.h"
#include "world/player.h"

namespace torvale {

namespace {

constexpr int kFirstNameChars = 15;
constexpr int kNameChars = 19;
constexpr int kMaxManagerAbility = 15;

// The officials' roles 1-20 as the squad editor's menus name them.
QStringList RoleTexts() {
  QStringList texts;
  for (const char* text : {"Trainer", "Manager", "Präsident", "Co-Trainer", "Torwarttrainer", "Amateurtrainer",
                           "Jugendtrainer", "Chefscout", "2. Scout", "Talentscout", "Doktor", "Spezialist Knie",
                           "Spezialist Knöchel", "Spezialist Muskel", "Masseur", "Psychologe", "Geschäftsführer",
                           "Marketingmuckel", "Stadionmanager", "Fanbeauftragter"})
    texts << QString::fromUtf8(text);
  return texts;
}

QDate ToQDate(DATE date) {
  const CivilDate c = date.Civil();
  return QDate(c.year, c.month, c.day);
}

}  // namespace

CDlgManagerEdit::CDlgManagerEdit(const CPlayer& person, const CWorldDatabase& world, int language, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Trainer/Manager"));
  setObjectName(QStringLiteral("CDlgManagerEdit"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  firstName_ = MakeLimitedEdit(this, kFirstNameChars, QStringLiteral("firstName"), FromCp1252(FixedText(person.firstName)));
  surname_ = MakeLimitedEdit(this, kNameChars, QStringLiteral("surname"), FromCp1252(FixedText(person.surname)));
  nickname_ = MakeLimitedEdit(this, kNameChars, QStringLiteral("nickname"), FromCp1252(FixedText(person.nickname)));
  form->addRow(QStringLiteral("Vorname"), firstName_);
  form->addRow(QStringLiteral("Nachname"), surname_);
  form->addRow(QStringLiteral("Spitzname"), nickname_);
  nationality_ = new QComboBox(this);
  nationality_->setObjectName(QStringLiteral("nationality"));
  FillCountryCombo(*nationality_, world, language);
  SetChoice(*nationality_, person.nationality);
  form->addRow(QString::fromUtf8("Nationalität"), nationality_);
  birthDate_ = new QDateEdit(ToQDate(person.birthDate), this);
  birthDate_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  birthDate_->setObjectName(QStringLiteral("birthDate"));
  form->addRow(QStringLiteral("Geburtsdatum"), birthDate_);
  role_ = MakeChoiceCombo(RoleTexts(), this, kRoleCoach);
  role_->setObjectName(QStringLiteral("role"));
  SetChoice(*role_, person.role);
  form->addRow(QStringLiteral("Funktion"), role_);
  layout->addLayout(form);

  auto* box = new QGroupBox(QString::fromUtf8("Fähigkeiten"), this);
  auto* boxForm = new QFormLayout(box);
  const QString labels[] = {QStringLiteral("Motivation"), QStringLiteral("Trainingsgestaltung"),
                            QStringLiteral("Torwarttraining"), QStringLiteral("Verhandlungsgeschick")};
  for (size_t i = 0; i < abilities_.size(); ++i) {
    abilities_[i] = new CSpinEditCtrl(box);
    abilities_[i]->SetRange(0, kMaxManagerAbility);
    abilities_[i]->SetValue(person.managerAbilities[i]);
    abilities_[i]->setObjectName(QStringLiteral("ability%1").arg(i));
    boxForm->addRow(labels[i], abilities_[i]);
  }
  layout->addWidget(box);

  AddOkCancelButtons(*this, *layout);
}

void CDlgManagerEdit::StoreInto(CPlayer& person) const {
  SetFixedText(person.firstName, ToCp1252(firstName_->text()));
  SetFixedText(person.surname, ToCp1252(surname_->text()));
  SetFixedText(person.nickname, ToCp1252(nickname_->text()));
  person.nationality = static_cast<uint8_t>(Choice(*nationality_));
  const QDate date = birthDate_->date();
  person.birthDate = DATE::FromCivil(date.year(), date.month(), date.day());
  person.role = static_cast<int8_t>(Choice(*role_));
  for (size_t i = 0; i < abilities_.size(); ++i)
    person.managerAbilities[i] = static_cast<uint8_t>(abilities_[i]->GetValue());
}

CDlgManagAll::CDlgManagAll(EditorContext& context, QWidget* parent)
    : CCountryListPage(context, parent,
                       {QStringLiteral("Name"), QStringLiteral("Pos."), QString::fromUtf8("Nationalität"),
                        QStringLiteral("Geburtsdatum")}) {}

std::vector<int> CDlgManagAll::Keys() const {
  std::vector<int> keys;
  for (uint32_t id : Country().AdditionalManagers()) keys.push_back(static_cast<int>(id));
  return keys;
}

QString CDlgManagAll::Cell(int key, int column) const {
  const CPlayer* person = Context().CurrentWorld()->Persons().FindPlayer(static_cast<uint32_t>(key));
  if (person == nullptr) return {};
  switch (column) {
    case 0: return FromCp1252(std::string(FixedText(person->surname)) + ", " + std::string(FixedText(person->firstName)));
    case 1: return FromCp1252(RoleShortText(person->role));
    case 2: return CountryNameText(*Context().CurrentWorld(), person->nationality, Context().CurrentLanguage());
    default: return FromCp1252(BirthDateText(person->birthDate));
  }
}

void CDlgManagAll::New() {
  CPlayer draft;
  draft.InitDefaults(kRoleManager, static_cast<uint8_t>(Country().CountryNumber()));
  CDlgManagerEdit dialog(draft, *Context().CurrentWorld(), Context().CurrentLanguage(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  uint32_t id = 0;
  Context().CurrentChanges().CommitIf(ChangeScope::Country(Country().CountryNumber()), QStringLiteral("Neuer Manager"),
                                      [&](CWorldDatabase&) {
                                        CPlayer* person = Country().CreateAdditionalManager();
                                        if (person == nullptr) return false;
                                        dialog.StoreInto(*person);
                                        id = person->id;
                                        return true;
                                      });
  Reload();
  SelectKey(static_cast<int>(id));
}

void CDlgManagAll::Change(int key) {
  CPlayer* person = Context().CurrentWorld()->Persons().FindPlayer(static_cast<uint32_t>(key));
  if (person == nullptr) return;
  CDlgManagerEdit dialog(*person, *Context().CurrentWorld(), Context().CurrentLanguage(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  CommitCountryChange(QString::fromUtf8("Manager ändern"), [&] { dialog.StoreInto(*person); });
  Reload();
}

void CDlgManagAll::Delete(int key) {
  CommitCountryChange(QString::fromUtf8("Manager löschen"),
                      [&] { Country().RemoveAdditionalManager(static_cast<uint32_t>(key)); });
  Reload();
}

}  // namespace torvale
