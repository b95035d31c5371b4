#include "exchange/sample_installation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "assets/badge_path.h"
#include "assets/big_writer.h"
#include "assets/tga_writer.h"
#include "competition/cup_allocation.h"
#include "exchange/name_generator.h"
#include "platform/atomic_file.h"
#include "platform/path.h"
#include "database/save_error_reporter.h"
#include "database/world_database.h"
#include "world/fixed_text.h"

namespace torvale {

namespace fs = std::filesystem;

namespace {

// Country whose first club's badge lacks its 14-pixel image (the missing-badge report shows it).
constexpr int kIncompleteBadgeCountry = 42;
// Countries whose badges are also files of the "badges" folder.
constexpr std::array<int, 2> kBadgeFolderCountries = {14, 27};

bool CopyHandWrittenData(const fs::path& from, const fs::path& to, std::string& error) {
  std::error_code ec;
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
  if (ec) error = "cannot copy " + from.string() + ": " + ec.message();
  return !ec;
}

// The game's main data archive; the editor only checks that it is there, but it is a valid
// archive all the same.
bool WriteMainArchive(const fs::path& install) {
  std::vector<BigWriterEntry> entries;
  const std::string readme = "Torvale sample installation\r\nGenerated data for the database editor.\r\n";
  entries.push_back({"data\\readme.txt", std::vector<uint8_t>(readme.begin(), readme.end()), false});
  entries.push_back({"data\\version.txt", {'2', '0', '0', '4', '\r', '\n'}, false});
  std::error_code ec;
  fs::create_directories(install / "data", ec);
  return WriteBigArchive((install / "data" / "zdata_06.big").string(), entries, BigWriteOptions{});
}

bool WriteText(const fs::path& path, const std::string& text) {
  return WriteWholeFile(path.string(), text);
}

// ---------------------------------------------------------------- badges

struct Rgb {
  uint8_t r, g, b;
};

// A colour for a club colour number: spread over the hue circle, some dark, some light.
Rgb ColourOf(uint8_t number) {
  static constexpr Rgb kColours[] = {{255, 255, 255}, {20, 20, 20},   {200, 16, 46},  {0, 56, 147},
                                     {0, 122, 61},    {255, 205, 0},  {255, 105, 0},  {110, 30, 120},
                                     {120, 180, 230}, {130, 20, 40},  {0, 40, 90},    {160, 160, 160},
                                     {230, 60, 120},  {90, 60, 30},   {0, 150, 160},  {250, 230, 170},
                                     {60, 90, 40},    {240, 240, 60}, {170, 0, 0},    {40, 40, 140}};
  return kColours[number % std::size(kColours)];
}

// A shield in the club's colours: a field, a band in the second colour (vertical, diagonal or
// horizontal by the club) and a dark border. Plain shapes, so run-length coding keeps the
// archive small.
TgaImage MakeBadgeImage(int size, const uint8_t colours[3], int variant) {
  TgaImage image;
  image.width = size;
  image.height = size;
  image.bitsPerPixel = variant % 5 == 0 ? 32 : 24;
  const int bytes = image.bitsPerPixel / 8;
  image.pixels.assign(static_cast<size_t>(size * size * bytes), 0);
  const Rgb field = ColourOf(colours[0]);
  Rgb band = ColourOf(colours[1]);
  if (colours[1] % 20 == colours[0] % 20) band = ColourOf(static_cast<uint8_t>(colours[0] + 1));
  const Rgb border = {15, 15, 30};
  const double half = size / 2.0;
  for (int row = 0; row < size; ++row) {
    const int y = size - 1 - row;  // from the top; rows are stored bottom-up
    // Straight sides for the upper 55 %, then narrowing to the point.
    const double top = size * 0.55;
    const double width = y < top ? half * 0.9 : half * 0.9 * (1.0 - (y - top) / (size - top));
    for (int x = 0; x < size; ++x) {
      const double dx = x + 0.5 - half;
      uint8_t* p = &image.pixels[static_cast<size_t>((row * size + x) * bytes)];
      if (std::abs(dx) > width || y < size * 0.05) continue;  // outside: transparent / black
      const bool edge = std::abs(dx) > width - std::max(1.0, size / 30.0) || y < size * 0.05 + std::max(1, size / 30);
      bool inBand = false;
      switch (variant % 3) {
        case 0: inBand = std::abs(dx) < size * 0.12; break;
        case 1: inBand = std::abs((x - y) * 1.0) < size * 0.12; break;
        default: inBand = std::abs(y - size * 0.4) < size * 0.1; break;
      }
      const Rgb c = edge ? border : (inBand ? band : field);
      p[0] = c.b;
      p[1] = c.g;
      p[2] = c.r;
      if (bytes == 4) p[3] = 255;
    }
  }
  return image;
}

}  // namespace

bool WriteSampleBadges(const SampleWorldSummary& summary, std::string_view installFolder) {
  const fs::path install(installFolder);
  std::vector<BigWriterEntry> entries;
  bool ok = true;
  bool incompleteDone = false;
  bool folderGapDone = false;
  int variant = 0;
  for (const SampleBadge& badge : summary.badges) {
    const int country = ClubCountry(badge.clubId);
    const bool incomplete = !incompleteDone && country == kIncompleteBadgeCountry;
    incompleteDone = incompleteDone || incomplete;
    const bool inFolder = std::find(kBadgeFolderCountries.begin(), kBadgeFolderCountries.end(), country) !=
                          kBadgeFolderCountries.end();
    // The first club of the folder countries has its smallest image in the archive only.
    const bool folderGap = inFolder && !folderGapDone;
    folderGapDone = folderGapDone || folderGap;
    for (int size : kBadgeSizes) {
      if (incomplete && size == 14) continue;
      const std::string path = BadgePathForSize(badge.path, size);
      const std::vector<uint8_t> tga = EncodeTga(MakeBadgeImage(size, badge.colours, variant), true);
      if (inFolder && !(folderGap && size == 14)) {
        std::string relative = path;
        std::replace(relative.begin(), relative.end(), '\\', '/');
        const fs::path file = install / "badges" / relative;
        std::error_code ec;
        fs::create_directories(file.parent_path(), ec);
        ok = WriteWholeFile(file.string(), std::string(tga.begin(), tga.end())) && ok;
      }
      entries.push_back({BadgeArchiveName(path), tga, size == 14});
    }
    ++variant;
  }
  return WriteBigArchive((install / "badges.big").string(), entries, BigWriteOptions{}) && ok;
}

// ---------------------------------------------------------------- sibling-game lists

bool WriteSiblingGameLists(const CWorldDatabase& world, std::string_view databaseFolder) {
  const fs::path folder(databaseFolder);
  // Clubs: the first clubs of six countries are known to the sibling game.
  std::string clubs;
  int clubId = 100;
  auto clubLine = [&](int id, std::string_view description, int second, std::string_view name) {
    clubs += std::to_string(id) + "\t" + std::string(description) + "\t" + std::to_string(second) + "\t" +
             std::string(name) + "\r\n";
  };
  for (int country : {4, 12, 13, 14, 22, 45}) {
    const CCountry& c = *world.Country(country);
    int listed = 0;
    for (const auto& [id, club] : c.Clubs()) {
      if (club->Number() == kAmateurClubNumber || listed >= 12) continue;
      // The game's lists write the company form of Spanish clubs after the name.
      std::string name(club->Name(0));
      if (country == 45 && listed == 0) name += " S.A.D.";
      clubLine(clubId++, c.Name(1), country, name);
      ++listed;
    }
  }
  clubLine(clubId++, "Various", 0, "Racing Club");  // several countries have one
  for (const char* unknown : {"Vela Testclub Nord", "Vela Testclub Ost", "Olympia Vela", "Vela Rangers"})
    clubLine(clubId++, "Vela", 250, unknown);
  clubLine(0, "Vela", 250, "Club ohne Nummer");       // dropped: id 0
  clubLine(400, "Vela", 250, "Club mit Nummer 400");  // dropped: id 400
  clubLine(clubId++, "", 250, "Club ohne Beschreibung");  // dropped: no description

  // Players: half of the squads of three clubs each in three countries.
  std::string players;
  std::string heads;
  uint32_t playerId = 20000;
  uint16_t faceId = 1000;
  auto playerRecord = [&](std::string_view name, std::string_view nick, uint32_t id) {
    players += std::string(name) + "\r\n" + std::to_string(id) + "\r\n" + std::string(nick) + "\r\n" +
               std::to_string(id) + "\r\n";
  };
  std::string firstListed;
  for (int country : {12, 14, 45}) {
    const CCountry& c = *world.Country(country);
    int clubsDone = 0;
    for (const auto& [id, club] : c.Clubs()) {
      if (clubsDone++ >= 3) break;
      int k = 0;
      for (uint32_t person : club->PlayerIds()) {
        const CPlayer* p = world.Persons().FindPlayer(person);
        if (!p || p->role != kRolePlayer) continue;
        const std::string name = std::string(FixedText(p->firstName)) + " " + std::string(FixedText(p->surname));
        if (k % 2 == 0 || p->nickname[0] != '\0') {
          playerRecord(name, FixedText(p->nickname), playerId++);
          if (firstListed.empty()) firstListed = name;
        }
        if (k % 3 == 0) {
          // Goalkeepers carry their position in the head list.
          const bool keeper = p->mainPosition == kPositionGoalkeeper;
          const std::string suffix = keeper ? (faceId % 2 == 0 ? " (GK)" : " [gk]") : "";
          heads += name + suffix + "\t" + std::to_string(faceId++) + "\t" + std::to_string(country) + "\r\n";
        }
        ++k;
      }
    }
  }
  // The same name under a second id, the same nickname twice, and players the world lacks.
  playerRecord(firstListed, "", playerId++);
  playerRecord("Vela Spieler Eins", "Velinho", playerId++);
  playerRecord("Vela Spieler Zwei", "Velinho", playerId++);
  playerRecord("Vela Spieler Drei", "", playerId++);
  for (const char* unknown : {"Vela Kopf Eins", "Vela Kopf Zwei (GK)"})
    heads += std::string(unknown) + "\t" + std::to_string(faceId++) + "\t250\r\n";

  return WriteText(folder / "VELA_ClubIDs.txt", clubs) && WriteText(folder / "VELA_PlayerIDs.txt", players) &&
         WriteText(folder / "VELA2003_StarHeads.txt", heads);
}

// ---------------------------------------------------------------- settings

std::string InstallSettingsText(std::string_view installFolder) {
  std::string value(installFolder);
  // Qt keeps values with separators or quotes as a quoted string with backslash escapes.
  if (!value.empty() &&
      (value.find_first_of(",;=\"\\#") != std::string::npos || value.front() == ' ' || value.back() == ' ')) {
    std::string quoted = "\"";
    for (char c : value) {
      if (c == '"' || c == '\\') quoted += '\\';
      quoted += c;
    }
    value = quoted + "\"";
  }
  return "[General]\nINSTALL%20DIR=" + value + "\n";
}

// ---------------------------------------------------------------- the whole installation

SampleInstallResult MakeSampleInstallation(const SampleInstallOptions& options) {
  SampleInstallResult result;
  std::error_code ec;
  const fs::path out = fs::absolute(options.outFolder, ec).lexically_normal();
  fs::create_directories(out / "database", ec);
  if (ec) {
    result.error = "cannot create " + out.string() + ": " + ec.message();
    return result;
  }
  if (!CopyHandWrittenData(options.sourceFolder, out, result.error)) return result;
  if (!WriteMainArchive(out)) {
    result.error = "cannot write data/zdata_06.big";
    return result;
  }

  CupAllocationTable allocations;
  allocations.LoadCupAllocations((out / "script").string());
  WorldEnvironment environment;
  environment.countryIndexPath = (out / "database" / "countries.sav").string();
  environment.scriptFolder = (out / "script").string();
  environment.cupAllocations = &allocations;
  if (!FileExists(environment.countryIndexPath)) {
    result.error = "cannot read database/countries.sav";
    return result;
  }
  CWorldDatabase world(environment);
  world.InitEmptyWorld();
  CNameGenerator names;
  if (!names.Load(out.string())) {
    result.error = "cannot read the name files";
    return result;
  }
  result.summary = GenerateSampleWorld(world, names, options.world);
  world.SetFolder((out / "database").string());
  StreamSaveErrorReporter reporter;
  if (!world.Save(reporter)) {
    result.error = "cannot write the database files";
    return result;
  }
  if (!WriteSiblingGameLists(world, (out / "database").string())) {
    result.error = "cannot write the sibling-game lists";
    return result;
  }
  if (!WriteSampleBadges(result.summary, out.string())) {
    result.error = "cannot write the badges";
    return result;
  }
  if (!options.rendererPath.empty() && fs::exists(options.rendererPath, ec)) {
    fs::copy_file(options.rendererPath, out / "Renderer.dll", fs::copy_options::overwrite_existing, ec);
    if (ec) {
      result.error = "cannot copy " + options.rendererPath;
      return result;
    }
  }
  const fs::path settings = options.settingsFolder.empty() ? out.parent_path() / "xdg" : fs::path(options.settingsFolder);
  fs::create_directories(settings / "Halvex", ec);
  if (!WriteText(settings / "Halvex" / "TORVALE.conf", InstallSettingsText(out.string()))) {
    result.error = "cannot write " + (settings / "Halvex" / "TORVALE.conf").string();
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace torvale
