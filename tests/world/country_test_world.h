#pragma once
// Countries in a world built for tests: the person table, a competition registry, a cup
// allocation table and the directory that lets countries find each other.

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "competition/competition_registry.h"
#include "competition/cup_allocation.h"
#include "competition/cup_national.h"
#include "storage/record_stream.h"
#include "support/test_database.h"
#include "support/test_world.h"
#include "world/country.h"

namespace torvale::testing {

// Allocations 1-20; entry n has (n % 4) + 1 rounds, odd entries play their second round over
// two legs.
inline std::string CupAllocationText() {
  std::string text = "20\r\n";
  for (int n = 1; n <= 20; ++n) {
    const int rounds = n % 4 + 1;
    text += "%INDEX%CUP" + std::to_string(n) + "\r\n" + std::to_string(rounds) + "\r\n";
    for (int r = 0; r < rounds; ++r) {
      const std::string flags = (r == 1 && n % 2 == 1) ? "BEG_2ND_LEG" : "BEG_WITH_PENALTY";
      text += "{ 0, " + std::to_string(r == 0 ? rounds : 0) + ", 0, 0, 0, 0, ROUND_" + std::to_string(r + 1) +
              ", " + flags + " }\r\n";
    }
    text += "0\r\n%INDEXEND%CUP" + std::to_string(n) + "\r\n";
  }
  return text;
}

inline uint32_t Club(int country, int number) {
  return MakeClubId(static_cast<uint32_t>(country), static_cast<uint32_t>(number));
}

class CountryTestWorld final : public CountryDirectory {
 public:
  CountryTestWorld() {
    CKLFile file;
    file.OpenReadFromMemory(CupAllocationText());
    allocations.LoadCupAllocations(file);
    registry.SetCupAllocations(&allocations);
  }

  // A country as the world creates it from its index: names, a root and the amateur club.
  CCountry& AddCountry(int id, std::string_view name, std::string_view shortName) {
    auto country = std::make_unique<CCountry>(static_cast<uint32_t>(id));
    country->SetContext(Context());
    for (int language = 0; language < kCountryLanguages; ++language) {
      country->SetName(language, std::string(name) + (language == 0 ? "" : "-" + std::to_string(language)));
      country->SetShortName(language, shortName);
    }
    EnsureCountryRoot(registry, id);
    country->CreateAmateurClub();
    CCountry& filed = *country;
    countries[id] = std::move(country);
    return filed;
  }

  const CCountry* FindCountry(int id) const override {
    auto it = countries.find(id);
    return it == countries.end() ? nullptr : it->second.get();
  }

  CountryContext Context() {
    CountryContext context;
    context.competitions = &registry;
    context.persons = &people.Persons();
    context.cupAllocations = &allocations;
    context.countries = this;
    context.sibling = &people.SiblingLists();
    context.random = &people.Random();
    return context;
  }

  TestWorld people;
  CupAllocationTable allocations;
  CompetitionRegistry registry;
  std::map<int, std::unique_ptr<CCountry>> countries;
};

inline std::string WriteCountryText(const CCountry& country) {
  CKLFile file;
  file.OpenWriteToMemory();
  country.WriteCountry(file);
  return file.TakeWritten();
}

inline bool ReadCountryText(CCountry& country, const std::string& text) {
  CKLFile file;
  file.OpenReadFromMemory(text);
  return country.ReadCountry(file);
}

// A playable country: 20 clubs with two persons each in two leagues of 10 with an English
// play-off below the first, the three national cups and every calendar day placed.
inline void BuildPlayableLeagues(CountryTestWorld& world, CCountry& country) {
  const int id = country.CountryNumber();
  for (int n = 1; n <= 20; ++n) {
    auto club = std::make_unique<CClub>(ClubBuilder(static_cast<uint8_t>(id), static_cast<uint16_t>(n)).Get());
    CClub* filed = country.AddClub(std::move(club), static_cast<uint16_t>(n));
    filed->SetName(0, "Verein " + std::to_string(n));
    filed->AddPlayer(world.people.AddPerson(PersonBuilder().Named("Spieler", "Nr" + std::to_string(n))).id);
    filed->AddPlayer(world.people.AddPerson(PersonBuilder().Named("Trainer", "Nr" + std::to_string(n)).Role(kRoleCoach)).id);
  }
  BuildPlayableLeagues(country);
}

}  // namespace torvale::testing
