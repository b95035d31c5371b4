// "Datenbank prüfen" on the sample installation: no errors on the sample; a broken club shows
// under its country, the filters hide and show it, a double click opens its editor and the
// list follows the fix; and the question before the master build with each answer.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <filesystem>

#include "app/dlg_main_menu.h"
#include "app/main_menu_commands.h"
#include "app/qt_text.h"
#include "exchange/list_export.h"
#include "sample_clubs.h"
#include "support/gui/editor_fixture.h"
#include "ui/validation/dlg_validation_report.h"
#include "ui/validation/finding_editor.h"
#include "ui/validation/validation_tree_model.h"

namespace torvale {
namespace {

constexpr int kGermany = 14;

class ValidationReportTest : public test::EditorFixture {
 protected:
  // A regular club of Germany without a club centre: the club check fails, and with it the
  // country's playability.
  CClub& BreakAClub() {
    CClub& club = test::SampleClub(World(), kGermany, 2);
    club.facilities[kClubCentre] = 0;
    return club;
  }

  QString GermanyName() { return FromCp1252(World().Country(kGermany)->Name(Context().CurrentLanguage())); }

  // The findings the tree shows, as "<country>: <text>".
  static QStringList Shown(const CDlgValidationReport& dialog) {
    QStringList texts;
    const QAbstractItemModel& model = *dialog.Tree()->model();
    for (int group = 0; group < model.rowCount(); ++group) {
      const QModelIndex country = model.index(group, 0);
      for (int row = 0; row < model.rowCount(country); ++row)
        texts << country.data().toString() + ": " + model.index(row, 0, country).data().toString();
    }
    return texts;
  }

  // The tree row of the first finding of `kind` about `clubId`.
  static QModelIndex RowOf(const CDlgValidationReport& dialog, FindingKind kind, uint32_t clubId) {
    const QAbstractItemModel& model = *dialog.Tree()->model();
    for (int group = 0; group < model.rowCount(); ++group) {
      const QModelIndex country = model.index(group, 0);
      for (int row = 0; row < model.rowCount(country); ++row) {
        const QModelIndex index = model.index(row, 0, country);
        const ValidationFinding& finding =
            dialog.Report().findings.at(static_cast<size_t>(index.data(ValidationTreeModel::kFindingRole).toInt()));
        if (finding.kind == kind && finding.clubId == clubId) return index;
      }
    }
    return {};
  }
};

TEST_F(ValidationReportTest, ABrokenClubShowsUnderItsCountryFiltersAndOpensItsEditor) {
  CDlgValidationReport dialog(Context(), 0);
  EXPECT_EQ(dialog.Report().ErrorCount(), 0);
  EXPECT_TRUE(dialog.findChild<QLabel*>("counts")->text().startsWith("0 Fehler"));
  const int sampleWarnings = dialog.Report().WarningCount();

  CClub& club = BreakAClub();
  const QString clubName = FromCp1252(World().Country(kGermany)->ClubName(club.clubId));
  dialog.findChild<QPushButton*>("recheck")->click();
  const int errors = dialog.Report().ErrorCount();
  ASSERT_GE(errors, 1);
  EXPECT_EQ(dialog.findChild<QLabel*>("counts")->text(), FromCp1252(FindingCountText(errors, sampleWarnings)));
  const QModelIndex row = RowOf(dialog, FindingKind::kClubCheck, club.clubId);
  ASSERT_TRUE(row.isValid());
  EXPECT_EQ(row.parent().data().toString(), GermanyName());
  EXPECT_TRUE(row.data().toString().contains(clubName));
  const QString shownRow = GermanyName() + ": " + row.data().toString();

  // Severity filter: warnings hide the club's error, errors show it and hide the warnings.
  auto* severity = dialog.findChild<QComboBox*>("severityFilter");
  severity->setCurrentIndex(2);
  EXPECT_FALSE(Shown(dialog).contains(shownRow));
  EXPECT_EQ(Shown(dialog).size(), sampleWarnings);
  severity->setCurrentIndex(1);
  EXPECT_TRUE(Shown(dialog).contains(shownRow));
  EXPECT_EQ(Shown(dialog).size(), errors);
  // The text filter finds the club's findings; what is shown is what is saved and printed.
  severity->setCurrentIndex(0);
  dialog.findChild<QLineEdit*>("searchText")->setText(clubName.toUpper());
  EXPECT_TRUE(Shown(dialog).contains(shownRow));
  const ExportedList list = dialog.ShownList();
  ASSERT_EQ(static_cast<int>(list.rows.size()), Shown(dialog).size());
  EXPECT_EQ(list.rows.front()[0], ToCp1252(GermanyName()));
  EXPECT_EQ(list.rows.front()[1], "Fehler");
  dialog.findChild<QLineEdit*>("searchText")->setText("kein Verein heisst so");
  EXPECT_TRUE(Shown(dialog).isEmpty());
  dialog.findChild<QLineEdit*>("searchText")->clear();

  // A double click opens the club editor on that club; it mends the club, and the list
  // is checked again when it closes.
  MainSelection opened;
  Context().Commands().Register(EditorCommand::kClubEditor, [&](EditorContext&, QWidget*, const MainSelection& s) {
    opened = s;
    club.facilities[kClubCentre] = 1;
  });
  dialog.resize(1000, 660);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QTreeView* tree = dialog.Tree();
  const QModelIndex target = RowOf(dialog, FindingKind::kClubCheck, club.clubId);
  tree->scrollTo(target);
  // A double click as the window system sends it: a click, then the second press.
  const QPoint at = tree->visualRect(target).center();
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(opened.country, kGermany);
  EXPECT_EQ(opened.clubId, club.clubId);
  EXPECT_EQ(dialog.Report().ErrorCount(), 0);
  EXPECT_FALSE(RowOf(dialog, FindingKind::kClubCheck, club.clubId).isValid());
}

TEST_F(ValidationReportTest, EachFindingOpensTheEditorThatShowsIt) {
  const CClub& club = test::SampleClub(World(), kGermany, 0);
  auto editorOf = [&](FindingKind kind, int country, uint32_t clubId, uint32_t personId) {
    ValidationFinding finding;
    finding.kind = kind;
    finding.country = country;
    finding.clubId = clubId;
    finding.personId = personId;
    return EditorForFinding(World(), finding);
  };
  using K = FindingKind;
  EXPECT_EQ(editorOf(K::kClubCheck, kGermany, club.clubId, 0)->command, EditorCommand::kClubEditor);
  EXPECT_EQ(editorOf(K::kMissingBadge, kGermany, club.clubId, 0)->command, EditorCommand::kClubEditor);
  EXPECT_EQ(editorOf(K::kSquadCheck, kGermany, club.clubId, 0)->command, EditorCommand::kSquadEditor);
  EXPECT_EQ(editorOf(K::kMissingClub, kGermany, club.clubId, 42)->command, EditorCommand::kSquadEditor);
  const auto squad = editorOf(K::kDuplicatePerson, kGermany, club.clubId, 42);
  EXPECT_EQ(squad->selection.country, kGermany);
  EXPECT_EQ(squad->selection.clubId, club.clubId);
  // A competition's team that does not exist, a country's file: the country editor.
  const auto country = editorOf(K::kMissingClub, kGermany, club.clubId + 4000, 0);
  EXPECT_EQ(country->command, EditorCommand::kCountryEditor);
  EXPECT_EQ(country->selection.country, kGermany);
  EXPECT_EQ(country->selection.clubId, 0u);
  EXPECT_EQ(editorOf(K::kLoadProblem, kGermany, 0, 0)->command, EditorCommand::kCountryEditor);
  // The world as a whole: the rules, the free players, or nothing to open.
  EXPECT_EQ(editorOf(K::kMissingStadium, 0, 0, 0)->command, EditorCommand::kGlobalRules);
  EXPECT_EQ(editorOf(K::kMissingClub, 0, 0, 42)->command, EditorCommand::kPlayersWithoutClub);
  EXPECT_FALSE(editorOf(K::kUnlistedPerson, 0, 0, 42).has_value());
  EXPECT_FALSE(editorOf(K::kNoCompleteCountry, 0, 0, 0).has_value());
  EXPECT_FALSE(editorOf(K::kLoadProblem, 0, 0, 0).has_value());
}

TEST_F(ValidationReportTest, TheMasterBuildOffersTheReportWhenTheWorldHasErrors) {
  DlgMainMenu window(Context(), MainMenuStart{false, {}, false});
  window.Initialise();
  const std::filesystem::path master = InstallFolder() + "/database/Master.dat";
  std::filesystem::remove(master);
  EXPECT_TRUE(window.CommandAction(kCmdCheckDatabase)->isEnabled());
  EXPECT_EQ(window.CommandAction(kCmdCheckDatabase)->shortcut(), QKeySequence(Qt::Key_F7));

  BreakAClub();
  // "Abbrechen": nothing is built.
  Answers().Then(DialogAnswer::kCancel);
  window.TriggerCommand(kCmdWriteDB);
  ASSERT_EQ(Answers().Shown().size(), 1u);
  EXPECT_TRUE(Answers().Shown()[0].text.startsWith("Die Datenbank enthält "));
  EXPECT_EQ(Answers().Shown()[0].buttons,
            QStringList({"Bericht anzeigen", "Trotzdem einbinden", "Abbrechen"}));
  EXPECT_FALSE(std::filesystem::exists(master));

  // "Bericht anzeigen": the report with the errors, and no build.
  int reportErrors = -1;
  Answers().Then(DialogAnswer::kYes).ThenDrive([&](QDialog& dialog) {
    if (auto* report = qobject_cast<CDlgValidationReport*>(&dialog)) reportErrors = report->Report().ErrorCount();
    dialog.reject();
  });
  window.TriggerCommand(kCmdWriteDB);
  EXPECT_GE(reportErrors, 1);
  EXPECT_FALSE(std::filesystem::exists(master));

  // "Trotzdem einbinden": the build runs as before.
  Answers().Clear();
  Answers().Then(DialogAnswer::kNo);
  window.TriggerCommand(kCmdWriteDB);
  EXPECT_TRUE(std::filesystem::exists(master)) << Answers().Texts().join("\n").toStdString();
}

TEST_F(ValidationReportTest, WithoutErrorsTheMasterBuildAsksNothing) {
  DlgMainMenu window(Context(), MainMenuStart{false, {}, false});
  window.Initialise();
  const std::filesystem::path master = InstallFolder() + "/database/Master.dat";
  std::filesystem::remove(master);
  window.TriggerCommand(kCmdWriteDB);
  for (const ShownDialog& shown : Answers().Shown())
    EXPECT_FALSE(shown.text.startsWith("Die Datenbank enthält ")) << shown.text.toStdString();
  EXPECT_TRUE(std::filesystem::exists(master));
}

}  // namespace
}  // namespace torvale
