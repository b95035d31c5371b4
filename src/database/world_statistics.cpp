#include "database/world_statistics.h"

#include <algorithm>
#include <map>

#include "competition/league.h"
#include "competition/league_system.h"
#include "database/world_database.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"

namespace torvale {

namespace {

using NameLess = std::function<bool(std::string_view, std::string_view)>;

bool Less(const NameLess& nameLess, std::string_view a, std::string_view b) { return nameLess ? nameLess(a, b) : a < b; }

// The first team's league of every club listed in one of the country's leagues, with the
// league's position in level order.
struct LeagueOfClub {
  std::string name;
  int rank = 0;
};

std::map<uint32_t, LeagueOfClub> LeaguesOfClubs(const CCountry& country) {
  std::map<uint32_t, LeagueOfClub> result;
  if (!country.HasCompetitions()) return result;
  int rank = 0;
  for (const CDBLeague* league : LeaguesInLevelOrder(country)) {
    ++rank;
    for (int i = 0; i < league->TeamCount(); ++i) {
      const uint32_t team = league->GetTeam(i);
      if ((team & CDBLeague::kReserveTeamBit) != 0) continue;  // the reserve team's league is not the club's
      result.try_emplace(team, LeagueOfClub{league->Name(), rank});
    }
  }
  return result;
}

}  // namespace

double CountryStatistics::AveragePlayerStrength() const { return persons > 0 ? strengthSum / persons : 0.0; }

double CountryStatistics::AverageClubStrength() const {
  return clubsWithFirstTeam > 0 ? clubStrengthSum / clubsWithFirstTeam : 0.0;
}

CountryStatistics& CountryStatistics::operator+=(const CountryStatistics& other) {
  leagues += other.leagues;
  clubs += other.clubs;
  persons += other.persons;
  strengthSum += other.strengthSum;
  clubStrengthSum += other.clubStrengthSum;
  clubsWithFirstTeam += other.clubsWithFirstTeam;
  for (int t = 0; t < kShownTalentLevels; ++t) talents[static_cast<size_t>(t)] += other.talents[static_cast<size_t>(t)];
  return *this;
}

CountryStatistics CountCountry(const CCountry& country) {
  CountryStatistics s;
  s.leagues = country.LeagueCount();
  s.clubs = country.RegularClubCount();
  for (const auto& [id, club] : country.Clubs()) {
    for (uint32_t playerId : club->PlayerIds()) {
      const CPlayer* person = club->FindPlayer(playerId);
      if (!person) continue;
      ++s.persons;
      s.strengthSum += person->Strength();
      if (person->talent < kShownTalentLevels) ++s.talents[person->talent];
    }
    if (club->Number() != kAmateurClubNumber && club->CountPlayers(kFirstTeam) > 0) {
      s.clubStrengthSum += club->AverageStrength(kFirstTeam);
      ++s.clubsWithFirstTeam;
    }
  }
  return s;
}

CountryStatistics CountWorld(const CWorldDatabase& world) {
  CountryStatistics total;
  for (int n = kFirstCountry; n <= kLastCountry; ++n)
    if (const CCountry* country = world.Country(n)) total += CountCountry(*country);
  return total;
}

std::vector<int> CountriesOfContinent(const CWorldDatabase& world, int continent, int language,
                                      const NameLess& nameLess) {
  std::vector<int> numbers;
  for (int n = kFirstCountry; n <= kLastCountry; ++n)
    if (const CCountry* country = world.Country(n); country && static_cast<int>(country->continent) == continent)
      numbers.push_back(n);
  std::stable_sort(numbers.begin(), numbers.end(), [&](int a, int b) {
    return Less(nameLess, world.Country(a)->Name(language), world.Country(b)->Name(language));
  });
  return numbers;
}

bool ClubListHasRoom(const CCountry& country) {
  constexpr size_t kClubListLimit = 511;
  return country.Clubs().size() < kClubListLimit;
}

std::vector<ClubListRow> ClubListRows(const CCountry& country, int language) {
  const std::map<uint32_t, LeagueOfClub> leagues = LeaguesOfClubs(country);
  std::vector<ClubListRow> rows;
  rows.reserve(country.Clubs().size());
  for (const auto& [id, club] : country.Clubs()) {
    ClubListRow row;
    row.clubId = club->clubId;
    row.name = std::string(club->Name(language));
    if (auto it = leagues.find(club->clubId); it != leagues.end()) {
      row.league = it->second.name;
      row.leagueRank = it->second.rank;
    }
    row.strength = club->CountPlayers(kFirstTeam) > 0 ? club->AverageStrength(kFirstTeam) : 0.0f;
    rows.push_back(std::move(row));
  }
  return rows;
}

void SortClubList(std::vector<ClubListRow>& rows, ClubOrder order, const NameLess& nameLess) {
  auto byName = [&](const ClubListRow& a, const ClubListRow& b) {
    if (Less(nameLess, a.name, b.name)) return true;
    if (Less(nameLess, b.name, a.name)) return false;
    return a.clubId < b.clubId;
  };
  // Clubs outside every league (and the amateur club) go after the league clubs.
  auto leagueKey = [](const ClubListRow& r) { return r.leagueRank == 0 ? 1 << 30 : r.leagueRank; };
  switch (order) {
    case ClubOrder::kName: std::sort(rows.begin(), rows.end(), byName); break;
    case ClubOrder::kLeague:
      std::sort(rows.begin(), rows.end(), [&](const ClubListRow& a, const ClubListRow& b) {
        if (leagueKey(a) != leagueKey(b)) return leagueKey(a) < leagueKey(b);
        return byName(a, b);
      });
      break;
    case ClubOrder::kStrength:
      std::sort(rows.begin(), rows.end(), [&](const ClubListRow& a, const ClubListRow& b) {
        if (a.strength != b.strength) return a.strength > b.strength;
        return byName(a, b);
      });
      break;
  }
}

}  // namespace torvale

namespace torvale {

const CountryStatistics& WorldStatisticsCache::Country(int number) {
  // Slot 0 is never counted: it stands for "no country".
  if (number < kFirstCountry || number > kLastCountry) return countries_[0];
  const auto slot = static_cast<size_t>(number);
  if (!valid_[slot]) {
    const CCountry* country = world_.Country(number);
    countries_[slot] = country ? CountCountry(*country) : CountryStatistics{};
    valid_[slot] = true;
  }
  return countries_[slot];
}

const CountryStatistics& WorldStatisticsCache::Total() {
  if (!totalValid_) {
    total_ = CountryStatistics{};
    for (int n = kFirstCountry; n <= kLastCountry; ++n) total_ += Country(n);
    totalValid_ = true;
  }
  return total_;
}

void WorldStatisticsCache::Invalidate(int number) {
  if (number < kFirstCountry || number > kLastCountry) return;
  valid_[static_cast<size_t>(number)] = false;
  totalValid_ = false;
}

void WorldStatisticsCache::InvalidateAll() {
  valid_.fill(false);
  totalValid_ = false;
}

}  // namespace torvale
