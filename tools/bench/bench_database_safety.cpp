// What database safety costs and whether the readers stay linear on hostile files.
//
//   bench-database-safety DATABASE-FOLDER [SCRATCH-FOLDER]
//
// DATABASE-FOLDER: a full-size world, e.g. the "database" folder of
// `torvale-make-install OUT --scale 1` (206 countries of 48 clubs with 30 persons).
//
// 1. Saving: the whole-database commit (every changed file staged, one file-system sync, a
//    commit record, the renames, folder syncs) against the save as it was before, every file
//    renamed over its old one on its own and nothing synced; once with every file changed,
//    once with one country changed. Wall clock, since the syncs wait for the disk rather than
//    the processor; best of three each, each run starting with nothing left to write back.
// 2. Reader scaling: load time of one country file grown to 1x, 4x and 16x its clubs,
//    normally and with two hostile patterns (club person lists of bare ids without their
//    records; every person under the same id), printed as the growth from 1x to 16x
//    (linear: about 16).

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "database/save_error_reporter.h"
#include "database/world_database.h"
#include "platform/atomic_file.h"
#include "platform/path.h"
#include "storage/record_stream.h"
#include "bench_world.h"

namespace fs = std::filesystem;
using namespace torvale;

namespace {

double WallSeconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Each run starts with nothing left to write back, so that no run pays for the one before.
double Best(int runs, const std::string& folder, const std::function<void()>& work) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    SyncFileSystemOf(folder);
    best = std::min(best, WallSeconds(work));
  }
  return best;
}

// The save before the whole-database commit: each file renamed over its old one as soon as it
// was written, no sync.
void SaveFileByFile(const CWorldDatabase& world, const std::string& folder) {
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    CKLFile file;
    const std::string path = JoinPath(folder, "Country" + std::to_string(n) + ".sav");
    file.OpenWrite(path);
    world.Country(n)->WriteCountry(file);
    const std::string staged = file.CloseStaged(false);
    std::rename(staged.c_str(), ResolvePath(path).c_str());
  }
  for (const char* name : {"Rules.sav", "Without.sav"}) {
    CKLFile file;
    const std::string path = JoinPath(folder, name);
    file.OpenWrite(path);
    if (std::string(name) == "Rules.sav") world.Rules().WriteRules(file, world, world);
    else world.PlayersWithoutClub()->WriteWithout(file, world);
    const std::string staged = file.CloseStaged(false);
    std::rename(staged.c_str(), ResolvePath(path).c_str());
  }
}

// ---- generated country files

struct CountryParts {
  std::string head;  // up to and including the club count's section line
  std::string club;  // the section of club 1
  std::string tail;  // from the end of the club list on (amateur club included)
};

bool SplitCountry(const std::string& text, CountryParts& parts) {
  const size_t clubs = text.find("%INDEX%CLUBS\r\n");
  const size_t first = text.find("%INDEX%CLUB1\r\n");
  const size_t firstEnd = text.find("%INDEXEND%CLUB1\r\n");
  const size_t amateur = text.find("%INDEX%CLUB65535\r\n");
  if (clubs == std::string::npos || first == std::string::npos || firstEnd == std::string::npos ||
      amateur == std::string::npos)
    return false;
  parts.head = text.substr(0, clubs + 14);
  parts.club = text.substr(first, firstEnd + 17 - first);
  parts.tail = text.substr(amateur);
  return true;
}

enum class Pattern { kNormal, kBareIds, kRepeatedIds };

// The club template renamed to club `number`, its person ids replaced as `pattern` asks.
std::string MakeClub(const std::string& club, int number, Pattern pattern, uint32_t& nextId) {
  std::string out;
  out.reserve(club.size());
  const std::string name = "CLUB" + std::to_string(number);
  size_t position = 0;
  std::vector<std::string> lines;
  while (position < club.size()) {
    size_t end = club.find("\r\n", position);
    lines.push_back(club.substr(position, end - position));
    position = end + 2;
  }
  if (pattern == Pattern::kBareIds) {
    // The person count promises every id line that follows.
    for (size_t i = 1; i + 1 < lines.size(); ++i)
      if (lines[i + 1] == "%INDEX%PLAYER") {
        lines[i - 1] = "1000000";
        break;
      }
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i];
    if (line == "%INDEX%CLUB1") line = "%INDEX%" + name;
    if (line == "%INDEXEND%CLUB1") line = "%INDEXEND%" + name;
    const bool idLine = i + 1 < lines.size() && lines[i + 1] == "%INDEX%PLAYER";
    if (idLine) line = std::to_string(pattern == Pattern::kRepeatedIds ? 7u : nextId++);
    if (pattern == Pattern::kBareIds && line == "%INDEX%PLAYER") {
      // Replace the record by bare id lines of the same size.
      while (i < lines.size() && lines[i] != "%INDEXEND%PLAYER") {
        out += std::to_string(nextId++) + "\r\n";
        ++i;
      }
      continue;
    }
    out += line + "\r\n";
  }
  return out;
}

std::string MakeCountry(const CountryParts& parts, int clubs, Pattern pattern) {
  std::string text = parts.head;
  uint32_t nextId = 1000;
  text += std::to_string(clubs) + "\r\n";
  for (int number = 1; number <= clubs; ++number) text += MakeClub(parts.club, number, pattern, nextId);
  return text + parts.tail;
}

double LoadSeconds(const WorldEnvironment& environment, const std::string& text, size_t& persons) {
  CWorldDatabase world(environment);
  world.InitEmptyWorld();
  CCountry& country = *world.Country(14);
  std::string copy = text;  // handed over, not copied, inside the measurement
  CKLFile file;
  const double seconds = WallSeconds([&] {
    file.OpenReadFromMemory(std::move(copy));
    country.ReadCountry(file);
  });
  persons = world.Persons().Count();
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench-database-safety DATABASE-FOLDER [SCRATCH-FOLDER]\n");
    return 2;
  }
  const std::string source = argv[1];
  const fs::path scratch = FreshScratch(argc, argv, "bench-database-safety");
  const WorldEnvironment environment = BenchEnvironment(source);
  const std::unique_ptr<CWorldDatabase> loaded = LoadBenchWorld(source);
  CWorldDatabase& world = *loaded;

  const std::string target = (scratch / "save").string();
  fs::create_directories(target);
  world.SetFolder(target);
  StreamSaveErrorReporter reporter;
  world.Save(reporter);  // both measurements replace existing files
  const double before = Best(3, target, [&] { SaveFileByFile(world, target); });
  // Every file changes: each run gives every country other notes.
  int round = 0;
  auto changeAll = [&] {
    ++round;
    for (int n = kFirstCountry; n <= kLastCountry; ++n) world.Country(n)->notes = "Runde " + std::to_string(round);
  };
  const double allChanged = Best(3, target, [&] {
    changeAll();
    world.Save(reporter);
  });
  const double oneChanged = Best(3, target, [&] {
    world.Country(14)->notes = "Runde " + std::to_string(++round);
    world.Save(reporter);
  });
  std::printf("save file by file, no sync (before):        %7.3f s\n", before);
  std::printf("one commit, synced, every file changed:     %7.3f s  ratio %5.2f  (aim: below 1.3)\n", allChanged,
              allChanged / before);
  std::printf("one commit, synced, one country changed:    %7.3f s  ratio %5.2f\n", oneChanged, oneChanged / before);

  std::string text;
  CountryParts parts;
  if (!ReadWholeFile(JoinPath(source, "Country14.sav"), text) || !SplitCountry(text, parts)) {
    std::fprintf(stderr, "Country14.sav of %s has no clubs to grow\n", source.c_str());
    return 1;
  }
  // 1x is four times the country's clubs: large enough that the figures are not noise.
  const int baseClubs = 4 * 48;
  for (auto [pattern, label] : {std::pair{Pattern::kNormal, "normal"}, std::pair{Pattern::kBareIds, "bare ids"},
                                std::pair{Pattern::kRepeatedIds, "repeated ids"}}) {
    double first = 0;
    for (int factor : {1, 4, 16}) {
      const std::string country = MakeCountry(parts, baseClubs * factor, pattern);
      size_t persons = 0;
      double seconds = 1e30;
      for (int run = 0; run < 3; ++run) seconds = std::min(seconds, LoadSeconds(environment, country, persons));
      if (factor == 1) first = seconds;
      std::printf("%-13s %2dx: %8.1f KB  %8.4f s  %7zu persons  growth %6.2f\n", label, factor,
                  static_cast<double>(country.size()) / 1024.0, seconds, persons, seconds / first);
    }
  }
  fs::remove_all(scratch);
  return 0;
}
