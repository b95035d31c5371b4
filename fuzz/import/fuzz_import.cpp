// Imports arbitrary bytes as a world archive into a throw-away installation: archives come
// from strangers, so whatever they hold may only ever write country files into the database
// folder and badges and pictures into their folders.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "../archive_input.h"
#include "database/world_database.h"
#include "exchange/longtime_operation.h"
#include "exchange/world_archive.h"

namespace {

namespace fs = std::filesystem;

fs::path ScratchFolder() {
  const char* folder = std::getenv("TMPDIR");
  return fs::path(folder && *folder ? folder : "/tmp") / ("fuzz_import_" + std::to_string(::getpid()));
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
  if (ec || !WriteArchiveInput((root / "forged.zdb").c_str(), data, size)) return 0;

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
