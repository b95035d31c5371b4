#include "persons/person_search.h"

#include <gtest/gtest.h>

#include "persons/world_persons.h"
#include "persons_test_world.h"

namespace torvale {
namespace {

using testing::PersonsTestWorld;

struct RecordingSink final : PersonSearchSink {
  void DeliverBatch(std::vector<SearchHit> hits, bool final) override {
    ++batches;
    finals += final ? 1 : 0;
    all.insert(all.end(), hits.begin(), hits.end());
    if (onBatch) onBatch();
  }
  int batches = 0;
  int finals = 0;
  std::vector<SearchHit> all;
  std::function<void()> onBatch;
};

std::vector<SearchHit> Search(CWorldDatabase& world, PersonSearchTexts texts, int* batches = nullptr) {
  RecordingSink sink;
  std::atomic<bool> cancel{false};
  EXPECT_EQ(RunPersonSearch(world, PersonSearchPatterns::FromTexts(texts), sink, cancel), SearchOutcome::kCompleted);
  EXPECT_EQ(sink.finals, 1);
  if (batches) *batches = sink.batches;
  return sink.all;
}

TEST(PersonSearchTest, PatternsAreFoldedUpperCasedAndCut) {
  EXPECT_EQ(PrepareSearchText("o*"), "O*");
  EXPECT_EQ(PrepareSearchText("\xD6zil"), "OZIL");          // Özil
  EXPECT_EQ(PrepareSearchText("Strau\xDF"), "STRAUSS");     // ß spelled out
  EXPECT_EQ(PrepareSearchText("\xE6r?"), "AER?");           // æ
  EXPECT_EQ(PrepareSearchText(std::string(200, 'x')).size(), kSearchTextChars);
  // A ligature at the cut keeps what fits.
  EXPECT_EQ(PrepareSearchText(std::string(126, 'a') + "\xDF"), std::string(126, 'A') + "S");
}

TEST(PersonSearchTest, CriteriaAndNicknameRules) {
  PersonsTestWorld t;
  CClub& club = t.Club(14, 1);
  CPlayer& oemer = t.Person("\xD6mer", "M\xFCller", &club);   // Ömer Müller
  CPlayer& stageOnly = t.Person("Hans", "Stage", &club);
  SetFixedText(stageOnly.stageName, "Kaiser");
  CPlayer& nickAndStage = t.Person("Karl", "Both", &club);
  SetFixedText(nickAndStage.nickname, "Kalle");
  SetFixedText(nickAndStage.stageName, "Kaiserlein");
  CPlayer& nickOnly = t.Person("Kurt", "Nick", &club);
  SetFixedText(nickOnly.nickname, "Kaiser");
  CPlayer& otto = t.Person("Otto", "Plain", &club);

  const auto ids = [&](PersonSearchTexts texts) {
    std::vector<uint32_t> found;
    for (const SearchHit& hit : Search(t.World(), texts)) found.push_back(hit.playerId);
    return found;
  };
  EXPECT_EQ(ids({"o*", "", ""}), (std::vector<uint32_t>{oemer.id, otto.id}));
  EXPECT_EQ(ids({"", "", "muller"}), std::vector<uint32_t>{oemer.id});
  EXPECT_EQ(ids({"otto", "", "m*"}), std::vector<uint32_t>{});  // every set criterion must hold
  // Empty nickname, matching stage name; nickname that does not match, stage name that does;
  // a matching nickname alone.
  EXPECT_EQ(ids({"", "kaiser*", ""}), (std::vector<uint32_t>{stageOnly.id, nickAndStage.id, nickOnly.id}));
  EXPECT_EQ(ids({"", "kalle", ""}), std::vector<uint32_t>{nickAndStage.id});
  EXPECT_EQ(ids({"", "?", ""}), std::vector<uint32_t>{});  // empty names never match
}

TEST(PersonSearchTest, AllTextsEmptyDeliversOneEmptyFinalBatch) {
  PersonsTestWorld t;
  t.Person("Any", "One", &t.Club(14, 1));
  int batches = 0;
  EXPECT_TRUE(Search(t.World(), {"", "", ""}, &batches).empty());
  EXPECT_EQ(batches, 1);
}

TEST(PersonSearchTest, WalksCountriesClubsListsThenFreePlayersInBatches) {
  PersonsTestWorld t;
  CPlayer& free = t.FreePerson("A", "Free");
  CPlayer& late = t.Person("A", "Late", &t.Club(45, 1));
  CPlayer& second = t.Person("A", "Second", &t.Club(14, 2));
  CPlayer& first = t.Person("A", "First", &t.Club(14, 1));
  CPlayer& early = t.Person("A", "Early", &t.Club(3, 7));
  CPlayer& firstToo = t.Person("A", "FirstToo", &t.Club(14, 1));

  RecordingSink sink;
  std::atomic<bool> cancel{false};
  ASSERT_EQ(RunPersonSearch(t.World(), PersonSearchPatterns::FromTexts({"a", "", ""}), sink, cancel,
                            std::chrono::milliseconds(-1)),
            SearchOutcome::kCompleted);
  const std::vector<SearchHit> expected = {{early.id, MakeClubId(3, 7)},   {first.id, MakeClubId(14, 1)},
                                           {firstToo.id, MakeClubId(14, 1)}, {second.id, MakeClubId(14, 2)},
                                           {late.id, MakeClubId(45, 1)},     {free.id, 0}};
  EXPECT_EQ(sink.all, expected);
  // With no interval to wait for, every hit goes out on its own, then the empty final batch.
  EXPECT_EQ(sink.batches, 7);
  EXPECT_EQ(sink.finals, 1);
}

TEST(PersonSearchTest, CancelStopsTheWalkAndDeliversNothingMore) {
  PersonsTestWorld t;
  for (uint16_t c = 1; c <= 20; ++c) t.FillClub(t.Club(14, c), 10);
  RecordingSink sink;
  std::atomic<bool> cancel{false};
  sink.onBatch = [&] { cancel = true; };
  EXPECT_EQ(RunPersonSearch(t.World(), PersonSearchPatterns::FromTexts({"*", "", ""}), sink, cancel,
                            std::chrono::milliseconds(-1)),
            SearchOutcome::kCancelled);
  EXPECT_EQ(sink.batches, 1);
  EXPECT_EQ(sink.finals, 0);
  EXPECT_EQ(sink.all.size(), 1u);
}

TEST(PersonSearchTest, RowsShowClubAndCountryOnlyForPersonsWithClub) {
  PersonsTestWorld t;
  CClub& club = t.Club(14, 3, "Eintracht");
  CPlayer& coach = t.Person("Otto", "Trainer", &club, kRoleCoach);
  coach.birthDate = DATE::FromCivil(1961, 3, 9);
  CPlayer& free = t.FreePerson("Frei", "Spieler");
  free.mainPosition = 17;

  SearchResultRow row;
  ASSERT_TRUE(MakeSearchResultRow(t.World(), {coach.id, club.clubId}, row));
  EXPECT_EQ(row.clubName, "Eintracht");
  EXPECT_EQ(row.countryName, t.World().Country(14)->Name(0));
  EXPECT_EQ(row.position, "TR");
  EXPECT_EQ(row.birthDate, "09.03.1961");
  ASSERT_TRUE(MakeSearchResultRow(t.World(), {free.id, 0}, row));
  EXPECT_EQ(row.clubName, "");
  EXPECT_EQ(row.countryName, "");
  EXPECT_EQ(row.position, "ST");
  EXPECT_FALSE(MakeSearchResultRow(t.World(), {999999, 0}, row));
}

TEST(PersonSearchTest, RowOrderByColumnAndDirection) {
  SearchResultRow a, b, official;
  a.firstName = "Bernd", a.surname = "adler", a.positionKey = 17, a.birthDay = DATE::FromCivil(1980, 1, 1);
  b.firstName = "anton", b.surname = "Adler", b.positionKey = 1, b.birthDay = DATE::FromCivil(1990, 1, 1);
  official.positionKey = 1001;
  const NameCompare names = CompareNamesIgnoringCase;
  EXPECT_GT(CompareSearchResultRows(a, b, kSearchSurname, names), 0);   // same surname: first names decide
  EXPECT_GT(CompareSearchResultRows(a, b, kSearchFirstName, names), 0);
  EXPECT_GT(CompareSearchResultRows(a, b, kSearchPosition, names), 0);
  EXPECT_LT(CompareSearchResultRows(a, official, kSearchPosition, names), 0);  // players before officials
  EXPECT_LT(CompareSearchResultRows(a, b, kSearchBirthDate, names), 0);

  // A header clicked twice sorts that column descending; another column starts ascending.
  SortOrder order{kSearchFirstName, true};
  order = ClickSortColumn(order, kSearchSurname);
  EXPECT_EQ(order, (SortOrder{kSearchSurname, true}));
  order = ClickSortColumn(order, kSearchSurname);
  EXPECT_EQ(order, (SortOrder{kSearchSurname, false}));
  EXPECT_LT(Directed(CompareSearchResultRows(a, b, order.column, names), order.ascending), 0);
}

TEST(PersonTransferTest, TransferRulesForContractShirtAndOrigin) {
  PersonsTestWorld t;
  CClub& from = t.Club(14, 1);
  CClub& to = t.Club(45, 2);
  CPlayer& early = t.Person("Early", "Contract", &from);
  early.contractStart = 2001;
  early.shirtNumber = 9;
  CPlayer& late = t.FreePerson("Late", "Contract");
  late.contractStart = 2004;

  EXPECT_EQ(TransferPerson(t.World(), early.id, from.clubId, to.clubId | kReserveTeamBit), MoveResult::kMoved);
  EXPECT_EQ(early.contractStart, 2003);
  EXPECT_EQ(early.shirtNumber, 0);
  EXPECT_EQ(early.team, 1);
  EXPECT_FALSE(from.HasPlayer(early.id));
  EXPECT_TRUE(to.HasPlayer(early.id));

  EXPECT_EQ(TransferPerson(t.World(), late.id, 0, to.clubId), MoveResult::kMoved);
  EXPECT_EQ(late.contractStart, 2004);
  EXPECT_EQ(t.World().PlayersWithoutClub()->Count(), 0u);

  // Already there, or not where the row says: nothing happens.
  EXPECT_EQ(TransferPerson(t.World(), late.id, to.clubId, to.clubId), MoveResult::kUnchanged);
  EXPECT_EQ(TransferPerson(t.World(), late.id, from.clubId, to.clubId), MoveResult::kUnchanged);
  EXPECT_EQ(TransferPerson(t.World(), late.id, to.clubId, MakeClubId(45, 99)), MoveResult::kUnchanged);

  // A full club refuses, and the person keeps club, contract and number.
  CClub& full = t.Club(14, 3);
  t.FillClub(full, kMaxClubPersons);
  CPlayer& person = t.Person("Moving", "Not", &from);
  person.contractStart = 2001;
  person.shirtNumber = 7;
  EXPECT_EQ(TransferPerson(t.World(), person.id, from.clubId, full.clubId), MoveResult::kClubFull);
  EXPECT_TRUE(from.HasPlayer(person.id));
  EXPECT_EQ(full.PlayerIds().size(), static_cast<size_t>(kMaxClubPersons));
  EXPECT_EQ(person.contractStart, 2001);
  EXPECT_EQ(person.shirtNumber, 7);
}

TEST(PersonTransferTest, ReleaseOnlyForPersonsWithClub) {
  PersonsTestWorld t;
  CClub& club = t.Club(14, 1);
  CPlayer& listed = t.Person("In", "Club", &club);
  CPlayer& free = t.FreePerson("Already", "Free");
  EXPECT_FALSE(ReleaseToPlayersWithoutClub(t.World(), free.id, 0));
  EXPECT_EQ(t.World().PlayersWithoutClub()->Count(), 1u);
  EXPECT_TRUE(ReleaseToPlayersWithoutClub(t.World(), listed.id, club.clubId));
  EXPECT_FALSE(club.HasPlayer(listed.id));
  EXPECT_EQ(t.World().PlayersWithoutClub()->IdAt(1), listed.id);
}

}  // namespace
}  // namespace torvale
