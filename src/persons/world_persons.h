#pragma once
// Moving persons between the clubs of a world and its players without club, with the rules
// every list command shares. A club takes at most 256 persons (kMaxClubPersons); a move that
// does not fit changes nothing. Club ids may carry bit 24 (kReserveTeamBit): it names the
// club's reserve team and is ignored when the club is looked up.

#include <cstdint>
#include <string>

namespace torvale {

class CClub;
class CPlayer;
class CWorldDatabase;

// The club of a world by its id (bit 24 ignored); null when its country has no such club.
CClub* FindWorldClub(CWorldDatabase& world, uint32_t clubId);
const CClub* FindWorldClub(const CWorldDatabase& world, uint32_t clubId);

// The club name in the world's language and the name of its country, as the lists show
// them; both empty for club id 0 or a club that does not exist.
std::string WorldClubName(const CWorldDatabase& world, uint32_t clubId);
std::string WorldCountryName(const CWorldDatabase& world, int country);

// The id (bit 24 clear) of the first club, in the order of the world, that lists the person;
// regular clubs are looked at before the countries' national pseudo-clubs, whose squads are
// drawn from the other clubs. 0 when no club lists it.
uint32_t FindPersonClub(const CWorldDatabase& world, uint32_t playerId);

// Whether a person is listed by any club other than `exceptClubId` (bit 24 ignored; 0: none).
bool ListedByAnotherClub(const CWorldDatabase& world, uint32_t playerId, uint32_t exceptClubId);

enum class MoveResult {
  kMoved,
  kUnchanged,  // the person or a club does not exist, or the person is there already
  kClubFull,   // the club lists 256 persons: nothing changed, and nobody is told
};

// The transfer of the person lists ("Spieler transferieren", "Spieler holen"): person
// `playerId` leaves club `fromClubId` (0: the list of players without club) and joins club
// `toClubId`. Nothing happens when the person or a club does not exist, when both ids name
// the same club, or when the person is not where `fromClubId` says. A transferred person gets
// no shirt number (0) and a contract starting in 2003 at the earliest (later starts are
// kept), and plays in the team `toClubId` names (reserve with bit 24, else first team). The
// person joins the new club before leaving the old one, so no failure can lose it.
MoveResult TransferPerson(CWorldDatabase& world, uint32_t playerId, uint32_t fromClubId, uint32_t toClubId);

// "Spieler löschen" of the search results: a person under contract with `fromClubId` leaves
// it and is appended to the players without club. False (nothing changes) for club id 0, a
// club that does not list the person, or a person that does not exist.
bool ReleaseToPlayersWithoutClub(CWorldDatabase& world, uint32_t playerId, uint32_t fromClubId);

// The first year a transferred person's contract may start.
constexpr uint16_t kTransferContractStart = 2003;

}  // namespace torvale
