// Feeds arbitrary bytes to the chunk-file reader: world archives may come from strangers.
// Inputs that do not start with "FORM" get a header with the right length put in front, so
// that the chunk reading itself is reached as often as the header checks.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "storage/form_reader.h"

namespace {

std::string ScratchPath() {
  const char* folder = std::getenv("TMPDIR");
  return std::string(folder && *folder ? folder : "/tmp") + "/fuzz_form_" + std::to_string(::getpid()) + ".zdb";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = ScratchPath();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return 0;
  const bool hasHeader = size >= 4 && data[0] == 'F' && data[1] == 'O' && data[2] == 'R' && data[3] == 'M';
  if (!hasHeader) {
    const uint32_t length = static_cast<uint32_t>(size + 8);
    const uint8_t header[8] = {'F', 'O', 'R', 'M', uint8_t(length), uint8_t(length >> 8), uint8_t(length >> 16),
                               uint8_t(length >> 24)};
    std::fwrite(header, 1, sizeof header, file);
  }
  if (size) std::fwrite(data, 1, size, file);
  std::fclose(file);

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
