// Feeds arbitrary bytes to the BIG archive reader as an archive file and reads every entry,
// unpacked and as stored: "badges.big" may be replaced by anyone.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "assets/big_archive.h"

namespace {

std::string ScratchFolder() {
  const char* folder = std::getenv("TMPDIR");
  return std::string(folder && *folder ? folder : "/tmp");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = ScratchFolder() + "/fuzz_big_" + std::to_string(::getpid()) + ".big";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return 0;
  if (size) std::fwrite(data, 1, size, file);
  std::fclose(file);

  torvale::CQZBig big;
  big.SetQuiet(true);
  if (big.Open(path, true)) {
    for (int i = 0; i < big.GetEntryCount(); ++i) {
      const torvale::BigEntry entry = big.GetEntry(i);
      const auto stored = big.ReadEntry(i, false);
      if (!stored || stored->size() != entry.length) __builtin_trap();
      big.ReadEntry(i, true);
      big.FindEntry(entry.name);
    }
    big.FindEntryReported("Badges\\none.tga");
  }
  big.Close();
  std::remove(path.c_str());
  return 0;
}
