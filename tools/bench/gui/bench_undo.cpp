// The memory of the undo history on a benchmark world (206 countries of about 48 clubs with
// 30 persons, the sample generator's --scale 1): 100 club edits committed as the club editor
// commits them, through the world's change door into its history, against the memory the
// loaded world takes; and for comparison the same edits committed as changes of their whole
// countries. Then the steps of changes over the whole world: a load of the database into the
// open world as an import does it (its archive unpacked already), and a command of the admin
// menu over every country, each timed with its undo step against without.
//
//   torvale-make-install /tmp/bench-world --scale 1 && bench-undo /tmp/bench-world

#include <malloc.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

#include "database/world_database.h"
#include "ui/common/editor_context.h"
#include "ui/common/world_changes.h"
#include "ui/undo/world_history.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"

using namespace torvale;

namespace {

size_t HeapInUse() { return mallinfo2().uordblks; }
double Megabytes(size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

CClub* NthClub(CWorldDatabase& world, int number, int n) {
  for (const auto& [id, club] : world.Country(number)->Clubs())
    if (club->Number() != kAmateurClubNumber && n-- == 0) return club.get();
  return nullptr;
}

// 100 club edits, each a committed change of `scopeOf(club)`; the history's growth.
template <typename ScopeFn>
void MeasureSteps(CWorldDatabase& world, size_t worldBytes, const char* what, ScopeFn scopeOf) {
  const size_t heapStart = HeapInUse();
  {
    WorldChanges changes(world);
    WorldHistory history(changes);
    for (int step = 0; step < WorldHistory::kStepLimit; ++step) {
      const int number = 1 + (step * 37) % kLastCountry;
      CClub* club = NthClub(world, number, step % 40);
      if (!club) continue;
      CClub edited = *club;
      edited.foundingYear = static_cast<uint16_t>(1900 + step);
      edited.facilities[kMedia] = static_cast<uint8_t>((club->facilities[kMedia] + 1) % 5);
      changes.Commit(scopeOf(*club), QStringLiteral("Verein bearbeitet"), [&](CWorldDatabase&) { *club = edited; });
    }
    const size_t heap = HeapInUse() - heapStart;
    std::printf("100 undo steps of %-36s %3d steps, %7.2f MB counted, %7.2f MB of heap = %6.2f %% of the loaded world\n",
                what, history.Stack().count(), Megabytes(history.MemoryBytes()), Megabytes(heap),
                100.0 * static_cast<double>(heap) / static_cast<double>(worldBytes));
    while (history.CanUndo()) history.Undo();
  }
}

double SecondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Club persons' tactical education flipped in every `stride`-th country (at most `perCountry` each).
void FlipTactics(CWorldDatabase& world, int stride, size_t perCountry) {
  for (int n = kFirstCountry; n <= kLastCountry; n += stride) {
    size_t flipped = 0;
    for (const auto& [id, club] : world.Country(n)->Clubs())
      for (uint32_t person : club->PlayerIds())
        if (CPlayer* p = world.Persons().FindPlayer(person); p && flipped++ < perCountry) p->tacticalEducation ^= 1;
  }
}

// One change of `scope` committed with and without an undo history; its time and the step's
// memory. `prepare` runs before each, outside the history (what the change then replaces).
void MeasureWorldStep(CWorldDatabase& world, size_t worldBytes, const char* what, const ChangeScope& scope,
                      const std::function<void(CWorldDatabase&)>& prepare,
                      const std::function<void(CWorldDatabase&)>& change) {
  prepare(world);
  WorldChanges plain(world);
  const double without = SecondsOf([&] { plain.Commit(scope, QStringLiteral("bench"), change); });
  prepare(world);
  WorldChanges changes(world);
  WorldHistory history(changes);
  const size_t heapStart = HeapInUse();
  const double with = SecondsOf([&] { changes.Commit(scope, QStringLiteral("bench"), change); });
  const size_t heap = HeapInUse() > heapStart ? HeapInUse() - heapStart : 0;
  std::printf("%-34s %6.2f s alone, %6.2f s with its undo step = %5.2fx\n", what, without, with, with / without);
  std::printf("%-34s step: %7.2f MB counted, %7.2f MB of heap = %5.2f %% of the loaded world, %7.2f MB in its temporary file\n",
              "", Megabytes(history.MemoryBytes()), Megabytes(heap),
              100.0 * static_cast<double>(heap) / static_cast<double>(worldBytes), Megabytes(history.TempFileBytes()));
  const double undo = SecondsOf([&] { history.Undo(); });
  const double redo = SecondsOf([&] { history.Redo(); });
  std::printf("%-34s undo %6.2f s, redo %6.2f s\n", "", undo, redo);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench-undo INSTALL (made by torvale-make-install INSTALL --scale 1)\n");
    return EXIT_FAILURE;
  }
  const std::string install = argv[1];

  // The editor's own context on the benchmark installation, which must be the working folder.
  if (::chdir(install.c_str()) != 0) {
    std::fprintf(stderr, "cannot enter %s\n", install.c_str());
    return EXIT_FAILURE;
  }
  EditorContext context(install);
  const size_t heapBefore = HeapInUse();
  CWorldDatabase* world = context.OpenGameDatabase();
  const size_t worldBytes = HeapInUse() - heapBefore;
  std::printf("world: %zu persons, %.1f MB of heap\n", world->Persons().Count(), Megabytes(worldBytes));

  MeasureSteps(*world, worldBytes, "club edits (club scope):", [](const CClub& club) { return ChangeScope::Club(club.clubId); });
  MeasureSteps(*world, worldBytes, "club edits as whole countries:",
               [](const CClub& club) { return ChangeScope::Country(club.CountryId()); });

  // Steps over the whole world. The import's own work here is the load of the folder it
  // unpacked; unpacking the archive before it takes longer still, so the ratio errs high.
  const std::string folder = world->AccessFolder();
  MeasureWorldStep(
      *world, worldBytes, "import (load into the open world):", ChangeScope::WholeWorld(),
      [](CWorldDatabase& w) { FlipTactics(w, 1, 1); },
      [&folder](CWorldDatabase& w) {
        w.InitEmptyWorld();
        w.Reset();
        w.Load(folder);
      });
  const auto nothing = [](CWorldDatabase&) {};
  MeasureWorldStep(*world, worldBytes, "command over every second country:", ChangeScope::AllCountries(), nothing,
                   [](CWorldDatabase& w) { FlipTactics(w, 2, SIZE_MAX); });
  MeasureWorldStep(*world, worldBytes, "command changing one country:", ChangeScope::AllCountries(), nothing,
                   [](CWorldDatabase& w) { FlipTactics(w, kLastCountry, SIZE_MAX); });

  return EXIT_SUCCESS;
}
