#include "ui/squad/person_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "world/player.h"

namespace torvale {

QDate DateOfDay(uint32_t dayNumber) {
  const CivilDate civil = (dayNumber == 0 ? DATE::FromCivil(2000, 1, 1) : DATE(dayNumber)).Civil();
  return QDate(civil.year, civil.month, civil.day);
}

uint32_t DayOfDate(const QDate& date) { return DATE::FromCivil(date.year(), date.month(), date.day()).jdn; }

void CopyTextInto(char* buffer, size_t size, const QString& text) {
  if (size == 0) return;
  const std::string bytes = ToCp1252(text);
  const size_t length = std::min(bytes.size(), size - 1);
  std::fill(buffer, buffer + size, '\0');
  std::copy_n(bytes.data(), length, buffer);
}

CPersonPage::CPersonPage(CWorldDatabase& world, QWidget* parent) : QWidget(parent), world_(world) {}

void CPersonPage::Load(CPlayer* person) {
  person_ = person;
  LoadGuard guard(*this);
  setEnabled(person != nullptr);
  if (person)
    LoadFields(*person);
  else
    ClearFields();
}

void CPersonPage::Store() {
  if (person_) StoreFields(*person_);
}

void CPersonPage::Changed() {
  if (!Loading() && person_) emit updateList();
}

void CPersonPage::Watch(QLineEdit* edit) { connect(edit, &QLineEdit::textEdited, this, &CPersonPage::Changed); }
void CPersonPage::Watch(QComboBox* box) {
  connect(box, &QComboBox::currentIndexChanged, this, &CPersonPage::Changed);
}
void CPersonPage::Watch(QCheckBox* box) { connect(box, &QCheckBox::toggled, this, &CPersonPage::Changed); }
void CPersonPage::Watch(CSpinEditCtrl* spin) { connect(spin, &CSpinEditCtrl::valueChanged, this, &CPersonPage::Changed); }
void CPersonPage::Watch(QDateEdit* edit) { connect(edit, &QDateEdit::dateChanged, this, &CPersonPage::Changed); }
void CPersonPage::Watch(QPlainTextEdit* edit) {
  connect(edit, &QPlainTextEdit::textChanged, this, &CPersonPage::Changed);
}

CSpinEditCtrl* CPersonPage::MakeSpin(const QString& objectName, int minimum, int maximum) {
  auto* spin = new CSpinEditCtrl(this);
  spin->setObjectName(objectName);
  spin->SetRange(minimum, maximum);
  spin->setMinimumWidth(76);
  spin->setMaximumWidth(96);
  Watch(spin);
  return spin;
}

QComboBox* CPersonPage::MakeCombo(const QString& objectName, const QStringList& texts) {
  auto* box = new QComboBox(this);
  box->setObjectName(objectName);
  for (int i = 0; i < texts.size(); ++i) box->addItem(texts[i], i);
  Watch(box);
  return box;
}

QComboBox* CPersonPage::MakeCountryCombo(const QString& objectName, bool withNone) {
  auto* box = new QComboBox(this);
  box->setObjectName(objectName);
  if (withNone) box->addItem(QStringLiteral("keine"), 0);
  QList<QPair<QString, int>> countries;
  for (int number = kFirstCountry; number <= kLastCountry; ++number) {
    const CCountry* country = world_.Country(number);
    if (country) countries.append({FromCp1252(country->Name(world_.Language())), number});
  }
  std::sort(countries.begin(), countries.end(),
            [](const auto& a, const auto& b) { return QString::localeAwareCompare(a.first, b.first) < 0; });
  for (const auto& [name, number] : countries) box->addItem(name, number);
  Watch(box);
  return box;
}

QLineEdit* CPersonPage::MakeNameEdit(const QString& objectName, int bufferSize) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(objectName);
  // The record's text fields are NUL-terminated buffers: one byte stays for the end.
  edit->setMaxLength(bufferSize - 1);
  Watch(edit);
  return edit;
}

QDateEdit* CPersonPage::MakeDateEdit(const QString& objectName) {
  auto* edit = new QDateEdit(this);
  edit->setObjectName(objectName);
  edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  // The game's dates are read back only between 1700 and 2100.
  edit->setDateRange(QDate(1700, 1, 1), QDate(2100, 12, 31));
  edit->setCalendarPopup(true);
  Watch(edit);
  return edit;
}

QGroupBox* CPersonPage::MakeGroup(const QString& title, QFormLayout*& form) {
  auto* group = new QGroupBox(title);
  form = new QFormLayout(group);
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return group;
}

void CPersonPage::SelectData(QComboBox* box, int value) {
  const int index = box->findData(value);
  box->setCurrentIndex(index >= 0 ? index : 0);
}

int CPersonPage::SelectedData(const QComboBox* box) { return box->currentData().toInt(); }

}  // namespace torvale
