#include "ui/country/dlg_playerpool.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "ui/common/editor_context.h"
#include "ui/common/message_box.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/country/country_widgets.h"
#include "ui/country/choice_combo.h"
#include "ui/country/country_texts.h"
#include "world/country.h"
#include "world/country_editing.h"
#include "world/fixed_text.h"

namespace torvale {

namespace {

constexpr int kFirstNameChars = 15;
constexpr int kSurnameChars = 19;
constexpr int kMaxAbility = 255;

}  // namespace

QString CountryNameText(const CWorldDatabase& world, int countryId, int language) {
  const CCountry* country = world.Country(countryId);
  return country != nullptr ? FromCp1252(country->Name(language)) : QString::number(countryId);
}

CDlgPlayerpoolEntry::CDlgPlayerpoolEntry(const CPlayerPoolEntry& entry, const CWorldDatabase& world,
                                         const CCountry& country, QWidget* parent)
    : QDialog(parent), entry_(entry) {
  setWindowTitle(QStringLiteral("Jugendspieler"));
  setObjectName(QStringLiteral("CDlgPlayerpoolEntry"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  firstName_ = MakeLimitedEdit(this, kFirstNameChars, QStringLiteral("firstName"), FromCp1252(FixedText(entry.firstName)));
  surname_ = MakeLimitedEdit(this, kSurnameChars, QStringLiteral("surname"), FromCp1252(FixedText(entry.surname)));
  form->addRow(QStringLiteral("Vorname"), firstName_);
  form->addRow(QStringLiteral("Nachname"), surname_);

  const int language = country.Context().language;
  nationality_ = new QComboBox(this);
  nationality_->setObjectName(QStringLiteral("nationality"));
  FillCountryCombo(*nationality_, world, language);
  SetChoice(*nationality_, entry.nationality);
  form->addRow(QString::fromUtf8("Nationalität"), nationality_);

  ability_ = new CSpinEditCtrl(this);
  ability_->SetRange(0, kMaxAbility);
  ability_->SetValue(entry.ability);
  ability_->setObjectName(QStringLiteral("ability"));
  form->addRow(QString::fromUtf8("Fähigkeit"), ability_);

  club_ = new QComboBox(this);
  club_->setObjectName(QStringLiteral("preferredClub"));
  club_->addItem(QStringLiteral("(keiner)"), 0);
  for (const auto& [id, club] : country.Clubs())
    club_->addItem(FromCp1252(country.ClubName(id)), static_cast<int>(id));
  int index = club_->findData(entry.preferredClub);
  if (index < 0) {
    // A club of another country stays as it is.
    club_->addItem(FromCp1252(country.ClubName(static_cast<uint32_t>(entry.preferredClub))), entry.preferredClub);
    index = club_->count() - 1;
  }
  club_->setCurrentIndex(index);
  form->addRow(QStringLiteral("Bevorzugter Verein"), club_);

  teamPart_ = MakeChoiceCombo(PoolTeamPartTexts(), this);
  teamPart_->setObjectName(QStringLiteral("teamPart"));
  SetChoice(*teamPart_, entry.teamPart);
  form->addRow(QStringLiteral("Mannschaftsteil"), teamPart_);
  layout->addLayout(form);

  AddOkCancelButtons(*this, *layout);
}

CPlayerPoolEntry CDlgPlayerpoolEntry::Result() const {
  CPlayerPoolEntry result = entry_;
  SetFixedText(result.firstName, ToCp1252(firstName_->text()));
  SetFixedText(result.surname, ToCp1252(surname_->text()));
  result.nationality = static_cast<uint8_t>(Choice(*nationality_));
  result.ability = static_cast<uint8_t>(ability_->GetValue());
  result.preferredClub = club_->currentData().toInt();
  result.teamPart = static_cast<uint8_t>(Choice(*teamPart_));
  return result;
}

void CDlgPlayerpoolEntry::accept() {
  // Without a surname the entry would count as unused and vanish on saving.
  if (surname_->text().trimmed().isEmpty()) {
    ShowMessage(ToCp1252(QString::fromUtf8("Bitte einen Nachnamen eingeben.")), this);
    return;
  }
  QDialog::accept();
}

CDlgPlayerpool::CDlgPlayerpool(EditorContext& context, QWidget* parent)
    : CCountryListPage(context, parent,
                       {QStringLiteral("Name"), QString::fromUtf8("Nationalität"), QString::fromUtf8("Fähigkeiten"),
                        QStringLiteral("Mannschaftsteil"), QStringLiteral("Verein")}) {}

std::vector<int> CDlgPlayerpool::Keys() const {
  std::vector<int> keys;
  const auto& pool = Country().PlayerPool();
  for (size_t i = 0; i < pool.size(); ++i)
    if (pool[i].InUse()) keys.push_back(static_cast<int>(i));
  return keys;
}

QString CDlgPlayerpool::Cell(int key, int column) const {
  const auto& pool = Country().PlayerPool();
  if (key < 0 || key >= static_cast<int>(pool.size())) return {};
  const CPlayerPoolEntry& entry = pool[static_cast<size_t>(key)];
  switch (column) {
    case 0: return FromCp1252(entry.ShortName());
    case 1: return CountryNameText(*Context().CurrentWorld(), entry.nationality, Context().CurrentLanguage());
    case 2: return QString::number(entry.ability);
    case 3: {
      const QStringList parts = PoolTeamPartTexts();
      return entry.teamPart < parts.size() ? parts[entry.teamPart] : QString::number(entry.teamPart);
    }
    default: return FromCp1252(Country().ClubName(static_cast<uint32_t>(entry.preferredClub)));
  }
}

void CDlgPlayerpool::New() {
  CPlayerPoolEntry entry;
  entry.nationality = static_cast<uint8_t>(Country().CountryNumber());
  CDlgPlayerpoolEntry dialog(entry, *Context().CurrentWorld(), Country(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  int place = 0;
  Context().CurrentChanges().CommitIf(ChangeScope::Country(Country().CountryNumber()), QStringLiteral("Neuer Jugendspieler"),
                                      [&](CWorldDatabase&) { return (place = AddPlayerPoolEntry(Country(), dialog.Result())) != 0; });
  Reload();
  SelectKey(place - 1);
}

void CDlgPlayerpool::Change(int key) {
  auto& pool = Country().PlayerPool();
  if (key < 0 || key >= static_cast<int>(pool.size())) return;
  CDlgPlayerpoolEntry dialog(pool[static_cast<size_t>(key)], *Context().CurrentWorld(), Country(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  CommitCountryChange(QString::fromUtf8("Jugendspieler ändern"), [&] { pool[static_cast<size_t>(key)] = dialog.Result(); });
  Reload();
}

void CDlgPlayerpool::Delete(int key) {
  CommitCountryChange(QString::fromUtf8("Jugendspieler löschen"), [&] { ClearPlayerPoolEntry(Country(), key); });
  Reload();
}

}  // namespace torvale
