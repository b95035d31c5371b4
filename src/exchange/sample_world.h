#pragma once
// A football world as the sample-installation generator builds it and as its tests read it
// back: the 206 countries named from the country index, the person table, the competition
// registry, the global rules and the players without club, saved with the records' own
// writers into a database folder ("Country%d.sav", "Rules.sav", "Without.sav").

#include <array>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "competition/competition_registry.h"
#include "world/club_id_mapper.h"
#include "world/country.h"
#include "world/global_rules.h"
#include "world/person_table.h"
#include "world/players_without_club.h"
#include "world/sibling_lookup.h"

namespace torvale {

class CupAllocationTable;

constexpr int kSampleFirstCountry = 1;
constexpr int kSampleLastCountry = 206;

class SampleWorld final : public CountryDirectory,
                          public CountryLanguageLookup,
                          public ClubIdMapper,
                          public StadiumReferenceLookup {
 public:
  // The cups of the world follow `allocations`, which must outlive the world.
  explicit SampleWorld(const CupAllocationTable& allocations);
  SampleWorld(const SampleWorld&) = delete;
  SampleWorld& operator=(const SampleWorld&) = delete;
  ~SampleWorld() override;

  // Countries 1-206 with names, short names, continent and languages from the country index
  // (6 lines per country), each with its amateur club and competition root. False when the
  // index cannot be read; the countries then exist without names.
  bool CreateCountries(std::string_view countryIndexPath);

  // Writes every file into `folder` (which must exist); true when every file was written.
  bool Save(std::string_view folder) const;
  // Reads the files of `folder` into the countries made by CreateCountries; a missing
  // country file leaves its country as it is. False when "Rules.sav" or "Without.sav" is
  // missing.
  bool Load(std::string_view folder);

  CCountry& Country(int number) { return *countries_.at(static_cast<size_t>(number)); }
  const CCountry& Country(int number) const { return *countries_.at(static_cast<size_t>(number)); }
  CPersonTable& Persons() { return persons_; }
  const CPersonTable& Persons() const { return persons_; }
  CompetitionRegistry& Competitions() { return competitions_; }
  const CompetitionRegistry& Competitions() const { return competitions_; }
  CGlobalRules& Rules() { return rules_; }
  const CGlobalRules& Rules() const { return rules_; }
  CPlayersWithoutClub& WithoutClub() { return withoutClub_; }
  const CPlayersWithoutClub& WithoutClub() const { return withoutClub_; }

  // Same countries, rules and players without club (persons compared by their data).
  bool SameData(const SampleWorld& other) const;

  // CountryDirectory
  const CCountry* FindCountry(int countryId) const override;
  // CountryLanguageLookup
  uint8_t FirstLanguage(uint8_t countryId) const override;
  // ClubIdMapper: a club reference is renumbered by the country it names.
  uint32_t SavedClubId(uint32_t clubId) const override;
  // StadiumReferenceLookup
  int StadiumCount(int country) const override;
  int32_t SavedStadiumPosition(int country, int32_t number) const override;

 private:
  CountryContext MakeCountryContext();
  PlayerReadContext MakePlayerReadContext();

  const CupAllocationTable* allocations_;
  NoSiblingGameLists noSibling_;
  std::minstd_rand random_{20040701};
  CPersonTable persons_{*this};
  CompetitionRegistry competitions_;
  std::array<std::unique_ptr<CCountry>, kSampleLastCountry + 1> countries_;
  CGlobalRules rules_;
  CPlayersWithoutClub withoutClub_{persons_};
};

}  // namespace torvale
