// bench-person-lists INSTALL_FOLDER [runs]: the person lists' core work on the world of an
// installation (made with `torvale-make-install DIR --scale 1`: 206 countries x 48 clubs x 30
// persons): the search walk for "*" (every person a hit) and for one rare surname, and
// building the duplicate index with its pairs. Each is set against a plain walk over the same
// persons measured in the same run (looking every listed id up and reading its names), so the
// ratios hold on a busy machine. Times are the best of `runs` (default 5), as process CPU time
// and as wall time.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "bench_timing.h"
#include "competition/cup_allocation.h"
#include "database/world_manager.h"
#include "persons/duplicate_players.h"
#include "persons/person_search.h"
#include "platform/path.h"
#include "world/fixed_text.h"

using namespace torvale;

namespace {

using Clock = std::chrono::steady_clock;

class CountingSink final : public PersonSearchSink {
 public:
  void DeliverBatch(std::vector<SearchHit> hits, bool) override {
    hits_ += hits.size();
    ++batches_;
  }
  size_t hits_ = 0;
  size_t batches_ = 0;
};

// What any list over all persons costs at least: every listed id looked up, its names read.
size_t PlainWalk(const CWorldDatabase& world) {
  size_t sum = 0;
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry* country = world.Country(n);
    if (!country) continue;
    for (const auto& [id, club] : country->Clubs())
      for (uint32_t playerId : club->PlayerIds())
        if (const CPlayer* person = world.Persons().FindPlayer(playerId))
          sum += FixedText(person->firstName).size() + FixedText(person->surname).size();
  }
  return sum;
}

void Print(const char* what, const Timing& t, const Timing& reference, const std::string& detail) {
  std::printf("%-28s cpu %8.1f ms  wall %8.1f ms  x%6.1f of the plain walk  %s\n", what, t.cpu * 1e3, t.wall * 1e3,
              t.cpu / reference.cpu, detail.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench-person-lists INSTALL_FOLDER [runs]\n");
    return 2;
  }
  const std::string install = argv[1];
  const int runs = std::max(1, argc > 2 ? std::atoi(argv[2]) : 5);

  CupAllocationTable cupAllocations;
  cupAllocations.LoadCupAllocations(JoinPath(install, "script"));
  WorldEnvironment environment;
  environment.countryIndexPath = JoinPath(install, "database/countries.sav");
  environment.scriptFolder = JoinPath(install, "script");
  environment.cupAllocations = &cupAllocations;
  WorldManager worlds(environment);
  CWorldDatabase* world = worlds.CreateWorld();
  if (!world) return 1;
  const auto loadStart = Clock::now();
  world->Load(JoinPath(install, "database"));
  std::printf("world: %zu persons, loaded in %.1f s\n", world->Persons().Count(),
              std::chrono::duration<double>(Clock::now() - loadStart).count());

  size_t walked = 0;
  Timing reference;
  Best(runs, reference, [&] {
    walked = PlainWalk(*world);
    return true;
  });
  Print("plain walk (reference)", reference, reference, "name bytes " + std::to_string(walked));

  // A rare surname: the one the fewest persons carry (the first such in name order).
  std::map<std::string, int> surnames;
  for (const auto& [id, person] : world->Persons().Persons()) ++surnames[std::string(FixedText(person->surname))];
  std::string rare;
  int rareCount = 0;
  for (const auto& [name, count] : surnames)
    if (!name.empty() && (rare.empty() || count < rareCount)) rare = name, rareCount = count;

  std::atomic<bool> cancel{false};
  for (const auto& [label, texts] : {std::pair<const char*, PersonSearchTexts>{"search \"*\" (first name)", {"*", "", ""}},
                                     {"search rare surname", {"", "", rare}}}) {
    const PersonSearchPatterns patterns = PersonSearchPatterns::FromTexts(texts);
    CountingSink sink;
    Timing t;
    Best(runs, t, [&] {
      sink = CountingSink();
      return RunPersonSearch(*world, patterns, sink, cancel) == SearchOutcome::kCompleted;
    });
    Print(label, t, reference, std::to_string(sink.hits_) + " hits in " + std::to_string(sink.batches_) + " batches");
  }

  size_t indexSize = 0, pairCount = 0;
  Timing duplicates;
  Best(runs, duplicates, [&] {
    const auto index = BuildDuplicateIndex(*world, CompareNamesIgnoringCase);
    indexSize = index.size();
    pairCount = FindDuplicatePairs(index, {}).size();
    return true;
  });
  Print("duplicate index and pairs", duplicates, reference,
        std::to_string(indexSize) + " entries, " + std::to_string(pairCount) + " pairs");
  return 0;
}
