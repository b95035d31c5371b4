#pragma once
// Worlds for master-build tests: the countries of a CountryTestWorld, a name pool, a database
// folder with the three name files, and the MasterBuildWorld view the build takes.

#include <memory>
#include <string>

#include "exchange/name_pool.h"
#include "master/master_build.h"
#include "master/master_writer.h"
#include "master/rules_master.h"
#include "support/scratch_dir.h"
#include "world/global_rules.h"
#include "world/country_test_world.h"

namespace torvale::testing {

class MasterTestWorld final : public MasterBuildWorld, public ClubIdMapper, public StadiumReferenceLookup {
 public:
  MasterTestWorld() {
    folder = scratch.MakeDir("database");
    scratch.MakeFile("database/MaleNames.txt", "%14\r\nHans\r\nJuergen\r\n%15\r\nPiet\r\n");
    scratch.MakeFile("database/FemaleNames.txt", "Anna\r\n");
    scratch.MakeFile("database/Surnames.txt", "%14\r\nMueller\r\n");
  }

  // A playable country (20 clubs in two leagues of 10, three national cups).
  CCountry& AddPlayable(int id, const std::string& name) {
    CCountry& country = world.AddCountry(id, name, name.substr(0, 3));
    country.languages[0] = static_cast<uint8_t>(id % 60);
    world.people.SetFirstLanguage(static_cast<uint8_t>(id), country.languages[0]);
    BuildPlayableLeagues(world, country);
    return country;
  }
  // A country with clubs but no leagues: never offered.
  CCountry& AddIncomplete(int id, const std::string& name, int clubs) {
    CCountry& country = world.AddCountry(id, name, name.substr(0, 3));
    for (int n = 1; n <= clubs; ++n)
      country.AddClub(std::make_unique<CClub>(ClubBuilder(static_cast<uint8_t>(id), static_cast<uint16_t>(n)).Get()),
                      static_cast<uint16_t>(n));
    return country;
  }

  // MasterBuildWorld
  const CCountry* Country(int number) const override { return world.FindCountry(number); }
  const CPersonTable* Persons() const override { return &world.people.Persons(); }
  CNamePool& NamePool() override { return pool; }
  void SetLanguage(int language) override { this->language = language; }
  const ClubIdMapper& ClubIds() const override { return *this; }
  const CountryLanguageLookup& CountryLanguages() const override { return world.people; }
  void WriteRulesMaster(CMasterWriter& writer, uint32_t flags) const override {
    torvale::WriteRulesMaster(writer, MakeMasterRules(rules, flags, *this, *this));
  }
  std::string DatabasePath() const override { return folder; }

  // ClubIdMapper: each reference renumbered by the country it names.
  uint32_t SavedClubId(uint32_t clubId) const override {
    const CCountry* country = world.FindCountry(ClubCountry(clubId));
    return country ? country->SavedClubId(clubId) : 0;
  }

  // StadiumReferenceLookup
  int StadiumCount(int country) const override {
    const CCountry* c = world.FindCountry(country);
    return c ? static_cast<int>(c->Stadiums().size()) : 0;
  }
  int32_t SavedStadiumPosition(int country, int32_t number) const override {
    const CCountry* c = world.FindCountry(country);
    return c && c->FindStadium(number) ? c->SavedStadiumPosition(number) : 0;
  }

  // Builds with a silent progress and no prompts; the logs go to the scratch folder.
  MasterBuildResult Build(uint32_t flags, int buildLanguage = 0, bool batch = true, std::string* path = nullptr) {
    SilentProgress progress;
    BatchPrompts prompts;
    MasterBuildOptions options;
    options.language = buildLanguage;
    options.batch = batch;
    options.flags = flags;
    options.logFolder = scratch.path();
    return BuildMaster(*this, options, MasterBuildTables{}, progress, prompts, path);
  }

  test::ScratchDir scratch;
  std::string folder;
  mutable CountryTestWorld world;  // its person table has no const access
  CNamePool pool{7, 9};
  CGlobalRules rules;
  int language = -1;
};

}  // namespace torvale::testing
