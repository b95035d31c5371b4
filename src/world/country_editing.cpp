#include "world/country_editing.h"

#include <algorithm>

#include "competition/league.h"
#include "competition/league_system.h"
#include "world/country.h"

namespace torvale {

namespace {
constexpr int kPoolPlayersPerClub = 25;
}  // namespace

int32_t DaysInMonth(int32_t year, int32_t month) {
  if (month < 1 || month > 12) return 31;
  // The day before the first of the next month, by the same civil rule the dates use.
  const int32_t nextYear = month == 12 ? year + 1 : year;
  const int32_t nextMonth = month == 12 ? 1 : month + 1;
  return CivilFromJdn(JdnFromCivil(nextYear, nextMonth, 1) - 1).day;
}

bool ReservesAllowedOnLevel(const CCountry& country, int level) { return level >= country.reserveLevel; }

void SetReservesAllowedOnLevel(CCountry& country, int level, bool allowed) {
  if (level < 0 || level >= kCountryLevels || ReservesAllowedOnLevel(country, level) == allowed) return;
  country.reserveLevel = static_cast<int8_t>(allowed ? level : level + 1);
}

std::vector<const CDBLeague*> LeaguesDroppedWithTeams(const CCountry& country,
                                                      const std::array<int, 5>& leaguesPerLevel) {
  std::vector<const CDBLeague*> dropped;
  if (!country.HasCompetitions()) return dropped;
  for (int level = 0; level < kCountryLevels; ++level) {
    const std::vector<CDBLeague*> leagues = LeaguesOfLevel(country, level);
    for (size_t i = static_cast<size_t>(std::max(0, leaguesPerLevel[static_cast<size_t>(level)])); i < leagues.size(); ++i)
      if (leagues[i]->TeamCount() > 0) dropped.push_back(leagues[i]);
  }
  return dropped;
}

int PlayerPoolLimit(const CCountry& country) {
  const int clubs = country.HasCompetitions() ? country.ClubsInLeagueSystem() : 0;
  return std::max(clubs * kPoolPlayersPerClub, country.PlayerPoolSize());
}

int AddPlayerPoolEntry(CCountry& country, const CPlayerPoolEntry& entry) {
  if (!entry.InUse()) return 0;
  std::vector<CPlayerPoolEntry>& pool = country.PlayerPool();
  for (size_t i = 0; i < pool.size(); ++i) {
    if (!pool[i].InUse()) {
      pool[i] = entry;
      return static_cast<int>(i) + 1;
    }
  }
  if (country.PlayerPoolSize() >= PlayerPoolLimit(country)) return 0;
  pool.push_back(entry);
  return country.PlayerPoolSize();
}

void ClearPlayerPoolEntry(CCountry& country, int index) {
  if (index < 0 || index >= country.PlayerPoolSize()) return;
  CPlayerPoolEntry& entry = country.PlayerPool()[static_cast<size_t>(index)];
  entry = CPlayerPoolEntry{};
  entry.nationality = static_cast<uint8_t>(country.CountryNumber());
}

}  // namespace torvale
