// The club editor driven through its widgets on the sample installation.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QTest>

#include "app/qt_text.h"
#include "support/gui/editor_fixture.h"
#include "support/test_database.h"
#include "ui/club/club_editor.h"
#include "ui/club/club_editor_context.h"
#include "ui/club/dlg_club_badge.h"
#include "ui/club/dlg_club_badge_manage.h"
#include "ui/club/dlg_club_parent.h"
#include "assets/render_host/render_manager.h"
#include "fake_renderer_log.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "world/club_grammar.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

enum Tab { kGeneral = 0, kBadge, kShirts, kStadium, kHistory };

template <typename T>
T* Find(QWidget* in, const char* name) {
  T* widget = in->findChild<T*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// Puts the text into the field as typing does: the field then counts as edited.
void Type(QWidget* in, const char* name, const QString& text) {
  auto* field = Find<QLineEdit>(in, name);
  field->setText(text);
  field->setModified(true);
}

constexpr int kGermany = 14;

class ClubEditorTest : public test::EditorFixture {
 protected:
  ClubEditorTest() : club_context_(MakeClubEditorContext(Context(), kGermany, nullptr)) {}

  CClub& FirstClub() { return *World().Country(kGermany)->Clubs().begin()->second; }
  // "&Verein" of the main window on `club`.
  bool RunClubCommand(const CClub& club) {
    return Context().Commands().Run(EditorCommand::kClubEditor, Context(), nullptr, {kGermany, club.clubId});
  }

  ClubEditorContext club_context_;
};

TEST_F(ClubEditorTest, CancelAfterEditingSeveralPagesLeavesTheWorldsClubUnchanged) {
  CClub& club = FirstClub();
  const CClub before = club;
  Answers().ThenDrive([](QDialog& shown) {
    QDialog* editor = &shown;
    auto* tabs = Find<QTabWidget>(editor, "clubTabs");
    Type(editor, "nameEdit", "Geändert");
    Find<CSpinEditCtrl>(editor, "assetsSpin")->SetValue(650);
    tabs->setCurrentIndex(kBadge);
    Find<QComboBox>(editor, "headlineBackground")->setCurrentIndex(3);
    tabs->setCurrentIndex(kShirts);
    Find<QSpinBox>(editor, "colourNumber0")->setValue(9);
    tabs->setCurrentIndex(kStadium);
    Find<QComboBox>(editor, "researchBox")->setCurrentIndex(4);
    tabs->setCurrentIndex(kHistory);
    Type(editor, "titles0", "1999");
    tabs->setCurrentIndex(kGeneral);
    QTest::mouseClick(Find<QPushButton>(editor, "cancelButton"), Qt::LeftButton);
  });
  EXPECT_TRUE(RunClubCommand(club));
  EXPECT_TRUE(club == before);
  EXPECT_FALSE(Changes().IsModified());
}

TEST_F(ClubEditorTest, LanguagesAreEditedSeparatelyAndOkStoresEach) {
  CClub& club = FirstClub();
  const std::string german(club.Name(0));
  Answers().ThenDrive([](QDialog& shown) {
    QDialog* editor = &shown;
    auto* language = Find<QComboBox>(editor, "languageBox");
    language->setCurrentIndex(1);  // "Englisch"
    Type(editor, "nameEdit", "Club of the Test");
    language->setCurrentIndex(0);
    EXPECT_NE(Find<QLineEdit>(editor, "nameEdit")->text(), "Club of the Test");
    QTest::mouseClick(Find<QPushButton>(editor, "okButton"), Qt::LeftButton);
  });
  ASSERT_TRUE(RunClubCommand(club));
  EXPECT_EQ(club.Name(0), german);
  EXPECT_EQ(club.Name(1), "Club of the Test");
  EXPECT_TRUE(Changes().IsModified());
  EXPECT_EQ(Context().CurrentLanguage(), 0);  // the language box sets the process-wide language
}

TEST_F(ClubEditorTest, GeneralPageControlsFollowTheGamesRules) {
  CClub& club = FirstClub();
  club.startingAssets = 123456;  // off the editor's grid
  CDlgClubParent editor(club, club_context_);
  editor.show();

  auto* assets = Find<CSpinEditCtrl>(&editor, "assetsSpin");
  auto* amount = Find<QLabel>(&editor, "assetsAmount");
  assets->SetValue(0);
  EXPECT_EQ(amount->text(), "- 20.000.000");
  assets->SetValue(200);
  EXPECT_EQ(amount->text(), "0");
  assets->SetValue(203);
  EXPECT_EQ(amount->text(), "300.000");

  auto* article = Find<QPushButton>(&editor, "nameArticleButton");
  const QString first = article->text();
  const int count = ClubArticleCount(0);
  QTest::mouseClick(article, Qt::LeftButton);
  EXPECT_NE(article->text(), first);
  for (int press = 1; press < count; ++press) QTest::mouseClick(article, Qt::LeftButton);
  EXPECT_EQ(article->text(), first);
  Type(&editor, "nameEdit", "FC Vorschau");
  EXPECT_TRUE(Find<QLabel>(&editor, "nameArticlePreview")->text().endsWith("FC Vorschau"));
  Type(&editor, "shortNameEdit", "Vorschau");
  QTest::mouseClick(Find<QPushButton>(&editor, "sentenceFormButton1"), Qt::LeftButton);
  const CClub& copy = editor.WorkingCopy();
  EXPECT_EQ(copy.sentenceForms[0], NextClubSentenceForm(0, club.sentenceForms[0]));
  EXPECT_EQ(Find<QLabel>(&editor, "sentencePreview2")->text(),
            FromCp1252(ClubSentenceExample(0, 1, copy.sentenceForms[0], copy.nameArticles[0], "FC Vorschau",
                                           "Vorschau")));

  auto* year = Find<CSpinEditCtrl>(&editor, "foundingYear");
  editor.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
  year->setFocus();
  year->findChild<QLineEdit*>()->selectAll();
  QTest::keyClicks(year, "1750");
  EXPECT_EQ(year->GetValue(), 1750);
  Find<QLineEdit>(&editor, "mascotEdit")->setFocus();  // leaving the field
  QApplication::processEvents();
  EXPECT_EQ(year->Value(), 1800);
  EXPECT_EQ(year->text(), "1800");

  editor.accept();
  EXPECT_EQ(editor.WorkingCopy().foundingYear, 1800);
  EXPECT_EQ(editor.WorkingCopy().startingAssets, 300000);
  EXPECT_EQ(editor.WorkingCopy().nameArticles[0], club.nameArticles[0]);
}

// Values no list offers (from other tools or older files) must survive a visit of every page:
// storing a page the user did not touch changes nothing.
TEST_F(ClubEditorTest, VisitingEveryPageChangesNothingTheUserDidNotTouch) {
  CClub& club = FirstClub();
  club.secondSiblingId = 4711;            // no speech sample of that id
  club.facilities[kResearch] = 9;         // beyond the level names
  club.homeStadium = 999;                 // not in the stadium list
  club.clubColours[2] = 200;              // not in the colour list
  club.kit.outfits[1].colours[4] = 250;   // not in the colour list
  club.pointsDeduction = 2;               // not one of the three choices
  club.latitude = (12 << 16) | 75;        // minutes out of range
  club.preferredCountries[1] = 0;
  club.titles[kWorldCups] = "1960/61";    // not the editor's format, but not touched either
  club.spectatorsBigMatch = 1234567;      // more digits than the field takes
  club.startingAssets = 123456;           // off the assets spin's grid
  CDlgClubParent editor(club, club_context_);
  editor.show();
  for (int tab : {kBadge, kShirts, kStadium, kHistory, kGeneral, kShirts}) editor.Tabs()->setCurrentIndex(tab);
  QTest::mouseClick(Find<QRadioButton>(&editor, "kitAway"), Qt::LeftButton);
  editor.accept();
  ASSERT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_TRUE(editor.WorkingCopy() == club);
}

TEST_F(ClubEditorTest, BadgeChooserPreselectsStoresAndEmptiesTheBadge) {
  CClub& club = FirstClub();
  const std::string badge(FixedText(club.badgeFile));
  ASSERT_FALSE(badge.empty());
  std::vector<std::string> names(207);
  for (int c = 1; c <= 206; ++c) names[static_cast<size_t>(c)] = World().Country(c)->Name(0);

  // The club's badge in another letter case is found and shown.
  QString lower = FromCp1252(badge).toLower();
  CDlgClubBadgeManage chooser(club_context_.badges, names, ToCp1252(lower));
  auto* list = Find<QListWidget>(&chooser, "badgeList");
  ASSERT_GE(list->currentRow(), 0);
  EXPECT_EQ(chooser.BadgePath(), badge);
  EXPECT_FALSE(Find<QLabel>(&chooser, "badgePreview")->pixmap().isNull());
  EXPECT_EQ(Find<QLabel>(&chooser, "badgePreview")->pixmap().width(), 180);

  // Another badge of the group, chosen on the badge page, lands in the club.
  ASSERT_GE(list->count(), 2);
  const int other = list->currentRow() == 0 ? 1 : 0;
  CDlgClubParent editor(club, club_context_);
  editor.Tabs()->setCurrentIndex(kBadge);
  auto* page = editor.findChild<CDlgClubBadge*>();
  std::string picked;
  Answers().ThenDrive([&](QDialog& shown) {
    QDialog* dialog = &shown;
    auto* badges = Find<QListWidget>(dialog, "badgeList");
    badges->setCurrentRow(other);
    picked = static_cast<CDlgClubBadgeManage*>(dialog)->BadgePath();
    QTest::mouseClick(Find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
  });
  page->ChooseBadge();
  EXPECT_EQ(FixedText(editor.WorkingCopy().badgeFile), picked);
  EXPECT_NE(picked, badge);
  EXPECT_EQ(Find<QLabel>(&editor, "currentBadgeFile")->text(), FromCp1252(picked));

  Answers().ThenDrive([&](QDialog& shown) {
    QDialog* dialog = &shown;
    auto* groups = Find<QComboBox>(dialog, "groupBox");
    groups->setCurrentIndex(groups->findText(" Kein Wappen"));
    EXPECT_FALSE(Find<QListWidget>(dialog, "badgeList")->isEnabled());
    QTest::mouseClick(Find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
  });
  page->ChooseBadge();
  EXPECT_TRUE(FixedText(editor.WorkingCopy().badgeFile).empty());
}

// The kit page on the real plug-in host, with a plug-in that counts its calls.
TEST_F(ClubEditorTest, AKitColourChangeReachesThePluginOnceNotOnEveryTick) {
  enum Slot { kShowKitScreen = 2, kSetKit = 3, kTick = 5, kBackground = 6 };
  test::FakeRendererRecord record;
  QWidget home;
  SetRenderManagerSetup({&home, QStringLiteral(TORVALE_FAKE_RENDERER)});
  {
    ScopedRenderManager renderer;
    ASSERT_TRUE(renderer->IsLoaded());
    club_context_.renderer = &*renderer;
    CDlgClubParent editor(FirstClub(), club_context_);
    editor.show();
    EXPECT_EQ(record->calls[kShowKitScreen], 0);  // only the kit page opens the kit screen
    editor.Tabs()->setCurrentIndex(kShirts);
    EXPECT_TRUE(renderer->IsAttached());
    EXPECT_EQ(record->calls[kShowKitScreen], 1);
    EXPECT_EQ(record->calls[kBackground], 1);
    EXPECT_EQ(record->background, kKitScreenBackground);
    EXPECT_EQ(record->calls[kSetKit], 1);

    auto* colour = Find<QSpinBox>(&editor, "colourNumber0");
    colour->setValue(colour->value() == 3 ? 5 : 3);
    EXPECT_EQ(record->calls[kSetKit], 2);
    QTest::qWait(200);
    EXPECT_GT(record->calls[kTick], 0);
    EXPECT_EQ(record->calls[kSetKit], 2);
    EXPECT_EQ(editor.WorkingCopy().kit.outfits[0].colours[0], colour->value());

    // The away kit is another kit; the same value typed again is no change.
    QTest::mouseClick(Find<QRadioButton>(&editor, "kitAway"), Qt::LeftButton);
    EXPECT_EQ(record->calls[kSetKit], 3);
    auto* shortsSecond = Find<QSpinBox>(&editor, "colourNumber4");
    shortsSecond->setValue(shortsSecond->value());
    EXPECT_EQ(record->calls[kSetKit], 3);

    // Another view is another picture; the ready-made kit locks the club's own kit.
    Find<QComboBox>(&editor, "kitViewBox")->setCurrentIndex(2);
    EXPECT_EQ(record->calls[kSetKit], 4);
    Find<QSlider>(&editor, "shirtStyleSlider")->setValue(7);
    EXPECT_EQ(record->lastShirtStyle, 7u);
    QTest::mouseClick(Find<QRadioButton>(&editor, "kitOriginalHome"), Qt::LeftButton);
    EXPECT_FALSE(Find<QSpinBox>(&editor, "colourNumber0")->isEnabled());

    // Leaving the page takes the window back and ends its tick.
    editor.Tabs()->setCurrentIndex(kStadium);
    EXPECT_FALSE(renderer->IsAttached());
    const int ticks = record->calls[kTick];
    QTest::qWait(120);
    EXPECT_EQ(record->calls[kTick], ticks);
  }
  SetRenderManagerSetup({});
}

TEST_F(ClubEditorTest, AMalformedTitleListIsReportedAndKeepsThePageOpen) {
  CDlgClubParent editor(FirstClub(), club_context_);
  editor.Tabs()->setCurrentIndex(kHistory);
  Type(&editor, "titles1", "1950,19x1");
  editor.Tabs()->setCurrentIndex(kGeneral);
  EXPECT_EQ(editor.Tabs()->currentIndex(), kHistory);
  editor.accept();
  EXPECT_EQ(editor.result(), QDialog::Rejected);
  const QStringList messages = Answers().Texts();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_TRUE(messages[0].contains("Pokalsiege"));
  EXPECT_TRUE(messages[0].contains("19x1"));
  Type(&editor, "titles1", "1950, 1951");
  editor.accept();
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_EQ(editor.WorkingCopy().titles[kCupWins], "1950,1951");
}

TEST_F(ClubEditorTest, EveryPageSurvivesOkSaveAndReload) {
  CClub& club = FirstClub();
  const uint32_t id = club.clubId;
  const CClub* rival = std::next(club_context_.country->Clubs().begin(), 2)->second.get();
  Answers().ThenDrive([&](QDialog& shown) {
    QDialog* editor = &shown;
    auto* tabs = Find<QTabWidget>(editor, "clubTabs");
    Type(editor, "nameEdit", "SV Rundreise");
    Type(editor, "shortNameEdit", "Rundreise");
    Type(editor, "abbreviationEdit", "SVR");
    Type(editor, "townEdit", "Reisestadt");
    QTest::mouseClick(Find<QPushButton>(editor, "fanArticleButton"), Qt::LeftButton);
    Find<QComboBox>(editor, "speechBox")->setCurrentIndex(4);
    Find<CSpinEditCtrl>(editor, "foundingYear")->SetValue(1923);
    Find<CSpinEditCtrl>(editor, "assetsSpin")->SetValue(250);
    Find<QCheckBox>(editor, "publicCompanyCheck")->setChecked(true);
    QTest::mouseClick(Find<QRadioButton>(editor, "deduction6"), Qt::LeftButton);
    Find<QScrollBar>(editor, "prestigeBar")->setValue(17);
    auto* friendship = Find<QComboBox>(editor, "fanFriendshipBox");
    friendship->setCurrentIndex(friendship->findData(static_cast<int>(rival->Number())));
    Type(editor, "fansNameEdit", "Reisende");
    Type(editor, "mascotEdit", "Koffer");
    Type(editor, "websiteEdit", "www.rundreise.example");
    Type(editor, "newspaperEdit", "Reiseblatt");
    Type(editor, "spectatorsBigMatch", "654321");
    tabs->setCurrentIndex(kBadge);
    Find<QComboBox>(editor, "badgeBackground2")->setCurrentIndex(7);
    tabs->setCurrentIndex(kShirts);
    Find<QSlider>(editor, "shirtStyleSlider")->setValue(17);
    Find<QSpinBox>(editor, "colourNumber11")->setValue(44);
    Find<QSpinBox>(editor, "readyMadeSpin")->setValue(321);
    tabs->setCurrentIndex(kStadium);
    Find<QComboBox>(editor, "medicalBox")->setCurrentIndex(4);
    Find<QSpinBox>(editor, "latitudeDegrees")->setValue(45);
    Find<QSpinBox>(editor, "latitudeMinutes")->setValue(30);
    Find<QComboBox>(editor, "latitudeHemisphere")->setCurrentIndex(1);
    auto* youth = Find<QComboBox>(editor, "youthOriginBox");
    youth->setCurrentIndex(youth->findData(45));
    tabs->setCurrentIndex(kHistory);
    Find<QSpinBox>(editor, "leagueGoals")->setValue(4321);
    Type(editor, "titles0", "1950,1951");
    Type(editor, "recordScore0", "9-1");
    Type(editor, "recordOpponent0", "FC Gast");
    Type(editor, "recordSeason0", "1978");
    Type(editor, "recordScore4", "81000");
    QTest::mouseClick(Find<QPushButton>(editor, "okButton"), Qt::LeftButton);
  });
  ASSERT_TRUE(RunClubCommand(club));
  const CClub edited = club;

  test::ScratchDir saved;
  World().SetFolder(saved.path());
  testing::RecordingSaveReporter reports;
  ASSERT_TRUE(World().Save(reports));
  EXPECT_TRUE(reports.messages.empty());
  CWorldDatabase* reloaded = Context().OpenWorld(saved.path());
  ASSERT_NE(reloaded, nullptr);
  const CClub* back = reloaded->Country(kGermany)->FindClub(id);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Name(0), "SV Rundreise");
  EXPECT_EQ(back->Abbreviation(0), "SVR");
  EXPECT_EQ(back->secondSiblingId, edited.secondSiblingId);
  EXPECT_NE(edited.secondSiblingId, 0);
  EXPECT_EQ(back->foundingYear, 1923);
  EXPECT_EQ(back->startingAssets, 5000000);
  EXPECT_EQ(back->publicCompany, 1);
  EXPECT_EQ(back->pointsDeduction, 6);
  EXPECT_EQ(back->prestige, 17);
  EXPECT_EQ(back->fanFriendship, rival->Number());
  EXPECT_EQ(back->spectatorsBigMatch, 654321);
  EXPECT_EQ(back->kit.outfits[0].shirtStyle, 17);
  EXPECT_EQ(back->kit.outfits[0].colours[11], 44);
  EXPECT_EQ(back->kit.readyMade, 321);
  EXPECT_EQ(back->facilities[kMedicalDepartment], 4);
  EXPECT_EQ(back->latitude, -((45 << 16) | 30));
  EXPECT_EQ(back->youthOrigin, 45);
  EXPECT_EQ(back->leagueGoals, 4321);
  EXPECT_EQ(back->titles[kChampionships], "1950,1951");
  EXPECT_EQ(back->records[kRecordHomeWin].goalsFor, 9);
  EXPECT_EQ(back->records[kRecordHomeWin].goalsAgainst, 1);
  EXPECT_EQ(back->records[kRecordHomeWin].opponent, "FC Gast");
  EXPECT_EQ(back->records[kRecordHomeWin].season, 1978);
  EXPECT_EQ(back->records[kRecordAttendance].value, 81000);
  // Everything else, compared field by field: what the editor stored is what came back.
  CClub expected = edited;
  expected.totalPlayerValue = back->totalPlayerValue;
  expected.players = back->players;  // person ids are given out afresh on reading
  EXPECT_TRUE(static_cast<const ClubFields&>(*back) == static_cast<const ClubFields&>(expected));
}

TEST_F(ClubEditorTest, NewClubIsFiledUnderTheTypedNameAndCancelAddsNothing) {
  const int before = club_context_.country->RegularClubCount();
  Answers().ThenDrive([](QDialog& dialog) {
    Type(&dialog, "clubNameEdit", "Nie gegründet");
    QTest::mouseClick(Find<QPushButton>(&dialog, "cancelButton"), Qt::LeftButton);
  });
  Context().Commands().Run(EditorCommand::kNewClub, Context(), nullptr, {kGermany, 0});
  EXPECT_EQ(World().Country(kGermany)->RegularClubCount(), before);
  EXPECT_FALSE(Changes().IsModified());

  Answers().ThenDrive([](QDialog& shown) {
    QDialog* dialog = &shown;
    auto* ok = Find<QPushButton>(dialog, "okButton");
    EXPECT_FALSE(ok->isEnabled());
    Type(dialog, "clubNameEdit", "  Neustädter SC ");
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  ASSERT_TRUE(Context().Commands().Run(EditorCommand::kNewClub, Context(), nullptr, {kGermany, 0}));
  CCountry& germany = *World().Country(kGermany);
  ASSERT_EQ(germany.RegularClubCount(), before + 1);
  EXPECT_TRUE(Changes().IsModified());
  bool found = false;
  for (const auto& [id, club] : germany.Clubs())
    found = found || FromCp1252(club->Name(2)) == QString::fromUtf8("Neustädter SC");
  EXPECT_TRUE(found);
}

TEST_F(ClubEditorTest, TextFieldsKeepWhatTheClubRecordKeeps) {
  CDlgClubParent editor(FirstClub(), club_context_);
  const QString longText(60, QChar('x'));
  for (const char* field : {"nameEdit", "shortNameEdit", "abbreviationEdit", "townEdit", "fansNameEdit",
                            "mascotEdit", "addressEdit", "phoneEdit", "newspaperEdit"})
    Type(&editor, field, longText);
  editor.accept();
  const CClub& copy = editor.WorkingCopy();
  EXPECT_EQ(copy.Name(0).size(), kClubNameChars);
  EXPECT_EQ(copy.ShortName(0).size(), kClubShortNameChars);
  EXPECT_EQ(copy.Abbreviation(0).size(), kClubAbbreviationChars);
  EXPECT_EQ(copy.Town(0).size(), kClubTownChars);
  EXPECT_EQ(FixedText(copy.fansName).size(), kClubFansNameChars);
  EXPECT_EQ(FixedText(copy.mascot).size(), kClubFansNameChars);
  EXPECT_EQ(FixedText(copy.address).size(), kClubAddressChars);
  EXPECT_EQ(FixedText(copy.phone).size(), kClubPhoneChars);
  EXPECT_EQ(FixedText(copy.localNewspaper).size(), kClubNewspaperChars);
}

TEST_F(ClubEditorTest, ArticlesBelongToTheLanguageShown) {
  CClub& club = FirstClub();
  CDlgClubParent editor(club, club_context_);
  Find<QComboBox>(&editor, "languageBox")->setCurrentIndex(2);  // "Französisch"
  EXPECT_EQ(Context().CurrentLanguage(), 2);
  QTest::mouseClick(Find<QPushButton>(&editor, "secondFanArticleButton"), Qt::LeftButton);
  Type(&editor, "townEdit", "Ville");
  editor.accept();
  const CClub& copy = editor.WorkingCopy();
  EXPECT_EQ(copy.secondFanNameArticles[2], NextClubArticle(2, club.secondFanNameArticles[2]));
  EXPECT_EQ(copy.secondFanNameArticles[0], club.secondFanNameArticles[0]);
  EXPECT_EQ(copy.Town(2), "Ville");
  EXPECT_EQ(copy.Town(0), club.Town(0));
}

TEST_F(ClubEditorTest, PositionColoursAndCityGraphicAreStoredAsTheGameReadsThem) {
  CDlgClubParent editor(FirstClub(), club_context_);
  editor.Tabs()->setCurrentIndex(kStadium);
  Find<QSpinBox>(&editor, "latitudeDegrees")->setValue(90);
  Find<QSpinBox>(&editor, "latitudeMinutes")->setValue(30);
  Find<QComboBox>(&editor, "latitudeHemisphere")->setCurrentIndex(0);
  Find<QSpinBox>(&editor, "longitudeDegrees")->setValue(180);
  Find<QSpinBox>(&editor, "longitudeMinutes")->setValue(20);
  Find<QComboBox>(&editor, "longitudeHemisphere")->setCurrentIndex(1);
  Answers().ThenChoose(QString::fromStdString(club_context_.cityFolder) + "/Nord/hafen.tga");
  QTest::mouseClick(Find<QPushButton>(&editor, "chooseCityButton"), Qt::LeftButton);
  EXPECT_EQ(Find<QLabel>(&editor, "currentCityFile")->text(), "Nord/hafen.tga");

  editor.Tabs()->setCurrentIndex(kBadge);
  auto* headline = Find<QComboBox>(&editor, "headlineBackground");
  headline->setCurrentIndex(headline->findText("Gold"));

  editor.Tabs()->setCurrentIndex(kShirts);
  Answers().ThenDrive([](QDialog& picker) {
    QTest::mouseClick(Find<QToolButton>(&picker, "colour10"), Qt::LeftButton);  // "Gelb"
    QTest::mouseClick(Find<QPushButton>(&picker, "okButton"), Qt::LeftButton);
  });
  QTest::mouseClick(Find<QToolButton>(&editor, "colourButton9"), Qt::LeftButton);
  EXPECT_EQ(Find<QToolButton>(&editor, "colourButton9")->text(), "Gelb");
  editor.accept();

  const CClub& copy = editor.WorkingCopy();
  EXPECT_EQ(copy.latitude, 90 << 16);        // no minutes at the pole
  EXPECT_EQ(copy.longitude, -(179 << 16));   // 180 degrees become 179 with no minutes
  EXPECT_EQ(copy.cityGraphic, "Nord/hafen.tga");
  EXPECT_EQ(copy.clubColours[2], 15);        // "Gold" is entry 15 of the colour list
  EXPECT_EQ(copy.kit.outfits[0].colours[9], 10);
}

TEST_F(ClubEditorTest, ABadgePathTheClubCannotHoldIsRefused) {
  std::vector<std::string> names(kCountrySlots);
  const std::string tooLong = "Deutschland\\Badge180\\" + std::string(30, 'A') + ".tga";
  CDlgClubBadgeManage chooser(club_context_.badges, names, tooLong);
  chooser.accept();
  EXPECT_EQ(chooser.result(), QDialog::Rejected);
  ASSERT_EQ(Answers().Texts().size(), 1);
  EXPECT_TRUE(Answers().Texts()[0].contains("39"));
}

}  // namespace
}  // namespace torvale
