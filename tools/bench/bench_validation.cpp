// The world validation and the undo snapshots on a benchmark world (206 countries of about
// 48 clubs with 30 persons, the sample generator's --scale 1), against references measured
// in the same run:
//   - the full validation against loading the world it checks;
//   - capturing and restoring one country against writing that country's file text;
//   - the memory of 100 undo steps of club edits (a snapshot before and after each) against
//     the memory the loaded world takes; likewise 100 steps of a country's settings, and, for
//     comparison, club edits kept as whole-country snapshots.
//
//   bench-validation [install folder made by torvale-make-install --scale 1]
// Without a folder the world is generated into a temporary folder first.

#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "assets/badge_lookup.h"
#include "assets/big_archive.h"
#include "competition/cup_allocation.h"
#include "database/world_database.h"
#include "database/world_snapshot.h"
#include "exchange/sample_installation.h"
#include "master/world_validation.h"
#include "storage/record_stream.h"

namespace fs = std::filesystem;
using namespace torvale;

namespace {

// Process CPU time: on a machine shared with builds it is what the code costs.
double CpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

double Megabytes(size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

template <typename Fn>
double BestOf(int runs, Fn fn) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    const double start = CpuSeconds();
    fn();
    best = std::min(best, CpuSeconds() - start);
  }
  return best;
}

// The n-th regular club of country `number`.
CClub* NthClub(CWorldDatabase& world, int number, int n) {
  for (const auto& [id, club] : world.Country(number)->Clubs())
    if (club->Number() != kAmateurClubNumber && n-- == 0) return club.get();
  return nullptr;
}

// One club edit as the club editor commits it.
void EditClub(CClub& club, int step) {
  club.foundingYear = static_cast<uint16_t>(1900 + step);
  club.facilities[kMedia] = static_cast<uint8_t>(step % 5);
}

}  // namespace

int main(int argc, char** argv) {
  std::string install;
  std::string scratch;
  if (argc >= 2) {
    install = argv[1];
  } else {
    scratch = (fs::temp_directory_path() / ("bench-validation-" + std::to_string(::getpid()))).string();
    install = scratch + "/install";
    SampleInstallOptions options;
    options.sourceFolder = std::string(TORVALE_SOURCE_DIR) + "/data/install";
    options.outFolder = install;
    options.settingsFolder = scratch + "/xdg";
    options.world.scale = 1;
    std::printf("generating the benchmark world in %s ...\n", install.c_str());
    const SampleInstallResult made = MakeSampleInstallation(options);
    if (!made.ok) {
      std::fprintf(stderr, "%s\n", made.error.c_str());
      return EXIT_FAILURE;
    }
  }

  CupAllocationTable allocations;
  allocations.LoadCupAllocations(install + "/script");
  WorldEnvironment environment;
  environment.countryIndexPath = install + "/database/countries.sav";
  environment.scriptFolder = install + "/script";
  environment.cupAllocations = &allocations;
  CQZBig archive;
  archive.SetQuiet(true);
  archive.Open(install + "/badges.big", true);
  const BadgeRoots badges{install + "/badges", &archive};

  const size_t heapBefore = HeapInUse();
  auto world = std::make_unique<CWorldDatabase>(environment);
  double start = CpuSeconds();
  world->InitEmptyWorld();
  world->Load(install + "/database");
  const double loadSeconds = CpuSeconds() - start;
  const size_t worldBytes = HeapInUse() - heapBefore;
  std::printf("world: %zu persons, %.1f MB of heap, loaded in %.3f s CPU\n", world->Persons().Count(),
              Megabytes(worldBytes), loadSeconds);

  // ---- the full validation
  ValidationOptions options;
  options.badges = &badges;
  ValidationReport report;
  const double validateSeconds = BestOf(3, [&] { report = ValidateWorld(*world, options); });
  ValidationOptions noBadges;
  const double withoutBadgesSeconds = BestOf(3, [&] { ValidateWorld(*world, noBadges); });
  std::printf("validation:            %8.3f s CPU  (%d errors, %d warnings)  %.2f x loading\n", validateSeconds,
              report.ErrorCount(), report.WarningCount(), validateSeconds / loadSeconds);
  std::printf("  without badge files: %8.3f s CPU  %.2f x loading\n", withoutBadgesSeconds,
              withoutBadgesSeconds / loadSeconds);

  // ---- snapshot and restore of one country
  constexpr int kCountry = 14;
  const std::vector parts = {WorldPart::Country(kCountry)};
  const double writeSeconds = BestOf(5, [&] {
    CKLFile file;
    file.OpenWriteToMemory();
    world->Country(kCountry)->WriteCountry(file);
    file.TakeWritten();
  });
  WorldSnapshot country;
  const double captureSeconds = BestOf(5, [&] { country = WorldSnapshot::Capture(*world, parts); });
  const double restoreSeconds = BestOf(5, [&] { country.Restore(*world); });
  std::printf("one country: writing its file text %.4f s; capture %.4f s (%.2f x), restore %.4f s (%.2f x); %.2f MB\n",
              writeSeconds, captureSeconds, captureSeconds / writeSeconds, restoreSeconds, restoreSeconds / writeSeconds,
              Megabytes(country.MemoryBytes()));

  // ---- memory of 100 undo steps of club edits
  constexpr int kSteps = 100;
  enum class Kept { kClub, kCountrySettings, kCountry };
  auto measureSteps = [&](Kept kept, const char* what) {
    const size_t heapStart = HeapInUse();
    size_t counted = 0;
    std::vector<WorldSnapshot> stack;
    for (int step = 0; step < kSteps; ++step) {
      const int number = 1 + (step * 37) % kLastCountry;
      CClub* club = NthClub(*world, number, step % 40);
      if (!club) continue;
      const std::vector part = {kept == Kept::kClub            ? WorldPart::Club(club->clubId)
                                : kept == Kept::kCountrySettings ? WorldPart::CountrySettings(number)
                                                                 : WorldPart::Country(number)};
      stack.push_back(WorldSnapshot::Capture(*world, part));
      if (kept == Kept::kCountrySettings) world->Country(number)->averageStrength = static_cast<uint8_t>(1 + step % 26);
      else EditClub(*club, step);
      stack.push_back(WorldSnapshot::Capture(*world, part));
      counted += stack[stack.size() - 2].MemoryBytes() + stack.back().MemoryBytes();
    }
    const size_t heap = HeapInUse() - heapStart;
    std::printf("100 undo steps of %-40s %7.2f MB counted, %7.2f MB of heap = %6.2f %% of the loaded world\n", what,
                Megabytes(counted), Megabytes(heap), 100.0 * static_cast<double>(heap) / static_cast<double>(worldBytes));
    // Undo all: the edits are taken back in reverse order.
    for (size_t i = stack.size(); i >= 2; i -= 2) stack[i - 2].Restore(*world);
  };
  measureSteps(Kept::kClub, "club edits (club parts):");
  measureSteps(Kept::kCountrySettings, "country settings (settings parts):");
  measureSteps(Kept::kCountry, "club edits kept as whole countries:");

  world->Clear();
  allocations.FreeCupAllocations();
  if (!scratch.empty()) fs::remove_all(scratch);
  return EXIT_SUCCESS;
}
