#include "ui/club/dlg_club.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "database/world_database.h"
#include "exchange/text_data_file.h"
#include "ui/club/club_controls.h"
#include "ui/club/club_editor_context.h"
#include "world/club.h"
#include "world/club_editing.h"
#include "world/club_grammar.h"
#include "world/fixed_text.h"
#include "world/player_format.h"

namespace torvale {

namespace {

constexpr const char* kLanguageNames[] = {"Deutsch", "Englisch", "Französisch", "Spanisch"};
constexpr int kEditorLanguages = 4;  // language 4 is not edited here

QLabel* ValueLabel(const char* objectName) {
  auto* label = new QLabel;
  label->setObjectName(objectName);
  label->setMinimumWidth(40);
  return label;
}

// What the game will say, set apart from the fields the user types into.
QLabel* PreviewLabel(const QString& objectName) {
  auto* label = ValueLabel(qPrintable(objectName));
  label->setStyleSheet("QLabel { color: #1c4f8c; font-style: italic; }");
  label->setWordWrap(true);
  return label;
}

QPushButton* ArticleButton(const char* objectName) {
  auto* button = new QPushButton("the");
  button->setObjectName(objectName);
  button->setMinimumWidth(104);
  return button;
}

template <size_t N>
void StoreField(char (&buffer)[N], const QLineEdit* field) {
  SetFixedText(buffer, TypedText(field), static_cast<size_t>(field->maxLength()));
}

template <size_t N>
QLineEdit* FieldFor(const char (&)[N], const char* objectName) {
  return MakeTextField(nullptr, objectName, N - 1);
}

}  // namespace

CDlgClub::CDlgClub(CClub& club, const ClubEditorContext& context, QWidget* parent)
    : CClubPage(club, context, parent) {
  setObjectName("CDlgClub");
  auto* columns = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(MakeGeneralGroup());
  left->addStretch();
  auto* middle = new QVBoxLayout;
  middle->addWidget(MakeFinanceGroup());
  middle->addWidget(MakeStartGroup());
  middle->addWidget(MakeAddressGroup());
  middle->addWidget(MakePressGroup());
  middle->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(MakeSpectatorGroup());
  right->addWidget(MakeTeamGroup());
  right->addStretch();
  columns->addLayout(left, 5);
  columns->addLayout(middle, 4);
  columns->addLayout(right, 4);
}

QWidget* CDlgClub::MakeGeneralGroup() {
  auto* form = new QGridLayout;
  int row = 0;
  auto label = [&](const char* text) { form->addWidget(new QLabel(QString::fromUtf8(text)), row, 0); };

  language_ = new QComboBox;
  language_->setObjectName("languageBox");
  for (int l = 0; l < kEditorLanguages; ++l) language_->addItem(QString::fromUtf8(kLanguageNames[l]), l);
  connect(language_, &QComboBox::currentIndexChanged, this, &CDlgClub::OnLanguageChosen);
  label("Sprache");
  form->addWidget(language_, row++, 1, 1, 3);

  // A text with its article button and the phrase the game makes of both.
  auto articleRow = [&](const char* text, QLineEdit* field, QPushButton*& button, QLabel*& preview,
                        const QString& name) {
    button = ArticleButton(qPrintable(name + "ArticleButton"));
    preview = PreviewLabel(name + "ArticlePreview");
    label(text);
    form->addWidget(field, row, 1, 1, 2);
    form->addWidget(button, row++, 3);
    form->addWidget(preview, row++, 1, 1, 3);
  };
  name_ = MakeTextField(nullptr, "nameEdit", kClubNameChars);
  name_->setMinimumWidth(200);
  articleRow("Name des Vereins", name_, nameArticle_, nameArticlePreview_, "name");

  shortName_ = MakeTextField(nullptr, "shortNameEdit", kClubShortNameChars);
  abbreviation_ = MakeTextField(nullptr, "abbreviationEdit", kClubAbbreviationChars);
  abbreviation_->setMaximumWidth(80);
  shortName_->setMinimumWidth(150);
  label("Abkürzung");
  form->addWidget(shortName_, row, 1);
  form->addWidget(abbreviation_, row++, 2);

  for (int example = 0; example < kClubSentenceExamples; ++example) {
    auto* button = new QPushButton;
    button->setObjectName(QString("sentenceFormButton%1").arg(example + 1));
    button->setMinimumWidth(104);
    auto* preview = PreviewLabel(QString("sentencePreview%1").arg(example + 1));
    if (example == 0) label("Im Satz");
    form->addWidget(preview, row, 1, 1, 2);
    form->addWidget(button, row++, 3);
    sentenceForm_[static_cast<size_t>(example)] = button;
    sentencePreview_[static_cast<size_t>(example)] = preview;
    connect(button, &QPushButton::clicked, this, [this] {
      auto& form = Club().sentenceForms[shownLanguage_];
      form = NextClubSentenceForm(shownLanguage_, form);
      RefreshGrammar();
    });
  }

  town_ = MakeTextField(nullptr, "townEdit", kClubTownChars);
  label("Ort");
  form->addWidget(town_, row++, 1, 1, 3);

  speech_ = new QComboBox;
  speech_->setObjectName("speechBox");
  if (const CTextDataTables* tables = Context().tables)
    for (int i = 0; i < tables->speeches.Count(); ++i)
      speech_->addItem(FromCp1252(tables->speeches.GetText(i)), static_cast<int>(tables->speeches.GetId(i)));
  label("Sprach ID");
  form->addWidget(speech_, row++, 1, 1, 3);

  // A typed year outside the range is corrected when the field is left.
  foundingYear_ = new CSpinEditCtrl;
  foundingYear_->setObjectName("foundingYear");
  foundingYear_->SetRange(kFoundingYearMin, kFoundingYearMax);
  foundingYear_->setMinimumWidth(90);
  label("Gründungsjahr");
  form->addWidget(foundingYear_, row++, 1);

  fansName_ = MakeTextField(nullptr, "fansNameEdit", kClubFansNameChars);
  articleRow("Bezeichnung der Fans", fansName_, fanArticle_, fanArticlePreview_, "fan");
  secondFansName_ = MakeTextField(nullptr, "secondFansNameEdit", kClubFansNameChars);
  articleRow("2. Bezeichnung", secondFansName_, secondFanArticle_, secondFanArticlePreview_, "secondFan");

  mascot_ = MakeTextField(nullptr, "mascotEdit", kClubFansNameChars);
  label("Maskottchen");
  form->addWidget(mascot_, row++, 1, 1, 3);

  fanFriendship_ = new QComboBox;
  fanFriendship_->setObjectName("fanFriendshipBox");
  archRival1_ = new QComboBox;
  archRival1_->setObjectName("archRival1Box");
  archRival2_ = new QComboBox;
  archRival2_->setObjectName("archRival2Box");
  label("Fanfreundschaft mit");
  form->addWidget(fanFriendship_, row++, 1, 1, 3);
  label("Erzrivalen");
  form->addWidget(archRival1_, row++, 1, 1, 3);
  form->addWidget(archRival2_, row++, 1, 1, 3);
  FillClubBoxes();

  auto article = [this](QPushButton* button, uint8_t (ClubFields::*articles)[kClubLanguages]) {
    connect(button, &QPushButton::clicked, this, [this, articles] {
      auto& value = (Club().*articles)[shownLanguage_];
      value = NextClubArticle(shownLanguage_, value);
      RefreshGrammar();
    });
  };
  article(nameArticle_, &ClubFields::nameArticles);
  article(fanArticle_, &ClubFields::fanNameArticles);
  article(secondFanArticle_, &ClubFields::secondFanNameArticles);
  for (QLineEdit* field : {name_, shortName_, fansName_, secondFansName_})
    connect(field, &QLineEdit::textChanged, this, &CDlgClub::RefreshGrammar);

  form->setColumnStretch(1, 1);
  return MakeGroup("Allgemein", form);
}

QWidget* CDlgClub::MakeFinanceGroup() {
  auto* grid = new QGridLayout;
  assets_ = new CSpinEditCtrl;
  assets_->setObjectName("assetsSpin");
  assets_->SetRange(0, kAssetsPositionMax);
  assets_->setMinimumWidth(90);
  assetsAmount_ = ValueLabel("assetsAmount");
  assetsAmount_->setMinimumWidth(110);
  assetsAmount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  connect(assets_, &CSpinEditCtrl::valueChanged, this, &CDlgClub::ShowAssets);
  grid->addWidget(new QLabel(QString::fromUtf8("Anfangsvermögen")), 0, 0);
  grid->addWidget(assets_, 0, 1);
  grid->addWidget(assetsAmount_, 0, 2);
  publicCompany_ = new QCheckBox("Aktiengesellschaft");
  publicCompany_->setObjectName("publicCompanyCheck");
  grid->addWidget(publicCompany_, 1, 0, 1, 3);
  return MakeGroup("Finanzen", grid);
}

QWidget* CDlgClub::MakeStartGroup() {
  auto* grid = new QGridLayout;
  deduction_ = new QButtonGroup(this);
  auto* radios = new QHBoxLayout;
  for (int points : kPointsDeductions) {
    auto* radio = new QRadioButton(QString::number(points));
    radio->setObjectName(QString("deduction%1").arg(points));
    deduction_->addButton(radio, points);
    radios->addWidget(radio);
  }
  radios->addStretch();
  grid->addWidget(new QLabel("Punktabzug bei Spielstart"), 0, 0);
  grid->addLayout(radios, 0, 1, 1, 2);
  prestige_ = new QScrollBar(Qt::Horizontal);
  prestige_->setObjectName("prestigeBar");
  prestige_->setRange(0, kClubPrestigeMax);
  prestige_->setPageStep(5);
  prestigeValue_ = ValueLabel("prestigeValue");
  connect(prestige_, &QScrollBar::valueChanged, this,
          [this](int value) { prestigeValue_->setText(QString::asprintf("%d", value)); });
  grid->addWidget(new QLabel("Vereinsprestige"), 1, 0);
  grid->addWidget(prestige_, 1, 1);
  grid->addWidget(prestigeValue_, 1, 2);
  grid->setColumnStretch(1, 1);
  return MakeGroup("Bedingungen beim Spielstart", grid);
}

QWidget* CDlgClub::MakeAddressGroup() {
  auto* form = new QFormLayout;
  address_ = MakeTextField(nullptr, "addressEdit", kClubAddressChars);
  phone_ = MakeTextField(nullptr, "phoneEdit", kClubPhoneChars);
  website_ = FieldFor(Club().website, "websiteEdit");
  fanSites_ = FieldFor(Club().fanSites, "fanSitesEdit");
  form->addRow("Adresse", address_);
  form->addRow("Telefonnummer", phone_);
  form->addRow("Website/E-Mail", website_);
  form->addRow("Fansites", fanSites_);
  return MakeGroup("Anschrift", form);
}

QWidget* CDlgClub::MakePressGroup() {
  auto* form = new QFormLayout;
  newspaper_ = MakeTextField(nullptr, "newspaperEdit", kClubNewspaperChars);
  form->addRow("Lokale Zeitung", newspaper_);
  return MakeGroup("Lokale Presse", form);
}

QWidget* CDlgClub::MakeSpectatorGroup() {
  static constexpr const char* kQuestions[] = {
      "Wie viele Zuschauer kommen, wenn diese Mannschaft auf einem Mittelfeldplatz der ersten Liga steht?",
      "Wie viele Zuschauer kommen, wenn diese Mannschaft das wichtiges Spiel seit 10 Jahren gegen einen "
      "Gegner aus der gleichen Liga bestreiten muss?",
      "Wie viele Dauerkarten wurden in der letzten Saison verkauft?",
  };
  static constexpr const char* kNames[] = {"spectatorsMidTable", "spectatorsBigMatch", "seasonTickets"};
  auto* grid = new QGridLayout;
  for (int i = 0; i < 3; ++i) {
    auto* question = new QLabel(QString::fromUtf8(kQuestions[i]));
    question->setWordWrap(true);
    auto* field = MakeTextField(nullptr, kNames[i], kSpectatorDigits);
    field->setValidator(new QIntValidator(0, kSpectatorsMax, field));
    field->setMaximumWidth(80);
    grid->addWidget(question, i, 0);
    grid->addWidget(field, i, 1, Qt::AlignTop);
    spectators_[static_cast<size_t>(i)] = field;
  }
  grid->setColumnStretch(0, 1);
  return MakeGroup("Zuschauerinteresse (ohne Begrenzung durch Stadiongröße)", grid);
}

QWidget* CDlgClub::MakeTeamGroup() {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Spieler"), 0, 1);
  grid->addWidget(new QLabel(QString::fromUtf8("Durchschn. Stärke")), 0, 2);
  static constexpr const char* kTeams[] = {"1. Mannschaft", "2. Mannschaft"};
  for (int row = 0; row < 2; ++row) {
    grid->addWidget(new QLabel(kTeams[row]), row + 1, 0);
    teamCount_[static_cast<size_t>(row)] = ValueLabel(row == 0 ? "firstTeamCount" : "reserveTeamCount");
    teamStrength_[static_cast<size_t>(row)] = ValueLabel(row == 0 ? "firstTeamStrength" : "reserveTeamStrength");
    grid->addWidget(teamCount_[static_cast<size_t>(row)], row + 1, 1);
    grid->addWidget(teamStrength_[static_cast<size_t>(row)], row + 1, 2);
  }
  return MakeGroup("Mannschaft", grid);
}

void CDlgClub::FillClubBoxes() {
  for (QComboBox* box : {fanFriendship_, archRival1_, archRival2_}) {
    box->clear();
    box->addItem("kein Verein", 0);
  }
  const CCountry* country = Context().country;
  if (!country) return;
  const int language = Context().Language();
  for (const auto& [id, other] : country->Clubs()) {
    if (other->Number() == kAmateurClubNumber || other->Number() == Club().Number()) continue;
    for (QComboBox* box : {fanFriendship_, archRival1_, archRival2_})
      box->addItem(FromCp1252(other->Name(language)), static_cast<int>(other->Number()));
  }
}

// ---------------------------------------------------------------- load and store

void CDlgClub::LoadPage() {
  CClub& club = Club();
  shownLanguage_ = std::clamp(Context().Language(), 0, kEditorLanguages - 1);
  {
    const QSignalBlocker block(language_);
    language_->setCurrentIndex(shownLanguage_);
  }
  LoadLanguageFields();
  SelectValue(speech_, club.secondSiblingId);
  foundingYear_->SetValue(club.foundingYear);
  loadedAssetsPosition_ = StartingAssetsPosition(club.startingAssets);
  assets_->SetValue(loadedAssetsPosition_);
  ShowAssets(loadedAssetsPosition_);
  publicCompany_->setChecked(club.publicCompany != 0);
  if (QAbstractButton* radio = deduction_->button(club.pointsDeduction)) {
    radio->setChecked(true);
  } else {
    // A deduction the editor does not offer stays as it is until a radio button is chosen.
    deduction_->setExclusive(false);
    for (QAbstractButton* b : deduction_->buttons()) b->setChecked(false);
    deduction_->setExclusive(true);
  }
  prestige_->setValue(club.prestige);
  prestigeValue_->setText(QString::asprintf("%d", prestige_->value()));
  SelectValue(fanFriendship_, static_cast<int>(club.fanFriendship));
  SelectValue(archRival1_, static_cast<int>(club.archRival1));
  SelectValue(archRival2_, static_cast<int>(club.archRival2));
  ShowText(fansName_, FixedText(club.fansName));
  ShowText(secondFansName_, FixedText(club.secondFansName));
  ShowText(mascot_, FixedText(club.mascot));
  ShowText(address_, FixedText(club.address));
  ShowText(phone_, FixedText(club.phone));
  ShowText(website_, FixedText(club.website));
  ShowText(fanSites_, FixedText(club.fanSites));
  ShowText(newspaper_, FixedText(club.localNewspaper));
  const int32_t spectators[] = {club.spectatorsMidTable, club.spectatorsBigMatch, club.seasonTickets};
  for (size_t i = 0; i < 3; ++i) spectators_[i]->setText(QString::number(spectators[i]));
  for (int team : {kFirstTeam, kReserveTeam}) {
    const size_t row = team == kFirstTeam ? 0 : 1;
    teamCount_[row]->setText(QString::number(club.CountPlayers(team)));
    teamStrength_[row]->setText(QString::asprintf("%2.2f", club.AverageStrength(team)));
  }
  RefreshGrammar();
}

bool CDlgClub::StorePage() {
  CClub& club = Club();
  StoreLanguageFields();
  // What is typed but not yet taken (the field not left) counts as well.
  foundingYear_->SetValue(foundingYear_->GetValue());
  assets_->SetValue(assets_->GetValue());
  club.secondSiblingId = static_cast<uint16_t>(SelectedValue(speech_));
  club.foundingYear = static_cast<uint16_t>(CorrectFoundingYear(foundingYear_->Value()));
  // Amounts off the editor's grid (from files) stay unless the user moved the spin.
  if (assets_->Value() != loadedAssetsPosition_) {
    club.startingAssets = StartingAssetsAt(assets_->Value());
    loadedAssetsPosition_ = assets_->Value();
  }
  club.publicCompany = publicCompany_->isChecked() ? 1 : 0;
  if (deduction_->checkedId() >= 0) club.pointsDeduction = static_cast<uint8_t>(deduction_->checkedId());
  club.prestige = static_cast<uint8_t>(prestige_->value());
  club.fanFriendship = static_cast<uint32_t>(SelectedValue(fanFriendship_));
  club.archRival1 = static_cast<uint32_t>(SelectedValue(archRival1_));
  club.archRival2 = static_cast<uint32_t>(SelectedValue(archRival2_));
  StoreField(club.fansName, fansName_);
  StoreField(club.secondFansName, secondFansName_);
  StoreField(club.mascot, mascot_);
  StoreField(club.address, address_);
  StoreField(club.phone, phone_);
  StoreField(club.website, website_);
  StoreField(club.fanSites, fanSites_);
  StoreField(club.localNewspaper, newspaper_);
  // A number from a file beyond the field's six digits is shown cut: keep it unless retyped.
  int32_t* spectators[] = {&club.spectatorsMidTable, &club.spectatorsBigMatch, &club.seasonTickets};
  for (size_t i = 0; i < 3; ++i)
    if (spectators_[i]->isModified()) *spectators[i] = TypedNumber(spectators_[i]);
  return true;
}

void CDlgClub::LoadLanguageFields() {
  const CClub& club = Club();
  ShowText(name_, club.Name(shownLanguage_));
  ShowText(shortName_, club.ShortName(shownLanguage_));
  ShowText(abbreviation_, club.Abbreviation(shownLanguage_));
  ShowText(town_, club.Town(shownLanguage_));
  RefreshGrammar();
}

void CDlgClub::StoreLanguageFields() {
  CClub& club = Club();
  club.SetName(shownLanguage_, TypedText(name_));
  club.SetShortName(shownLanguage_, TypedText(shortName_));
  club.SetAbbreviation(shownLanguage_, TypedText(abbreviation_));
  club.SetTown(shownLanguage_, TypedText(town_));
}

void CDlgClub::OnLanguageChosen() {
  StoreLanguageFields();
  shownLanguage_ = language_->currentData().toInt();
  if (Context().setLanguage) Context().setLanguage(shownLanguage_);
  LoadLanguageFields();
}

void CDlgClub::RefreshGrammar() {
  const CClub& club = Club();
  const int l = shownLanguage_;
  const std::string name = TypedText(name_);
  const std::string shortName = TypedText(shortName_);
  auto show = [l](QPushButton* button, QLabel* preview, uint8_t article, const std::string& text) {
    button->setText(FromCp1252(ClubArticleLabel(l, article)));
    preview->setText(FromCp1252(ClubArticlePhrase(l, article, text)));
  };
  show(nameArticle_, nameArticlePreview_, club.nameArticles[l], name);
  show(fanArticle_, fanArticlePreview_, club.fanNameArticles[l], TypedText(fansName_));
  show(secondFanArticle_, secondFanArticlePreview_, club.secondFanNameArticles[l], TypedText(secondFansName_));
  for (int example = 0; example < kClubSentenceExamples; ++example) {
    const auto e = static_cast<size_t>(example);
    sentenceForm_[e]->setText(FromCp1252(ClubSentenceFormLabel(l, club.sentenceForms[l])));
    sentencePreview_[e]->setText(FromCp1252(
        ClubSentenceExample(l, example, club.sentenceForms[l], club.nameArticles[l], name, shortName)));
  }
}

void CDlgClub::ShowAssets(int position) { assetsAmount_->setText(FromCp1252(FormatMoney(StartingAssetsAt(position)))); }

}  // namespace torvale
