// bench-master [countries clubs persons [runs]]: builds the master file of a world generated in
// code (default 206 countries x 48 clubs x 30 persons) and prints the seconds it takes next to
// the seconds of writing the same number of bytes to a file the way the build writes its file
// (a temporary file renamed into place, no sync), and their ratio. Both are the best of `runs`
// (default 5) and are measured twice: as process CPU time (user + system, what the code costs
// on a machine shared with builds) and as wall time. The checksum of the built file lets two
// versions of the build be compared for identical output.

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_timing.h"
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


uint64_t Fnv1a(std::string_view bytes) {
  uint64_t hash = 1469598103934665603ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

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

  const int runs = std::max(1, argc > 4 ? std::atoi(argv[4]) : 5);
  SilentProgress progress;
  BatchPrompts prompts;
  MasterBuildOptions options;
  options.logFolder = folder.string();
  std::string path;
  Timing build;
  const bool built = Best(runs, build, [&] {
    return BuildMaster(world, options, {}, progress, prompts, &path) == MasterBuildResult::kWritten;
  });
  std::string data;
  if (!built || !ReadWholeFile(path, data)) {
    std::fprintf(stderr, "the build wrote no file\n");
    std::filesystem::remove_all(folder);
    return 1;
  }

  // The reference: the same number of bytes written the same way (a temporary file renamed
  // over the file of the previous run, as repeated builds replace the master file).
  const std::string buffer(data.size(), 'Z');
  Timing write;
  Best(runs, write, [&] { return WriteWholeFile((folder / "reference.dat").string(), buffer); });
  std::printf("master build: %.3f s CPU, %.3f s wall for %zu bytes (best of %d)\n", build.cpu, build.wall,
              data.size(), runs);
  std::printf("plain write:  %.3f s CPU, %.3f s wall for the same bytes\n", write.cpu, write.wall);
  std::printf("checksum: %016llx\n", static_cast<unsigned long long>(Fnv1a(data)));
  std::printf("ratio: %.1fx CPU, %.1fx wall\n", build.cpu / std::max(write.cpu, 1e-9),
              build.wall / std::max(write.wall, 1e-9));
  std::filesystem::remove_all(folder);
  return 0;
}
