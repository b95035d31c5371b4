#include "persons/squad_rules.h"

#include <array>
#include <utility>

#include "platform/text_encoding.h"
#include "world/club.h"
#include "world/person_table.h"

namespace torvale {

namespace {

// The menu command of each official's role, as the menus' resources number them.
constexpr std::array<std::pair<int, int>, 20> kOfficialCommands = {{
    {32780, 1},  {32781, 2},  {32782, 3},  {32789, 4},  {32790, 5},  {32791, 6},  {32805, 7},
    {32792, 8},  {32793, 9},  {32794, 10}, {32795, 11}, {32796, 12}, {32797, 13}, {32798, 14},
    {32799, 15}, {32800, 16}, {32801, 17}, {32802, 18}, {32803, 19}, {32804, 20},
}};

// The order of the lines: the names first, then the team limits.
constexpr std::array<std::pair<uint32_t, const char*>, 6> kSquadLines = {{
    {kSquadIncompleteName, "Mindestens ein Spieler hat keinen vollständigen Namen."},
    {kSquadTooFewPlayers, "Es sollten mind. 14 Spieler in der ersten Mannschaft vorhanden sein."},
    {kSquadFirstTeamCoaches, "Es darf nur ein Trainer in der ersten Mannschaft vorhanden sein."},
    {kSquadFirstTeamManagers, "Es darf nur ein Manager in der ersten Mannschaft vorhanden sein."},
    {kSquadFirstTeamPresidents, "Es darf nur ein Präsident in der ersten Mannschaft vorhanden sein."},
    {kSquadReservePresident, "Es darf nur ein Präsident im Verein vorhanden sein."},
}};

}  // namespace

uint32_t CheckSquad(const CClub& club, const CPersonTable& persons) {
  // counts[team][role] for the roles 0-3; team 0 is the first team, 1 the reserve.
  int counts[2][4] = {};
  uint32_t bits = 0;
  for (uint32_t id : club.PlayerIds()) {
    const CPlayer* person = persons.FindPlayer(id);
    if (!person) continue;
    if (person->firstName[0] == 0 || person->surname[0] == 0) bits |= kSquadIncompleteName;
    const int team = person->team == 0 ? 0 : 1;
    if (person->role >= kRolePlayer && person->role <= kRolePresident) ++counts[team][person->role];
  }
  if (counts[0][kRolePlayer] < kMinFirstTeamPlayers) bits |= kSquadTooFewPlayers;
  if (counts[0][kRoleCoach] > 1) bits |= kSquadFirstTeamCoaches;
  if (counts[1][kRoleCoach] > 1) bits |= kSquadReserveCoaches;
  if (counts[0][kRoleManager] > 1) bits |= kSquadFirstTeamManagers;
  if (counts[1][kRoleManager] > 1) bits |= kSquadReserveManagers;
  if (counts[0][kRolePresident] > 1) bits |= kSquadFirstTeamPresidents;
  if (counts[1][kRolePresident] > 0) bits |= kSquadReservePresident;
  return bits;
}

std::vector<std::string> SquadProblemLines(uint32_t squadBits, uint32_t clubBits) {
  std::vector<std::string> lines;
  for (const auto& [bit, text] : kSquadLines)
    if (squadBits & bit) lines.push_back(Utf8ToCp1252(text));
  for (std::string& message : ClubCheckMessages(clubBits)) lines.push_back(std::move(message));
  return lines;
}

bool CanAddNewPlayer(const CClub& club) {
  return static_cast<int>(club.PlayerIds().size()) < kMaxPersonsForNewPlayer;
}

int OfficialRoleOfCommand(int commandId) {
  for (const auto& [command, role] : kOfficialCommands)
    if (command == commandId) return role;
  return 0;
}

int OfficialCommandOfRole(int role) {
  for (const auto& [command, r] : kOfficialCommands)
    if (r == role) return command;
  return 0;
}

bool ClubHasRole(const CClub& club, const CPersonTable& persons, int role) {
  for (uint32_t id : club.PlayerIds()) {
    const CPlayer* person = persons.FindPlayer(id);
    if (person && person->role == role) return true;
  }
  return false;
}

}  // namespace torvale
