#include "persons/squad_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "persons/shirt_numbers.h"
#include "persons/squad_session.h"
#include "persons_test_world.h"
#include "platform/text_encoding.h"

namespace torvale {
namespace {

using testing::PersonsTestWorld;

TEST(SquadCheckTest, BitsForTheFirstTeamLineTheOfficialsAndNames) {
  PersonsTestWorld t;
  CClub& club = t.Club(14, 1);
  t.FillClub(club, 13);
  const CPersonTable& persons = t.World().Persons();
  EXPECT_EQ(CheckSquad(club, persons), kSquadTooFewPlayers);
  // A reserve player does not count for the first team; the 14th first-team player does.
  t.Person("Res", "Erve", &club).team = 1;
  EXPECT_EQ(CheckSquad(club, persons), kSquadTooFewPlayers);
  t.Person("Four", "Teen", &club);
  EXPECT_EQ(CheckSquad(club, persons), 0u);

  t.Person("Coach", "One", &club, kRoleCoach);
  EXPECT_EQ(CheckSquad(club, persons), 0u);
  t.Person("Coach", "Two", &club, kRoleCoach);
  t.Person("Coach", "Three", &club, kRoleCoach).team = 1;
  t.Person("Coach", "Four", &club, kRoleCoach).team = 1;
  EXPECT_EQ(CheckSquad(club, persons), kSquadFirstTeamCoaches | kSquadReserveCoaches);
  // The reserve-coach bit has no line: the dialog shows its heading alone.
  EXPECT_TRUE(SquadProblemLines(kSquadReserveCoaches | kSquadReserveManagers, 0).empty());

  PersonsTestWorld u;
  CClub& other = u.Club(14, 2);
  u.FillClub(other, 14);
  u.Person("", "Nameless", &other);
  u.Person("Pres", "Reserve", &other, kRolePresident).team = 1;
  EXPECT_EQ(CheckSquad(other, u.World().Persons()), kSquadIncompleteName | kSquadReservePresident);
}

TEST(SquadCheckTest, LinesComeNamesFirstThenTeamsThenTheClubCheck) {
  const auto lines = SquadProblemLines(kSquadTooFewPlayers | kSquadIncompleteName | kSquadReservePresident,
                                       kCheckTooManyEmployeesOffice);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], Utf8ToCp1252("Mindestens ein Spieler hat keinen vollständigen Namen."));
  EXPECT_EQ(lines[1], "Es sollten mind. 14 Spieler in der ersten Mannschaft vorhanden sein.");
  EXPECT_EQ(lines[2], Utf8ToCp1252("Es darf nur ein Präsident im Verein vorhanden sein."));
  EXPECT_EQ(lines[3], ClubCheckMessage(1));
}

TEST(SquadCheckTest, OfficialCommandsMakeOneRoleEach) {
  EXPECT_EQ(OfficialRoleOfCommand(32780), kRoleCoach);
  EXPECT_EQ(OfficialRoleOfCommand(32805), kRoleYouthCoach);  // out of numeric order in the menus
  EXPECT_EQ(OfficialRoleOfCommand(32792), kRoleChiefScout);
  EXPECT_EQ(OfficialRoleOfCommand(32804), kRoleFanRepresentative);
  EXPECT_EQ(OfficialRoleOfCommand(32775), 0);  // "Neuer Spieler"
  for (int role = 1; role < kRoleCount; ++role) EXPECT_EQ(OfficialRoleOfCommand(OfficialCommandOfRole(role)), role);
  EXPECT_EQ(OfficialCommandOfRole(kRolePlayer), 0);
}

class SquadSessionTest : public ::testing::Test {
 protected:
  PersonsTestWorld t;
  CClub& club = t.Club(14, 1);
  CClub& other = t.Club(14, 2);
  CPersonTable& persons = t.World().Persons();
};

TEST_F(SquadSessionTest, NewPlayerStopsAtSeventyPersons) {
  t.FillClub(club, kMaxPersonsForNewPlayer - 1);
  SquadEditSession session(t.World(), club);
  CPlayer* last = session.NewPlayer(1);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->team, 1);
  EXPECT_EQ(last->nationality, 14);
  EXPECT_EQ(session.NewPlayer(0), nullptr);
  EXPECT_EQ(session.Squad().PlayerIds().size(), static_cast<size_t>(kMaxPersonsForNewPlayer));
  const size_t count = persons.Count();
  session.Commit();
  EXPECT_EQ(club.PlayerIds().size(), static_cast<size_t>(kMaxPersonsForNewPlayer));
  EXPECT_EQ(persons.Count(), count);
}

TEST_F(SquadSessionTest, CancelRestoresTheListButKeepsPersonEdits) {
  CPlayer& kept = t.Person("Kept", "Player", &club);
  CPlayer& removed = t.Person("Removed", "Player", &club);
  const std::vector<uint32_t> before(club.PlayerIds().begin(), club.PlayerIds().end());
  const size_t personCount = persons.Count();
  {
    SquadEditSession session(t.World(), club);
    CPlayer* made = session.NewPlayer(0);
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(session.Remove(removed.id));
    EXPECT_EQ(session.TransferOut(kept.id, other.clubId), MoveResult::kMoved);
    SetFixedText(removed.surname, "Edited");  // the pages write into the person table
  }
  EXPECT_EQ(std::vector<uint32_t>(club.PlayerIds().begin(), club.PlayerIds().end()), before);
  EXPECT_TRUE(other.PlayerIds().empty());
  EXPECT_EQ(persons.Count(), personCount);  // the new person went again
  EXPECT_EQ(FixedText(persons.FindPlayer(removed.id)->surname), "Edited");
}

TEST_F(SquadSessionTest, CommitCarriesOutDeletionsTransfersAndFetches) {
  CPlayer& deleted = t.Person("Deleted", "Player", &club);
  CPlayer& coach = t.Person("Deleted", "Coach", &club, kRoleCoach);
  CPlayer& transferred = t.Person("Moving", "On", &club);
  transferred.contractStart = 2001;
  CPlayer& fetched = t.Person("Fetched", "In", &other);
  fetched.shirtNumber = 10;
  CPlayer& freeAgent = t.FreePerson("Free", "Agent");

  SquadEditSession session(t.World(), club);
  EXPECT_TRUE(session.Remove(deleted.id));
  EXPECT_TRUE(session.Remove(coach.id));
  EXPECT_EQ(session.TransferOut(transferred.id, other.clubId | kReserveTeamBit), MoveResult::kMoved);
  EXPECT_EQ(session.FetchIn(fetched.id, 1), MoveResult::kMoved);
  EXPECT_EQ(session.FetchIn(freeAgent.id, 0), MoveResult::kMoved);
  EXPECT_EQ(session.FetchIn(fetched.id, 0), MoveResult::kUnchanged);
  EXPECT_EQ(session.TeamPlayers(1), std::vector<uint32_t>{fetched.id});
  // Nothing outside the copy has changed yet.
  EXPECT_TRUE(other.HasPlayer(fetched.id));
  EXPECT_TRUE(persons.FindPlayer(deleted.id));
  // The clubs the commit will touch besides this one (0: the players without club).
  std::vector<uint32_t> pending = session.PendingClubIds();
  std::sort(pending.begin(), pending.end());
  EXPECT_EQ(pending, (std::vector<uint32_t>{0, other.clubId, other.clubId}));

  const uint32_t deletedId = deleted.id, coachId = coach.id;
  session.Commit();
  EXPECT_EQ(persons.FindPlayer(deletedId), nullptr);
  EXPECT_EQ(persons.FindPlayer(coachId), nullptr);
  EXPECT_TRUE(other.HasPlayer(transferred.id));
  EXPECT_EQ(transferred.team, 1);
  EXPECT_EQ(transferred.contractStart, 2003);
  EXPECT_FALSE(other.HasPlayer(fetched.id));
  EXPECT_EQ(fetched.shirtNumber, 0);
  EXPECT_EQ(t.World().PlayersWithoutClub()->Count(), 0u);
  EXPECT_EQ(std::vector<uint32_t>(club.PlayerIds().begin(), club.PlayerIds().end()),
            (std::vector<uint32_t>{fetched.id, freeAgent.id}));
}

TEST_F(SquadSessionTest, RemovedPlayerStaysInTheWorldWhileAnotherListHasIt) {
  CPlayer& national = t.Person("National", "Player", &club);
  t.World().Country(14)->CreateAmateurClub().AddPlayer(national.id);
  CPlayer& alsoFree = t.Person("Also", "Free", &club);
  t.World().PlayersWithoutClub()->Add(alsoFree.id);
  SquadEditSession session(t.World(), club);
  session.Remove(national.id);
  session.Remove(alsoFree.id);
  session.Commit();
  EXPECT_TRUE(club.PlayerIds().empty());
  EXPECT_NE(persons.FindPlayer(national.id), nullptr);
  EXPECT_NE(persons.FindPlayer(alsoFree.id), nullptr);
}

TEST_F(SquadSessionTest, OfficialRolesTransfersToFullClubsAndTeams) {
  CPlayer& player = t.Person("Team", "Switcher", &club);
  SquadEditSession session(t.World(), club);
  ASSERT_NE(session.NewOfficial(kRoleCoach), nullptr);
  EXPECT_EQ(session.NewOfficial(kRoleCoach), nullptr);  // the role is taken
  EXPECT_TRUE(ClubHasRole(session.Squad(), persons, kRoleCoach));
  EXPECT_FALSE(ClubHasRole(club, persons, kRoleCoach));
  EXPECT_EQ(session.Officials().size(), 1u);

  EXPECT_TRUE(session.SwitchTeam(player.id));
  EXPECT_EQ(session.TeamPlayers(1), std::vector<uint32_t>{player.id});
  EXPECT_TRUE(session.SwitchTeam(player.id));
  EXPECT_EQ(session.TeamPlayers(0), std::vector<uint32_t>{player.id});

  t.FillClub(other, kMaxClubPersons - 1);
  CPlayer& second = t.Person("Second", "Mover", &club);
  session.Reload();
  EXPECT_EQ(session.TransferOut(player.id, other.clubId), MoveResult::kMoved);
  EXPECT_EQ(session.TransferOut(second.id, other.clubId), MoveResult::kClubFull);  // the waiting one counts
  session.Commit();
  EXPECT_EQ(other.PlayerIds().size(), static_cast<size_t>(kMaxClubPersons));
  EXPECT_TRUE(club.HasPlayer(second.id));
}


TEST(ShirtNumbersTest, SharedNumbersCountPerTeamAndOnlyForPlayers) {
  PersonsTestWorld t;
  CClub& club = t.Club(14, 1);
  auto numbered = [&](const char* name, uint8_t number, int8_t team = 0, int8_t role = kRolePlayer) -> CPlayer& {
    CPlayer& person = t.Person("Shirt", name, &club, role);
    person.shirtNumber = number;
    person.team = team;
    return person;
  };
  CPlayer& a = numbered("A", 7);
  CPlayer& b = numbered("B", 7);
  numbered("Reserve", 7, 1);           // the reserves number their own players
  numbered("Coach", 7, 0, kRoleCoach);  // officials wear no number
  numbered("None1", 0);
  numbered("None2", 0);                 // 0 is no number at all
  CPlayer& c = numbered("C", 9, 1);
  CPlayer& d = numbered("D", 9, 1);
  const std::vector<uint32_t> ids(club.PlayerIds().begin(), club.PlayerIds().end());
  EXPECT_EQ(PlayersSharingShirtNumber(ids, t.World().Persons()), (std::vector<uint32_t>{a.id, b.id, c.id, d.id}));
  b.shirtNumber = 8;
  d.team = 0;
  EXPECT_TRUE(PlayersSharingShirtNumber(ids, t.World().Persons()).empty());
}

}  // namespace
}  // namespace torvale
