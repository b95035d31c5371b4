#include "ui/country/dlg_referees.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "ui/common/editor_context.h"
#include "ui/country/country_texts.h"
#include "ui/country/country_widgets.h"
#include "world/country.h"
#include "world/fixed_text.h"

namespace torvale {

namespace {
// The dialog lets both names run to 19 characters; the record keeps 15 of the first name.
constexpr int kNameChars = 19;
}  // namespace

CDlgRefereeChange::CDlgRefereeChange(const CReferee& referee, QWidget* parent) : QDialog(parent), referee_(referee) {
  setWindowTitle(QString::fromUtf8("Schiedsrichter ändern"));
  setObjectName(QStringLiteral("CDlgRefereeChange"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  firstName_ = MakeLimitedEdit(this, kNameChars, QStringLiteral("firstName"), FromCp1252(FixedText(referee.firstName)));
  surname_ = MakeLimitedEdit(this, kNameChars, QStringLiteral("surname"), FromCp1252(FixedText(referee.surname)));
  form->addRow(QStringLiteral("Vorname"), firstName_);
  form->addRow(QStringLiteral("Nachname"), surname_);
  layout->addLayout(form);

  auto* box = new QGroupBox(QStringLiteral("Charakter"), this);
  auto* boxLayout = new QVBoxLayout(box);
  character_ = new QButtonGroup(this);
  const QStringList characters = RefereeCharacterTexts();
  for (int i = 0; i < characters.size(); ++i) {
    auto* radio = new QRadioButton(characters[i], box);
    radio->setObjectName(QStringLiteral("character%1").arg(i));
    character_->addButton(radio, i);
    boxLayout->addWidget(radio);
  }
  if (QAbstractButton* button = character_->button(referee.character)) button->setChecked(true);
  layout->addWidget(box);

  AddOkCancelButtons(*this, *layout);
}

CReferee CDlgRefereeChange::Result() const {
  CReferee result = referee_;
  SetFixedText(result.firstName, ToCp1252(firstName_->text()));
  SetFixedText(result.surname, ToCp1252(surname_->text()));
  if (character_->checkedId() >= 0) result.character = static_cast<int8_t>(character_->checkedId());
  return result;
}

CDlgReferees::CDlgReferees(EditorContext& context, QWidget* parent)
    : CCountryListPage(context, parent, {QStringLiteral("Name"), QStringLiteral("Besonderheit")}) {}

std::vector<int> CDlgReferees::Keys() const {
  std::vector<int> keys;
  for (const auto& [number, referee] : Country().Referees()) keys.push_back(number);
  return keys;
}

QString CDlgReferees::Cell(int key, int column) const {
  auto it = Country().Referees().find(key);
  if (it == Country().Referees().end()) return {};
  const CReferee* referee = &it->second;
  if (column == 0) return FromCp1252(referee->ShortName());
  const QStringList characters = RefereeCharacterTexts();
  return referee->character >= 0 && referee->character < characters.size() ? characters[referee->character]
                                                                           : QString::number(referee->character);
}

void CDlgReferees::New() {
  CReferee referee;
  referee.character = kRefereeNone;
  CDlgRefereeChange dialog(referee, this);
  if (dialog.exec() != QDialog::Accepted) return;
  int number = 0;
  Context().CurrentChanges().CommitIf(ChangeScope::Country(Country().CountryNumber()), QStringLiteral("Neuer Schiedsrichter"),
                                      [&](CWorldDatabase&) { return (number = Country().AddReferee(dialog.Result())) != 0; });
  Reload();
  SelectKey(number);
}

void CDlgReferees::Change(int key) {
  CReferee* referee = Country().FindReferee(key);
  if (referee == nullptr) return;
  CDlgRefereeChange dialog(*referee, this);
  if (dialog.exec() != QDialog::Accepted) return;
  CommitCountryChange(QStringLiteral("Schiedsrichter ändern"), [&] { *referee = dialog.Result(); });
  Reload();
}

void CDlgReferees::Delete(int key) {
  CommitCountryChange(QStringLiteral("Schiedsrichter löschen"), [&] { Country().RemoveReferee(key); });
  Reload();
}

}  // namespace torvale
