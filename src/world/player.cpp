#include "world/player.h"

#include <algorithm>
#include <string>
#include <iterator>

#include "world/fixed_text.h"
#include "world/person_names.h"
#include "world/person_table.h"

namespace torvale {

void CPlayer::InitDefaults(int8_t newRole, uint8_t newNationality) {
  // The id is the person's key in its table and stays.
  const uint32_t keptId = id;
  static_cast<PlayerFields&>(*this) = PlayerFields{};
  id = keptId;
  role = newRole;
  nationality = newNationality;

  const std::string count = std::to_string(world_ ? static_cast<int>(world_->Count()) : 0);
  SetFixedText(firstName, "Vorname " + count);
  SetFixedText(surname, "Nachname " + count);
  if (world_) languages[0] = world_->Countries().FirstLanguage(nationality);
}

std::string CPlayer::ShortName() const {
  return ShortDisplayName(FixedText(firstName), FixedText(surname));
}

int CPlayer::SpecialCount() const {
  int count = 0;
  for (uint8_t a : abilities)
    if (a > 1 || a == 0) ++count;
  for (uint8_t c : character)
    if (c != kCharacterNormal) ++count;
  return count;
}

namespace {
constexpr float kLeagueFactor[] = {-1.0f, -0.5f, 0.0f, 0.5f, 1.0f, 1.5f, 2.0f};
constexpr float kInternationalFactor[] = {-0.5f, 0.0f, 0.5f, 1.0f, 1.5f};
}  // namespace

float LeagueExperienceFactor(uint8_t experience) {
  return kLeagueFactor[std::min<size_t>(experience, std::size(kLeagueFactor) - 1)];
}

float InternationalExperienceFactor(uint8_t experience) {
  return kInternationalFactor[std::min<size_t>(experience, std::size(kInternationalFactor) - 1)];
}

float CPlayer::ExperienceBonus(int area, bool international) const {
  const float factor = international ? InternationalExperienceFactor(internationalExperience)
                                     : LeagueExperienceFactor(leagueExperience);
  const uint8_t best = BestRating();
  if (best == 0) return factor;
  return static_cast<float>(Rating(area)) * factor / static_cast<float>(best);
}

uint8_t CPlayer::Rating(int area) const {
  if (area < 0 || area >= kAreaCount) return 0;
  return std::min(ratings[static_cast<size_t>(area)], kMaxRating);
}

uint8_t CPlayer::BestRating() const {
  uint8_t best = 0;
  for (int area = 0; area < kAreaCount; ++area) best = std::max(best, Rating(area));
  return best;
}

uint8_t CPlayer::ClampedHeight() const { return std::clamp<uint8_t>(height, 150, 220); }
uint8_t CPlayer::ClampedWeight() const { return std::clamp<uint8_t>(weight, 50, 150); }

void CPlayer::SetSeasonSpecial(uint8_t special) {
  nationalTeamStatus = static_cast<uint8_t>(
      (nationalTeamStatus & ~(kSeasonSpecialMask << kSeasonSpecialShift)) |
      ((special & kSeasonSpecialMask) << kSeasonSpecialShift));
}

bool CPlayer::SetCharacter(int trait, uint8_t value) {
  if (trait < 0 || trait >= kCharacterCount) return false;
  const auto index = static_cast<size_t>(trait);
  if (value != kCharacterNormal && character[index] == kCharacterNormal) {
    const auto unusual = std::count_if(character.begin(), character.end(),
                                       [](uint8_t c) { return c != kCharacterNormal; });
    if (unusual >= kMaxUnusualCharacterTraits) return false;
  }
  character[index] = value;
  return true;
}

}  // namespace torvale
