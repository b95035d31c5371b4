// The writer's primitives and the byte layouts of the person and competition records, and the
// reader refusing damaged files.

#include <gtest/gtest.h>

#include <cstring>

#include "competition/cup.h"
#include "competition/league.h"
#include "exchange/name_pool.h"
#include "master/master_reader.h"
#include "master/master_records.h"
#include "master/rules_master.h"
#include "master_test_world.h"
#include "platform/command_line.h"
#include "platform/path.h"
#include "support/file_bytes.h"
#include "world/fixed_text.h"

namespace torvale {
namespace {

using testing::MasterTestWorld;

// Runs `write` in a counting and a writing pass and returns the bytes; the passes must agree.
template <typename Write>
std::vector<uint8_t> TwoPasses(Write&& write) {
  CMasterWriter writer;
  write(writer);
  const uint32_t counted = writer.Total();
  if (counted == 0) return {};
  EXPECT_TRUE(writer.OpenInMemory());
  write(writer);
  EXPECT_EQ(writer.Position(), counted);
  EXPECT_FALSE(writer.Overflowed());
  return writer.TakeBuffer();
}

TEST(MasterWriter, PrimitivesAreLittleEndianWithoutPadding) {
  const std::vector<uint8_t> bytes = TwoPasses([](CMasterWriter& w) {
    w.WriteU8(0xAB);
    w.WriteU16(0x1234);
    w.WriteU32(0xDEADBEEF);
    const uint16_t halves[] = {1, 0x0203};
    w.WriteU16Array(halves);
    w.WriteString("ab");
    const char raw[] = {'x', 'y'};
    w.WriteBlock(raw, 2);
    w.WriteF32(1.0f);
  });
  const std::vector<uint8_t> expected = {0xAB, 0x34, 0x12, 0xEF, 0xBE, 0xAD, 0xDE, 1, 0, 3, 2, 'a', 'b', 0,
                                         2,    0,    0,    0,    'x',  'y',  0,    0, 0x80, 0x3F};
  EXPECT_EQ(bytes, expected);
}

TEST(MasterWriter, RefusesEmptyFilesAndPassesThatDisagree) {
  CMasterWriter empty;
  EXPECT_FALSE(empty.OpenInMemory()) << "nothing counted";

  test::ScratchDir scratch;
  const std::string path = JoinPath(scratch.path(), "Master.dat");
  CMasterWriter writer;
  writer.WriteU32(1);
  ASSERT_TRUE(writer.Open(path));
  writer.WriteU32(1);
  writer.WriteU8(2);  // one byte more than counted: dropped, and the file refused
  EXPECT_TRUE(writer.Overflowed());
  EXPECT_FALSE(writer.Flush());
  writer.Close();
  EXPECT_FALSE(FileExists(path));

  CMasterWriter shorter;
  shorter.WriteU32(1);
  ASSERT_TRUE(shorter.Open(path));
  shorter.WriteU16(1);  // two bytes fewer than counted
  EXPECT_FALSE(shorter.Flush());
  shorter.Close();
  EXPECT_FALSE(FileExists(path));
}

// ---------------------------------------------------------------- persons

struct PersonFixture : ::testing::Test {
  MasterTestWorld world;
  ConsoleConversions console;
  NoSiblingGameLists sibling;
  MasterLogs logs{0};
  CNamePool& pool = world.pool;

  std::vector<uint8_t> Write(const CPlayer& person, uint32_t flags) {
    pool.Reset();
    return TwoPasses([&](CMasterWriter& w) {
      MasterRecordContext context{w, 0, flags, pool, world, world.world.people, console, sibling, logs, {}, {}, {}};
      WritePersonMaster(context, person);
    });
  }
};

TEST_F(PersonFixture, RoleFormsAndNamePoolIndices) {
  CPlayer person = testing::PersonBuilder().Named("Max", "Muster").Nationality(14).Languages(0).Build();
  world.world.people.SetFirstLanguage(14, 7);
  person.role = kRoleAssistantCoach;
  std::vector<uint8_t> bytes = Write(person, 0);
  ASSERT_EQ(bytes.size(), 10u) << "names and role only";
  EXPECT_EQ(bytes[0], 7) << "the nationality's first language names the group";
  EXPECT_EQ(bytes[1] | bytes[2] << 8, 1) << "first new name of the group";
  EXPECT_EQ(bytes[9], kRoleAssistantCoach);
  // Both passes entered the names: the use count shows two entries of one name.
  EXPECT_EQ(pool.List(7 * 5 + kPoolMaleFirstNames).UseCount(1), 2u);
  EXPECT_EQ(pool.List(7 * 5 + kPoolSurnames).Name(1), "Muster");

  // Indices kept from the counting pass: the same record, and the uses counted as entering
  // again would (a blank name counts nothing).
  SetFixedText(person.nickname, "Maxe");
  const std::vector<uint8_t> entered = Write(person, 0);
  pool.Reset();
  MasterPersonNames kept;
  const std::vector<uint8_t> reused = TwoPasses([&](CMasterWriter& w) {
    MasterRecordContext context{w, 0, 0, pool, world, world.world.people, console, sibling, logs, {}, {}, {}};
    WritePersonMaster(context, person, &kept);
  });
  EXPECT_EQ(reused, entered);
  for (int kind : {kPoolMaleFirstNames, kPoolSurnames, kPoolKind3}) EXPECT_EQ(pool.List(7 * 5 + kind).UseCount(1), 2u);
  EXPECT_EQ(pool.List(7 * 5 + kPoolKind2).Size(), 1u);
  EXPECT_EQ(pool.List(7 * 5 + kPoolKind2).UseCount(0), 1u);

  person.role = kRolePresident;
  EXPECT_EQ(Write(person, 0).size(), 11u);
  person.role = kRoleCoach;
  EXPECT_EQ(Write(person, 0).size(), 31u);
  person.languages[0] = 3;
  EXPECT_EQ(Write(person, 0)[0], 3) << "the person's own first language wins";
}

TEST_F(PersonFixture, PlayerSizesBySeasonSpecialOnPcAndConsole) {
  CPlayer person = testing::PersonBuilder().Named("Max", "Muster").Build();
  person.speechFile = "max.wav";
  // names 9, role 1, profile 45, appearance 9, career 22 (head type ... status), preferences
  // 9 (+3 languages on the PC), speech block 4 + 8.
  const size_t pcBase = 9 + 1 + 45 + 9 + 22 + 12 + 12;
  const size_t ps2Base = pcBase - 3;
  const struct {
    uint8_t special;
    size_t pcExtra;
    size_t ps2Extra;
  } cases[] = {{0, 0, 0}, {1, 8, 4}, {2, 5, 4}, {3, 4, 4}, {4, 12, 12}, {5, 0, 0}};
  for (const auto& c : cases) {
    person.SetSeasonSpecial(c.special);
    EXPECT_EQ(Write(person, 0).size(), pcBase + c.pcExtra) << "special " << int(c.special);
    EXPECT_EQ(Write(person, kMasterBuildPs2).size(), ps2Base + c.ps2Extra) << "special " << int(c.special);
  }
  person.SetSeasonSpecial(0);
  person.personFlags = 1;
  person.headType = 2;
  const std::vector<uint8_t> bytes = Write(person, 0);
  EXPECT_EQ(bytes[9 + 1 + 45 + 9], 0x82) << "head type with bit 7 for person flags";
  const std::vector<uint8_t> tail(bytes.end() - 12, bytes.end());
  const std::vector<uint8_t> speech = {8, 0, 0, 0, 'm', 'a', 'x', '.', 'w', 'a', 'v', 0};
  EXPECT_EQ(tail, speech);
}

TEST_F(PersonFixture, ClubReferencesAreSavedIdsAndZeroOutsideTheWorld) {
  CCountry& germany = world.world.AddCountry(14, "Deutschland", "GER");
  germany.AddClub(std::make_unique<CClub>(), 7);
  germany.AddClub(std::make_unique<CClub>(), 20);
  CPlayer person = testing::PersonBuilder().Named("Max", "Muster").Build();
  person.firstClub = MakeClubId(14, 20);
  person.lastClub = MakeClubId(0, 5);  // no country
  const std::vector<uint8_t> bytes = Write(person, 0);
  const size_t at = 9 + 1 + 45 + 9 + 6;
  EXPECT_EQ(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16, MakeClubId(14, 2));
  EXPECT_EQ(bytes[at + 4] | bytes[at + 5] << 8 | bytes[at + 6] << 16, 0);
}

// ---------------------------------------------------------------- competitions

TEST(CompetitionMaster, LeagueRecordLayout) {
  CompetitionRegistry registry;
  auto league = std::make_unique<CDBLeague>();
  league->SetId(MakeCompetitionId(14, CompKind::LEAGUE, 0));
  league->SetName("Liga");
  league->SetNumberOfTeams(4);  // 3 x 2 = 6 matchdays, 2 pairings each
  for (uint32_t n = 1; n <= 4; ++n) league->AddTeam(MakeClubId(14, n));
  league->SetDayMatchday(10, 1);
  league->SetDayMatchday(17, 2);
  league->Fixtures().SetPair(0, 0, 1, 2);
  league->AddSuccessor(MakeCompetitionId(14, CompKind::RELEGATION, 0), false);
  const IdentityClubIdMapper ids;
  const std::vector<uint8_t> bytes = TwoPasses([&](CMasterWriter& w) { league->WriteMaster(w, -1, ids); });
  const size_t head = 4 + 2 + 5 + 4 + 4 + 1 + 1 + 4 + 8 + 4;
  const size_t expected = head + 4 * 4 + 6 * 2 + 6 * 2 * 2 + 16 + 4 + 4 + 4 + 4;
  ASSERT_EQ(bytes.size(), expected);
  EXPECT_EQ(bytes[4], 1) << "node type of a league";
  const size_t days = head + 16;
  EXPECT_EQ(bytes[days], 10);
  EXPECT_EQ(bytes[days + 2], 17);
  EXPECT_EQ(bytes[days + 4], 0) << "padded to the matchday count";
  EXPECT_EQ(bytes[days + 12], 1);
  EXPECT_EQ(bytes[days + 13], 2) << "first pairing";
  // Country override in the tail only; the node's own id as stored.
  const std::vector<uint8_t> moved = TwoPasses([&](CMasterWriter& w) { league->WriteMaster(w, 3, ids); });
  EXPECT_EQ(moved[3], 14);
  EXPECT_EQ(moved[moved.size() - 1], 3);
}

TEST(RulesMaster, ReferencesUnderTheSavedNumberingAndNamesByVariant) {
  MasterTestWorld world;
  CCountry& germany = world.AddPlayable(14, "Deutschland");
  germany.RemoveClub(MakeClubId(14, 1));  // club 20 is saved as number 19
  CStadium stadium;
  for (int i = 0; i < 3; ++i) germany.AddStadium(stadium);
  germany.RemoveStadium(1);
  world.rules.SetCupName(kChampionsCup, 0, false, "Meisterrunde");
  world.rules.SetCupName(kChampionsCup, 0, true, "MR");
  world.rules.titleHolders = {MakeClubId(14, 20), MakeClubId(14, 1), MakeClubId(0, 3)};
  world.rules.finalVenues = {(14u << 16) | 2, (14u << 16) | 1, (300u << 16) | 1};
  world.rules.friendlySubstitutions = 5;
  const MasterRulesRecord pc = MakeMasterRules(world.rules, 0, world, world);
  EXPECT_EQ(pc.cupNames[0][0], "Meisterrunde");
  EXPECT_EQ(MakeMasterRules(world.rules, kMasterBuildPs2, world, world).cupNames[0][0], "MR");
  EXPECT_EQ(pc.titleHolders[0], MakeClubId(14, 19));
  EXPECT_EQ(pc.titleHolders[1], 0u) << "a removed club";
  EXPECT_EQ(pc.titleHolders[2], 0u) << "no country";
  EXPECT_EQ(pc.finalVenues[0], (14u << 16) | 1) << "stadium 2 is the first after reloading";
  EXPECT_EQ(pc.finalVenues[1], 0u);
  EXPECT_EQ(pc.finalVenues[2], 0u);

  std::string path;
  ASSERT_EQ(world.Build(0, 0, true, &path), MasterBuildResult::kWritten);
  std::string error;
  const auto info = ReadMasterFile(test::ReadBytes(path), &error);
  ASSERT_TRUE(info) << error;
  EXPECT_EQ(info->rules.cupNames[0], "Meisterrunde");
  EXPECT_EQ(info->rules.titleHolders[0], MakeClubId(14, 19));
  EXPECT_EQ(info->rules.friendlySubstitutions, 5);
}

// ---------------------------------------------------------------- the reader

TEST(MasterReader, RejectsDamagedFiles) {
  MasterTestWorld world;
  world.AddPlayable(14, "Deutschland");
  std::string path;
  ASSERT_EQ(world.Build(0, 0, true, &path), MasterBuildResult::kWritten);
  const std::vector<uint8_t> good = test::ReadBytes(path);
  std::string error;
  const auto info = ReadMasterFile(good, &error);
  ASSERT_TRUE(info) << error;

  auto rejects = [](std::vector<uint8_t> bytes, const char* what) {
    std::string why;
    EXPECT_FALSE(ReadMasterFile(bytes, &why)) << what;
    EXPECT_FALSE(why.empty()) << what;
    return why;
  };
  std::vector<uint8_t> bad = good;
  bad[0] ^= 1;
  EXPECT_NE(rejects(bad, "size word").find("size word"), std::string::npos);

  bad = good;
  bad.push_back(0);
  bad[0] = static_cast<uint8_t>(bad.size());
  bad[1] = static_cast<uint8_t>(bad.size() >> 8);
  bad[2] = static_cast<uint8_t>(bad.size() >> 16);
  EXPECT_NE(rejects(bad, "a byte left over").find("left over"), std::string::npos);

  bad = good;
  bad.resize(bad.size() - 10);
  rejects(bad, "cut short");

  // Country 1's first name (empty) loses its terminator: every later text shifts.
  bad = good;
  bad[5] = 'x';
  rejects(bad, "string terminator");

  // Germany's record size word.
  bad = good;
  const uint32_t at = info->countries[13].offset;
  bad[at] ^= 4;
  EXPECT_NE(rejects(bad, "country size").find("country 14"), std::string::npos);
}

TEST(MasterReader, ReadsConsoleFilesAndTheNamePool) {
  MasterTestWorld world;
  world.AddPlayable(14, "Deutschland");
  std::string path;
  ASSERT_EQ(world.Build(kMasterBuildPs2, 2, true, &path), MasterBuildResult::kWritten);
  const std::vector<uint8_t> file = test::ReadBytes(path);
  std::string error;
  const auto info = ReadMasterFile(file, &error);
  ASSERT_TRUE(info) << error;
  EXPECT_EQ(info->variant, MasterVariant::kPs2);
  ASSERT_EQ(info->nameLists.size(), 320u);
  // "Hans" and "Juergen" of group 14 from the file, after the blank.
  const MasterNameListInfo& male14 = info->nameLists[14 * 5 + kPoolMaleFirstNames];
  EXPECT_EQ(male14.fileNames, 3u);
  EXPECT_GE(male14.names, 3u);
  EXPECT_EQ(info->nameLists[63 * 5].names, 0u) << "group 63 is not reset";
  EXPECT_FALSE(ReadMasterFile(file, &error, MasterVariant::kPc));
}

}  // namespace
}  // namespace torvale
