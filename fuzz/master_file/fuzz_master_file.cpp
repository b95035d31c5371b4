// Feeds arbitrary bytes to the master file reader: the inspector is run on files of unknown
// origin, and a damaged file must give an answer, never a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "master/master_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  const auto info = torvale::ReadMasterFile(std::span<const uint8_t>(data, size), &error);
  // A file is either read whole (and says its own length) or refused with a reason.
  if (info ? info->sizeWord != size || info->countries.size() != 206 : error.empty()) __builtin_trap();
  return 0;
}
