// A whole database folder as CWorldDatabase::Load meets it: two country files, the rules and
// the players without club, cut from the input at lines "%%FILE". The rules file begins with
// one of the data versions the editions really wrote (chosen by the first byte), so that the
// conversions of old files are reached; "Without.sav" is read under the same version. The
// load must neither crash nor hang, and what it reports must name files of the folder.

#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "database/database_commit.h"
#include "database/world_database.h"

namespace {

using namespace torvale;
namespace fs = std::filesystem;

constexpr std::array<const char*, 4> kFiles = {"Country1.sav", "Country14.sav", "Rules.sav", "Without.sav"};
constexpr std::array<uint32_t, 7> kVersions = {1, 0x20030000, 0x20040000, 0x20040004,
                                               0x20040006, 0x20040007, 0x20040008};

const std::string& Folder() {
  static const std::string folder = [] {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path path = base / ("fuzz-database-folder-" + std::to_string(::getpid()));
    fs::create_directories(path);
    return path.string();
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint32_t version = kVersions[data[0] % kVersions.size()];
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);

  std::vector<std::string> parts(kFiles.size());
  size_t part = 0;
  size_t position = 0;
  while (position <= rest.size() && part < parts.size()) {
    const size_t cut = rest.find("%%FILE", position);
    parts[part++] = rest.substr(position, cut == std::string::npos ? std::string::npos : cut - position);
    if (cut == std::string::npos) break;
    position = cut + 6;
  }
  parts[2] = "%INDEX%RULES_AND_MISC\r\n%INDEX%VERSION\r\n" + std::to_string(version) + "\r\n%INDEXEND%VERSION\r\n" +
             parts[2];

  const std::string& folder = Folder();
  for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
  for (size_t i = 0; i < kFiles.size(); ++i)
    std::ofstream(folder + "/" + kFiles[i], std::ios::binary) << parts[i];

  WorldEnvironment environment;
  environment.countryIndexPath = {};
  CWorldDatabase world(environment);
  world.InitEmptyWorld();
  LoadReport report;
  world.Load(folder, report);
  for (const LoadProblem& problem : report.problems)
    if (!IsDatabaseFileName(problem.file)) std::abort();
  return 0;
}
