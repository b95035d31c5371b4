#pragma once
// The start the database benchmarks share: a fresh scratch folder and the full-size world of
// a database folder (e.g. the "database" folder of `torvale-make-install OUT --scale 1`).

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "database/world_database.h"
#include "platform/path.h"

namespace torvale {

// A world environment whose country index is the one in `databaseFolder`.
inline WorldEnvironment BenchEnvironment(const std::string& databaseFolder) {
  WorldEnvironment environment;
  environment.countryIndexPath = JoinPath(databaseFolder, "countries.sav");
  return environment;
}

// The world of `databaseFolder`, loaded; its size goes to standard output.
inline std::unique_ptr<CWorldDatabase> LoadBenchWorld(const std::string& databaseFolder) {
  auto world = std::make_unique<CWorldDatabase>(BenchEnvironment(databaseFolder));
  world->InitEmptyWorld();
  LoadReport report;
  world->Load(databaseFolder, report);
  std::printf("world: %zu persons; load report: %zu entries\n", world->Persons().Count(), report.problems.size());
  return world;
}

// argv[2], or "<temp>/<name>", emptied and made.
inline std::filesystem::path FreshScratch(int argc, char** argv, const char* name) {
  const std::filesystem::path scratch =
      argc > 2 ? std::filesystem::path(argv[2]) : std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(scratch);
  std::filesystem::create_directories(scratch);
  return scratch;
}

}  // namespace torvale
