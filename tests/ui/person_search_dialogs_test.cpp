#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "app/qt_text.h"
#include "exchange/sample_world_generator.h"
#include "persons/world_persons.h"
#include "persons/person_search.h"
#include "ui/sample_clubs.h"
#include "support/gui/editor_fixture.h"
#include "support/test_database.h"
#include "ui/common/editor_context.h"
#include "ui/search/dlg_choose_club.h"
#include "ui/search/dlg_player_search.h"
#include "ui/search/dlg_search_result.h"
#include "ui/search/person_search_dialogs.h"
#include "ui/search/search_result_model.h"
#include "world/club.h"
#include "world/country.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

using testing::AddPerson;

class PersonSearchDialogsTest : public test::EditorFixture {
 protected:
  // The first two regular clubs of Germany in the sample installation.
  CClub& GermanClub(int which) { return test::SampleClub(World(), 14, which); }

  CPlayer& Person(std::string_view first, std::string_view surname, CClub* club) {
    CPlayer& person = AddPerson(World(), first, surname, kRolePlayer, 14, club);
    if (!club) World().PlayersWithoutClub()->Add(person.id);
    return person;
  }

  // Shows a result dialog for the texts and waits for the walk's final batch.
  std::unique_ptr<CDlgSearchResult> Search(const PersonSearchTexts& texts) {
    auto dialog = std::make_unique<CDlgSearchResult>(Context(), PersonSearchPatterns::FromTexts(texts));
    WaitForFinal(*dialog, [&] { dialog->show(); });
    return dialog;
  }

  static void WaitForFinal(CDlgSearchResult& dialog, const std::function<void()>& start) {
    bool done = false;
    auto connection = QObject::connect(&dialog, &CDlgSearchResult::batchShown, [&](bool final) { done = done || final; });
    start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
    QObject::disconnect(connection);
  }

  static void SelectRowOf(CDlgSearchResult& dialog, uint32_t playerId) {
    for (int row = 0; row < dialog.Model().rowCount(); ++row) {
      if (dialog.Model().Hit(row)->playerId == playerId) {
        dialog.View().selectRow(row);
        return;
      }
    }
    ADD_FAILURE() << "person " << playerId << " not listed";
  }
};

TEST_F(PersonSearchDialogsTest, FoldedNamesStageNamesAndClubColumns) {
  CPlayer& oemer = Person("\xD6mer", "Zqxwuv", &GermanClub(0));
  CPlayer& staged = Person("Karl", "Zqxwuv", &GermanClub(1));
  SetFixedText(staged.stageName, "Kaiserle");
  CPlayer& nicknamed = Person("Franz", "Zqxwuv", nullptr);
  SetFixedText(nicknamed.nickname, "Bomber");
  SetFixedText(nicknamed.stageName, "Kaiser");

  auto byFirstName = Search({"o*", "", "zqx*"});
  ASSERT_EQ(byFirstName->Model().rowCount(), 1);
  EXPECT_EQ(byFirstName->Model().Hit(0)->playerId, oemer.id);
  EXPECT_EQ(byFirstName->Model().data(byFirstName->Model().index(0, kSearchClub)).toString().toStdString(),
            FromCp1252(WorldClubName(World(), GermanClub(0).clubId)).toStdString());

  // An empty or non-matching nickname falls back to the stage name.
  auto byStageName = Search({"", "kaiser*", "zqxwuv"});
  ASSERT_EQ(byStageName->Model().rowCount(), 2);
  for (int row = 0; row < 2; ++row) {
    const SearchHit& hit = *byStageName->Model().Hit(row);
    EXPECT_TRUE(hit.playerId == staged.id || hit.playerId == nicknamed.id);
    if (hit.playerId == nicknamed.id) {
      EXPECT_EQ(hit.clubId, 0u);
      EXPECT_TRUE(byStageName->Model().Text(row, kSearchClub).empty());
      EXPECT_TRUE(byStageName->Model().Text(row, kSearchCountry).empty());
    } else {
      EXPECT_FALSE(byStageName->Model().Text(row, kSearchCountry).empty());
    }
  }
}

TEST_F(PersonSearchDialogsTest, SurnameClickedTwiceSortsDescending) {
  for (const char* surname : {"Zqxb", "Zqxc", "Zqxa"}) Person("Hans", surname, &GermanClub(0));
  auto dialog = Search({"", "", "zqx?"});
  ASSERT_EQ(dialog->Model().rowCount(), 3);
  EXPECT_EQ(dialog->Model().Text(0, kSearchSurname), "Zqxa");  // surname ascending from the start

  QHeaderView* header = dialog->View().horizontalHeader();
  const QPoint surnameHeader(header->sectionViewportPosition(kSearchSurname) + 5, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, surnameHeader);
  EXPECT_EQ(dialog->Model().Text(0, kSearchSurname), "Zqxc");
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, surnameHeader);
  EXPECT_EQ(dialog->Model().Text(0, kSearchSurname), "Zqxa");
  EXPECT_EQ(dialog->Model().Order(), (SortOrder{kSearchSurname, true}));
}

TEST(SearchResultModel, NamesSortInTheUsersCollationAcrossBatches) {
  auto row = [](uint32_t id, const char* first, const char* surname, const char* club) {
    SearchResultRow r;
    r.hit = {id, id};
    r.firstName = first;
    r.surname = surname;
    r.clubName = club;
    return r;
  };
  // The collation of a German user, whatever the test machine's locale.
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  SearchResultModel model;
  QLocale::setDefault(previous);
  model.Append({row(1, "Karl", "Bach", "b"), row(2, "Anna", "\xC4" "bel", "a")});
  // A later batch brings new names that rank between the earlier ones.
  model.Append({row(3, "Zoe", "abel", "c"), row(4, "Bert", "Abel", "c"), row(5, "Ida", "Zander", "a")});
  std::vector<uint32_t> order;
  for (int i = 0; i < model.rowCount(); ++i) order.push_back(model.Hit(i)->playerId);
  // Case and accents do not separate names; equal surnames go by first name.
  EXPECT_EQ(order, (std::vector<uint32_t>{4, 3, 2, 1, 5}));

  model.ClickColumn(kSearchClub);
  EXPECT_EQ(model.Text(0, kSearchClub), "a");
  EXPECT_EQ(model.Text(model.rowCount() - 1, kSearchClub), "c");
}

// The transfer rules themselves (contract start, shirt number) are the core's; here the
// dialog's wiring: each transfer reruns the search, a full club refuses without a word.
TEST_F(PersonSearchDialogsTest, TransferRerunsTheSearchAndFullClubsRefuseSilently) {
  CClub& from = GermanClub(0);
  CClub& to = GermanClub(1);
  CPlayer& early = Person("Fritz", "Zqxearly", &from);
  CPlayer& late = Person("Fritz", "Zqxlate", &from);

  auto dialog = Search({"", "", "zqx*"});
  dialog->SetCommandsAllowed(true);
  dialog->SetClubChooser([&](QWidget*, uint32_t) { return to.clubId; });
  for (CPlayer* person : {&early, &late}) {
    SelectRowOf(*dialog, person->id);
    WaitForFinal(*dialog, [&] { dialog->TransferSelected(); });
  }
  EXPECT_TRUE(dialog->Changed());
  EXPECT_TRUE(to.HasPlayer(early.id) && to.HasPlayer(late.id));
  EXPECT_FALSE(from.HasPlayer(early.id));
  // The search ran again: the rows show the new club.
  SelectRowOf(*dialog, early.id);
  EXPECT_EQ(dialog->Model().Hit(dialog->View().currentIndex().row())->clubId, to.clubId);

  // A club of 256 persons takes nobody, and nobody is told.
  CPlayer& third = Person("Fritz", "Zqxthird", &from);
  while (to.PlayerIds().size() < kMaxClubPersons) Person("Fill", "Fill", &to);
  auto again = Search({"", "", "zqxthird"});
  again->SetCommandsAllowed(true);
  again->SetClubChooser([&](QWidget*, uint32_t) { return to.clubId; });
  SelectRowOf(*again, third.id);
  again->TransferSelected();
  EXPECT_FALSE(again->Changed());
  EXPECT_TRUE(from.HasPlayer(third.id));
  EXPECT_TRUE(Answers().Texts().empty());
}

TEST_F(PersonSearchDialogsTest, ReleaseAndFetchAreOneChangeEachAndSkipPersonsWithoutClub) {
  CClub& club = GermanClub(0);
  CClub& target = GermanClub(1);
  CPlayer& listed = Person("Egon", "Zqxlisted", &club);
  CPlayer& free = Person("Egon", "Zqxfree", nullptr);
  QStringList texts;
  QObject::connect(&Changes(), &WorldChanges::changed, [&](const ChangeScope&, const QString& text) { texts << text; });

  auto dialog = Search({"egon", "", ""});
  dialog->SetCommandsAllowed(true);
  SelectRowOf(*dialog, free.id);
  dialog->ReleaseSelected();  // a person without club: nothing happens
  EXPECT_FALSE(dialog->Changed());
  EXPECT_TRUE(texts.isEmpty());

  SelectRowOf(*dialog, listed.id);
  WaitForFinal(*dialog, [&] { dialog->ReleaseSelected(); });
  EXPECT_FALSE(club.HasPlayer(listed.id));
  EXPECT_EQ(World().PlayersWithoutClub()->IdAt(World().PlayersWithoutClub()->Count() - 1), listed.id);

  // "Spieler holen" fetches into the target club's reserve team, out of the free list.
  dialog->SetTargetClub(target.clubId | kReserveTeamBit);
  SelectRowOf(*dialog, free.id);
  WaitForFinal(*dialog, [&] { dialog->FetchSelected(); });
  EXPECT_TRUE(target.HasPlayer(free.id));
  EXPECT_EQ(free.team, 1);
  EXPECT_EQ(texts.size(), 2);
}

TEST_F(PersonSearchDialogsTest, ContextMenuFollowsTheCallersFlags) {
  Person("Otto", "Zqxmenu", &GermanClub(0));
  auto readOnly = Search({"", "", "zqxmenu"});
  EXPECT_EQ(readOnly->MakeContextMenu(), nullptr);

  auto dialog = Search({"", "", "zqxmenu"});
  dialog->SetCommandsAllowed(true);
  std::unique_ptr<QMenu> menu(dialog->MakeContextMenu());
  ASSERT_TRUE(menu);
  EXPECT_FALSE(menu->findChild<QAction*>("fetchAction")->isEnabled());
  EXPECT_FALSE(menu->findChild<QAction*>("showClubAction")->isEnabled());
  EXPECT_TRUE(menu->findChild<QAction*>("transferAction")->isEnabled());

  dialog->SetShowClubAllowed(true);
  dialog->View().selectRow(0);
  dialog->ShowClubOfSelected();
  EXPECT_EQ(dialog->ChosenClub(), GermanClub(0).clubId);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(PersonSearchDialogsTest, SquadCycleFetchesIntoTheTargetAndRepeatsUntilCancelled) {
  CClub& target = GermanClub(1);
  CPlayer& wanted = Person("Udo", "Zqxcycle", &GermanClub(0));
  int refreshes = 0;
  int searchesShown = 0;
  // Answers the modal dialogs of the cycle as a user would: search, fetch, OK; then cancel.
  QTimer driver;
  QObject::connect(&driver, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* search = qobject_cast<CDlgPlayerSearch*>(modal)) {
      if (++searchesShown == 1) {
        QTest::keyClicks(search->findChild<QLineEdit*>("surnameEdit"), "zqxcycle");
        search->accept();
      } else {
        search->reject();
      }
    } else if (auto* result = qobject_cast<CDlgSearchResult*>(modal)) {
      if (result->SearchRunning()) return;
      if (!target.HasPlayer(wanted.id)) {
        SelectRowOf(*result, wanted.id);
        result->FetchSelected();
      } else {
        result->accept();
      }
    }
  });
  driver.start(10);
  SharedSearchTexts() = {};
  EXPECT_TRUE(RunSquadPersonSearch(Context(), nullptr, target.clubId, [&] { ++refreshes; }));
  EXPECT_TRUE(target.HasPlayer(wanted.id));
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(searchesShown, 2);
  EXPECT_EQ(SharedSearchTexts().surname, "zqxcycle");  // kept for the next search
}

TEST_F(PersonSearchDialogsTest, ChooseClubReturnsTheReserveTeamWithBit24) {
  CClub& club = GermanClub(1);
  CDlgChooseClub dialog(World(), 0);
  dialog.Preselect(club.clubId | kReserveTeamBit);
  EXPECT_EQ(dialog.ChosenClub(), club.clubId | kReserveTeamBit);
  dialog.findChild<QRadioButton*>("firstTeamRadio")->click();
  EXPECT_EQ(dialog.ChosenClub(), club.clubId);
  // The national pseudo-club is no transfer target.
  auto* clubs = dialog.findChild<QListWidget*>("clubList");
  for (int i = 0; i < clubs->count(); ++i) {
    EXPECT_NE(ClubNumber(static_cast<uint32_t>(clubs->item(i)->data(Qt::UserRole).toLongLong())), kAmateurClubNumber);
  }
}

TEST_F(PersonSearchDialogsTest, CancellingASearchOverTheBenchmarkWorldEndsPromptly) {
  CWorldDatabase* big = Context().CreateWorld();
  ASSERT_NE(big, nullptr);
  SampleWorldOptions options;
  options.scale = 1;
  GenerateSampleWorld(*big, Context().NameGenerator(), options);
  ASSERT_GT(big->Persons().Count(), 200000u);

  auto dialog = std::make_unique<CDlgSearchResult>(Context(), PersonSearchPatterns::FromTexts({"*", "", ""}));
  dialog->show();
  ASSERT_TRUE(dialog->SearchRunning());
  QTest::qWait(20);  // let the first batches arrive
  const auto start = std::chrono::steady_clock::now();
  dialog.reset();  // closing the dialog stops the walk and waits for its thread
  // The walk looks at the cancel flag per person, so stopping takes milliseconds; a second
  // only guards against a worker that ignores the flag.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

}  // namespace
}  // namespace torvale
