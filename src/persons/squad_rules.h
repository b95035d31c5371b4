#pragma once
// The squad editor's rules: the squad check run on OK, the limit for new players and the
// officials' menu commands, which make at most one person per role.
//
// How CDlgPlayerlistClub uses them:
//   * OK: bits = CheckSquad(copy, persons) and club = copy.Check(); when either is non-zero
//     show SquadProblemLines(bits, club) in CDlgErrorMessage ("OK" back to the squad, "Egal"
//     closes with OK). Bits without a line of their own (kSquadReserveCoaches,
//     kSquadReserveManagers) leave the heading alone on the dialog.
//   * "Neuer Spieler" (32775) is offered while CanAddNewPlayer(copy).
//   * The officials' menus: OfficialRoleOfCommand(id) gives the role an item makes (0: not
//     such an item); grey the item when ClubHasRole(copy, persons, role).
//   * The character page calls CPlayer::SetCharacter; when it refuses (a third value away
//     from normal) the slider goes back to the person's value, which is normal.
// The changes themselves go through SquadEditSession (squad_session.h).

#include <cstdint>
#include <string>
#include <vector>

namespace torvale {

class CClub;
class CPersonTable;

// Bits of CheckSquad.
constexpr uint32_t kSquadTooFewPlayers = 0x1;          // fewer than 14 players in the first team
constexpr uint32_t kSquadFirstTeamCoaches = 0x4;       // more than one coach in the first team
constexpr uint32_t kSquadReserveCoaches = 0x8;         // more than one coach in the reserve team
constexpr uint32_t kSquadFirstTeamManagers = 0x10;
constexpr uint32_t kSquadReserveManagers = 0x20;
constexpr uint32_t kSquadFirstTeamPresidents = 0x40;   // more than one president in the first team
constexpr uint32_t kSquadReservePresident = 0x80;      // any president in the reserve team
constexpr uint32_t kSquadIncompleteName = 0x100;       // a person without first name or surname

constexpr int kMinFirstTeamPlayers = 14;
// "Neuer Spieler" is offered only below this many persons in the club.
constexpr int kMaxPersonsForNewPlayer = 70;

// The squad check over the persons the club lists (looked up in `persons`; ids without a
// person are skipped). 0 when the squad is fine.
uint32_t CheckSquad(const CClub& club, const CPersonTable& persons);

// The lines shown for the squad check's bits (the incomplete names first, then by bit) and
// then the club check's messages (ClubCheckMessages), Windows-1252.
std::vector<std::string> SquadProblemLines(uint32_t squadBits, uint32_t clubBits);

bool CanAddNewPlayer(const CClub& club);

// The role (1-20) a "Neu..." command of the officials' menus makes; 0 for any other id.
int OfficialRoleOfCommand(int commandId);
// The command id that makes an official of `role`; 0 for role 0 and unknown roles.
int OfficialCommandOfRole(int role);
// Whether the club lists a person of that role.
bool ClubHasRole(const CClub& club, const CPersonTable& persons, int role);

}  // namespace torvale
