// Imports arbitrary bytes as a world archive into a throw-away installation: archives come
// from strangers, so whatever they hold may only ever write country files into the database
// folder and badges and pictures into their folders. Inputs that do not start with "FORM" get
// a header with the right length put in front, so the chunks themselves are reached.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "database/world_database.h"
#include "exchange/longtime_operation.h"
#include "exchange/world_archive.h"

namespace {

namespace fs = std::filesystem;

fs::path ScratchFolder() {
  const char* folder = std::getenv("TMPDIR");
  return fs::path(folder && *folder ? folder : "/tmp") / ("fuzz_import_" + std::to_string(::getpid()));
}

bool WriteArchive(const fs::path& path, const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool hasHeader = size >= 4 && data[0] == 'F' && data[1] == 'O' && data[2] == 'R' && data[3] == 'M';
  if (!hasHeader) {
    const uint32_t length = static_cast<uint32_t>(size + 8);
    const uint8_t header[8] = {'F', 'O', 'R', 'M', uint8_t(length), uint8_t(length >> 8), uint8_t(length >> 16),
                               uint8_t(length >> 24)};
    std::fwrite(header, 1, sizeof header, file);
  }
  if (size) std::fwrite(data, 1, size, file);
  return std::fclose(file) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path root = ScratchFolder();
  const fs::path install = root / "install";
  std::error_code ec;
  fs::remove_all(root, ec);
  fs::create_directories(install / "database", ec);
  fs::create_directories(install / "badges", ec);
  fs::create_directories(install / "picture", ec);
  if (ec || !WriteArchive(root / "forged.zdb", data, size)) return 0;

  const fs::path previous = fs::current_path(ec);
  fs::current_path(install, ec);
  {
    torvale::CWorldDatabase world;
    torvale::NoLongtimeProgress progress;
    const torvale::ImportOptions options{true, (install / "badges").string(), (install / "picture").string()};
    torvale::ImportWorld(world, (root / "forged.zdb").string(), options, progress);
  }
  fs::current_path(previous, ec);

  // Nothing may have appeared beside the installation, nor any folder other than the three.
  for (const auto& entry : fs::directory_iterator(root))
    if (entry.path().filename() != "install" && entry.path().filename() != "forged.zdb") __builtin_trap();
  for (const auto& entry : fs::directory_iterator(install)) {
    const auto name = entry.path().filename();
    if (name != "database" && name != "badges" && name != "picture") __builtin_trap();
  }
  for (const auto& entry : fs::directory_iterator(install / "database"))
    if (entry.is_directory()) __builtin_trap();
  fs::remove_all(root, ec);
  return 0;
}
