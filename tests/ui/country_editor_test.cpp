#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <array>
#include <cstring>
#include <functional>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "competition/competition_registry.h"
#include "competition/cup.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "competition/league_system_layouts.h"
#include "master/master_batch.h"
#include "master/master_build.h"
#include "master/master_reader.h"
#include "support/gui/editor_fixture.h"
#include "support/test_database.h"
#include "ui/competition/dlg_leaguedata_change.h"
#include "ui/controls/spin_edit_ctrl.h"
#include "ui/country/dlg_land_leaguesystem.h"
#include "ui/country/dlg_land_parent.h"
#include "ui/country/country_texts.h"
#include "ui/country/dlg_playerpool.h"
#include "ui/country/dlg_referees.h"
#include "ui/country/dlg_stadiumlist.h"
#include "competition/relegation_rules.h"
#include "world/country.h"
#include "world/country_editing.h"
#include "world/language_list.h"

namespace torvale {

namespace {

constexpr int kGermany = 14;

int LanguageNumber(const char* cp1252Name) {
  for (int n = 0; n < kLanguageCount; ++n)
    if (LanguageName(n) == cp1252Name) return n;
  return -1;
}

// Accepts the next modal dialog as soon as it runs (the list pages' record editors).
void AcceptNextDialog() {
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->accept();
  });
}

// Fills in the next modal dialog, then accepts it.
void AnswerNextDialog(std::function<void(QDialog&)> fill) {
  QTimer::singleShot(0, [fill = std::move(fill)] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      fill(*dialog);
      dialog->accept();
    }
  });
}

template <typename T>
T& Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) ADD_FAILURE() << "no child " << name;
  return *child;
}

class CountryEditorTest : public test::EditorFixture {
 protected:
  CCountry& Germany() { return *World().Country(kGermany); }
  CDBLeague& League(int index) { return *World().Competitions().Find<CDBLeague>(LeagueId(kGermany, index)); }
};

TEST_F(CountryEditorTest, GeneralPageKeepsTheBirthDayValidAndNormalisesTheLanguages) {
  const int german = LanguageNumber("Deutsch");
  const int english = LanguageNumber("Englisch");
  ASSERT_GT(german, 0);
  ASSERT_GT(english, 0);
  CDlgLandParent dialog(Context(), kGermany);
  auto& day = Child<CSpinEditCtrl>(dialog, "birthDay");
  auto& month = Child<CSpinEditCtrl>(dialog, "birthMonth");
  auto& year = Child<CSpinEditCtrl>(dialog, "birthYear");
  year.SetValue(1999);
  month.SetValue(1);
  day.SetValue(31);
  month.SetValue(2);
  EXPECT_EQ(day.Value(), 28);
  month.SetValue(3);
  day.SetValue(31);
  year.SetValue(2000);
  month.SetValue(2);
  EXPECT_EQ(day.Value(), 29) << "February of a leap year";
  EXPECT_FALSE(Child<QLabel>(dialog, "presidentAge").text().isEmpty());

  const int languages[] = {german, german, english, 0};
  const int shares[] = {60, 30, 10, 0};
  for (int i = 0; i < 4; ++i) {
    auto& combo = Child<QComboBox>(dialog, QStringLiteral("language%1").arg(i).toLatin1().constData());
    combo.setCurrentIndex(combo.findData(languages[i]));
    Child<CSpinEditCtrl>(dialog, QStringLiteral("languageShare%1").arg(i).toLatin1().constData()).SetValue(shares[i]);
  }
  EXPECT_EQ(Child<QLabel>(dialog, "languageSum").text(), QStringLiteral("100 %"));
  // Leaving the page stores it: the repeated language goes with its share.
  dialog.Tabs()->setCurrentIndex(CDlgLandParent::kYouthLooks);
  EXPECT_EQ(Germany().presidentBirthDate, DATE::FromCivil(2000, 2, 29));
  EXPECT_EQ(Germany().languages, (std::array<uint8_t, 4>{static_cast<uint8_t>(german), static_cast<uint8_t>(english), 0, 0}));
  EXPECT_EQ(Germany().languageShares, (std::array<uint8_t, 4>{90, 10, 0, 0}));
  EXPECT_TRUE(Changes().IsModified());
}

TEST_F(CountryEditorTest, CupPageRebuildsTheNationalCupBeforeTheNextPageAndStoresRoundMoney) {
  CDlgLandParent dialog(Context(), kGermany);
  dialog.Tabs()->setCurrentIndex(CDlgLandParent::kCup);
  auto& mode = Child<QComboBox>(dialog, "cupMode");
  mode.setCurrentIndex(mode.findData(3));
  // The next page is filled after the cup page was stored.
  CDBCup* cupSeenByNextPage = nullptr;
  QObject::connect(dialog.Tabs(), &QTabWidget::currentChanged, [&] {
    cupSeenByNextPage = World().Competitions().Find<CDBCup>(MakeCompetitionId(kGermany, CompKind::FA_CUP, 0));
  });
  dialog.Tabs()->setCurrentIndex(CDlgLandParent::kReferees);
  EXPECT_EQ(Germany().nationalCupMode, 3);
  ASSERT_NE(cupSeenByNextPage, nullptr);
  EXPECT_EQ(cupSeenByNextPage->GetAllocation(), 3);

  // The money per round goes into the (new) cup; the prize money shows its own values.
  dialog.Tabs()->setCurrentIndex(CDlgLandParent::kCup);
  auto& competition = Child<QComboBox>(dialog, "moneyCompetition");
  competition.setCurrentIndex(competition.findData(CompKind::FA_CUP));
  Child<QRadioButton>(dialog, "moneyKind1").click();
  auto& final = Child<QLineEdit>(dialog, "moneyRound7");
  ASSERT_TRUE(final.isEnabled()) << "every cup plays its final in the last slot";
  final.setText(QStringLiteral("750000"));
  Child<QRadioButton>(dialog, "moneyKind0").click();
  EXPECT_NE(final.text(), QStringLiteral("750000"));
  dialog.accept();
  EXPECT_EQ(World().Competitions().Find<CDBCup>(MakeCompetitionId(kGermany, CompKind::FA_CUP, 0))->GetRoundMoney(1, 7), 750000);
}

TEST_F(CountryEditorTest, UnchangedPagesCommitNothing) {
  CDlgLandParent dialog(Context(), kGermany);
  for (int page = 0; page < CDlgLandParent::kPageCount; ++page) dialog.Tabs()->setCurrentIndex(page);
  dialog.Tabs()->setCurrentIndex(0);
  dialog.accept();
  EXPECT_FALSE(Changes().IsModified());
}

// The referee limit is the country's rule; the page only has to call it.
TEST_F(CountryEditorTest, RefereePageAddsThroughTheCountry) {
  CDlgLandParent dialog(Context(), kGermany);
  dialog.Tabs()->setCurrentIndex(CDlgLandParent::kReferees);
  auto* page = static_cast<CDlgReferees*>(dialog.PageAt(CDlgLandParent::kReferees));
  const size_t before = Germany().Referees().size();
  AcceptNextDialog();
  page->New();
  EXPECT_EQ(Germany().Referees().size(), before + 1);
  EXPECT_TRUE(Changes().IsModified());
}

TEST_F(CountryEditorTest, StadiumEditorRefusesASeasonTicketGuestBlock) {
  CStadium stadium;
  CDlgStadium editor(stadium, Context().StadiumModels(), nullptr);
  Child<CSpinEditCtrl>(editor, "places0_0").SetValue(10000);
  Child<CSpinEditCtrl>(editor, "places2_1").SetValue(2000);
  EXPECT_EQ(Child<QLabel>(editor, "capacity").text(), QStringLiteral("12.000"));
  Child<QCheckBox>(editor, "seasonTicket2").setChecked(true);
  Child<QCheckBox>(editor, "guestBlock2").setChecked(true);
  editor.accept();
  EXPECT_NE(editor.result(), QDialog::Accepted);
  EXPECT_EQ(Answers().Texts().size(), 1u);
  Child<QCheckBox>(editor, "guestBlock2").setChecked(false);
  editor.accept();
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_EQ(editor.Result().seasonTicketBlocks, 0x04);
}

TEST_F(CountryEditorTest, LeagueSystemLayoutThereAndBackKeepsTheCountryPlayable) {
  ASSERT_TRUE(Germany().IsPlayable());
  CDlgLandParent dialog(Context(), kGermany);
  dialog.Tabs()->setCurrentIndex(CDlgLandParent::kLeagueSystem);
  auto& layouts = Child<QListWidget>(dialog, "leagueSystems");
  const int original = layouts.currentRow();
  ASSERT_GE(original, 0);
  const std::string topLeague = League(0).Name();
  const int topTeams = League(0).TeamCount();

  // Away to a system with a fourth level and back to "1-1-2": the top levels keep their
  // leagues and clubs all the way.
  constexpr int kOneOneTwoFour = 20;  // "1-1-2-4"
  constexpr int kOneOneTwo = 7;       // "1-1-2"
  ASSERT_EQ(original, kOneOneTwo) << "the sample's Germany plays 1-1-2";
  for (int layout : {kOneOneTwoFour, kOneOneTwo}) {
    layouts.setCurrentRow(layout);
    EXPECT_EQ(Germany().LeagueCount(), GetLeagueSystemLayout(layout)->LeagueCount());
    const int last = Germany().LeagueCount() - 1;
    EXPECT_NE(dialog.findChild<QPushButton*>(QStringLiteral("league%1").arg(last)), nullptr)
        << "the drawing shows every league";
    EXPECT_EQ(League(0).Name(), topLeague);
    EXPECT_EQ(League(0).TeamCount(), topTeams) << "the top league keeps its clubs";
  }
  EXPECT_TRUE(Answers().Texts().isEmpty()) << "no league lost its clubs, nothing to ask";
  EXPECT_TRUE(Germany().IsPlayable());

  // "1-1-1-2" would drop the second third-level league with its clubs: refused, nothing changes.
  Answers().Then(DialogAnswer::kNo);
  layouts.setCurrentRow(16);
  ASSERT_EQ(Answers().Texts().size(), 1);
  EXPECT_EQ(Germany().LeagueCount(), 4);
  EXPECT_EQ(layouts.currentRow(), kOneOneTwo);
  EXPECT_TRUE(Child<QPushButton>(dialog, "fixtureLists").isEnabled());

  // The master build still finds every playable country complete.
  WorldDatabaseMasterView view(World(), InstallFolder() + "/database");
  SilentProgress progress;
  BatchPrompts prompts;
  std::string written;
  ASSERT_EQ(BuildMaster(view, MasterBuildOptions{}, {}, progress, prompts, &written), MasterBuildResult::kWritten);
  std::ifstream file(written, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string error;
  EXPECT_TRUE(ReadMasterFile(bytes, &error).has_value()) << error;

  layouts.setCurrentRow(0);  // "-": no leagues, no competition editors
  EXPECT_EQ(Germany().LeagueCount(), 0);
  EXPECT_FALSE(Child<QPushButton>(dialog, "fixtureLists").isEnabled());
}

TEST_F(CountryEditorTest, EditedValuesSurviveSaveAndReload) {
  {
    CDlgLandParent dialog(Context(), kGermany);
    Child<QLineEdit>(dialog, "federationName").setText(QStringLiteral("DFBX"));
    Child<QLineEdit>(dialog, "newspaper").setText(QString::fromUtf8("Kölner Blatt"));
    Child<QScrollBar>(dialog, "averageStrength").setValue(21);
    Child<QPlainTextEdit>(dialog, "notes").setPlainText(QStringLiteral("a\nb"));
    dialog.Tabs()->setCurrentIndex(CDlgLandParent::kCup);
    Child<QCheckBox>(dialog, "winterBreak").setChecked(true);
    Child<QCheckBox>(dialog, "indoorTournament").setChecked(true);
    Child<QCheckBox>(dialog, "yellowRedBan3").setChecked(true);
    dialog.Tabs()->setCurrentIndex(CDlgLandParent::kYouthLooks);
    auto& faces = Child<QListWidget>(dialog, "faces");
    faces.item(20)->setSelected(true);
    Child<CSpinEditCtrl>(dialog, "averageHeight").SetValue(185);
    dialog.accept();
  }
  const std::string folder = InstallFolder() + "/saved";
  std::filesystem::create_directories(folder);
  World().SetFolder(folder);
  testing::RecordingSaveReporter errors;
  ASSERT_TRUE(World().Save(errors));
  CWorldDatabase* reloaded = Context().OpenWorld(folder);
  ASSERT_NE(reloaded, nullptr);
  const CCountry& country = *reloaded->Country(kGermany);
  EXPECT_STREQ(country.federationName, "DFBX");
  EXPECT_EQ(country.nationalNewspaper, "K\xF6lner Blatt");
  EXPECT_EQ(country.averageStrength, 21);
  EXPECT_EQ(country.notes, "a\r\nb");
  EXPECT_EQ(country.winterBreak, 1);
  EXPECT_EQ(country.indoorTournament, 1);
  EXPECT_TRUE(country.YellowRedBan(3));
  EXPECT_TRUE(country.YouthLook(kYouthFaces, 21));
  EXPECT_EQ(country.youthHeight, 185);
}

TEST_F(CountryEditorTest, PoolEntriesAreAddedAndEmptied) {
  CDlgLandParent dialog(Context(), kGermany);
  dialog.Tabs()->setCurrentIndex(CDlgLandParent::kPlayerPool);
  auto* page = static_cast<CDlgPlayerpool*>(dialog.PageAt(CDlgLandParent::kPlayerPool));
  AnswerNextDialog([](QDialog& editor) {
    Child<QLineEdit>(editor, "firstName").setText(QStringLiteral("Jonas"));
    Child<QLineEdit>(editor, "surname").setText(QString::fromUtf8("Größer"));
  });
  page->New();
  const int place = page->SelectedKey();
  ASSERT_GE(place, 0);
  EXPECT_STREQ(Germany().PlayerPool()[static_cast<size_t>(place)].surname, "Gr\xF6\xDF" "er");
  page->Delete(place);
  EXPECT_FALSE(Germany().PlayerPool()[static_cast<size_t>(place)].InUse());
}

TEST_F(CountryEditorTest, LeagueDataBuildsThePlayOffAndFallsBackForTheWrongSizeOrTooManyRounds) {
  const LeagueSystemLayout& layout = *GetLeagueSystemLayout(7);  // Germany's "1-1-2"
  {
    CDlgLeaguedataChange dialog(Changes(), Germany(), League(0), layout, 0);
    auto& rule = Child<QComboBox>(dialog, "relegationRule");
    rule.setCurrentIndex(rule.findData(REL_RULE_ENGLAND1));
    Child<QCheckBox>(dialog, "reservesAllowed").setChecked(false);
    dialog.accept();
  }
  EXPECT_EQ(Germany().LevelRelegationRule(0), REL_RULE_ENGLAND1);
  EXPECT_NE(World().Competitions().FindCompetition(MakeCompetitionId(kGermany, CompKind::REL1, 0)), nullptr)
      << "the play-off of the league below";
  EXPECT_FALSE(ReservesAllowedOnLevel(Germany(), 0));
  {
    // The English play-off needs at least 8 teams: a league of 6 keeps no rule at all.
    CDlgLeaguedataChange dialog(Changes(), Germany(), League(0), layout, 0);
    Child<CSpinEditCtrl>(dialog, "leagueSize").SetValue(6);
    dialog.accept();
  }
  EXPECT_EQ(League(0).NumberOfTeams(), 6);
  {
    // Four rounds of 20 teams would not fit into a season: two are kept.
    CDlgLeaguedataChange dialog(Changes(), Germany(), League(0), layout, 0);
    Child<CSpinEditCtrl>(dialog, "leagueSize").SetValue(20);
    Child<QRadioButton>(dialog, "rounds4").setChecked(true);
    Child<QLineEdit>(dialog, "television").setText(QStringLiteral("12345678"));
    dialog.accept();
  }
  EXPECT_EQ(League(0).NumberOfTeams(), 20);
  EXPECT_EQ(League(0).Rounds(), 2);
  EXPECT_EQ(League(0).GetMoneyValue(3), 12345678);
  EXPECT_EQ(Germany().LevelRelegationRule(0), REL_RULE_0);
  EXPECT_EQ(World().Competitions().FindCompetition(MakeCompetitionId(kGermany, CompKind::REL1, 0)), nullptr);
}

TEST(CountryTexts, ImperialFiguresAndStrength) {
  EXPECT_EQ(FeetInchesText(180), QStringLiteral("5'11"));
  EXPECT_EQ(FeetInchesText(152), QStringLiteral("5'0"));
  EXPECT_EQ(StonePoundsText(75), QStringLiteral("11st 11lbs"));
  EXPECT_EQ(AverageStrengthText(15), QStringLiteral("7.5"));
  EXPECT_EQ(AverageStrengthText(26), QStringLiteral("13.0"));
}

}  // namespace

}  // namespace torvale
