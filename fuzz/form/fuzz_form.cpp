// Feeds arbitrary bytes to the chunk-file reader: world archives may come from strangers.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "../archive_input.h"
#include "storage/form_reader.h"

namespace {

std::string ScratchPath() {
  const char* folder = std::getenv("TMPDIR");
  return std::string(folder && *folder ? folder : "/tmp") + "/fuzz_form_" + std::to_string(::getpid()) + ".zdb";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = ScratchPath();
  if (!WriteArchiveInput(path.c_str(), data, size)) return 0;

  torvale::CFormReader reader;
  if (reader.Open(path)) {
    while (auto chunk = reader.ReadNextChunk()) {
      if (chunk->Size() == 0 || chunk->tagIndex >= torvale::kFormTagCount || reader.Position() > reader.Length())
        __builtin_trap();
    }
  }
  reader.Close();
  std::remove(path.c_str());
  return 0;
}
