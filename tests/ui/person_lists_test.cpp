#include <QFileDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "exchange/list_export_csv.h"
#include "platform/path.h"
#include "support/file_bytes.h"
#include "support/gui/editor_fixture.h"
#include "support/test_database.h"
#include "ui/lists/dlg_player_without_club.h"
#include "ui/lists/list_dialogs.h"
#include "ui/lists/list_printer.h"
#include "ui/lists/player_double.h"
#include "ui/lists/report_list.h"
#include "world/club.h"
#include "world/country.h"
#include "world/players_without_club.h"

namespace torvale {

namespace {

using PersonListsTest = test::EditorFixture;

std::vector<CClub*> RegularClubs(CCountry& country, size_t count) {
  std::vector<CClub*> clubs;
  for (const auto& [id, club] : country.Clubs())
    if (club->Number() != kAmateurClubNumber && clubs.size() < count) clubs.push_back(club.get());
  return clubs;
}

void Click(QWidget& dialog, const char* name) {
  auto* button = dialog.findChild<QPushButton*>(name);
  ASSERT_NE(button, nullptr) << name;
  QTest::mouseClick(button, Qt::LeftButton);
}

// Selects rows of a report list as a user would, with Ctrl held after the first.
void SelectRows(CReportList& list, std::initializer_list<int> rows) {
  list.clearSelection();
  for (int row : rows)
    list.selectionModel()->select(list.model()->index(row, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

int PdfPageCount(const std::string& path) {
  std::string pdf;
  if (!ReadWholeFile(path, pdf)) return 0;
  int pages = 0;
  for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
    if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
  return pages;
}

}  // namespace

// Which scope fits which selection is the core's rule; the dialog only has to preselect it.
TEST_F(PersonListsTest, DuplicateReportPreselectsTheCoresDefaultScope) {
  const uint32_t clubId = RegularClubs(*World().Country(14), 1).front()->clubId;
  bool shown = false;
  Answers().ThenDrive([&](QDialog& dialog) {
    shown = true;
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("scopeClub")->isChecked());
  });
  OpenDuplicatePlayers(Context(), nullptr, 14, clubId);
  EXPECT_TRUE(shown);
  // The main window's command opens the report for the whole world.
  Answers().ThenDrive([](QDialog& dialog) { EXPECT_TRUE(dialog.findChild<QRadioButton*>("scopeAll")->isChecked()); });
  EXPECT_TRUE(Context().Commands().Run(EditorCommand::kDuplicatePlayers, Context(), nullptr, MainSelection{14, clubId}));
}

TEST_F(PersonListsTest, RemovingTheFirstPersonOfAPairRebuildsTheReportAndCommits) {
  auto clubs = RegularClubs(*World().Country(14), 2);
  ASSERT_EQ(clubs.size(), 2u);
  CPlayer& first = testing::AddPerson(World(), "Quirin", "Zwiebelmann", kRolePlayer, 14, clubs[0]);
  testing::AddPerson(World(), "Quirin", "Zwiebelmann", kRolePlayer, 14, clubs[1]);
  testing::AddPerson(World(), "quirin", "Zwiebelmann", kRolePlayer, 14, clubs[1]);  // case differs: no pair
  const uint32_t firstId = first.id;

  // Scope "club" of the second club: the pair is listed although only its second person plays there.
  CPlayerDouble dialog(Changes(), 0, 14, clubs[1]->clubId);
  auto zwiebelRows = [&] {
    return std::count_if(dialog.Rows().begin(), dialog.Rows().end(),
                         [](const DuplicateRow& row) { return row.surname == "Zwiebelmann"; });
  };
  ASSERT_EQ(dialog.Scope(), DuplicateScope::kClub);
  ASSERT_EQ(zwiebelRows(), 1);
  int row = 0;
  while (dialog.Rows()[static_cast<size_t>(row)].surname != "Zwiebelmann") ++row;
  EXPECT_EQ(dialog.Rows()[static_cast<size_t>(row)].pair.first.playerId, firstId);
  EXPECT_EQ(dialog.List().model()->index(row, 0).data().toString(), QStringLiteral("Zwiebelmann, Quirin"));

  dialog.List().SelectRow(row);
  Click(dialog, "delplayer1");
  EXPECT_EQ(zwiebelRows(), 0);
  EXPECT_FALSE(clubs[0]->HasPlayer(firstId));
  EXPECT_TRUE(Changes().IsModified());

  // The birth-date flag and the scope radio buttons rebuild the report at once.
  const size_t allClub = dialog.Rows().size();
  dialog.findChild<QRadioButton*>("scopeAll")->click();
  EXPECT_EQ(dialog.Scope(), DuplicateScope::kAll);
  EXPECT_GE(dialog.Rows().size(), allClub);
}

// Which persons a full club refuses and where the selection goes afterwards are the core's
// rules; here the buttons have to reach them and the list has to show their result.
TEST_F(PersonListsTest, FreePlayerButtonsDeleteAndMoveTheSelectedRows) {
  CClub& club = *RegularClubs(*World().Country(14), 1).front();
  CPlayersWithoutClub& freeList = *World().PlayersWithoutClub();
  std::vector<uint32_t> ids;
  for (const char* name : {"Aalto", "Baaske", "Cordes"})
    freeList.Add(ids.emplace_back(testing::AddPerson(World(), "Frei", name, kRolePlayer, 14).id));
  uint32_t chosen = club.clubId | kReserveTeamBit;
  CDlgPlayerWithoutClub dialog(Changes(), [&](QWidget*) { return chosen; });
  auto rowOf = [&](uint32_t person) {
    for (size_t i = 0; i < dialog.Rows().size(); ++i)
      if (dialog.Rows()[i].playerId == person) return static_cast<int>(i);
    return -1;
  };
  const size_t before = dialog.Rows().size();
  SelectRows(dialog.List(), {rowOf(ids[1]), rowOf(ids[2])});
  Click(dialog, "delete");
  EXPECT_EQ(dialog.Rows().size(), before - 2);
  EXPECT_EQ(World().Persons().FindPlayer(ids[2]), nullptr);
  EXPECT_TRUE(Changes().IsModified());

  dialog.List().SelectRow(rowOf(ids[0]));
  Click(dialog, "moveToClub");
  EXPECT_EQ(rowOf(ids[0]), -1);
  EXPECT_TRUE(club.HasPlayer(ids[0]));
  EXPECT_EQ(World().Persons().FindPlayer(ids[0])->team, 1);

  CDlgPlayerWithoutClub withoutChooser(Changes(), {});
  EXPECT_FALSE(withoutChooser.findChild<QPushButton*>("moveToClub")->isEnabled());
}

TEST_F(PersonListsTest, EveryExportFormatFromTheSaveDialogMatchesTheCoreWriter) {
  CPlayersWithoutClub& freeList = *World().PlayersWithoutClub();
  freeList.Add(testing::AddPerson(World(), "Ede, \"der Blitz\"", "\xDC" "bel & <Co>", kRolePlayer, 14).id);
  CDlgPlayerWithoutClub dialog(Changes(), {});
  const ExportedList contents = dialog.List().Contents("Spieler ohne Verein");
  const QStringList filters = ListExportNameFilters();
  ASSERT_EQ(filters.size(), 4);
  EXPECT_TRUE(filters[3].startsWith(QStringLiteral("CSV (Tabellenkalkulation)")));
  const std::string expected[] = {FormatExportedList(contents, ListExportFormat::kTabs),
                                  FormatExportedList(contents, ListExportFormat::kSpaces),
                                  FormatExportedList(contents, ListExportFormat::kXml),
                                  FormatListAsCsv(contents)};
  for (int filter = 0; filter < 4; ++filter) {
    const std::string path = JoinPath(InstallFolder(), "liste" + std::to_string(filter) + ".dat");
    Answers().ThenDrive([&](QDialog& shown) {
      auto& files = dynamic_cast<QFileDialog&>(shown);
      files.selectNameFilter(filters[filter]);
      files.selectFile(QString::fromStdString(path));
      shown.accept();  // QFileDialog::accept, as the dialog's own button runs it
    });
    Click(dialog, "save");
    EXPECT_EQ(test::ReadText(path), expected[filter]) << filter;
  }
  // The CSV cell with comma, quote and umlaut comes out quoted and as UTF-8.
  EXPECT_NE(expected[3].find("\"\xC3\x9C" "bel & <Co>, E."), std::string::npos) << expected[3];
  // Cancelling writes nothing and reports nothing.
  Answers().ThenDrive([](QDialog& shown) { shown.reject(); });
  EXPECT_FALSE(dialog.List().ExportList("x"));
}

TEST_F(PersonListsTest, PrintingGivesOnePagePerPageOfRows) {
  ExportedList list{"Doppelte Spieler in der Datenbank", {"Name", "Verein 1"}, {}};
  auto print = [&](const std::string& name) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string path = JoinPath(InstallFolder(), name);
    printer.setOutputFileName(QString::fromStdString(path));
    const int pages = PrintListPages(printer, list, DuplicateReportPrintSettings());
    return std::pair{pages, PdfPageCount(path)};
  };
  QPrinter probe(QPrinter::HighResolution);
  probe.setOutputFormat(QPrinter::PdfFormat);
  const int perPage = [&] {
    list.rows.assign(1, {"a", "b"});
    return PlanListPrint(probe, list, DuplicateReportPrintSettings()).rowsPerPage;
  }();
  ASSERT_GT(perPage, 10);

  list.rows.clear();
  EXPECT_EQ(print("leer.pdf"), (std::pair{0, 0}));
  list.rows.assign(static_cast<size_t>(perPage), {"M\xFCller, Hans", "FC Beispiel (Deutschland)"});
  EXPECT_EQ(print("eine.pdf"), (std::pair{1, 1}));
  list.rows.push_back({"Zander, Udo", "SV Probe (Deutschland)"});
  EXPECT_EQ(print("zwei.pdf"), (std::pair{2, 2}));
}

}  // namespace torvale
