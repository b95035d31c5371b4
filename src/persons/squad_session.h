#pragma once
// SquadEditSession: the squad editor's working copy of one club's person list, with the
// list commands as world operations that take effect only on Commit.
//
// The squad editor edits the persons themselves in the world's person table (those edits
// stay even on Cancel), but the club's list only on a copy that Cancel drops. Commands that
// reach beyond the club therefore wait for Commit: were a person transferred to another club
// at once and the squad then cancelled, it would be listed twice; were a fetched person taken
// out of its old club at once, Cancel would leave it in no club at all; and a person deleted
// from the world at once would leave its id behind in the restored list. Persons made by
// "Neu..." exist in the person table from the start (the pages edit them) and are removed
// again when the session ends without committing them.
//
// How CDlgPlayerlistClub uses it:
//   * Open: SquadEditSession session(world, club). The lists show Squad() (team lists:
//     TeamPlayers(team), officials: Officials()).
//   * Menu commands: NewPlayer(team) (while CanAddNewPlayer), NewOfficial(role),
//     SwitchTeam(id) ("In 2. Mannschaft" / "In 1. Mannschaft"), Remove(id) ("Eintrag
//     löschen"), TransferOut(id, clubId) after CDlgChooseClub, FetchIn(id, team) after
//     CDlgPlayerSelect. Each returns whether the list changed.
//   * OK (after the checks of squad_rules.h): Commit(). Cancel: just destroy the session.
//   * "Spieler suchen" and "Doppelte Spieler anzeigen" change the world themselves: Commit()
//     before opening them and Reload() afterwards, then refill the lists.

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "persons/world_persons.h"
#include "world/club.h"

namespace torvale {

class CPlayer;
class CWorldDatabase;

class SquadEditSession {
 public:
  // `club` must be a club of `world`; both must outlive the session.
  SquadEditSession(CWorldDatabase& world, CClub& club);
  SquadEditSession(const SquadEditSession&) = delete;
  SquadEditSession& operator=(const SquadEditSession&) = delete;
  // Cancel: removes the persons made by this session that were never committed and gives
  // persons fetched in their old team back.
  ~SquadEditSession();

  // The working copy (its persons are in the world's person table).
  const CClub& Squad() const { return copy_; }
  // Players (role 0) of team 0 (first) or 1 (reserve) and the officials, in list order.
  std::vector<uint32_t> TeamPlayers(int team) const;
  std::vector<uint32_t> Officials() const;

  // A new player of `team` (0 first, 1 reserve), nationality of the club's country; null
  // when the club lists kMaxPersonsForNewPlayer persons or more.
  CPlayer* NewPlayer(int8_t team);
  // A new official of `role` (1-20) in the first team; null when the club lists one of that
  // role already or is full.
  CPlayer* NewOfficial(int role);
  // Moves a listed player between first and reserve team.
  bool SwitchTeam(uint32_t playerId);
  // "Eintrag löschen": the person leaves the list. On Commit an official is deleted from the
  // world, and so is a player unless it is in the list of players without club. A person that
  // another club still lists (a national squad) stays in the world.
  bool Remove(uint32_t playerId);
  // "Spieler/Person transferieren": the person leaves the list; on Commit it joins the club
  // (TransferPerson's rules: shirt number 0, contract from 2003, the team `toClubId` names).
  // kClubFull when that club has no room (counting transfers already waiting for it).
  MoveResult TransferOut(uint32_t playerId, uint32_t toClubId);
  // "Spieler holen": a person of another club or of the players without club joins this list
  // in `team`; on Commit it leaves its old place and, as with any transfer, gets shirt number
  // 0 and a contract from 2003 at the earliest. kUnchanged for a person listed here already
  // or one that does not exist, kClubFull when the list holds 256 persons.
  MoveResult FetchIn(uint32_t playerId, int8_t team);

  // The clubs that Commit will change besides this one: targets of waiting transfers and the
  // old clubs of fetched persons (0 for the players without club).
  std::vector<uint32_t> PendingClubIds() const;

  // Writes the list back over the club and carries out the waiting transfers, fetches and
  // deletions. The session then continues on the committed state.
  void Commit();
  // Takes the club's list afresh (after a dialog that changed the world); drops what was not
  // committed, removing the persons this session made since the last Commit and giving
  // fetched persons their old team back.
  void Reload();

 private:
  struct Transfer {
    uint32_t toClubId;
  };
  struct Fetch {
    uint32_t fromClubId;  // 0: the players without club
    int8_t originalTeam;  // given back when the fetch is dropped
  };
  void DiscardCreated();
  void RestoreFetchedTeams();
  void DeleteFromWorld(uint32_t playerId);
  int PendingTransfersTo(uint32_t clubId) const;

  CWorldDatabase& world_;
  CClub& club_;
  CClub copy_;
  std::set<uint32_t> created_;                   // made here, not yet committed
  std::set<uint32_t> removed_;                   // "Eintrag löschen", waiting for Commit
  std::map<uint32_t, Transfer> transfers_;       // transferred out, waiting for Commit
  std::map<uint32_t, Fetch> fetched_;            // fetched in, leaving their old place on Commit
};

}  // namespace torvale
