// Saving and loading a whole world of full size: 206 countries of 48 clubs with 30 persons
// each, generated here with the editor's own types and written with its own writers. Times
// are set against a plain write and a plain read of the same bytes in the same run, so the
// ratios mean something on a busy machine; peak memory is set against the folder's size.
//
//   bench-world-io [folder for the files (default: a new folder under the temp folder)]

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "competition/competition_registry.h"
#include "competition/fixture_templates.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "platform/path.h"
#include "database/save_error_reporter.h"
#include "database/world_database.h"
#include "world/fixed_text.h"

namespace fs = std::filesystem;
using namespace torvale;

namespace {

constexpr int kClubsPerCountry = 48;
constexpr int kPersonsPerClub = 30;
constexpr int kStadiumsPerCountry = 12;
constexpr int kRefereesPerCountry = 24;

// Process CPU time (user + system): on a machine shared with builds the wall clock mostly
// measures the other processes, while the CPU this process spends is what the code costs.
struct Clock {
  using time_point = double;
  static double now() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
  }
};

double Seconds(double since) { return Clock::now() - since; }

std::string Numbered(const char* stem, int n) { return stem + std::to_string(n); }

void GeneratePerson(CPlayer& person, int country, int club, int index) {
  person.InitDefaults(static_cast<int8_t>(index < 25 ? 0 : index - 24), static_cast<uint8_t>(country));
  SetFixedText(person.firstName, Numbered("Vorname", index));
  SetFixedText(person.surname, Numbered("Nachname", club * 100 + index));
  person.birthDate = DATE::FromCivil(1975 + index % 20, 1 + index % 12, 1 + index % 28);
  person.team = static_cast<int8_t>(index % 3 == 0 ? 1 : 0);
  person.mainPosition = static_cast<uint8_t>(1 + index % 17);
  for (size_t a = 0; a < person.abilities.size(); ++a) person.abilities[a] = static_cast<uint8_t>((index + a) % 8);
  person.lastClub = MakeClubId(static_cast<uint32_t>(country), static_cast<uint32_t>(1 + (club + index) % kClubsPerCountry));
}

void GenerateCountry(CWorldDatabase& world, int number) {
  CCountry& country = *world.Country(number);
  for (int s = 1; s <= kStadiumsPerCountry; ++s) {
    CStadium stadium;
    SetFixedText(stadium.name, Numbered("Stadion ", s));
    SetFixedText(stadium.town, Numbered("Stadt ", s));
    stadium.seats[kStandMain] = 1000 * s;
    country.AddStadium(stadium);
  }
  for (int r = 1; r <= kRefereesPerCountry; ++r) {
    CReferee referee;
    SetFixedText(referee.surname, Numbered("Schiedsrichter", r));
    country.AddReferee(referee);
  }
  for (int c = 1; c <= kClubsPerCountry; ++c) {
    CClub* club = country.AddClub(std::make_unique<CClub>(), static_cast<uint16_t>(c));
    for (int language = 0; language < kClubLanguages; ++language) club->SetName(language, Numbered("Verein ", c));
    club->SetTown(0, Numbered("Stadt ", c));
    club->homeStadium = 1 + c % kStadiumsPerCountry;
    club->titles[kChampionships] = "1950,1961,1972,1983";
    club->archRival1 = static_cast<uint32_t>(1 + c % kClubsPerCountry);
    for (int p = 0; p < kPersonsPerClub; ++p) {
      CPlayer* person = world.Persons().CreatePlayer(0, true);
      GeneratePerson(*person, number, c, p);
      club->AddPlayer(person->id);
    }
  }
  country.ResizePlayerPool(static_cast<int>(country.Clubs().size()) * kPoolEntriesPerClub);
  for (int i = 0; i < kClubsPerCountry * 4; ++i)
    SetFixedText(country.PlayerPool()[static_cast<size_t>(i)].surname, Numbered("Talent", i));
  // Two leagues of 18 with their fixture lists and calendars, the clubs 1-36 playing in them.
  SetLeagueSystem(country, LevelCounts{1, 1, 0, 0, 0}, LevelRules{0, 0, 0, 0, 0});
  for (int index = 0; index < 2; ++index) {
    auto* league = world.Competitions().Find<CDBLeague>(LeagueId(number, index));
    league->SetNumberOfTeams(18);
    FillFromTemplate(league->Fixtures(), 18, league->Rounds());
    for (int t = 1; t <= 18; ++t)
      league->AddTeam(MakeClubId(static_cast<uint32_t>(number), static_cast<uint32_t>(index * 18 + t)));
    for (int m = 1; m <= league->MatchdayCount(); ++m) league->SetDayMatchday(10 + 7 * (m - 1), m);
  }
}

struct FolderFile {
  std::string name;
  std::string bytes;
};

std::vector<FolderFile> ReadFolder(const std::string& folder) {
  std::vector<FolderFile> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    FolderFile file{entry.path().filename().string(), {}};
    std::FILE* in = std::fopen(entry.path().c_str(), "rb");
    if (!in) continue;
    file.bytes.resize(static_cast<size_t>(entry.file_size()));
    const size_t got = std::fread(file.bytes.data(), 1, file.bytes.size(), in);
    file.bytes.resize(got);
    std::fclose(in);
    files.push_back(std::move(file));
  }
  return files;
}

bool WriteFolder(const std::string& folder, const std::vector<FolderFile>& files) {
  bool ok = true;
  for (const FolderFile& file : files) {
    std::FILE* out = std::fopen((folder + "/" + file.name).c_str(), "wb");
    if (!out) return false;
    ok = std::fwrite(file.bytes.data(), 1, file.bytes.size(), out) == file.bytes.size() && ok;
    ok = std::fclose(out) == 0 && ok;
  }
  return ok;
}

uintmax_t DiskUsage(const std::string& folder) {
  uintmax_t bytes = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) bytes += entry.file_size();
  return bytes;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void PrintRow(const char* what, double seconds, double megabytes) {
  std::printf("%-22s %8.3f s CPU  %8.1f MB/s\n", what, seconds, megabytes / seconds);
}

}  // namespace

int main(int argc, char** argv) {
  const bool ownFolder = argc < 2;
  const std::string base = ownFolder ? (fs::temp_directory_path() / ("bench-world-io-" + std::to_string(::getpid()))).string()
                                     : std::string(argv[1]);
  const std::string saved = base + "/saved";
  const std::string plain = base + "/plain";
  fs::create_directories(saved);
  fs::create_directories(plain);

  // No index file: the countries stay unnamed, which changes nothing for the timing.
  WorldEnvironment environment;
  environment.countryIndexPath = base + "/no-index.sav";
  StreamSaveErrorReporter reporter;

  auto generated = std::make_unique<CWorldDatabase>(environment);
  generated->InitEmptyWorld();
  for (int n = kFirstCountry; n <= kLastCountry; ++n) GenerateCountry(*generated, n);
  generated->SetFolder(saved);
  const size_t persons = generated->Persons().Count();

  auto start = Clock::now();
  const bool savedOk = generated->Save(reporter);
  const double saveSeconds = Seconds(start);
  generated.reset();
  if (!savedOk) return EXIT_FAILURE;
  const double folderMegabytes = static_cast<double>(DiskUsage(saved)) / (1024.0 * 1024.0);

  // The references are short; the best of three runs keeps them from being made of noise.
  double plainReadSeconds = 1e9;
  double lineWalkSeconds = 1e9;
  double plainWriteSeconds = 1e9;
  size_t lines = 0;
  for (int run = 0; run < 3; ++run) {
    start = Clock::now();
    std::vector<FolderFile> files = ReadFolder(saved);
    plainReadSeconds = std::min(plainReadSeconds, Seconds(start));
    // What any reader of a line-oriented text must do at least: find every line end.
    start = Clock::now();
    lines = 0;
    for (const FolderFile& file : files) {
      const char* end = file.bytes.data() + file.bytes.size();
      for (const char* p = file.bytes.data(); (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)))); ++p)
        ++lines;
    }
    lineWalkSeconds = std::min(lineWalkSeconds, Seconds(start));
    // Saving makes new files (and renames them over the old ones); so does the reference.
    fs::remove_all(plain);
    fs::create_directories(plain);
    start = Clock::now();
    if (!WriteFolder(plain, files)) return EXIT_FAILURE;
    plainWriteSeconds = std::min(plainWriteSeconds, Seconds(start));
  }

  auto loaded = std::make_unique<CWorldDatabase>(environment);
  loaded->InitEmptyWorld();
  start = Clock::now();
  loaded->Load(saved);
  const double loadSeconds = Seconds(start);
  const size_t loadedPersons = loaded->Persons().Count();
  const double peak = PeakMegabytes();
  loaded.reset();

  std::printf("world: %d countries x %d clubs x %d persons (%zu persons, %zu after loading)\n", kLastCountry,
              kClubsPerCountry, kPersonsPerClub, persons, loadedPersons);
  std::printf("folder: %.1f MB\n", folderMegabytes);
  PrintRow("save (CWorldDatabase)", saveSeconds, folderMegabytes);
  PrintRow("plain write", plainWriteSeconds, folderMegabytes);
  PrintRow("load (CWorldDatabase)", loadSeconds, folderMegabytes);
  PrintRow("plain read", plainReadSeconds, folderMegabytes);
  PrintRow("plain read + lines", plainReadSeconds + lineWalkSeconds, folderMegabytes);
  std::printf("save / plain write:   %6.2f  (aim: below 3)\n", saveSeconds / plainWriteSeconds);
  std::printf("load / plain read:    %6.2f  (aim: below 3)\n", loadSeconds / plainReadSeconds);
  std::printf("load / (plain read + finding the %zu line ends): %6.2f\n", lines,
              loadSeconds / (plainReadSeconds + lineWalkSeconds));
  std::printf("peak memory: %.1f MB = %.2f x folder size (aim: below 3)\n", peak, peak / folderMegabytes);

  if (ownFolder) fs::remove_all(base);
  return loadedPersons == persons ? EXIT_SUCCESS : EXIT_FAILURE;
}
