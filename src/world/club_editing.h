#pragma once
// The ranges and conversions the club editor applies to a club's numbers: the founding year the
// game accepts, the starting assets on the editor's 100000 grid, the facility level names, the
// title lists of years and the bounds of the free numbers. Screens show and enter values only
// through these, so a rule is stated once and tested here.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "world/club.h"

namespace torvale {

// ---- founding year ("Gründungsjahr") ----
constexpr int kFoundingYearMin = 1800;
constexpr int kFoundingYearMax = 2003;
// A year outside the range becomes its nearest end.
int CorrectFoundingYear(int year);

// ---- starting assets ("Anfangsvermögen") ----
// The editor sets the assets in steps of 100000 from -20 million (position 0) to 50 million
// (position 700); position 200 is no money at all.
constexpr int kAssetsPositionMax = 700;
constexpr int kAssetsZeroPosition = 200;
constexpr int32_t kAssetsStep = 100000;
int32_t StartingAssetsAt(int position);
// The position nearest to an amount, clamped to the grid (files may hold any amount).
int StartingAssetsPosition(int32_t amount);

// ---- small ranges ----
constexpr int kClubPrestigeMax = 20;
constexpr int kPointsDeductions[] = {0, 3, 6};  // "Punktabzug bei Spielstart"
// The spectator questions take at most six digits.
constexpr int kSpectatorDigits = 6;
constexpr int32_t kSpectatorsMax = 999999;

// ---- facility levels ----
// The level names of a facility, level 0 first (Windows-1252).
std::vector<std::string> ClubFacilityLevelNames(ClubFacility facility);

// ---- title lists ("1950,1951") ----
constexpr int kTitleYearMin = 1800;
constexpr int kTitleYearMax = 2099;

struct TitleListParse {
  bool ok = true;
  std::vector<int> years;
  std::string normalised;  // "1950,1951": the years joined by commas, no blanks
  std::string badPart;     // the first entry that is not a year of the range
};

// Reads a list of years separated by commas (blanks around them are allowed, an empty list is
// fine). A part that is not a four-digit year of the range makes the list malformed.
TitleListParse ParseTitleList(std::string_view text);

}  // namespace torvale
