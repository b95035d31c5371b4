#pragma once
// What the main window shows of a world: the statistics block (leagues, clubs, persons,
// average strengths, talent counts) for one country and for all countries 1-206, the
// countries of a continent, and the club list with its three orders.
//
// Figures are sums, so the total is the sum of the countries' figures and a caller can keep
// each country's figures until that country changes; computing the total afresh walks every
// person of the world.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace torvale {

class CCountry;
class CWorldDatabase;

constexpr int kContinentCount = 6;      // Europa, Südamerika, Nordamerika, Afrika, Asien, Ozeanien
constexpr int kShownTalentLevels = 5;   // talents 0 (normal) to 4 (gigantic)
constexpr size_t kCountrySlotCount = 207;  // slot 0 unused, countries 1-206

struct CountryStatistics {
  int leagues = 0;
  int clubs = 0;     // clubs besides the amateur club
  int persons = 0;   // every person under contract at one of the country's clubs
  double strengthSum = 0;           // of those persons' strengths
  double clubStrengthSum = 0;       // of the clubs' first-team average strengths
  int clubsWithFirstTeam = 0;       // clubs that have first-team players
  std::array<int, kShownTalentLevels> talents{};

  // Sum of the persons' strengths over their number; 0 without persons.
  double AveragePlayerStrength() const;
  // Mean of the first-team averages of the clubs that field a first team; 0 without.
  double AverageClubStrength() const;
  CountryStatistics& operator+=(const CountryStatistics& other);
  friend bool operator==(const CountryStatistics&, const CountryStatistics&) = default;
};

CountryStatistics CountCountry(const CCountry& country);
// All countries 1-206 of the world.
CountryStatistics CountWorld(const CWorldDatabase& world);

// The countries of continent 0-5, by name in `language` (ties by number). A country's
// continent comes from the country index.
std::vector<int> CountriesOfContinent(const CWorldDatabase& world, int continent, int language,
                                      const std::function<bool(std::string_view, std::string_view)>& nameLess = {});

enum class ClubOrder { kName, kLeague, kStrength };

struct ClubListRow {
  uint32_t clubId = 0;
  std::string name;         // in the list's language, Windows-1252
  std::string league;       // name of the league the first team plays in; empty for none
  int leagueRank = 0;       // position of that league, level by level; leagues come first
  float strength = 0;       // first-team average strength
};

// The clubs of the country (the amateur club last), unsorted.
std::vector<ClubListRow> ClubListRows(const CCountry& country, int language);
// "Neuer Verein" is offered while the country's club list (amateur club included) holds fewer
// than 511 entries.
bool ClubListHasRoom(const CCountry& country);
// Sorts: by name; by league (level order, then name); by strength (strongest first, then name).
// `nameLess` compares names (the user's collation); plain byte order when empty.
void SortClubList(std::vector<ClubListRow>& rows, ClubOrder order,
                  const std::function<bool(std::string_view, std::string_view)>& nameLess = {});

}  // namespace torvale

namespace torvale {

// Each country's statistics of one world, counted when first asked for and kept until the
// country changes, so that switching countries and refreshing do not walk every person again.
class WorldStatisticsCache {
 public:
  explicit WorldStatisticsCache(const CWorldDatabase& world) : world_(world) {}

  const CountryStatistics& Country(int number);
  // The sum over countries 1-206.
  const CountryStatistics& Total();
  void Invalidate(int number);
  void InvalidateAll();

 private:
  const CWorldDatabase& world_;
  std::array<CountryStatistics, kCountrySlotCount> countries_{};
  std::array<bool, kCountrySlotCount> valid_{};
  CountryStatistics total_;
  bool totalValid_ = false;
};

}  // namespace torvale
