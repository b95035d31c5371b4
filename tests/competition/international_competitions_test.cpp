#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "competition/competition_records.h"
#include "competition/competition_registry.h"
#include "competition/competition_round.h"
#include "competition/international_competitions.h"
#include "competition/league.h"
#include "platform/path.h"
#include "storage/record_stream.h"
#include "support/scratch_dir.h"

namespace torvale {
namespace {

const std::string kScriptFolder = std::string(TORVALE_SOURCE_DIR) + "/data/install/script";

// Reads every section of a structure file node by node, the way the group reader does, and
// checks that each record ends exactly at its section's end line: a record with a line too
// many or too few would otherwise be cut silently by the skip to the end marker. Returns the
// number of sections, all of which must hold a node.
int CheckEverySectionReadsWhole(const InternationalFile& source) {
  CKLFile file;
  EXPECT_TRUE(file.OpenRead(JoinPath(kScriptFolder, source.fileName))) << source.fileName;
  file.SetLoadedVersion(0x20040000);
  int32_t count = 0;
  EXPECT_TRUE(file.ReadInt(count));
  for (int i = 0; i < count; ++i) {
    std::string section = std::string(source.sectionPrefix) + std::to_string(i);
    SCOPED_TRACE(section);
    EXPECT_TRUE(file.FindSection(section));
    std::string typeLine, idLine;
    file.ReadString(typeLine);
    file.ReadString(idLine);
    int forcedKind = -1;
    std::unique_ptr<CDBCompetition> node = CreateCompetitionNode(typeLine, forcedKind);
    if (!node) {
      ADD_FAILURE() << "no node for type line " << typeLine;
      return 0;
    }
    node->SetId(ParseCompetitionId(idLine));
    node->ReadText(file);
    std::string_view next;
    do {
      EXPECT_TRUE(file.ReadLine(next));
    } while (!next.empty() && next[0] == ';');
    EXPECT_EQ(next, "%INDEXEND%" + section) << "record of " << idLine << " does not end there";
  }
  return count;
}

TEST(InternationalCompetitions, SampleStructureFilesReadWhole) {
  const int expected[] = {31, 8, 19, 22, 5};
  for (size_t i = 0; i < kInternationalFiles.size(); ++i)
    EXPECT_EQ(CheckEverySectionReadsWhole(kInternationalFiles[i]), expected[i]);

  CompetitionRegistry registry;
  FrameworkCalendars calendars;
  InternationalLoadResult loaded = LoadInternationalCompetitions(kScriptFolder, registry, calendars);
  EXPECT_EQ(loaded, (InternationalLoadResult{31, 8, 19, 22, 5}));
  EXPECT_EQ(registry.Size(), 1u + 31 + 8 + 19 + 22 + 5);

  int indoor = 0;
  registry.ForEach([&](CDBCompetition& node) {
    // Every id line says -6, which is the pseudo-country 250.
    EXPECT_EQ(node.Country(), kInternationalCountry) << node.Name();
    if (node.Id() == kInternationalRootId) return;
    if (node.Kind() == CompKind::INDOOR) {
      ++indoor;
      EXPECT_EQ(node.Owner(), 0u) << node.Name();
    } else {
      EXPECT_EQ(node.Owner(), kInternationalRootId) << node.Name();
    }
    // Links name nodes of the same files (the lists need not mirror each other: the Intertoto
    // feeds the European cup through a rule, not a predecessor).
    for (int i = 0; i < node.SuccessorCount(); ++i)
      EXPECT_NE(node.GetSuccessorNode(i), nullptr) << FormatCompetitionId(node.GetSuccessor(i));
    for (int i = 0; i < node.PredecessorCount(); ++i)
      EXPECT_NE(registry.FindCompetition(node.GetPredecessor(i)), nullptr) << FormatCompetitionId(node.GetPredecessor(i));
    if (auto* round = dynamic_cast<CDBRound*>(&node)) {
      EXPECT_NE(round->GetRoundType(), -1) << round->Name();
    }
    // Leagues of the structure files list every matchday their size and rounds need.
    if (auto* league = dynamic_cast<CDBLeague*>(&node)) {
      int marked = 0;
      for (int d = 0; d < CDBCompetition::kDays; ++d) marked += node.DayMatchday(d) != 0;
      EXPECT_EQ(marked, league->MatchdayCount()) << node.Name();
    }
  });
  EXPECT_EQ(indoor, 5);
  EXPECT_EQ(registry.RemoveSuccessorCycles(), 0);

  // The files have no short-name lines: short names are the first 16 characters.
  const CDBCompetition* first =
      registry.FindCompetition(MakeCompetitionId(kInternationalCountry, CompKind::CHAMPIONSLEAGUE, 0));
  ASSERT_NE(first, nullptr);
  EXPECT_STREQ(first->Name(), "Champions-Runde 1. Qualifikationsrunde");
  EXPECT_STREQ(first->ShortName(), "Champions-Runde ");
}


// Which code a round marks is proved node by node with the competition records; here the
// sample files have to fill the calendars the game uses, and only those, with codes it knows.
TEST(InternationalCompetitions, SampleFrameworkCalendarsHoldKnownCodesOnly) {
  CompetitionRegistry registry;
  FrameworkCalendars calendars;
  LoadInternationalCompetitions(kScriptFolder, registry, calendars);
  for (int index : {FrameworkCalendarIndex::EUROPE, FrameworkCalendarIndex::SOUTH_AMERICA,
                    FrameworkCalendarIndex::QUALI_EC, FrameworkCalendarIndex::WORLD_CUP}) {
    auto calendar = calendars.GetFrameworkCalendar(index);
    EXPECT_EQ(calendar[0], 0) << index;
    EXPECT_GT(std::count_if(calendar.begin(), calendar.end(), [](int32_t code) { return code != 0; }), 0) << index;
    for (int32_t code : calendar) EXPECT_TRUE(code == 0 || !FrameworkCodeText(code).empty()) << index << ": " << code;
  }
  auto europe = calendars.GetFrameworkCalendar(FrameworkCalendarIndex::EUROPE);
  for (int32_t code : {CalendarCode::UIC, CalendarCode::CHAMPIONS_FINAL, CalendarCode::UEFA_FINAL,
                       CalendarCode::EURO_SUPERCUP, CalendarCode::TOYOTA})
    EXPECT_NE(std::find(europe.begin(), europe.end(), code), europe.end()) << code;
  EXPECT_EQ(FrameworkCodeText(CalendarCode::UIC), "ITCup");
  EXPECT_EQ(FrameworkCodeText(12), "Gruppenspiele 1.Runde");
  EXPECT_EQ(FrameworkCodeText(0), "");
  for (int unused : {FrameworkCalendarIndex::FIRST, FrameworkCalendarIndex::SIXTH})
    for (int32_t code : calendars.GetFrameworkCalendar(unused)) EXPECT_EQ(code, 0);

  // Loading again replaces the international nodes and starts from empty calendars.
  FrameworkCalendars before = calendars;
  calendars.GetFrameworkCalendar(FrameworkCalendarIndex::SIXTH)[3] = 7;
  LoadInternationalCompetitions(kScriptFolder, registry, calendars);
  EXPECT_EQ(calendars, before);
  EXPECT_EQ(registry.Size(), 86u);
}

TEST(InternationalCompetitions, MissingFilesAndIndoorScratchCalendar) {
  test::ScratchDir scratch;
  // A lower-case name on disk: the game's folders come from a case-insensitive file system.
  std::string content;
  ASSERT_TRUE(ReadWholeFile(JoinPath(kScriptFolder, "InDoor.txt"), content));
  scratch.MakeFile("indoor.txt", content);

  CompetitionRegistry registry;
  // A node of another country survives; only the international ones are replaced.
  registry.RegisterCompetition(std::make_unique<CDBRoot>(14));
  FrameworkCalendars calendars;
  calendars.GetFrameworkCalendar(FrameworkCalendarIndex::EUROPE)[9] = 3;
  InternationalLoadResult loaded = LoadInternationalCompetitions(scratch.path(), registry, calendars);

  EXPECT_EQ(loaded, (InternationalLoadResult{-1, -1, -1, -1, 5}));
  EXPECT_EQ(registry.Size(), 1u + 1 + 5);
  EXPECT_NE(registry.FindCompetition(MakeCompetitionId(14, CompKind::ROOT, 0)), nullptr);
  ASSERT_NE(registry.FindCompetition(kInternationalRootId), nullptr);
  // The indoor days (185, 186, ...) are marked nowhere.
  EXPECT_EQ(calendars, FrameworkCalendars{});
  const CDBCompetition* final =
      registry.FindCompetition(MakeCompetitionId(kInternationalCountry, CompKind::INDOOR, 4));
  ASSERT_NE(final, nullptr);
  EXPECT_NE(final->DayMatchday(186), 0);
  EXPECT_EQ(final->Owner(), 0u);
}

TEST(InternationalCompetitions, CountryCalendarOverlaysTheContinent) {
  FrameworkCalendars calendars;
  auto worldCup = calendars.GetFrameworkCalendar(FrameworkCalendarIndex::WORLD_CUP);
  auto europe = calendars.GetFrameworkCalendar(FrameworkCalendarIndex::EUROPE);
  auto southAmerica = calendars.GetFrameworkCalendar(FrameworkCalendarIndex::SOUTH_AMERICA);
  worldCup[5] = 20;
  worldCup[6] = 20;
  europe[6] = 22;
  europe[7] = 25;
  southAmerica[8] = 10;

  FrameworkCalendar out;
  out.fill(-1);
  calendars.BuildCountryCalendar(0, out);
  EXPECT_EQ(out[4], 0);
  EXPECT_EQ(out[5], 20);
  EXPECT_EQ(out[6], 22);  // the continental code wins
  EXPECT_EQ(out[7], 25);
  EXPECT_EQ(out[8], 0);

  for (int continent : {1, 2}) {
    calendars.BuildCountryCalendar(continent, out);
    EXPECT_EQ(out[6], 20);
    EXPECT_EQ(out[7], 0);
    EXPECT_EQ(out[8], 10);
  }
  for (int continent : {3, 4, 5}) {
    calendars.BuildCountryCalendar(continent, out);
    FrameworkCalendar expected{};
    expected[5] = expected[6] = 20;
    EXPECT_TRUE(std::equal(out.begin(), out.end(), expected.begin())) << continent;
  }
}

}  // namespace
}  // namespace torvale
