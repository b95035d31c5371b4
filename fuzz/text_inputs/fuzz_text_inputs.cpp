// The plain text files the editor reads from the game's folders, which users edit by hand and
// share: the cup allocation table, the country index, the three name lists, the three mapping
// lists of the sibling game and the text tables. Each reader gets the same arbitrary bytes;
// none may crash, hang or allocate without bound.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "competition/cup_allocation.h"
#include "database/world_database.h"
#include "exchange/name_generator.h"
#include "exchange/name_pool.h"
#include "exchange/text_data_file.h"
#include "exchange/vela_club_mapping.h"
#include "exchange/vela_player_mapping.h"
#include "storage/record_stream.h"

namespace {

using namespace torvale;
namespace fs = std::filesystem;

// A folder of this process with "ger/" for the text tables.
const std::string& Folder() {
  static const std::string folder = [] {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path path = base / ("fuzz-text-inputs-" + std::to_string(::getpid()));
    fs::create_directories(path / "ger");
    return path.string();
  }();
  return folder;
}

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string& folder = Folder();

  CKLFile allocations;
  allocations.OpenReadFromMemory(input);
  CupAllocationTable table;
  table.LoadCupAllocations(allocations);

  for (const char* name : {"shoe.txt", "faceIDs.txt", "clubSpeechIDs.txt", "TeamColour.txt", "StadiumList.txt"})
    Write(folder + "/ger/" + name, input);
  CTextDataTables tables;
  tables.Load(folder, "ger");

  CVelaClubMapping clubs;
  clubs.LoadText(input);
  CVelaPlayerMapping players;
  players.LoadPlayerIdText(input, "VELA_PlayerIDs.txt");
  players.LoadStarHeadText(input);

  const std::string names = folder + "/Names.txt";
  Write(names, input);
  CNameGenerator generator;
  for (NameListKind kind : {NameListKind::kMaleFirstNames, NameListKind::kFemaleFirstNames, NameListKind::kSurnames})
    generator.LoadList(kind, names);
  CNamePool pool(20, 20);
  pool.LoadFile(kPoolSurnames, names);

  // The country index: read when a world is made.
  WorldEnvironment environment;
  environment.countryIndexPath = names;
  CWorldDatabase world(environment);
  world.InitEmptyWorld();
  return 0;
}
