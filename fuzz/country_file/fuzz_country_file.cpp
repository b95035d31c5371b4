// Country files travel with databases shared by strangers: read arbitrary bytes as a country
// file, save it, read the save and save again. Reading may repair (counts follow what was
// read), but what one save wrote must read back to the same save: otherwise a load and a save
// of a user's database would drift or lose a section every time.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "database/world_database.h"
#include "storage/record_stream.h"

namespace {

using namespace torvale;

constexpr int kCountry = 14;

CWorldDatabase& World(int which) {
  static std::unique_ptr<CWorldDatabase> worlds[2];
  auto& world = worlds[which];
  if (!world) {
    WorldEnvironment environment;
    environment.countryIndexPath = {};  // no index: countries keep their defaults
    world = std::make_unique<CWorldDatabase>(environment);
    world->InitEmptyWorld();
  }
  return *world;
}

// Reads `text` into the country of `world` and writes it out again.
std::string ReadAndSave(CWorldDatabase& world, const std::string& text) {
  CCountry& country = *world.Country(kCountry);
  CKLFile in;
  in.OpenReadFromMemory(text);
  country.ReadCountry(in);
  CKLFile out;
  out.OpenWriteToMemory();
  country.WriteCountry(out);
  return out.TakeWritten();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string first = ReadAndSave(World(0), input);
  const std::string second = ReadAndSave(World(1), first);
  if (first != second) std::abort();
  return 0;
}
