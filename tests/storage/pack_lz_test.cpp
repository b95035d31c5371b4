// The LZ copy codec: the encoder's exact bytes (they decide what our archives contain), round
// trips through both encoders, and the in-place variants used for BIG archives.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "storage/pack.h"

namespace torvale {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes FromText(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Pack(const Bytes& input) {
  Bytes out(PACK_packedBound(input.size()));
  const size_t length = PACK_pack(input.data(), input.size(), out.data(), out.size(), true);
  out.resize(length);
  return out;
}

// Unpacks through the public pair PACK_size + PACK_unpack, as the chunk reader does.
std::optional<Bytes> Unpack(const Bytes& block) {
  Bytes out(PACK_size(block.data(), block.size()));
  if (PACK_unpack(block.data(), block.size(), out.data(), out.size()) != out.size()) return std::nullopt;
  return out;
}

// Text with the mix of repeats a country file has: section names, numbers, names.
Bytes CountryLikeText(size_t size, uint32_t seed) {
  static const char* const kWords[] = {"%INDEX%CLUB", "%INDEXEND%CLUB", "PLAYER", "Müller", "Schmidt",
                                       "Stadion", "\r\n", "0", "1", "12", "255", "-1", "Bayern"};
  std::mt19937 random(seed);
  std::string text;
  while (text.size() < size) {
    text += kWords[random() % std::size(kWords)];
    if (random() % 3 == 0) text += std::to_string(random() % 100000);
    text += "\r\n";
  }
  text.resize(size);
  return FromText(text);
}

Bytes RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

TEST(PackLzEncoder, WritesTheExactBytesOfShortInputs) {
  EXPECT_EQ(Pack({}), (Bytes{0x10, 0xFB, 0x00, 0x00, 0x00, 0xFC}));
  // Under eight bytes nothing is searched: a run when four or more, the rest in the end command.
  EXPECT_EQ(Pack(FromText("xyz")), (Bytes{0x10, 0xFB, 0, 0, 3, 0xFF, 'x', 'y', 'z'}));
  EXPECT_EQ(Pack(FromText("abcdefg")),
            (Bytes{0x10, 0xFB, 0, 0, 7, 0xE0, 'a', 'b', 'c', 'd', 0xFF, 'e', 'f', 'g'}));
  // The last four bytes are never matched, even when they repeat.
  EXPECT_EQ(Pack(FromText("abcdabcd")),
            (Bytes{0x10, 0xFB, 0, 0, 8, 0xE1, 'a', 'b', 'c', 'd', 'a', 'b', 'c', 'd', 0xFC}));
  // A 2-byte copy carries the three pending literals; the tail leaves as a run.
  EXPECT_EQ(Pack(FromText("abcabcabcabc")),
            (Bytes{0x10, 0xFB, 0, 0, 12, 0x0B, 0x02, 'a', 'b', 'c', 0xE0, 'c', 'a', 'b', 'c', 0xFC}));
}

TEST(PackLzEncoder, PacksARunOfOneByteIntoOverlappingCopies) {
  // 20 bytes: one literal, then a 3-byte copy of 15 at distance 1.
  EXPECT_EQ(Pack(Bytes(20, 'a')),
            (Bytes{0x10, 0xFB, 0, 0, 20, 0x8B, 0x40, 0x00, 'a', 0xE0, 'a', 'a', 'a', 'a', 0xFC}));
  // 2000 bytes: the longest copy (1028) in the 4-byte form, then the rest up to the last four.
  EXPECT_EQ(Pack(Bytes(2000, 'a')), (Bytes{0x10, 0xFB, 0x00, 0x07, 0xD0, 0xCD, 0x00, 0x00, 0xFF, 'a', 0xCC,
                                           0x00, 0x00, 0xC2, 0xE0, 'a', 'a', 'a', 'a', 0xFC}));
}

// Filler in which no three consecutive bytes repeat, so the only matches are the ones planted.
Bytes UniqueTripleFiller(size_t size, uint16_t start) {
  Bytes bytes;
  for (uint32_t k = start; bytes.size() < size; ++k) {
    bytes.push_back(static_cast<uint8_t>(k));
    bytes.push_back(static_cast<uint8_t>(0x80 | (k >> 8)));
  }
  bytes.resize(size);
  return bytes;
}

TEST(PackLzEncoder, PrefersTheNearerMatchWhenTheFartherSavesNoMore) {
  // "0123456789X" far back (offset >= 1024: 3-byte command, saves 8) and "0123456789Y" near
  // (2-byte command, saves 8 as well): the nearer one, found first, must stay.
  const Bytes far = FromText("0123456789X");
  const Bytes near = FromText("0123456789Y");
  Bytes input = far;
  const Bytes gap1 = UniqueTripleFiller(1200, 0);
  input.insert(input.end(), gap1.begin(), gap1.end());
  input.insert(input.end(), near.begin(), near.end());
  const Bytes gap2 = UniqueTripleFiller(40, 4000);
  input.insert(input.end(), gap2.begin(), gap2.end());
  const size_t matchAt = input.size();
  input.insert(input.end(), far.begin(), far.end());
  input.insert(input.end(), {'-', '-', '-', '-', '-'});

  const Bytes packed = Pack(input);
  ASSERT_EQ(Unpack(packed), input);
  // The copy of 10 at distance 51 is the 2-byte command 0x1C | literals, 0x32.
  const size_t distance = matchAt - 1211;
  ASSERT_EQ(distance, 51u);
  const Bytes twoByteCopy = {static_cast<uint8_t>(((10 - 3) << 2)), static_cast<uint8_t>(distance - 1)};
  bool found = false;
  for (size_t i = 0; i + 1 < packed.size(); ++i) {
    if ((packed[i] & ~0x03) == twoByteCopy[0] && packed[i + 1] == twoByteCopy[1]) found = true;
  }
  EXPECT_TRUE(found);
  // Taking the longer far match instead would make the output one byte longer.
  EXPECT_EQ(packed.size(), PACK_pack(input.data(), input.size(), nullptr, 0, false));
}

TEST(PackLzEncoder, RoundTripsAllKindsOfInput) {
  std::vector<Bytes> inputs = {
      {}, {0x42}, FromText("ab"), FromText("abcdefgh"), Bytes(5, 0), Bytes(100000, 0xFF),
      RandomBytes(70000, 1), CountryLikeText(300000, 2), UniqueTripleFiller(50000, 7)};
  // Repeats at the far edge of the window (16383 back) and just beyond it.
  Bytes edge = RandomBytes(40000, 3);
  std::copy(edge.begin(), edge.begin() + 200, edge.begin() + 16383);
  std::copy(edge.begin() + 20000, edge.begin() + 20200, edge.begin() + 20000 + 16384);
  inputs.push_back(edge);

  for (const Bytes& input : inputs) {
    const Bytes packed = Pack(input);
    ASSERT_FALSE(packed.empty());
    EXPECT_LE(packed.size(), PACK_packedBound(input.size()));
    EXPECT_EQ(packed.size(), PACK_pack(input.data(), input.size(), nullptr, 0, false));
    EXPECT_EQ(PACK_size(packed.data(), packed.size()), input.size());
    if (input.empty()) continue;  // nothing to unpack; PACK_unpack reports 0
    EXPECT_EQ(Unpack(packed), input) << "input of " << input.size() << " bytes";
  }
  EXPECT_LT(Pack(CountryLikeText(300000, 2)).size(), 300000u / 3);
}

TEST(PackLzEncoder, UsesTheFourByteHeaderBeyondSixteenMebibytes) {
  const Bytes input = CountryLikeText(0x1000000 + 1000, 5);
  const Bytes packed = Pack(input);
  ASSERT_GE(packed.size(), 6u);
  EXPECT_EQ(packed[0], 0x90);
  EXPECT_EQ(packed[1], 0xFB);
  EXPECT_EQ(PACK_size(packed.data(), packed.size()), input.size());
  EXPECT_EQ(Unpack(packed), input);

  const Bytes largest3Byte = Bytes(0xFFFFFF, 'q');
  EXPECT_EQ(Pack(largest3Byte)[0], 0x10);
}

TEST(PackLzEncoder, RefusesADestinationSmallerThanTheWorstCase) {
  const Bytes input = RandomBytes(1000, 9);
  Bytes out(PACK_packedBound(input.size()) - 1);
  EXPECT_EQ(PACK_pack(input.data(), input.size(), out.data(), out.size(), true), 0u);
  EXPECT_EQ(PACK_pack(input.data(), input.size(), nullptr, 0, true), 0u);
}

TEST(PackLzInPlace, PacksAndUnpacksWholeBuffers) {
  for (const Bytes& input : {Bytes{7}, FromText("abcabcabcabcabc"), Bytes(300000, 'z'), RandomBytes(5000, 4),
                             CountryLikeText(400000, 8)}) {
    Bytes buffer = input;
    ASSERT_TRUE(PACK_packInPlace(buffer));
    EXPECT_EQ(buffer[0], 0x10);
    EXPECT_EQ(buffer[1], 0xFB);
    EXPECT_LE(buffer.size(), PACK_packedBound(input.size()));
    EXPECT_EQ(Unpack(buffer), input);  // any LZ reader takes it
    ASSERT_TRUE(PACK_unpackInPlace(buffer));
    EXPECT_EQ(buffer, input);
  }
  Bytes text = CountryLikeText(400000, 8);
  ASSERT_TRUE(PACK_packInPlace(text));
  EXPECT_LT(text.size(), 400000u / 2);
}

TEST(PackLzInPlace, RefusesWhatItCannotPackAndLeavesItAlone) {
  Bytes empty;
  EXPECT_FALSE(PACK_packInPlace(empty));
  Bytes alreadyPacked = {0x10, 0xFB, 0, 0, 1, 0xFD, 'x'};
  const Bytes before = alreadyPacked;
  EXPECT_FALSE(PACK_packInPlace(alreadyPacked));
  EXPECT_EQ(alreadyPacked, before);
  // Its header holds only three size bytes.
  Bytes tooLarge(0x1000000, 1);
  EXPECT_FALSE(PACK_packInPlace(tooLarge));
  EXPECT_EQ(tooLarge.size(), 0x1000000u);
}

TEST(PackLzInPlace, UnpacksOnlyExactLzBlocks) {
  const Bytes original = FromText("hello hello hello hello");
  Bytes packed = original;
  ASSERT_TRUE(PACK_packInPlace(packed));

  Bytes wide = Pack(original);
  wide[0] = 0x11;  // a second size field: not the plain form archives use
  EXPECT_FALSE(PACK_unpackInPlace(wide));

  Bytes wrongSize = packed;
  wrongSize[4] += 1;  // claims one byte more than the stream yields
  EXPECT_FALSE(PACK_unpackInPlace(wrongSize));

  // The end command may be missing: the end of the block ends the stream as well.
  Bytes noEnd = Pack(Bytes(40, 'k'));
  ASSERT_EQ(noEnd.back(), 0xFC);
  noEnd.pop_back();
  ASSERT_TRUE(PACK_unpackInPlace(noEnd));
  EXPECT_EQ(noEnd, Bytes(40, 'k'));

  // A block cut anywhere fails and stays as it was.
  for (size_t cut = 0; cut + 1 < packed.size(); ++cut) {
    Bytes truncated(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(cut));
    const Bytes before = truncated;
    EXPECT_FALSE(PACK_unpackInPlace(truncated)) << "cut at " << cut;
    EXPECT_EQ(truncated, before);
  }
}

}  // namespace
}  // namespace torvale
