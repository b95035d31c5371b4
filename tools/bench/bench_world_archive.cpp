// World export and import of a full-size world against tar: packing the database folder with
// `tar czf` and unpacking it with `tar xzf` in the same run. The export also saves the world
// (into its temporary database) and the import also reloads it, which tar does not do; the
// save and the load are timed on their own as well, so the archive work can be read apart.
//
//   torvale-make-install OUTDIR --scale 1
//   bench-world-archive OUTDIR [runs]
//
// Times are CPU seconds (user + system; for tar those of the child processes), the best of
// `runs` (default 3): on a machine shared with builds the wall clock mostly measures the others.

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "database/save_error_reporter.h"
#include "database/world_database.h"
#include "exchange/longtime_operation.h"
#include "exchange/world_archive.h"

namespace fs = std::filesystem;
using namespace torvale;

namespace {

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; }

// CPU of this process and of its finished children.
double CpuNow() {
  timespec own{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &own);
  rusage children{};
  getrusage(RUSAGE_CHILDREN, &children);
  return static_cast<double>(own.tv_sec) + static_cast<double>(own.tv_nsec) * 1e-9 + Seconds(children.ru_utime) +
         Seconds(children.ru_stime);
}

double BestSeconds(int runs, const std::function<bool()>& work) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    const double start = CpuNow();
    if (!work()) return -1;
    best = std::min(best, CpuNow() - start);
  }
  return best;
}

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench-world-archive INSTALL_FOLDER [runs]\n");
    return 2;
  }
  const fs::path install = fs::absolute(argv[1]);
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  const fs::path work = install / "bench-archive";
  fs::remove_all(work);
  fs::create_directories(work / "docs");
  fs::current_path(install);

  WorldEnvironment environment;
  environment.countryIndexPath = (install / "database/countries.sav").string();
  CWorldDatabase world(environment);
  world.InitEmptyWorld();
  if (!world.Load("database")) std::fprintf(stderr, "warning: players without club not read\n");
  int clubs = 0;
  for (int n = kFirstCountry; n <= kLastCountry; ++n) clubs += world.Country(n)->RegularClubCount();
  std::printf("world: %d clubs, %zu persons\n", clubs, world.Persons().Count());

  StreamSaveErrorReporter reporter;
  NoLongtimeProgress progress;
  const WorldArchiveFolders folders{(work / "docs").string(), (install / "badges").string(),
                                    (install / "picture").string(), {}};
  const fs::path archive = work / "world.zdb";

  const double save = BestSeconds(runs, [&] {
    world.SetFolder((work / "saved").string());
    fs::create_directories(work / "saved");
    const bool ok = world.Save(reporter);
    world.SetFolder("database");
    return ok;
  });
  const double exportTime = BestSeconds(runs, [&] {
    return ExportWorld(world, archive.string(), folders, progress, reporter).outcome == ExportOutcome::kWritten;
  });
  const double tarCreate = BestSeconds(runs, [&] {
    return Shell("tar czf " + Quoted(work / "world.tgz") + " -C " + Quoted(install) + " database");
  });

  const ImportOptions importOptions{false, folders.badges, folders.pictures};
  const double load = BestSeconds(runs, [&] { return world.Load("database"), true; });
  const double importTime = BestSeconds(runs, [&] {
    const ImportReport report = ImportWorld(world, archive.string(), importOptions, progress);
    return report.opened && report.complete;
  });
  fs::create_directories(work / "untar");
  const double tarExtract = BestSeconds(runs, [&] {
    return Shell("tar xzf " + Quoted(work / "world.tgz") + " -C " + Quoted(work / "untar"));
  });

  std::printf("archive: %ju bytes, tar.gz: %ju bytes\n", static_cast<uintmax_t>(fs::file_size(archive)),
              static_cast<uintmax_t>(fs::file_size(work / "world.tgz")));
  std::printf("export: %.2f s (of which saving the world %.2f s)   tar czf: %.2f s   ratio %.2fx\n", exportTime, save,
              tarCreate, exportTime / tarCreate);
  std::printf("import: %.2f s (of which loading the world %.2f s)  tar xzf: %.2f s   ratio %.2fx\n", importTime,
              load, tarExtract, importTime / tarExtract);
  std::printf("without save/load: export %.2fx, import %.2fx of tar\n", (exportTime - save) / tarCreate,
              (importTime - load) / tarExtract);
  fs::remove_all(work);
  return exportTime < 0 || importTime < 0 ? 1 : 0;
}
