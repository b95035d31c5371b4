#pragma once
// A person's strength as a player: one non-negative number derived from the main position,
// the ratings, the abilities, experience, the preferred foot and a bonus for the strongest
// special profile ("player type") the abilities fulfil. Lists show and sort by it; it is
// never stored. CPlayer::Strength() is defined here.

#include <cstdint>

#include "world/date.h"

namespace torvale {

class CPlayer;

// The day the database's season is played from (6 July 2003): the age rules of the player
// types take ages on this day.
DATE BaseDate();

// Player type codes; 0 when no profile applies.
enum PlayerTypeCode : int {
  kTypeNone = 0,
  kTypeGreatKeeper = 1,
  kTypeWeakKeeper = 2,
  kTypeShooter = 4,
  kTypeCoolFinisher = 5,
  kTypeSharpshooter = 6,
  kTypePhysical = 7,
  kTypeTargetMan = 8,
  kTypeFastWinger = 9,
  kTypeCrossingWideMan = 10,
  kTypeFastForward = 11,
  kTypeClubLeader = 16,
  kTypeYoungTalent = 17,
  kTypePlaymaker = 18,
  kTypeMidfieldGeneral = 19,
  kTypeMidfieldEngine = 20,
  kTypeCompleteStriker = 21,
  kTypeLeaderAndFighter = 22,
  kTypeDefensiveRock = 23,
};

struct PlayerTypeResult {
  float bonus = 0.0f;
  int code = kTypeNone;
};

// The strongest profile's bonus and code; the age rule takes the age on `reference`.
PlayerTypeResult PlayerType(const CPlayer& player, DATE reference);
PlayerTypeResult PlayerType(const CPlayer& player);

// The strength, with the age rule taken on `reference`; CPlayer::Strength() uses BaseDate().
float Strength(const CPlayer& player, DATE reference);

}  // namespace torvale
