#include "ui/country/dlg_stadiumlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "exchange/text_data_file.h"
#include "ui/common/editor_context.h"
#include "ui/common/message_box.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/country/country_widgets.h"
#include "ui/country/choice_combo.h"
#include "ui/country/country_texts.h"
#include "world/country.h"
#include "world/fixed_text.h"

namespace torvale {

namespace {

constexpr int kStadiumTextChars = 29;
constexpr int kMaxPlaces = 200000;  // places of one kind in one stand

}  // namespace

CDlgStadium::CDlgStadium(const CStadium& stadium, const CStadiumList& models, QWidget* parent)
    : QDialog(parent), stadium_(stadium) {
  setWindowTitle(QStringLiteral("Stadien"));
  setObjectName(QStringLiteral("CDlgStadium"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  name_ = MakeLimitedEdit(this, kStadiumTextChars, QStringLiteral("stadiumName"), FromCp1252(FixedText(stadium.name)));
  town_ = MakeLimitedEdit(this, kStadiumTextChars, QStringLiteral("stadiumTown"), FromCp1252(FixedText(stadium.town)));
  type_ = new QComboBox(this);
  type_->setObjectName(QStringLiteral("stadiumType"));
  for (const CStadiumModel& model : models.Models()) type_->addItem(FromCp1252(model.name), model.model);
  SetChoice(*type_, stadium.Type());
  form->addRow(QStringLiteral("Name"), name_);
  form->addRow(QStringLiteral("Ort"), town_);
  form->addRow(QStringLiteral("Art des Stadions"), type_);
  layout->addLayout(form);

  auto* box = new QGroupBox(QStringLiteral("Platzverteilung"), this);
  auto* grid = new QGridLayout(box);
  const QString headers[] = {QString::fromUtf8("Sitzplätze"), QString::fromUtf8("Stehplätze"),
                             QString::fromUtf8("VIP-Plätze"), QStringLiteral("Dauer-\nkarten blöcke"),
                             QString::fromUtf8("Gäste-\nblock")};
  for (int c = 0; c < 5; ++c) grid->addWidget(new QLabel(headers[c], box), 0, c + 1, Qt::AlignCenter);
  const QStringList stands = StandTexts();
  for (int k = 0; k < kStandCount; ++k) {
    grid->addWidget(new QLabel(stands[k], box), k + 1, 0);
    const int32_t values[] = {stadium.seats[k], stadium.standing[k], stadium.vipSeats[k]};
    for (int c = 0; c < 3; ++c) {
      auto* spin = new CSpinEditCtrl(box);
      spin->SetRange(0, kMaxPlaces);
      spin->SetValue(values[c]);
      spin->setObjectName(QStringLiteral("places%1_%2").arg(k).arg(c));
      connect(spin, &CSpinEditCtrl::valueChanged, this, &CDlgStadium::UpdateCapacity);
      places_[k][c] = spin;
      grid->addWidget(spin, k + 1, c + 1);
    }
    seasonTicket_[k] = new QCheckBox(box);
    seasonTicket_[k]->setObjectName(QStringLiteral("seasonTicket%1").arg(k));
    seasonTicket_[k]->setChecked((stadium.seasonTicketBlocks >> k) & 1);
    guest_[k] = new QCheckBox(box);
    guest_[k]->setObjectName(QStringLiteral("guestBlock%1").arg(k));
    guest_[k]->setChecked((stadium.guestBlocks >> k) & 1);
    grid->addWidget(seasonTicket_[k], k + 1, 4, Qt::AlignCenter);
    grid->addWidget(guest_[k], k + 1, 5, Qt::AlignCenter);
  }
  capacity_ = new QLabel(box);
  capacity_->setObjectName(QStringLiteral("capacity"));
  capacity_->setProperty("role", QStringLiteral("figure"));
  grid->addWidget(new QLabel(QString::fromUtf8("Gesamtkapazität"), box), kStandCount + 1, 0);
  grid->addWidget(capacity_, kStandCount + 1, 1, 1, 2);
  layout->addWidget(box);
  UpdateCapacity();

  AddOkCancelButtons(*this, *layout);
}

CStadium CDlgStadium::Result() const {
  CStadium result = stadium_;
  SetFixedText(result.name, ToCp1252(name_->text()));
  SetFixedText(result.town, ToCp1252(town_->text()));
  if (type_->currentIndex() >= 0) result.SetType(static_cast<uint8_t>(Choice(*type_)));
  result.seasonTicketBlocks = 0;
  result.guestBlocks = 0;
  for (int k = 0; k < kStandCount; ++k) {
    result.seats[k] = places_[k][0]->GetValue();
    result.standing[k] = places_[k][1]->GetValue();
    result.vipSeats[k] = places_[k][2]->GetValue();
    if (seasonTicket_[k]->isChecked()) result.seasonTicketBlocks |= static_cast<uint8_t>(1u << k);
    if (guest_[k]->isChecked()) result.guestBlocks |= static_cast<uint8_t>(1u << k);
  }
  return result;
}

void CDlgStadium::UpdateCapacity() {
  CStadium shown;
  for (int k = 0; k < kStandCount; ++k) {
    shown.seats[k] = places_[k][0]->Value();
    shown.standing[k] = places_[k][1]->Value();
    shown.vipSeats[k] = places_[k][2]->Value();
  }
  capacity_->setText(QLocale(QLocale::German).toString(static_cast<qlonglong>(shown.Capacity())));
}

void CDlgStadium::accept() {
  if (!Result().IsValid()) {
    ShowMessage(ToCp1252(QString::fromUtf8(
                    "Eine Tribüne kann nicht zugleich Dauerkartenblock und Gästeblock sein.")),
                this);
    return;
  }
  QDialog::accept();
}

CDlgStadiumlist::CDlgStadiumlist(EditorContext& context, QWidget* parent)
    : CCountryListPage(context, parent, {QStringLiteral("Name"), QStringLiteral("Stadt"), QString::fromUtf8("Kapazität")}) {}

std::vector<int> CDlgStadiumlist::Keys() const {
  std::vector<int> keys;
  for (const auto& [number, stadium] : Country().Stadiums()) keys.push_back(number);
  return keys;
}

QString CDlgStadiumlist::Cell(int key, int column) const {
  const CStadium* stadium = Country().FindStadium(key);
  if (stadium == nullptr) return {};
  switch (column) {
    case 0: return FromCp1252(FixedText(stadium->name));
    case 1: return FromCp1252(FixedText(stadium->town));
    default: return QLocale(QLocale::German).toString(static_cast<qlonglong>(stadium->Capacity()));
  }
}

void CDlgStadiumlist::New() {
  CDlgStadium dialog(CStadium{}, Context().StadiumModels(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  int number = 0;
  Context().CurrentChanges().CommitIf(ChangeScope::Country(Country().CountryNumber()), QStringLiteral("Neues Stadion"),
                                      [&](CWorldDatabase&) { return (number = Country().AddStadium(dialog.Result())) != 0; });
  Reload();
  SelectKey(number);
}

void CDlgStadiumlist::Change(int key) {
  CStadium* stadium = Country().FindStadium(key);
  if (stadium == nullptr) return;
  CDlgStadium dialog(*stadium, Context().StadiumModels(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  CommitCountryChange(QString::fromUtf8("Stadion ändern"), [&] { *stadium = dialog.Result(); });
  Reload();
}

void CDlgStadiumlist::Delete(int key) {
  CommitCountryChange(QString::fromUtf8("Stadion löschen"), [&] { Country().RemoveStadium(key); });
  Reload();
}

}  // namespace torvale
