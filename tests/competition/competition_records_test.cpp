#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "competition/competition_records.h"
#include "competition/competition_registry.h"
#include "competition/competition_round.h"
#include "competition/cup.h"
#include "competition/cup_allocation.h"
#include "competition/cup_national.h"
#include "competition/league.h"
#include "storage/record_stream.h"
#include "world/club_id_mapper.h"

namespace torvale {
namespace {

constexpr int kCountry = 14;

// Saving renumbers clubs; this mapper moves every club number up by 100 so that a test can
// see that league teams are written through it.
class ShiftingClubIdMapper final : public ClubIdMapper {
 public:
  uint32_t SavedClubId(uint32_t clubId) const override { return clubId + 100; }
};

// Allocations 1-20, entry n with (n % 4) + 1 rounds; odd entries play their second round
// over two legs.
std::string AllocationFile() {
  std::string text = "20\r\n";
  for (int n = 1; n <= 20; ++n) {
    int rounds = n % 4 + 1;
    text += "%INDEX%CUP" + std::to_string(n) + "\r\n" + std::to_string(rounds) + "\r\n";
    for (int r = 0; r < rounds; ++r) {
      std::string flags = (r == 1 && n % 2 == 1) ? "BEG_2ND_LEG" : "BEG_WITH_PENALTY";
      text += "{ 0, " + std::to_string(r == 0 ? rounds : 0) + ", 0, 0, 0, 0, ROUND_" +
              std::to_string(r + 1) + ", " + flags + " }\r\n";
    }
    text += "1\r\nGET_TAB_LEVEL_X_TO_Y\r\n-1\r\n1\r\n4\r\n%INDEXEND%CUP" + std::to_string(n) +
            "\r\n";
  }
  return text;
}

template <typename Node>
Node& File(CompetitionRegistry& registry, int kind, int index) {
  auto node = std::make_unique<Node>();
  node->SetId(MakeCompetitionId(kCountry, kind, index));
  node->SetOwner(MakeCompetitionId(kCountry, CompKind::ROOT, 0));
  return static_cast<Node&>(*registry.RegisterCompetition(std::move(node)));
}

void FillLeague(CDBLeague& league, int n, int level) {
  league.SetName("Liga " + std::to_string(n));
  league.SetShortName("L" + std::to_string(n));
  league.SetLevel(level);
  league.SetNumberOfTeams(10 + n % 9);  // odd sizes too
  league.SetRounds(n % 3 == 0 ? 3 : 2);
  league.SetRelegationRule(static_cast<uint8_t>(n % 6));
  league.SetTableRule(static_cast<uint8_t>(n % 2));
  league.SetSpectatorMultiplier(static_cast<uint8_t>(5 + n));
  league.SetTransferMultiplier(static_cast<uint8_t>(200 - n));
  for (int t = 1; t <= league.NumberOfTeams() - n % 2; ++t)
    league.AddTeam(static_cast<uint32_t>((kCountry << 16) | (n * 30 + t)) |
                   (t == 3 ? CDBLeague::kReserveTeamBit : 0));
  // Leagues of odd number leave their last matchdays unplaced.
  int placed = league.MatchdayCount() - (n % 2) * 3;
  for (int m = 1; m <= placed; ++m) league.SetDayMatchday(10 + 3 * m, m);
  CDBFixturelist& grid = league.Fixtures();
  for (int row = 0; row < grid.Rows(); ++row)
    for (int column = 0; column < grid.Columns(); ++column)
      if ((row + column) % 7 != 0)
        grid.SetPair(row, column, static_cast<uint8_t>(column * 2 + 1),
                     static_cast<uint8_t>((row + column) % league.NumberOfTeams() + 1));
  for (int i = 0; i < 4; ++i) league.SetMoneyValue(i, n * 1000 + i);
}

void FillCup(CDBCup& cup, const char* name, int32_t allocation, int firstDay) {
  cup.SetName(name);
  cup.SetShortName(name);
  cup.SetAllocation(allocation);
  for (int m = 1; m <= cup.MatchdayCount(); ++m) cup.SetDayMatchday(firstDay + 7 * m, m);
  for (int r = 8 - cup.RoundCount(); r < 8; ++r)
    for (int i = 0; i < 4; ++i) cup.SetRoundMoney(i, r, allocation * 100 + r * 10 + i);
}

// A country with 20 leagues over five levels, a play-off of every kind and all five cups.
void BuildCountry(CompetitionRegistry& registry) {
  EnsureCountryRoot(registry, kCountry);
  const int levels[20] = {0, 1, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
  std::vector<CDBLeague*> leagues;
  for (int n = 0; n < 20; ++n) {
    leagues.push_back(&File<CDBLeague>(registry, CompKind::LEAGUE, n));
    FillLeague(*leagues.back(), n, levels[n]);
  }
  auto& scottish = File<CDBRelScottland1>(registry, CompKind::SCOTT1, 0);
  scottish.SetName("Relegation");
  scottish.SetLevel(0);
  scottish.SetNumberOfTeams(12);
  for (int m = 1; m <= 5; ++m) scottish.SetDayMatchday(200 + m, m);
  leagues[0]->AddSuccessor(scottish.Id(), true);

  // English play-offs are played by the league below the boundary and take its level.
  auto playOff = [&](CDBCup& cup, int32_t allocation, CDBLeague& league) {
    FillCup(cup, "Relegation", allocation, 250);
    league.AddSuccessor(cup.Id(), true);
    cup.SetLevel(league.Level());
  };
  playOff(File<CDBRelEngland1>(registry, CompKind::REL1, 0), 11, *leagues[1]);
  playOff(File<CDBRelEngland2>(registry, CompKind::REL2, 0), 12, *leagues[2]);
  playOff(File<CDBRelEngland3>(registry, CompKind::REL3, 0), 20, *leagues[3]);
  // The Swiss play-off sits between two levels and is a successor of both leagues.
  auto& swiss = File<CDBRelSwitzerland>(registry, CompKind::SWITZERLAND, 0);
  FillCup(swiss, "Relegation", 19, 260);
  swiss.SetLevel(3);
  leagues[4]->AddSuccessor(swiss.Id(), true);
  leagues[8]->AddSuccessor(swiss.Id(), true);
  swiss.SetNext(leagues[9]->Id());

  FillCup(File<CDBCup>(registry, CompKind::FA_CUP, 0), "DFB-Pokal", 1, 40);
  FillCup(File<CDBCup>(registry, CompKind::LE_CUP, 0), "Ligapokal", 65543, 41);
  FillCup(File<CDBCup>(registry, CompKind::CONFERENCE_CUP, 0), "Konferenz", 6, 42);
  FillCup(File<CDBCup>(registry, CompKind::CHALLENGE_SHIELD, 0), "Schild", 8, 43);
  FillCup(File<CDBCup>(registry, CompKind::SUPERCUP, 0), "Supercup", 16, 5);
  for (CompetitionId id : {MakeCompetitionId(kCountry, CompKind::FA_CUP, 0),
                           MakeCompetitionId(kCountry, CompKind::LE_CUP, 0),
                           MakeCompetitionId(kCountry, CompKind::CONFERENCE_CUP, 0),
                           MakeCompetitionId(kCountry, CompKind::CHALLENGE_SHIELD, 0),
                           MakeCompetitionId(kCountry, CompKind::SUPERCUP, 0)})
    registry.FindCompetition(id)->SetLevel(0);
}

std::string WriteCountry(const CompetitionRegistry& registry, const ClubIdMapper& clubs) {
  CKLFile file;
  file.OpenWriteToMemory();
  WriteCountryCompetitions(file, registry, kCountry, 20, clubs);
  return file.TakeWritten();
}

class CompetitionRecordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CKLFile file;
    file.OpenReadFromMemory(AllocationFile());
    allocations_.LoadCupAllocations(file);
    original_.SetCupAllocations(&allocations_);
    reread_.SetCupAllocations(&allocations_);
  }

  CupAllocationTable allocations_;
  CompetitionRegistry original_;
  CompetitionRegistry reread_;
};

TEST_F(CompetitionRecordsTest, CountryGroupReadsBackEqual) {
  BuildCountry(original_);
  ShiftingClubIdMapper saving;
  std::string written = WriteCountry(original_, saving);

  // Nodes of another country stay untouched; stale nodes of this one are replaced.
  File<CDBLeague>(reread_, CompKind::LEAGUE, 25);
  auto other = std::make_unique<CDBLeague>();
  other->SetId(MakeCompetitionId(45, CompKind::LEAGUE, 0));
  reread_.RegisterCompetition(std::move(other));

  CKLFile in;
  in.OpenReadFromMemory(written);
  ASSERT_TRUE(ReadCountryCompetitions(in, reread_, kCountry));

  EXPECT_EQ(original_.Size() + 1, reread_.Size());
  EXPECT_NE(reread_.FindCompetition(MakeCompetitionId(45, CompKind::LEAGUE, 0)), nullptr);
  EXPECT_EQ(reread_.FindCompetition(MakeCompetitionId(kCountry, CompKind::LEAGUE, 25)), nullptr);
  original_.ForEach([&](CDBCompetition& node) {
    const CDBCompetition* copy = reread_.FindCompetition(node.Id());
    ASSERT_NE(copy, nullptr) << FormatCompetitionId(node.Id());
    EXPECT_EQ(typeid(*copy), typeid(node)) << FormatCompetitionId(node.Id());
  });

  // Written again with the numbering it now has, the group is the same text: every field that
  // is written was read back (levels, days, names, fixtures, money).
  IdentityClubIdMapper identity;
  EXPECT_EQ(WriteCountry(reread_, identity), written);

  auto* league = reread_.Find<CDBLeague>(MakeCompetitionId(kCountry, CompKind::LEAGUE, 5));
  ASSERT_NE(league, nullptr);
  EXPECT_EQ(league->GetTeam(0), static_cast<uint32_t>((kCountry << 16) | (5 * 30 + 1)) + 100);
  EXPECT_EQ(league->GetTeam(2) & CDBLeague::kReserveTeamBit, CDBLeague::kReserveTeamBit);
  EXPECT_EQ(league->Owner(), MakeCompetitionId(kCountry, CompKind::ROOT, 0));

  auto* swiss = reread_.Find<CDBRelSwitzerland>(MakeCompetitionId(kCountry, CompKind::SWITZERLAND, 0));
  ASSERT_NE(swiss, nullptr);
  EXPECT_EQ(swiss->PredecessorCount(), 2);
  auto* root = reread_.Find<CDBRoot>(MakeCompetitionId(kCountry, CompKind::ROOT, 0));
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->CupId(CompKind::CHALLENGE_SHIELD),
            MakeCompetitionId(kCountry, CompKind::CHALLENGE_SHIELD, 0));
  // Each cup got its own copy of its allocation's rules, with "-1" as the cup's level.
  auto* rel1 = reread_.Find<CDBCup>(MakeCompetitionId(kCountry, CompKind::REL1, 0));
  ASSERT_NE(rel1, nullptr);
  std::vector<TeamSelectionRule> rules = reread_.Rules().Run(rel1->RuleStart());
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].a, 1);
  EXPECT_EQ(CompetitionCountry(rules[0].id), kCountry);
}

TEST_F(CompetitionRecordsTest, LeagueRecordListsEveryMatchdayAndFixtureRow) {
  auto& league = File<CDBLeague>(original_, CompKind::LEAGUE, 0);
  league.SetNumberOfTeams(18);
  league.SetDayMatchday(10, 1);
  league.SetDayMatchday(17, 2);
  CKLFile file;
  file.OpenWriteToMemory();
  IdentityClubIdMapper clubs;
  league.WriteText(file, -1, clubs);
  std::string text = file.TakeWritten();

  std::string matchdays = "10,17";
  for (int i = 2; i < 34; ++i) matchdays += ",0";
  EXPECT_NE(text.find("%INDEX%MATCHDAYS\r\n" + matchdays + "\r\n%INDEXEND%MATCHDAYS"),
            std::string::npos);
  std::string row = "0,0";
  for (int i = 1; i < 9; ++i) row += ",0,0";
  std::string fixture = "%INDEX%FIXTURE\r\n";
  for (int i = 0; i < 34; ++i) fixture += row + "\r\n";
  EXPECT_NE(text.find(fixture + "%INDEXEND%FIXTURE"), std::string::npos);
  EXPECT_NE(text.find("%INDEX%TEAMS\r\n\r\n%INDEXEND%TEAMS"), std::string::npos);
  // No links: both link lines and the rule count are "0".
  EXPECT_TRUE(text.ends_with("0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
}

TEST_F(CompetitionRecordsTest, OldFilesHaveNoShortNameAndOneMultiplier) {
  const std::string body =
      "Eine sehr lange Ligabezeichnung ohne Ende\r\n"
      "16\r\n1\r\nREL_RULE_ENGLAND2\r\n1\r\n2\r\nROUND_GROUP1\r\n25\r\n"
      "%INDEX%TEAMS\r\ne0001,E0002,0e0000,e0001\r\n%INDEXEND%TEAMS\r\n"
      "0\r\n0\r\n";
  for (uint32_t version : {0x2003FFFFu, 0x20040006u}) {
    CompetitionRegistry registry;
    auto& league = File<CDBLeague>(registry, CompKind::LEAGUE, 0);
    CKLFile file;
    file.OpenReadFromMemory(body);
    file.SetLoadedVersion(version);
    league.ReadText(file);
    EXPECT_STREQ(league.Name(), "Eine sehr lange Ligabezeichnu");  // 29 characters
    EXPECT_STREQ(league.ShortName(), "Eine sehr lange ");
    EXPECT_EQ(league.NumberOfTeams(), 16);
    EXPECT_EQ(league.RelegationRule(), RelRule::ENGLAND2);
    EXPECT_EQ(league.SpectatorMultiplier(), 25);
    // The second multiplier only exists from the 2004 format on; here the line is the
    // next section, so the default stays either way.
    EXPECT_EQ(league.TransferMultiplier(), 100);
    // Club number 0 is refused, a duplicate counts once.
    EXPECT_EQ(league.TeamCount(), 2);
    EXPECT_EQ(league.GetTeam(1), 0xE0002u);
    EXPECT_EQ(league.Fixtures().Rows(), 30);
    EXPECT_EQ(league.Fixtures().Columns(), 8);
  }
}

TEST_F(CompetitionRecordsTest, CupWithoutAllocationEndsAfterItsHeader) {
  auto& swiss = File<CDBRelSwitzerland>(original_, CompKind::SWITZERLAND, 0);
  swiss.SetName("Barrage");
  swiss.SetShortName("Barrage");
  swiss.SetLevel(2);
  swiss.AddPredecessor(MakeCompetitionId(kCountry, CompKind::LEAGUE, 0), false);
  CKLFile file;
  file.OpenWriteToMemory();
  IdentityClubIdMapper clubs;
  swiss.WriteText(file, -1, clubs);
  EXPECT_EQ(file.TakeWritten(), "\r\n{ 14, SWITZERLAND, 0 }\r\nBarrage\r\nBarrage\r\n0\r\n2\r\n");
}

TEST_F(CompetitionRecordsTest, CompetitionPartSummarisesTheFirstLeague) {
  ShiftingClubIdMapper saving;
  const std::vector<uint32_t> clubs = {0x0E0001, 0x0E0002, 0x0E0003};
  CKLFile file;
  file.OpenWriteToMemory();
  WriteCompetitionPart(file, original_, kCountry, clubs, saving);
  EXPECT_EQ(file.TakeWritten(),
            "%INDEX%COMPETITIONPART\r\n1. Liga\r\nNationaler Pokal\r\n"
            "e0065\r\ne0066\r\ne0067\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
            "%INDEXEND%COMPETITIONPART\r\n");

  BuildCountry(original_);
  file.OpenWriteToMemory();
  WriteCompetitionPart(file, original_, kCountry, clubs, saving);
  std::string text = file.TakeWritten();
  EXPECT_TRUE(text.starts_with("%INDEX%COMPETITIONPART\r\nLiga 0\r\nDFB-Pokal\r\ne0065\r\n"));
  EXPECT_NE(text.find("\r\ne006c\r\n%INDEXEND%COMPETITIONPART"), std::string::npos);
}

// An international structure file: a round with the international country written as -6, a
// pool that lists more competitions than it keeps, node types that create nothing, a gap in
// the numbering and a play-off whose type forces its kind.
constexpr const char* kInternationalGroup =
    "6\r\n"
    "%INDEX%EURO0\r\n"
    "; --------------------------------------\r\n"
    "DB_ROUND\r\n"
    "{ -6, CHAMPIONSLEAGUE, 0 }\r\n"
    "Finale der Meister\r\n"
    "7\r\n"
    "ROUND_FINAL\r\n"
    "300\r\n"
    "BEG_2ND_LEG, BEG_WITH_EXTRA_TIME,  BEG_WITH_PENALTY\r\n"
    "0\r\n"
    "0\r\n"
    "1\r\n2\r\n3\r\n4\r\n"
    "{ -6, CHAMPIONSLEAGUE, 1 },{ -6, UIC, 3 }\r\n"
    "0\r\n"
    "2\r\n"
    "GET_WINNER, { -6, CHAMPIONSLEAGUE, 1 }\r\n"
    "GET_HOST\r\n"
    "%INDEXEND%EURO0\r\n"
    "%INDEX%EURO1\r\n"
    "DB_CHALLENGE\r\n"
    "{ 14, CHALLENGE_SHIELD, 0 }\r\n"
    "Schild\r\n"
    "13\r\n"
    "%INDEXEND%EURO1\r\n"
    "%INDEX%EURO2\r\n"
    "DB_POOL\r\n"
    "{ -6, UEFA_CUP, 5 }\r\n"
    "16\r\n"
    "-3\r\n"
    "POOL_SORT_MAP_NORTH_SOUTH\r\n"
    "5\r\n"
    "{ -6, CHAMPIONSLEAGUE, 0 }\r\n{ 14, LEAGUE, 0 }\r\n{ 45, LEAGUE, 0 }\r\n"
    "{ 1, LEAGUE, 0 }\r\n{ 2, LEAGUE, 0 }\r\n"
    "0\r\n0\r\n0\r\n0\r\n"
    "0\r\n"
    "{ -6, CHAMPIONSLEAGUE, 0 }\r\n"
    "0\r\n"
    "%INDEXEND%EURO2\r\n"
    "%INDEX%EURO3\r\n"
    "DB_CONFERENCE\r\n"
    "{ 14, CONFERENCE_CUP, 0 }\r\n"
    "%INDEXEND%EURO3\r\n"
    "%INDEX%EURO5\r\n"
    "DB_REL1\r\n"
    "{ 14, RELEGATION, 2 }\r\n"
    "Relegation\r\n"
    "0\r\n"
    "%INDEXEND%EURO5\r\n"
    "%INDEX%AFTER\r\n"
    "%INDEXEND%AFTER\r\n";

TEST_F(CompetitionRecordsTest, InternationalGroupWithForcedKindsAndSkippedTypes) {
  CKLFile file;
  file.OpenReadFromMemory(kInternationalGroup);
  file.SetLoadedVersion(0x20040000);  // structure files carry no short names
  std::array<int32_t, kCalendarDays> calendar{};
  calendar[300] = CalendarCode::UIC;
  int created = ReadCompetitionGroup(file, "EURO", calendar, 0xFA000000, reread_);
  EXPECT_EQ(created, 3);
  EXPECT_EQ(reread_.Size(), 3u);
  EXPECT_TRUE(file.FindSection("AFTER"));  // the group ended where it should

  auto* final = reread_.Find<CDBRound>(0xFA090000);
  ASSERT_NE(final, nullptr);
  EXPECT_STREQ(final->Name(), "Finale der Meister");
  EXPECT_STREQ(final->ShortName(), "Finale der Meist");
  EXPECT_EQ(final->roundValue, 7);
  EXPECT_EQ(final->GetRoundType(), RoundType::FINAL);
  EXPECT_EQ(final->firstLegFlags, 0x15);
  EXPECT_EQ(final->DayMatchday(300), 1);
  EXPECT_EQ(final->Owner(), 0xFA000000u);
  EXPECT_EQ(final->PredecessorCount(), 2);
  EXPECT_EQ(final->GetPredecessor(1), MakeCompetitionId(250, CompKind::UIC, 3));
  EXPECT_EQ(reread_.Rules().At(final->RuleStart()).id, 0xFA090001u);
  // The Intertoto day went to the champions' final.
  EXPECT_EQ(calendar[300], CalendarCode::CHAMPIONS_FINAL);

  auto* pool = reread_.Find<CDBPool>(MakeCompetitionId(250, CompKind::UEFA_CUP, 5));
  ASSERT_NE(pool, nullptr);
  EXPECT_EQ(pool->firstParameter, 16);
  EXPECT_EQ(pool->secondParameter, -3);
  EXPECT_EQ(pool->sorting, 3);
  EXPECT_EQ(pool->checkedCount, 3);
  EXPECT_EQ(pool->checked[2], MakeCompetitionId(45, CompKind::LEAGUE, 0));
  EXPECT_EQ(pool->SuccessorCount(), 1);
  EXPECT_EQ(pool->FindTeam(0x0E0001), -1);

  auto* playOff = reread_.Find<CDBRelEngland1>(MakeCompetitionId(14, CompKind::REL1, 2));
  ASSERT_NE(playOff, nullptr);
  EXPECT_EQ(playOff->GetAllocation(), 0);

  // The round written back keeps the flags in the canonical order.
  CKLFile out;
  out.OpenWriteToMemory();
  IdentityClubIdMapper clubs;
  final->WriteText(out, -1, clubs);
  std::string text = out.TakeWritten();
  EXPECT_TRUE(text.starts_with("; --------------------------------------\r\nDB_ROUND\r\n"
                               "{ -6, CHAMPIONSLEAGUE, 0 }\r\n"));
  EXPECT_NE(text.find("\r\nBEG_2ND_LEG, BEG_WITH_EXTRA_TIME, BEG_WITH_PENALTY\r\n"),
            std::string::npos);
}

TEST(FrameworkCalendarTest, CodesByKindAndRoundType) {
  struct Case {
    int kind;
    int roundType;
    int32_t before;
    int32_t after;
  };
  const Case cases[] = {
      {CompKind::CHAMPIONSLEAGUE, RoundType::SEMIFINAL, 0, 9},
      {CompKind::UEFA_CUP, RoundType::FINAL, 0, CalendarCode::UEFA_FINAL},
      {CompKind::TOYOTA, RoundType::FINAL, 0, CalendarCode::TOYOTA},
      {CompKind::EURO_SUPERCUP, RoundType::FINAL, 0, CalendarCode::EURO_SUPERCUP},
      {CompKind::WORLD_CLUB_CHAMP, RoundType::FINAL, 0, 0},
      {CompKind::UIC, RoundType::ROUND_2, 0, CalendarCode::UIC},
      {CompKind::QUALI_EC, RoundType::GROUP1, 0, CalendarCode::NATIONAL_TEAMS},
      {CompKind::WORLD_CUP, RoundType::FINAL, CalendarCode::UIC, CalendarCode::NATIONAL_TEAMS},
      {CompKind::INDOOR, RoundType::ROUND_1, 0, 2},
      {CompKind::FA_CUP, RoundType::ROUND_1, 7, 7},  // a taken day keeps its code
      {CompKind::FA_CUP, RoundType::NONE, 0, 0},     // nodes without round type mark nothing
  };
  for (const Case& c : cases) {
    CDBRound round;
    round.SetId(MakeCompetitionId(250, c.kind, 0));
    round.SetRoundType(static_cast<int8_t>(c.roundType));
    round.SetDayMatchday(120, 1);
    round.SetDayMatchday(0, 1);  // day 0 is never marked
    std::array<int32_t, kCalendarDays> calendar{};
    calendar[120] = c.before;
    MarkFrameworkCalendar(round, calendar);
    EXPECT_EQ(calendar[120], c.after) << c.kind << " " << c.roundType;
    EXPECT_EQ(calendar[0], 0);
  }
}

TEST(RuleListTest, EveryKeywordFormReadsItsValues) {
  const char* text =
      "15\r\n"
      "BUILD_COUNTER, 3\r\n"
      "BUILD_UEFA5, 1, 2\r\n"
      "GET_CHAMP, { 14, LEAGUE, 0 }\r\n"
      "GET_UEFA5_TAB, 1, 2, 3\r\n"
      "GET_UEFA5_SURE_UIC, 4, 5\r\n"
      "GET_TAB_X_TO_Y, { 14, LEAGUE, 1 }\r\n1\r\n4\r\n"
      "GET_TAB_LEVEL_START_X_TO_Y\r\n-1\r\n2\r\n6\r\n"
      "GET_HOST\r\n"
      "GET_UEFA5_CHAMP_OR_FINALIST, 7, { -6, CHAMPIONSLEAGUE, 0 }\r\n"
      "GET_POOL, { -6, UIC, 0 }\r\n8\r\n9\r\n"
      "GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y, { 45, LEAGUE, 0 }\r\n0\r\n1\r\n2\r\n"
      "GET_INTERNATIONAL_SPARE, { 45, ROOT, 0 }\r\n3\r\n"
      "NOT_A_RULE, { 1, LEAGUE, 0 }\r\n5\r\n6\r\n"
      "GET_NAT_ASIA\r\n"
      "GET_LOSER,{1,FA_CUP,0}\r\n"
      "%INDEXEND%X\r\n";
  CKLFile file;
  file.OpenReadFromMemory(text);
  TeamSelectionRuleList rules;
  rules.Append({SelectRule::GET_HOST});  // entries of earlier nodes
  int32_t start = ReadRuleList(file, rules);
  EXPECT_EQ(start, 1);
  const std::vector<TeamSelectionRule> expected = {
      {SelectRule::BUILD_COUNTER, 0, 3, 0, 0},
      {SelectRule::BUILD_UEFA5, 0, 1, 2, 0},
      {SelectRule::GET_CHAMP, 0x0E010000, 0, 0, 0},
      {SelectRule::GET_UEFA5_TAB, 0, 1, 2, 3},
      {SelectRule::GET_UEFA5_SURE_UIC, 0, 4, 5, 0},
      {SelectRule::GET_TAB_X_TO_Y, 0x0E010001, 0, 1, 4},
      {SelectRule::GET_TAB_LEVEL_START_X_TO_Y, 0, -1, 2, 6},
      {SelectRule::GET_HOST, 0, 0, 0, 0},
      {SelectRule::GET_UEFA5_CHAMP_OR_FINALIST, 0xFA090000, 7, 0, 0},
      {SelectRule::GET_POOL, 0xFA0E0000, 0, 8, 9},
      {SelectRule::GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y, 0x2D010000, 0, 1, 2},
      {SelectRule::GET_INTERNATIONAL_SPARE, 0x2D000000, 0, 0, 3},
      {SelectRule::UNKNOWN, 0x01010000, 0, 5, 6},
      {SelectRule::GET_NAT_ASIA, 0, 0, 0, 0},
      {SelectRule::GET_LOSER, 0x01030000, 0, 0, 0},
  };
  EXPECT_EQ(rules.Run(start), expected);
  EXPECT_EQ(rules.At(start + 15).keyword, SelectRule::END_OF_ENTRY);
  EXPECT_TRUE(file.FindSectionEnd("X"));

  // A count larger than the rules present stops at the section end.
  CKLFile shortFile;
  shortFile.OpenReadFromMemory("1000000\r\nGET_HOST\r\n%INDEXEND%X\r\n");
  int32_t second = ReadRuleList(shortFile, rules);
  EXPECT_EQ(rules.Run(second).size(), 1u);
}

}  // namespace
}  // namespace torvale
