// Packed blocks arrive inside world archives and BIG files from anyone. Each input is taken as
// a block of whatever family its signature names and decoded into a buffer of exactly the
// stated size (so the sanitizer sees any write past it); LZ blocks also go through the
// in-place decoder. Whatever decodes, and the raw input itself, must survive both LZ encoders
// and come back unchanged.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "storage/pack.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Enough for every path of every decoder; larger stated sizes are not allocated, which keeps
// the fuzzer fast.
constexpr uint32_t kMaxUnpacked = 1u << 18;
// Packing is the slow direction; longer inputs add time but no new paths.
constexpr size_t kMaxRepacked = 1u << 16;

// The size field as the decoders read it, also for signatures PACK_size does not vouch for.
uint32_t StatedSize(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t width = (data[0] & 0x80) ? 4 : 3;
  if (size < 2 + width) return 0;
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) value = (value << 8) | data[2 + i];
  return value;
}

void CheckRoundTrip(const Bytes& input) {
  if (input.size() > kMaxRepacked) return;
  Bytes packed(torvale::PACK_packedBound(input.size()));
  const size_t length = torvale::PACK_pack(input.data(), input.size(), packed.data(), packed.size(), true);
  if (length == 0 || length > packed.size()) std::abort();
  if (length != torvale::PACK_pack(input.data(), input.size(), nullptr, 0, false)) std::abort();
  packed.resize(length);
  if (!input.empty()) {
    Bytes unpacked(torvale::PACK_size(packed.data(), packed.size()));
    if (unpacked.size() != input.size()) std::abort();
    if (torvale::PACK_unpack(packed.data(), packed.size(), unpacked.data(), unpacked.size()) != input.size()) {
      std::abort();
    }
    if (unpacked != input) std::abort();
  }

  Bytes inPlace = input;
  if (torvale::PACK_packInPlace(inPlace)) {
    if (inPlace.size() > torvale::PACK_packedBound(input.size())) std::abort();
    if (!torvale::PACK_unpackInPlace(inPlace) || inPlace != input) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Bytes block(data, data + size);
  const uint32_t reported = torvale::PACK_size(block.data(), block.size());
  const uint32_t stated = StatedSize(block.data(), block.size());
  if (reported != 0 && reported != stated) std::abort();

  if (stated <= kMaxUnpacked) {
    Bytes unpacked(stated);
    const uint32_t result = torvale::PACK_unpack(block.data(), block.size(), unpacked.data(), unpacked.size());
    if (result != 0 && result != stated) std::abort();
    if (result != 0) CheckRoundTrip(unpacked);
    // A destination one byte short must be refused, never overrun.
    if (stated > 0) {
      Bytes shorter(stated - 1);
      if (torvale::PACK_unpack(block.data(), block.size(), shorter.data(), shorter.size()) != 0) std::abort();
    }
  }

  Bytes inPlace = block;
  if (torvale::PACK_unpackInPlace(inPlace)) {
    if (inPlace.size() != stated) std::abort();
  } else if (inPlace != block) {
    std::abort();  // a failed unpack leaves the buffer as it was
  }

  CheckRoundTrip(block);
  return 0;
}
