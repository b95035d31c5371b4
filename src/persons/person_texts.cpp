#include "persons/person_texts.h"

#include <array>
#include <cstdio>

#include "world/player.h"

namespace torvale {

namespace {

constexpr std::array<std::string_view, kPositionCount> kPositionShortTexts = {
    "TO", "TO", "RV", "LV", "IV", "LI", "ROV", "LOV", "LVA", "DM",
    "RM", "LM", "ZM", "RA", "LA", "OM", "HS", "ST"};

// Officials have no short forms of their own in the game's tables; these follow the position
// texts' style (upper case, at most three letters) so the column stays narrow.
constexpr std::array<std::string_view, kRoleCount> kRoleShortTexts = {
    "",    "TR",  "MA",  "PR",  "CO",  "TWT", "AT",  "JT",  "CS",  "2S", "TS",
    "DR",  "SKN", "SKO", "SMU", "MAS", "PSY", "GF",  "MKT", "SM",  "FB"};

constexpr int kOfficialKeyBase = 1000;

}  // namespace

std::string_view PositionShortText(int position) {
  if (position < 0 || position >= kPositionCount) return {};
  return kPositionShortTexts[static_cast<size_t>(position)];
}

std::string_view RoleShortText(int role) {
  if (role <= 0 || role >= kRoleCount) return {};
  return kRoleShortTexts[static_cast<size_t>(role)];
}

std::string_view PositionOrRoleText(const CPlayer& person) {
  return person.role == kRolePlayer ? PositionShortText(person.mainPosition) : RoleShortText(person.role);
}

int PositionOrRoleKey(const CPlayer& person) {
  return person.role == kRolePlayer ? person.mainPosition : kOfficialKeyBase + person.role;
}

std::string BirthDateText(DATE date) {
  if (date.IsNone()) return {};
  const CivilDate civil = date.Civil();
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", civil.day, civil.month, civil.year);
  return text;
}

}  // namespace torvale
