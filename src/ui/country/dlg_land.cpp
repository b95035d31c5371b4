#include "ui/country/dlg_land.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt_text.h"
#include "ui/common/world_changes.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/country/choice_combo.h"
#include "ui/country/country_texts.h"
#include "ui/country/country_widgets.h"
#include "world/fixed_text.h"
#include "world/language_list.h"

namespace torvale {

namespace {

constexpr int kFirstBirthYear = 1700;  // the years a stored date keeps on reading
constexpr int kLastBirthYear = 2100;
constexpr int kMaxTitles = 20;
constexpr int kFirstNameChars = 15;
constexpr int kSurnameChars = 19;
constexpr int kFederationChars = 9;
constexpr int kNewspaperChars = 30;

CSpinEditCtrl* MakeSpin(QWidget* parent, int minimum, int maximum, const QString& name) {
  auto* spin = new CSpinEditCtrl(parent);
  spin->SetRange(minimum, maximum);
  spin->setObjectName(name);
  return spin;
}

void SetText(QLineEdit& edit, std::string_view text) { edit.setText(FromCp1252(text)); }

template <size_t N>
void StoreText(const QLineEdit& edit, char (&field)[N]) {
  SetFixedText(field, ToCp1252(edit.text()));
}

}  // namespace

CDlgLand::CDlgLand(EditorContext& context, QWidget* parent) : CCountryPage(context, parent) {
  auto* columns = new QHBoxLayout(this);

  auto* left = new QVBoxLayout;
  auto* federation = new QGroupBox(QStringLiteral("Name des Verbandes"), this);
  auto* federationLayout = new QVBoxLayout(federation);
  federation_ = MakeLimitedEdit(federation, kFederationChars, QStringLiteral("federationName"));
  federationLayout->addWidget(federation_);
  left->addWidget(federation);

  auto* continentBox = new QGroupBox(QStringLiteral("Kontinent"), this);
  auto* continentLayout = new QGridLayout(continentBox);
  continent_ = new QButtonGroup(this);
  const QStringList continents = ContinentTexts();
  for (int i = 0; i < continents.size(); ++i) {
    auto* radio = new QRadioButton(continents[i], continentBox);
    radio->setObjectName(QStringLiteral("continent%1").arg(i));
    continent_->addButton(radio, i);
    continentLayout->addWidget(radio, i / 2, i % 2);
  }
  connect(continent_, &QButtonGroup::idClicked, this, &CDlgLand::ContinentClicked);
  left->addWidget(continentBox);
  left->addWidget(MakePresidentGroup());
  left->addWidget(MakeReporterGroup());
  left->addStretch();

  auto* middle = new QVBoxLayout;
  middle->addWidget(MakeSettingsGroup());
  middle->addWidget(MakeTitlesGroup());
  middle->addStretch();

  auto* right = new QVBoxLayout;
  right->addWidget(MakeLanguagesGroup());
  auto* notesBox = new QGroupBox(QStringLiteral("Notizen"), this);
  auto* notesLayout = new QVBoxLayout(notesBox);
  notes_ = new QPlainTextEdit(notesBox);
  notes_->setObjectName(QStringLiteral("notes"));
  notesLayout->addWidget(notes_);
  right->addWidget(notesBox, 1);

  columns->addLayout(left, 1);
  columns->addLayout(middle, 1);
  columns->addLayout(right, 1);
}

QWidget* CDlgLand::MakePresidentGroup() {
  auto* box = new QGroupBox(QStringLiteral("Präsident des Verbandes"), this);
  auto* form = new QFormLayout(box);
  presidentSurname_ = MakeLimitedEdit(box, kSurnameChars, QStringLiteral("presidentSurname"));
  presidentFirstName_ = MakeLimitedEdit(box, kFirstNameChars, QStringLiteral("presidentFirstName"));
  form->addRow(QStringLiteral("Name"), presidentSurname_);
  form->addRow(QStringLiteral("Vorname"), presidentFirstName_);

  auto* dateRow = new QHBoxLayout;
  birthDay_ = MakeSpin(box, 1, 31, QStringLiteral("birthDay"));
  birthMonth_ = MakeSpin(box, 1, 12, QStringLiteral("birthMonth"));
  birthYear_ = MakeSpin(box, kFirstBirthYear, kLastBirthYear, QStringLiteral("birthYear"));
  dateRow->addWidget(birthDay_);
  dateRow->addWidget(new QLabel(QStringLiteral("."), box));
  dateRow->addWidget(birthMonth_);
  dateRow->addWidget(new QLabel(QStringLiteral("."), box));
  dateRow->addWidget(birthYear_, 1);
  form->addRow(QStringLiteral("Geburtsdatum"), dateRow);
  age_ = new QLabel(box);
  age_->setObjectName(QStringLiteral("presidentAge"));
  form->addRow(QStringLiteral("Alter"), age_);

  auto dateEdited = [this] {
    if (!loading_) birthDateEdited_ = true;
    UpdateAge();
  };
  connect(birthMonth_, &CSpinEditCtrl::valueChanged, this, [this, dateEdited] {
    BirthMonthChanged();
    dateEdited();
  });
  connect(birthYear_, &CSpinEditCtrl::valueChanged, this, [this, dateEdited] {
    BirthMonthChanged();
    dateEdited();
  });
  connect(birthDay_, &CSpinEditCtrl::valueChanged, this, dateEdited);
  return box;
}

QWidget* CDlgLand::MakeReporterGroup() {
  auto* box = new QGroupBox(QStringLiteral("Reporter"), this);
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel(QStringLiteral("Vorname"), box), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Nachname"), box), 0, 2);
  const QString rows[] = {QStringLiteral("Zeitung"), QStringLiteral("Im Stadion"), QStringLiteral("Im Studio")};
  for (int r = 0; r < kReporterCount; ++r) {
    grid->addWidget(new QLabel(rows[r], box), r + 1, 0);
    reporterFirst_[r] = MakeLimitedEdit(box, kFirstNameChars, QStringLiteral("reporterFirstName%1").arg(r));
    reporterSurname_[r] = MakeLimitedEdit(box, kSurnameChars, QStringLiteral("reporterSurname%1").arg(r));
    grid->addWidget(reporterFirst_[r], r + 1, 1);
    grid->addWidget(reporterSurname_[r], r + 1, 2);
  }
  return box;
}

QWidget* CDlgLand::MakeScrollRow(QScrollBar*& bar, QLabel*& text, int minimum, int maximum, const QString& name) {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  bar = new QScrollBar(Qt::Horizontal, row);
  bar->setRange(minimum, maximum);
  bar->setPageStep(1);
  bar->setObjectName(name);
  bar->setMinimumWidth(120);
  text = new QLabel(row);
  text->setObjectName(name + QStringLiteral("Text"));
  text->setMinimumWidth(32);
  text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  layout->addWidget(bar, 1);
  layout->addWidget(text);
  return row;
}

QWidget* CDlgLand::MakeSettingsGroup() {
  auto* box = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* form = new QFormLayout(box);
  form->setRowWrapPolicy(QFormLayout::WrapLongRows);
  newspaper_ = MakeLimitedEdit(box, kNewspaperChars, QStringLiteral("newspaper"));
  form->addRow(QStringLiteral("Landesweite Zeitung"), newspaper_);

  form->addRow(QStringLiteral("Wahrscheinlichkeit für Wechsel ins Ausland (in %)"),
               MakeScrollRow(moveAbroad_, moveAbroadText_, 0, 100, QStringLiteral("moveAbroad")));
  connect(moveAbroad_, &QScrollBar::valueChanged, this, [this](int v) { moveAbroadText_->setText(QString::number(v)); });

  teamTransfers_ = MakeChoiceCombo(TeamTransferTexts(), box);
  teamTransfers_->setObjectName(QStringLiteral("teamTransfers"));
  form->addRow(QStringLiteral("Wechsel 1./2. Mannschaft"), teamTransfers_);

  generateNames_ = new QCheckBox(QStringLiteral("Namen generieren"), box);
  generateNames_->setObjectName(QStringLiteral("generateNames"));
  form->addRow(generateNames_);

  form->addRow(QStringLiteral("Durchschn. Stärke:"),
               MakeScrollRow(strength_, strengthText_, 1, kMaxAverageStrength, QStringLiteral("averageStrength")));
  connect(strength_, &QScrollBar::valueChanged, this, [this](int v) { strengthText_->setText(AverageStrengthText(v)); });

  climate_ = MakeChoiceCombo(ClimateTexts(), box);
  climate_->setObjectName(QStringLiteral("climate"));
  form->addRow(QStringLiteral("Klima"), climate_);

  auto* windows = new QGroupBox(QStringLiteral("Transferlisten"), box);
  auto* windowsForm = new QFormLayout(windows);
  window1_ = MakeChoiceCombo(TransferWindow1Texts(), windows);
  window1_->setObjectName(QStringLiteral("transferWindow1"));
  window2_ = MakeChoiceCombo(TransferWindow2Texts(), windows);
  window2_->setObjectName(QStringLiteral("transferWindow2"));
  windowsForm->addRow(QStringLiteral("Phase 1"), window1_);
  windowsForm->addRow(QStringLiteral("Phase 2"), window2_);
  form->addRow(windows);
  return box;
}

QWidget* CDlgLand::MakeTitlesGroup() {
  auto* box = new QGroupBox(QStringLiteral("Titelgewinne"), this);
  auto* form = new QFormLayout(box);
  const QString labels[] = {QStringLiteral("Kontinentale Titel"), QStringLiteral("Finalteilnahmen"),
                            QStringLiteral("Weltmeisterschaften"), QStringLiteral("Finalteilnahmen")};
  const QString names[] = {QStringLiteral("continentalTitles"), QStringLiteral("continentalFinals"),
                           QStringLiteral("worldChampionships"), QStringLiteral("worldChampionshipFinals")};
  for (size_t i = 0; i < titles_.size(); ++i) {
    form->addRow(labels[i], MakeScrollRow(titles_[i], titleTexts_[i], 0, kMaxTitles, names[i]));
    QLabel* text = titleTexts_[i];
    connect(titles_[i], &QScrollBar::valueChanged, this, [text](int v) { text->setText(QString::number(v)); });
  }
  return box;
}

QWidget* CDlgLand::MakeLanguagesGroup() {
  auto* box = new QGroupBox(QStringLiteral("Sprachen im Land"), this);
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel(QStringLiteral("Sprache"), box), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Anteil"), box), 0, 1);
  QStringList names;
  for (int n = 0; n < kLanguageCount; ++n) names << FromCp1252(LanguageName(n));
  for (int i = 0; i < kSpokenLanguageSlots; ++i) {
    languages_[i] = MakeChoiceCombo(names, box);
    languages_[i]->setObjectName(QStringLiteral("language%1").arg(i));
    shares_[i] = MakeSpin(box, 0, 100, QStringLiteral("languageShare%1").arg(i));
    shares_[i]->setMinimumWidth(64);
    grid->addWidget(languages_[i], i + 1, 0);
    grid->addWidget(shares_[i], i + 1, 1);
    connect(shares_[i], &CSpinEditCtrl::valueChanged, this, &CDlgLand::UpdateLanguageSum);
  }
  languageSum_ = new QLabel(box);
  languageSum_->setObjectName(QStringLiteral("languageSum"));
  grid->addWidget(new QLabel(QStringLiteral("Summe"), box), kSpokenLanguageSlots + 1, 0, Qt::AlignRight);
  grid->addWidget(languageSum_, kSpokenLanguageSlots + 1, 1);
  grid->setColumnStretch(0, 1);
  return box;
}

void CDlgLand::BirthMonthChanged() {
  const int days = DaysInMonth(birthYear_->Value(), birthMonth_->Value());
  birthDay_->SetRange(1, days);
  // The range alone does not move the value; a 31st in a shorter month becomes its last day.
  birthDay_->SetValue(std::min(birthDay_->Value(), days));
}

void CDlgLand::UpdateAge() {
  if (!HasCountry()) return;
  if (!birthDateEdited_ && Country().presidentBirthDate.IsNone()) {
    age_->clear();
    return;
  }
  const DATE birth = DATE::FromCivil(birthYear_->Value(), birthMonth_->Value(), birthDay_->Value());
  age_->setText(QString::number(birth.AgeAt(Country().Context().referenceDate)));
}

void CDlgLand::UpdateLanguageSum() {
  int sum = 0;
  for (const CSpinEditCtrl* share : shares_) sum += share->Value();
  languageSum_->setText(QStringLiteral("%1 %").arg(sum));
}

void CDlgLand::ContinentClicked(int continent) {
  if (!HasCountry() || Country().continent == static_cast<uint32_t>(continent)) return;
  CommitCountryChange(QStringLiteral("Kontinent"), [&] { Country().continent = static_cast<uint32_t>(continent); });
}

void CDlgLand::SetCountry(CCountry& country) {
  SetCountryPointer(country);
  loading_ = true;
  birthDateEdited_ = false;
  SetText(*federation_, country.federationName);
  if (QAbstractButton* button = continent_->button(static_cast<int>(country.continent))) button->setChecked(true);
  SetText(*presidentSurname_, country.presidentSurname);
  SetText(*presidentFirstName_, country.presidentFirstName);
  const CivilDate birth = country.presidentBirthDate.IsNone() ? CivilDate{1950, 1, 1} : country.presidentBirthDate.Civil();
  birthDay_->SetRange(1, 31);
  birthDay_->SetValue(birth.day);
  birthYear_->SetValue(birth.year);
  birthMonth_->SetValue(birth.month);
  BirthMonthChanged();
  for (int r = 0; r < kReporterCount; ++r) {
    SetText(*reporterFirst_[r], country.reporters[r].firstName);
    SetText(*reporterSurname_[r], country.reporters[r].surname);
  }
  SetText(*newspaper_, country.nationalNewspaper);
  moveAbroad_->setValue(country.moveAbroadProbability);
  moveAbroadText_->setText(QString::number(moveAbroad_->value()));
  SetChoice(*teamTransfers_, country.teamTransfers);
  generateNames_->setChecked(country.generateNames != 0);
  strength_->setValue(country.averageStrength);
  strengthText_->setText(AverageStrengthText(strength_->value()));
  SetChoice(*climate_, country.climate);
  const uint16_t titles[] = {country.continentalTitles, country.continentalFinals, country.worldChampionships,
                             country.worldChampionshipFinals};
  for (size_t i = 0; i < titles_.size(); ++i) {
    titles_[i]->setValue(titles[i]);
    titleTexts_[i]->setText(QString::number(titles_[i]->value()));
  }
  SetChoice(*window1_, country.transferWindow1);
  SetChoice(*window2_, country.transferWindow2);
  for (int i = 0; i < kSpokenLanguageSlots; ++i) {
    SetChoice(*languages_[i], country.languages[i]);
    shares_[i]->SetValue(country.languageShares[i]);
  }
  UpdateLanguageSum();
  notes_->setPlainText(FromCp1252(country.notes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  loading_ = false;
  UpdateAge();
}

void CDlgLand::Store() {
  if (!HasCountry()) return;
  CCountry& country = Country();
  StoreText(*federation_, country.federationName);
  StoreText(*presidentSurname_, country.presidentSurname);
  StoreText(*presidentFirstName_, country.presidentFirstName);
  if (birthDateEdited_ || !country.presidentBirthDate.IsNone())
    country.presidentBirthDate = DATE::FromCivil(birthYear_->Value(), birthMonth_->Value(), birthDay_->Value());
  for (int r = 0; r < kReporterCount; ++r) {
    StoreText(*reporterFirst_[r], country.reporters[r].firstName);
    StoreText(*reporterSurname_[r], country.reporters[r].surname);
  }
  country.nationalNewspaper = ToCp1252(newspaper_->text());
  country.moveAbroadProbability = static_cast<uint8_t>(moveAbroad_->value());
  country.teamTransfers = static_cast<uint8_t>(Choice(*teamTransfers_));
  country.generateNames = generateNames_->isChecked() ? 1 : 0;
  country.averageStrength = static_cast<uint8_t>(strength_->value());
  country.climate = static_cast<uint8_t>(Choice(*climate_));
  country.continentalTitles = static_cast<uint16_t>(titles_[0]->value());
  country.continentalFinals = static_cast<uint16_t>(titles_[1]->value());
  country.worldChampionships = static_cast<uint16_t>(titles_[2]->value());
  country.worldChampionshipFinals = static_cast<uint16_t>(titles_[3]->value());
  country.transferWindow1 = Choice(*window1_);
  country.transferWindow2 = Choice(*window2_);
  for (int i = 0; i < kSpokenLanguageSlots; ++i) {
    country.languages[i] = static_cast<uint8_t>(Choice(*languages_[i]));
    country.languageShares[i] = static_cast<uint8_t>(shares_[i]->Value());
  }
  country.NormaliseLanguages();
  // The record keeps the notes' lines with CR LF.
  country.notes = ToCp1252(notes_->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
  // The shares may have moved; show what was stored.
  SetCountry(country);
}

}  // namespace torvale
