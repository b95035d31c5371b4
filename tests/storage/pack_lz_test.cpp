#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "storage/pack.h"

namespace torvale {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Pack(const Bytes& input) {
  Bytes out(PACK_packedBound(input.size()));
  const size_t length = PACK_pack(input.data(), input.size(), out.data(), out.size(), true);
  out.resize(length);
  return out;
}

Bytes Unpack(const Bytes& block) {
  Bytes out(PACK_size(block.data(), block.size()));
  const uint32_t length = PACK_unpack(block.data(), block.size(), out.data(), out.size());
  if (length != out.size()) return {0xDE, 0xAD};
  return out;
}

TEST(PackLz, EmptyInputPacksToHeaderAndEndCommand) {
  EXPECT_EQ(Pack({}), (Bytes{0x10, 0xFB, 0x00, 0x00, 0x00, 0xFC}));
}

TEST(PackLz, RoundTripsRandomBytes) {
  std::mt19937 random(7);
  Bytes input(100000);
  for (auto& b : input) b = static_cast<uint8_t>(random() % 7);
  Bytes packed = Pack(input);
  EXPECT_LT(packed.size(), input.size());
  EXPECT_EQ(Unpack(packed), input);
}

}  // namespace
}  // namespace torvale
