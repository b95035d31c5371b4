// bench-master [countries clubs persons]: builds the master file of a world generated in code
// (default 206 countries x 48 clubs x 30 persons) and prints the seconds it takes next to the
// seconds of writing the same number of bytes to a file, and their ratio.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "competition/competition_registry.h"
#include "competition/cup_national.h"
#include "competition/fixture_templates.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "exchange/name_pool.h"
#include "master/master_build.h"
#include "master/rules_master.h"
#include "platform/atomic_file.h"
#include "platform/path.h"
#include "world/country.h"
#include "world/fixed_text.h"
#include "world/global_rules.h"
#include "world/person_table.h"

namespace torvale {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// A world generated in code: every country with three leagues of 16, its clubs and persons.
class BenchWorld final : public MasterBuildWorld,
                         public CountryDirectory,
                         public CountryLanguageLookup,
                         public ClubIdMapper,
                         public StadiumReferenceLookup {
 public:
  BenchWorld(int countries, int clubs, int persons, std::string folder) : folder_(std::move(folder)) {
    for (int id = 1; id <= countries; ++id) AddCountry(id, clubs, persons);
  }

  const CCountry* Country(int number) const override { return FindCountry(number); }
  const CPersonTable* Persons() const override { return &persons_; }
  CNamePool& NamePool() override { return pool_; }
  void SetLanguage(int) override {}
  const ClubIdMapper& ClubIds() const override { return *this; }
  const CountryLanguageLookup& CountryLanguages() const override { return *this; }
  void WriteRulesMaster(CMasterWriter& writer, uint32_t flags) const override {
    torvale::WriteRulesMaster(writer, MakeMasterRules(rules_, flags, *this, *this));
  }
  std::string DatabasePath() const override { return folder_; }

  const CCountry* FindCountry(int id) const override {
    auto it = countries_.find(id);
    return it == countries_.end() ? nullptr : it->second.get();
  }
  uint8_t FirstLanguage(uint8_t id) const override {
    const CCountry* country = FindCountry(id);
    return country ? country->languages[0] : 0;
  }
  uint32_t SavedClubId(uint32_t clubId) const override {
    const CCountry* country = FindCountry(ClubCountry(clubId));
    return country ? country->SavedClubId(clubId) : 0;
  }
  int StadiumCount(int id) const override {
    const CCountry* country = FindCountry(id);
    return country ? static_cast<int>(country->Stadiums().size()) : 0;
  }
  int32_t SavedStadiumPosition(int id, int32_t number) const override {
    const CCountry* country = FindCountry(id);
    return country ? country->SavedStadiumPosition(number) : 0;
  }

 private:
  void AddCountry(int id, int clubs, int persons) {
    auto country = std::make_unique<CCountry>(static_cast<uint32_t>(id));
    CountryContext context;
    context.competitions = &registry_;
    context.persons = &persons_;
    context.countries = this;
    country->SetContext(context);
    for (int language = 0; language < kCountryLanguages; ++language) {
      country->SetName(language, "Land " + std::to_string(id));
      country->SetShortName(language, "L" + std::to_string(id % 100));
    }
    country->languages[0] = static_cast<uint8_t>(id % 60 + 1);
    EnsureCountryRoot(registry_, id);
    country->CreateAmateurClub();
    for (int n = 1; n <= clubs; ++n) {
      CClub* club = country->AddClub(std::make_unique<CClub>(), static_cast<uint16_t>(n));
      club->SetName(0, "Verein " + std::to_string(id) + "-" + std::to_string(n));
      CStadium stadium;
      SetFixedText(stadium.name, "Stadion " + std::to_string(n));
      stadium.seats[0] = 10000 + n;
      club->homeStadium = country->AddStadium(stadium);
      for (int p = 0; p < persons; ++p) {
        CPlayer* person = persons_.CreatePlayer(0, true);
        person->nationality = static_cast<uint8_t>(id);
        person->role = static_cast<int8_t>(p < 25 ? kRolePlayer : (p - 25) % 3 + 1);  // coach, manager, president
        SetFixedText(person->firstName, "Vorname" + std::to_string(p));
        SetFixedText(person->surname, "Nachname" + std::to_string((id * 131 + n * 17 + p) % 5000));
        person->speechFile = "speech" + std::to_string(p) + ".wav";
        club->AddPlayer(person->id);
      }
    }
    const int leagues = clubs / 16;
    SetLeagueSystem(*country, LevelCounts{leagues > 0 ? 1 : 0, leagues > 1 ? 1 : 0, leagues > 2 ? 1 : 0, 0, 0},
                    LevelRules{0, 0, 0, 0, 0});
    for (int index = 0; index < std::min(leagues, 3); ++index) {
      auto* league = registry_.Find<CDBLeague>(LeagueId(id, index));
      if (!league) continue;
      league->SetNumberOfTeams(16);
      FillFromTemplate(league->Fixtures(), 16, league->Rounds());
      for (int t = 1; t <= 16; ++t) league->AddTeam(MakeClubId(static_cast<uint32_t>(id), static_cast<uint32_t>(index * 16 + t)));
      league->ClearDays();
      for (int m = 1; m <= league->MatchdayCount(); ++m) league->SetDayMatchday(10 + 7 * (m - 1) % 350, m);
    }
    countries_[id] = std::move(country);
  }

  std::string folder_;
  CompetitionRegistry registry_;
  CPersonTable persons_{*this};
  CNamePool pool_{0, 0};
  CGlobalRules rules_;
  std::map<int, std::unique_ptr<CCountry>> countries_;
};

}  // namespace
}  // namespace torvale

int main(int argc, char** argv) {
  using namespace torvale;
  const int countries = argc > 1 ? std::atoi(argv[1]) : 206;
  const int clubs = argc > 2 ? std::atoi(argv[2]) : 48;
  const int persons = argc > 3 ? std::atoi(argv[3]) : 30;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("bench-master-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);

  auto generated = Clock::now();
  BenchWorld world(countries, clubs, persons, folder.string());
  std::printf("world: %d countries x %d clubs x %d persons, generated in %.2f s\n", countries, clubs, persons,
              Seconds(generated));

  SilentProgress progress;
  BatchPrompts prompts;
  MasterBuildOptions options;
  options.logFolder = folder.string();
  std::string path;
  const auto built = Clock::now();
  const MasterBuildResult result = BuildMaster(world, options, {}, progress, prompts, &path);
  const double buildSeconds = Seconds(built);
  if (result != MasterBuildResult::kWritten) {
    std::fprintf(stderr, "the build wrote no file\n");
    std::filesystem::remove_all(folder);
    return 1;
  }
  const auto bytes = static_cast<size_t>(std::filesystem::file_size(path));

  // The reference: writing the same number of bytes the same way (a temporary file renamed
  // into place), best of three.
  std::vector<uint8_t> buffer(bytes, 0x5A);
  double writeSeconds = 1e9;
  for (int i = 0; i < 3; ++i) {
    const auto start = Clock::now();
    WriteWholeFile((folder / "reference.dat").string(),
                   std::string_view(reinterpret_cast<const char*>(buffer.data()), buffer.size()));
    writeSeconds = std::min(writeSeconds, Seconds(start));
  }
  std::printf("master build: %.3f s for %zu bytes\n", buildSeconds, bytes);
  std::printf("plain write:  %.3f s for the same bytes\n", writeSeconds);
  std::printf("ratio: %.1fx\n", buildSeconds / std::max(writeSeconds, 1e-9));
  std::filesystem::remove_all(folder);
  return 0;
}
