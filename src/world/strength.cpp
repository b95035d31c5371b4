#include "world/strength.h"

#include <algorithm>
#include <cstddef>

#include "world/player.h"

namespace torvale {

namespace {

// All arithmetic is single precision, as in the game: lists sort by these values and compare
// strengths to a hundredth, so a double result could order two persons differently.

// Which rating counts for each main position 0-17 (goalkeeper, defence, midfield, attack).
constexpr int kRatingGroup[kPositionCount] = {0, 0, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 2, 3, 3};
// The side a position plays on: 0 centre, 1 right, 2 left.
constexpr int kSide[kPositionCount] = {0, 0, 1, 2, 0, 0, 1, 2, 0, 0, 1, 2, 0, 1, 2, 0, 0, 0};
constexpr int kSideRight = 1;
constexpr int kSideLeft = 2;
// Ability 0-10 as a step: poor abilities cost, good ones gain, the middle is neutral.
constexpr int kAbilityStep[11] = {0, -1, -1, -1, 0, 0, 0, 1, 1, 1, 2};

// How much each ability counts in each main position (columns in ability order; the last six
// are the goalkeeper abilities).
constexpr int kWeight[kPositionCount][kAbilityCount] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 4, 4, 4, 4, 4, 4},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4},
    {2, 2, 0, 0, 4, 4, 4, 0, 2, 2, 0, 0, 0, 0, 0, 0},
    {2, 2, 0, 0, 4, 4, 4, 0, 2, 2, 0, 0, 0, 0, 0, 0},
    {2, 4, 0, 0, 4, 4, 4, 0, 2, 0, 0, 0, 0, 0, 0, 0},
    {2, 4, 0, 0, 4, 4, 4, 0, 2, 0, 0, 0, 0, 0, 0, 0},
    {2, 1, 0, 0, 4, 4, 3, 2, 1, 3, 0, 0, 0, 0, 0, 0},
    {2, 1, 0, 0, 4, 4, 3, 2, 1, 3, 0, 0, 0, 0, 0, 0},
    {4, 4, 1, 1, 2, 2, 4, 1, 1, 0, 0, 0, 0, 0, 0, 0},
    {3, 3, 2, 2, 2, 2, 4, 1, 1, 0, 0, 0, 0, 0, 0, 0},
    {2, 1, 1, 1, 3, 3, 2, 3, 1, 4, 0, 0, 0, 0, 0, 0},
    {2, 1, 1, 1, 3, 3, 2, 3, 1, 4, 0, 0, 0, 0, 0, 0},
    {4, 1, 2, 2, 2, 2, 0, 4, 4, 0, 0, 0, 0, 0, 0, 0},
    {2, 0, 1, 2, 3, 4, 0, 3, 2, 4, 0, 0, 0, 0, 0, 0},
    {2, 0, 1, 2, 3, 4, 0, 3, 2, 4, 0, 0, 0, 0, 0, 0},
    {2, 1, 2, 3, 3, 4, 0, 3, 3, 2, 0, 0, 0, 0, 0, 0},
    {2, 2, 3, 4, 4, 3, 0, 3, 2, 1, 0, 0, 0, 0, 0, 0},
    {1, 4, 1, 4, 4, 3, 0, 3, 3, 1, 0, 0, 0, 0, 0, 0},
};

constexpr uint8_t kHigh = 7;

// Positions out of the table (damaged data) are rated as the goalkeeper slot 0 is.
size_t PositionIndex(const CPlayer& p) {
  return p.mainPosition < kPositionCount ? p.mainPosition : 0;
}

int Step(uint8_t ability) { return ability <= 10 ? kAbilityStep[ability] : kAbilityStep[10]; }

// True when `area`'s rating is larger than each of the other three.
bool StrictlyLargest(const CPlayer& p, int area) {
  for (int other = 0; other < kAreaCount; ++other)
    if (other != area && p.Rating(other) >= p.Rating(area)) return false;
  return true;
}

class TypeBonus {
 public:
  // The highest offer wins; among equal offers the earlier one. True when taken.
  bool Offer(float bonus, int code) {
    if (result_.bonus >= bonus) return false;
    result_ = {bonus, code};
    return true;
  }
  void Set(float bonus, int code) { result_ = {bonus, code}; }
  int Code() const { return result_.code; }
  PlayerTypeResult Result() const { return result_; }

 private:
  PlayerTypeResult result_;
};

}  // namespace

DATE BaseDate() { return DATE::FromCivil(2003, 7, 6); }

PlayerTypeResult PlayerType(const CPlayer& p, DATE reference) {
  auto high = [&](int ability) { return p.abilities[static_cast<size_t>(ability)] >= kHigh; };
  auto is = [&](int ability, uint8_t value) {
    return p.abilities[static_cast<size_t>(ability)] == value;
  };
  auto trait = [&](int t) { return p.character[static_cast<size_t>(t)]; };
  auto twoOf = [&](bool a, bool b, bool c) { return int(a) + int(b) + int(c) >= 2; };

  TypeBonus type;
  if (StrictlyLargest(p, kAreaGoalkeeper)) {
    if (high(kReflexes) && high(kDivingSaves)) type.Set(0.5f, kTypeGreatKeeper);
    if (p.abilities[kReflexes] + p.abilities[kDivingSaves] == 4) type.Set(-0.5f, kTypeWeakKeeper);
  }
  if (twoOf(high(kShotPower), high(kShotAccuracy), high(kTechnique))) type.Offer(1.0f, kTypeShooter);
  if (trait(kNerves) >= kHigh && (high(kShotPower) || high(kShotAccuracy)))
    type.Offer(0.5f, kTypeCoolFinisher);
  if (is(kShotAccuracy, 10) && p.abilities[kShotPower] >= 7 && p.abilities[kShotPower] <= 9)
    type.Offer(1.5f, kTypeSharpshooter);
  const bool physical = twoOf(high(kPace), high(kHeading), high(kDefensiveTackling));
  if (physical) type.Offer(0.5f, kTypePhysical);
  const bool attacker = StrictlyLargest(p, kAreaAttack);
  if (attacker) {
    if (high(kHeading) && high(kShotPower)) type.Offer(1.0f, kTypeTargetMan);
    if (is(kPace, 10) && (high(kCrossing) || high(kOffensiveDuels)))
      type.Offer(1.0f, kTypeFastWinger);
  }
  switch (p.mainPosition) {
    case 6: case 7: case 10: case 11: case 13: case 14:
      if (high(kPace) && is(kCrossing, 10)) type.Offer(1.5f, kTypeCrossingWideMan);
      break;
    default:
      break;
  }
  if (attacker && high(kPace) && (high(kPassing) || trait(kNerves) >= 2))
    type.Offer(1.0f, kTypeFastForward);
  if (trait(kLeadership) == 10 && trait(kClubIdentification) == 2)
    type.Offer(1.5f, kTypeClubLeader);
  if (p.Age(reference) < 20 && high(kPace) && high(kOffensiveDuels) && high(kTechnique))
    type.Offer(1.5f, kTypeYoungTalent);
  if (twoOf(high(kOffensiveDuels), high(kTechnique), high(kPassing)))
    type.Offer(1.0f, kTypePlaymaker);

  bool skipRest = false;
  if (StrictlyLargest(p, kAreaMidfield)) {
    if (is(kPassing, 10) && (high(kTechnique) || high(kOffensiveDuels)))
      type.Offer(2.0f, kTypeMidfieldGeneral);
    if (high(kPassing) && high(kDefensiveTackling) && high(kHeading))
      skipRest = type.Offer(1.5f, kTypeMidfieldEngine);
  }
  if (!skipRest && type.Code() == kTypeTargetMan && high(kPace) && high(kOffensiveDuels))
    skipRest = type.Offer(2.5f, kTypeCompleteStriker);
  if (!skipRest && type.Code() == kTypeClubLeader && physical)
    type.Offer(2.0f, kTypeLeaderAndFighter);

  if (high(kDefensiveTackling) && high(kAcceleration) && trait(kAttitude) >= kHigh && high(kHeading))
    type.Offer(1.0f, kTypeDefensiveRock);
  return type.Result();
}

PlayerTypeResult PlayerType(const CPlayer& player) { return PlayerType(player, BaseDate()); }

float Strength(const CPlayer& p, DATE reference) {
  const size_t position = PositionIndex(p);
  const float rating = static_cast<float>(p.Rating(kRatingGroup[position]));
  const float best = static_cast<float>(p.BestRating());

  float international = InternationalExperienceFactor(p.internationalExperience);
  float league = LeagueExperienceFactor(p.leagueExperience);
  if (best > 0.0f) {
    international *= rating / best;
    league *= rating / best;
  }

  const int side = kSide[position];
  const bool wrongFoot = (side == kSideRight && p.foot == kFootLeft) ||
                         (side == kSideLeft && p.foot == kFootRight);
  float abilities = 0.0f;
  for (size_t i = 0; i < kAbilityCount; ++i) {
    float term = static_cast<float>(Step(p.abilities[i]) * kWeight[position][i]) * 0.25f;
    if (wrongFoot) term = term < 0.0f ? term * 2.0f : term * 0.5f;
    abilities += term;
  }

  const float strength = international + league + PlayerType(p, reference).bonus + rating + abilities;
  return std::max(strength, 0.0f);
}

float CPlayer::Strength() const { return torvale::Strength(*this, BaseDate()); }

}  // namespace torvale
