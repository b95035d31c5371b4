#include <gtest/gtest.h>

#include "support/test_world.h"
#include "world/player.h"
#include "world/strength.h"

namespace torvale {
namespace {

using testing::PersonBuilder;

// Neutral abilities (4-6 add nothing) so that each case sets only what it is about; born in
// 1980, so 23 on the base date.
PersonBuilder Neutral() { return PersonBuilder().AllAbilities(5).Experience(2, 1); }

TEST(Strength, Goalkeeper) {
  // Field abilities of 1 cost nothing in goal: their weights there are 0.
  const CPlayer keeper = Neutral()
                             .Position(kPositionGoalkeeper)
                             .Ratings(5, 0, 0, 0)
                             .AllAbilities(1)
                             .Ability(kReflexes, 8)
                             .Ability(kDivingSaves, 7)
                             .Ability(kBoxControl, 10)
                             .Ability(kOneAgainstOne, 4)
                             .Ability(kGoalKicks, 2)
                             .Ability(kThrowOuts, 5)
                             .Experience(3, 2)
                             .Build();
  // league 0.5 + international 0.5 (rating 5 is the best) + type 0.5 (great keeper) + rating 5
  // + abilities 1 + 1 + 2 + 0 - 1 + 0
  EXPECT_EQ(PlayerType(keeper).code, kTypeGreatKeeper);
  EXPECT_FLOAT_EQ(keeper.Strength(), 9.5f);
}

TEST(Strength, FullBackWithTheWrongFoot) {
  PersonBuilder back = Neutral()
                           .Position(2)  // right back
                           .Ratings(0, 4, 2, 0)
                           .Ability(kPassing, 8)             // +0.5
                           .Ability(kHeading, 3)             // -0.5
                           .Ability(kAcceleration, 9)        // +1
                           .Ability(kPace, 10)               // +2
                           .Ability(kDefensiveTackling, 2)   // -1
                           .Ability(kCrossing, 1);           // -0.5
  EXPECT_EQ(PlayerType(back.Get()).code, kTypeNone);
  EXPECT_FLOAT_EQ(back.Foot(kFootRight).Get().Strength(), 4.0f + 1.5f);
  EXPECT_FLOAT_EQ(back.Foot(kFootBoth).Get().Strength(), 4.0f + 1.5f);
  // Gains halved (0.25 + 0.5 + 1), losses doubled (-1 - 2 - 1).
  EXPECT_FLOAT_EQ(back.Foot(kFootLeft).Get().Strength(), 4.0f + 1.75f - 4.0f);
  // The same on the other side.
  EXPECT_FLOAT_EQ(back.Position(3).Foot(kFootRight).Get().Strength(), 1.75f);
  EXPECT_FLOAT_EQ(back.Position(3).Foot(kFootLeft).Get().Strength(), 5.5f);
}

TEST(Strength, StrikerEarnsTheTopStrikerType) {
  const CPlayer striker = Neutral()
                              .Position(kPositionStriker)
                              .Ratings(0, 1, 2, 5)
                              .Experience(4, 3)
                              .Ability(kHeading, 8)          // +1
                              .Ability(kShotPower, 7)        // +0.25
                              .Ability(kPace, 7)             // +0.75
                              .Ability(kOffensiveDuels, 9)   // +0.75
                              .Ability(kDefensiveTackling, 3)  // weight 0
                              .Build();
  const PlayerTypeResult type = PlayerType(striker);
  EXPECT_EQ(type.code, kTypeCompleteStriker);
  EXPECT_FLOAT_EQ(type.bonus, 2.5f);
  // league 1 + international 1 + type 2.5 + rating 5 + abilities 2.75
  EXPECT_FLOAT_EQ(striker.Strength(), 12.25f);
}

TEST(Strength, ExperienceAgainstTheBestRating) {
  PersonBuilder p = Neutral().Position(4).Experience(6, 4);
  // Without any rating the factors count in full: 2.0 + 1.5.
  EXPECT_FLOAT_EQ(p.Ratings(0, 0, 0, 0).Get().Strength(), 3.5f);
  EXPECT_FLOAT_EQ(p.Get().ExperienceBonus(kAreaDefence, false), 2.0f);
  EXPECT_FLOAT_EQ(p.Get().ExperienceBonus(kAreaDefence, true), 1.5f);
  // A centre back rated 3 whose best rating is 6 gets half: 1.0 + 0.75 + 3.
  EXPECT_FLOAT_EQ(p.Ratings(0, 3, 6, 0).Get().Strength(), 4.75f);
  EXPECT_FLOAT_EQ(p.Get().ExperienceBonus(kAreaDefence, false), 1.0f);
  EXPECT_FLOAT_EQ(p.Get().ExperienceBonus(kAreaMidfield, true), 1.5f);
  // Ratings above 6 count as 6.
  EXPECT_FLOAT_EQ(p.Ratings(0, 9, 0, 0).Get().Strength(), 6.0f + 2.0f + 1.5f);
  // No experience takes away.
  EXPECT_FLOAT_EQ(p.Experience(0, 0).Ratings(0, 0, 0, 0).Get().Strength(), 0.0f);
  EXPECT_FLOAT_EQ(p.Get().ExperienceBonus(kAreaAttack, false), -1.0f);
}

TEST(Strength, NeverBelowZero) {
  // -1.5 from experience, every striker ability at 1: -(1+4+1+4+4+3+3+3+1) / 4 = -6.
  const CPlayer poor =
      PersonBuilder().Position(kPositionStriker).AllAbilities(1).Experience(0, 0).Build();
  EXPECT_EQ(PlayerType(poor).code, kTypeNone);
  EXPECT_FLOAT_EQ(poor.Strength(), 0.0f);
}

TEST(Strength, AbilityStepsByValue) {
  // A central midfielder's passing weighs 4: one point per step.
  PersonBuilder p = Neutral().Position(12).Experience(2, 1).Ratings(0, 0, 3, 0);
  const float base = p.Get().Strength();
  const float expected[11] = {0, -1, -1, -1, 0, 0, 0, 1, 1, 1, 2};
  for (uint8_t v = 0; v <= 10; ++v)
    EXPECT_FLOAT_EQ(p.Ability(kPassing, v).Get().Strength() - base, expected[v]) << int(v);
}

TEST(Strength, DamagedValuesStayInsideTheTables) {
  // Old files may hold abilities up to 42; a position or experience beyond the scales only
  // comes from damaged data. Each counts as the nearest value the tables know.
  const CPlayer reference = Neutral().Position(0).Ratings(2, 0, 0, 0).Experience(6, 4)
                                .Ability(kTechnique, 10).Build();
  const CPlayer damaged = Neutral().Position(200).Ratings(2, 0, 0, 0).Experience(9, 9)
                              .Ability(kTechnique, 42).Build();
  EXPECT_FLOAT_EQ(damaged.Strength(), reference.Strength());
  EXPECT_FLOAT_EQ(reference.Strength(), 2.0f + 1.5f + 2.0f + 2.0f);
}

struct TypeCase {
  const char* what;
  PersonBuilder person;
  int code;
  float bonus;
};

TEST(PlayerType, StrongestProfileWinsAndEarlierRulesWinTies) {
  const TypeCase cases[] = {
      {"nothing special", Neutral(), kTypeNone, 0.0f},
      {"weak keeper, set outright",
       Neutral().Ratings(3, 0, 0, 0).Ability(kReflexes, 1).Ability(kDivingSaves, 3),
       kTypeWeakKeeper, -0.5f},
      {"keeper rules need the keeper rating strictly best",
       Neutral().Ratings(3, 3, 0, 0).Ability(kReflexes, 9).Ability(kDivingSaves, 9), kTypeNone,
       0.0f},
      {"a later offer beats the keeper's",
       Neutral().Ratings(3, 0, 0, 0).Ability(kReflexes, 9).Ability(kDivingSaves, 9)
           .Ability(kShotPower, 7).Ability(kTechnique, 7),
       kTypeShooter, 1.0f},
      {"equal offers: the shooter profile comes before the playmaker",
       Neutral().Ability(kShotPower, 8).Ability(kTechnique, 8).Ability(kPassing, 8), kTypeShooter,
       1.0f},
      {"cool finisher", Neutral().Character(kNerves, 7).Ability(kShotAccuracy, 7),
       kTypeCoolFinisher, 0.5f},
      {"sharpshooter", Neutral().Ability(kShotAccuracy, 10).Ability(kShotPower, 9),
       kTypeSharpshooter, 1.5f},
      {"sharpshooter needs a shot power below 10",
       Neutral().Ability(kShotAccuracy, 10).Ability(kShotPower, 10), kTypeShooter, 1.0f},
      {"physical", Neutral().Ability(kPace, 7).Ability(kDefensiveTackling, 7), kTypePhysical, 0.5f},
      {"target man", Neutral().Ratings(0, 0, 0, 2).Ability(kHeading, 7).Ability(kShotPower, 7),
       kTypeTargetMan, 1.0f},
      {"target man needs the attack rating strictly best",
       Neutral().Ratings(0, 0, 2, 2).Ability(kHeading, 7).Ability(kShotPower, 7), kTypeNone, 0.0f},
      {"fast winger", Neutral().Ratings(0, 0, 0, 2).Ability(kPace, 10).Ability(kCrossing, 7),
       kTypeFastWinger, 1.0f},
      {"crossing wide man", Neutral().Position(13).Ability(kPace, 7).Ability(kCrossing, 10),
       kTypeCrossingWideMan, 1.5f},
      {"crossing wide man only on the wings",
       Neutral().Position(12).Ability(kPace, 7).Ability(kCrossing, 10), kTypeNone, 0.0f},
      {"fast forward by nerves", Neutral().Ratings(0, 0, 0, 2).Ability(kPace, 8).Character(kNerves, 2),
       kTypeFastForward, 1.0f},
      {"club leader", Neutral().Character(kLeadership, 10).Character(kClubIdentification, 2),
       kTypeClubLeader, 1.5f},
      {"club leader with the physical profile",
       Neutral().Character(kLeadership, 10).Character(kClubIdentification, 2)
           .Ability(kPace, 7).Ability(kHeading, 7),
       kTypeLeaderAndFighter, 2.0f},
      {"young talent",
       Neutral().Born(1985, 1, 1).Ability(kPace, 7).Ability(kOffensiveDuels, 7).Ability(kTechnique, 7),
       kTypeYoungTalent, 1.5f},
      {"20 on the base date is no longer young",
       Neutral().Born(1983, 7, 6).Ability(kPace, 7).Ability(kOffensiveDuels, 7).Ability(kTechnique, 7),
       kTypePlaymaker, 1.0f},
      {"midfield general",
       Neutral().Ratings(0, 0, 3, 0).Ability(kPassing, 10).Ability(kTechnique, 7),
       kTypeMidfieldGeneral, 2.0f},
      {"midfield engine",
       Neutral().Ratings(0, 0, 3, 0).Ability(kPassing, 7).Ability(kDefensiveTackling, 7).Ability(kHeading, 7),
       kTypeMidfieldEngine, 1.5f},
      {"defensive rock after physical",
       Neutral().Ability(kDefensiveTackling, 7).Ability(kAcceleration, 7).Ability(kHeading, 7)
           .Character(kAttitude, 7),
       kTypeDefensiveRock, 1.0f},
  };
  for (const TypeCase& c : cases) {
    const PlayerTypeResult r = PlayerType(c.person.Get());
    EXPECT_EQ(r.code, c.code) << c.what;
    EXPECT_FLOAT_EQ(r.bonus, c.bonus) << c.what;
  }
}

TEST(PlayerType, AgeIsTakenOnTheGivenDay) {
  const CPlayer p = Neutral().Born(1985, 1, 1).Ability(kPace, 7).Ability(kOffensiveDuels, 7)
                        .Ability(kTechnique, 7).Build();
  EXPECT_EQ(PlayerType(p, DATE::FromCivil(2004, 12, 31)).code, kTypeYoungTalent);
  EXPECT_EQ(PlayerType(p, DATE::FromCivil(2005, 1, 1)).code, kTypePlaymaker);
}

}  // namespace
}  // namespace torvale
