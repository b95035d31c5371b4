// Decoding packed blocks of every family, built by hand from the format: header variants,
// the LZ command forms, Huffman with escapes and byte delta, byte pairs, block textures, and
// damaged blocks that must fail without touching memory they do not own.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "storage/pack.h"
#include "storage/packed_size_limit.h"

namespace torvale {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Bits written most significant first, from a string of '0' and '1' (blanks for reading).
Bytes FromBits(const std::string& bits) {
  Bytes bytes;
  int used = 8;
  for (char c : bits) {
    if (c == ' ') continue;
    if (used == 8) {
      bytes.push_back(0);
      used = 0;
    }
    if (c == '1') bytes.back() |= static_cast<uint8_t>(0x80 >> used);
    ++used;
  }
  return bytes;
}

// Decodes into a buffer of exactly `size` bytes surrounded by guard bytes that must survive.
std::optional<Bytes> Decode(const Bytes& block, size_t size) {
  Bytes buffer(size + 32, 0xA5);
  const uint32_t result = PACK_unpack(block.data(), block.size(), buffer.data() + 16, size);
  for (size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(buffer[i], 0xA5);
    EXPECT_EQ(buffer[size + 16 + i], 0xA5);
  }
  if (result == 0) return std::nullopt;
  EXPECT_EQ(result, size);
  return Bytes(buffer.begin() + 16, buffer.begin() + 16 + static_cast<std::ptrdiff_t>(size));
}

TEST(PackHeader, SizeIsReportedOnlyForAcceptedSignatures) {
  const Bytes tail = {0, 0, 0, 0, 0, 0, 0, 0};
  auto size = [&](Bytes header) {
    header = Concat(header, tail);
    return PACK_size(header.data(), header.size());
  };
  EXPECT_EQ(size({0x10, 0xFB, 0x01, 0x02, 0x03}), 0x010203u);
  EXPECT_EQ(size({0x90, 0xFB, 0x01, 0x02, 0x03, 0x04}), 0x01020304u);
  EXPECT_EQ(size({0x11, 0xFB, 0x00, 0x00, 0x05, 0x00, 0x00, 0x09}), 5u);  // first of the two fields
  for (uint8_t accepted : {0x18, 0x1A, 0x19, 0x30, 0x32, 0x34, 0x35, 0x46, 0x47}) {
    EXPECT_EQ(size({accepted, 0xFB, 0x00, 0x01, 0x00}), 256u) << int{accepted};
  }
  for (uint8_t wide : {0x98, 0x9A, 0xB0, 0xB2, 0xB4, 0xC6}) {
    EXPECT_EQ(size({wide, 0xFB, 0x00, 0x00, 0x01, 0x00}), 256u) << int{wide};
  }
  // Block texture 0x1C, the external family and strangers are not sized.
  for (uint8_t refused : {0x1C, 0x1D, 0x9C, 0x1E, 0x1F, 0x9E, 0x00, 0x12, 0x20, 0x36, 0x44, 0xFF}) {
    EXPECT_EQ(size({refused, 0xFB, 0x00, 0x01, 0x00}), 0u) << int{refused};
  }
  EXPECT_EQ(size({0x10, 0xFA, 0x00, 0x01, 0x00}), 0u);
  const Bytes cut = {0x90, 0xFB, 0x00, 0x00, 0x01};
  EXPECT_EQ(PACK_size(cut.data(), cut.size()), 0u);
  EXPECT_EQ(PACK_size(nullptr, 0), 0u);
}

TEST(PackLzDecoder, DecodesEveryCommandForm) {
  // 2-byte copy with a literal, 3-byte copy with two literals, 4-byte copy, literal run, end.
  const Bytes block = {0x10, 0xFB, 0x00, 0x00, 25,
                       0xE0, 'a', 'b', 'c', 'd',        // run of 4
                       0x09, 0x03, 'e',                 // 'e', then copy 5 from 4 back: abcde -> bcdeb
                       0x82, 0x80, 0x02, 'x', 'y',      // 'x','y', then copy 6 from 3 back
                       0xC0, 0x00, 0x00, 0x00,          // copy 5 from 1 back
                       0xFE, 'z', '!'};
  EXPECT_EQ(Decode(block, 25), Bytes({'a', 'b', 'c', 'd', 'e', 'b', 'c', 'd', 'e', 'b', 'x', 'y', 'b', 'x', 'y', 'b',
                                      'x', 'y', 'y', 'y', 'y', 'y', 'y', 'z', '!'}));

  // The 4-byte form reaches 131072 back: bit 4 of its first byte is bit 16 of the offset.
  Bytes far = {0x10, 0xFB};
  Bytes expected;
  for (int run = 0; run < 600; ++run) {
    far.push_back(0xFB);
    for (int i = 0; i < 112; ++i) {
      expected.push_back(static_cast<uint8_t>((run * 112 + i) * 7 % 251));
      far.push_back(expected.back());
    }
  }
  const size_t offset = expected.size() - 1;  // copy from the very first byte
  ASSERT_GT(offset, 0xFFFFu);
  far = Concat(far, {static_cast<uint8_t>(0xC0 | ((offset >> 12) & 0x10) | ((95 >> 6) & 0x0C)),
                     static_cast<uint8_t>(offset >> 8), static_cast<uint8_t>(offset), 95, 0xFC});
  for (int i = 0; i < 100; ++i) expected.push_back(expected[static_cast<size_t>(i)]);
  far.insert(far.begin() + 2, {0x00, static_cast<uint8_t>(expected.size() >> 8), static_cast<uint8_t>(expected.size())});
  far[2] = static_cast<uint8_t>(expected.size() >> 16);
  EXPECT_EQ(Decode(far, expected.size()), expected);
}

TEST(PackLzDecoder, StepsOverTheSecondSizeField) {
  const Bytes block = {0x11, 0xFB, 0x00, 0x00, 0x03, 0xAB, 0xCD, 0xEF, 0xFF, 'x', 'y', 'z'};
  EXPECT_EQ(PACK_size(block.data(), block.size()), 3u);
  EXPECT_EQ(Decode(block, 3), Bytes({'x', 'y', 'z'}));
  const Bytes wide = {0x91, 0xFB, 0, 0, 0, 2, 9, 9, 9, 9, 0xFE, 'o', 'k'};
  EXPECT_EQ(Decode(wide, 2), Bytes({'o', 'k'}));
}

TEST(PackLzDecoder, FailsOnDamagedBlocks) {
  const Bytes good = {0x10, 0xFB, 0x00, 0x00, 0x0C, 0x0B, 0x02, 'a', 'b', 'c', 0xE0, 'c', 'a', 'b', 'c', 0xFC};
  ASSERT_TRUE(Decode(good, 12));
  EXPECT_FALSE(Decode(good, 11)) << "destination smaller than the unpacked size";
  for (size_t cut = 0; cut + 1 < good.size(); ++cut) {
    EXPECT_FALSE(Decode(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut)), 12)) << cut;
  }
  Bytes tooFar = good;
  tooFar[6] = 0x03;  // copy from 4 back with only 3 bytes produced
  EXPECT_FALSE(Decode(tooFar, 12));
  Bytes tooLong = good;
  tooLong[4] = 0x0B;  // header claims 11: the last run would write past it
  EXPECT_FALSE(Decode(tooLong, 11));
  Bytes tooShort = good;
  tooShort[4] = 0x0D;  // header claims 13: the stream yields only 12
  EXPECT_FALSE(Decode(tooShort, 13));
  const Bytes literalsPastEnd = {0x10, 0xFB, 0x00, 0x00, 0x08, 0xE1, 'a', 'b'};
  EXPECT_FALSE(Decode(literalsPastEnd, 8));
  const Bytes external = {0x1E, 0xFB, 0x00, 0x00, 0x01, 0x00};
  EXPECT_FALSE(Decode(external, 1));
}

// Escape 'C'; codes A = 0, B = 10, C = 11.
const char* const kHuffmanABC =
    "01000011"              // escape symbol 'C'
    "101 110"               // one code of length 1, two of length 2: the code space is full
    "00001 000101 100 100"  // symbols: 'A' (65 steps from 255), then 'B' and 'C' right after
    "0 0 10"                // A A B
    "11 01101"              // escape, repeat the last byte 9 more times
    "11 100 0 01000011"     // escape, 0, literal flag, 'C' as a literal
    "10"                    // B
    "11 100 1";             // escape, 0, end of data

TEST(PackHuffman, DecodesCodesRepeatsAndLiterals) {
  const Bytes stream = FromBits(kHuffmanABC);
  const Bytes expected = {'A', 'A', 'B', 'B', 'B', 'B', 'B', 'B', 'B', 'B', 'B', 'B', 'C', 'B'};
  EXPECT_EQ(Decode(Concat({0x30, 0xFB, 0x00, 0x00, 14}, stream), 14), expected);
  EXPECT_EQ(Decode(Concat({0xB0, 0xFB, 0x00, 0x00, 0x00, 14}, stream), 14), expected);
  EXPECT_EQ(Decode(Concat({0x31, 0xFB, 0x00, 0x00, 14, 0x00, 0x00, 0x01}, stream), 14), expected);

  // Symbol steps wrap from 255 to 0: 0xFE is 254 steps on, 0x01 three steps after 0xFE.
  const Bytes wrapped = FromBits("00000001 110 0000001 00000010 110 0 0 1 100 1");
  EXPECT_EQ(Decode(Concat({0x30, 0xFB, 0x00, 0x00, 2}, wrapped), 2), Bytes({0xFE, 0xFE}));
}

TEST(PackHuffman, UndoesOneOrTwoLevelsOfByteDelta) {
  // Escape 0x02; codes 0x01 = 0, 0x02 = 1; data 01 01 01, end.
  const Bytes stream = FromBits("00000010 110 101 100 0 0 0 1 100 1");
  EXPECT_EQ(Decode(Concat({0x30, 0xFB, 0, 0, 3}, stream), 3), Bytes({1, 1, 1}));
  EXPECT_EQ(Decode(Concat({0x32, 0xFB, 0, 0, 3}, stream), 3), Bytes({1, 2, 3}));
  EXPECT_EQ(Decode(Concat({0x34, 0xFB, 0, 0, 3}, stream), 3), Bytes({1, 3, 6}));
  EXPECT_EQ(Decode(Concat({0xB4, 0xFB, 0, 0, 0, 3}, stream), 3), Bytes({1, 3, 6}));
}

TEST(PackHuffman, FailsOnDamagedStreams) {
  const Bytes good = Concat({0x30, 0xFB, 0x00, 0x00, 14}, FromBits(kHuffmanABC));
  ASSERT_TRUE(Decode(good, 14));
  EXPECT_FALSE(Decode(good, 13));
  Bytes tooLarge = good;
  tooLarge[4] = 15;  // the end code comes one byte early
  EXPECT_FALSE(Decode(tooLarge, 15));
  Bytes tooSmall = good;
  tooSmall[4] = 13;  // the last B would not fit
  EXPECT_FALSE(Decode(tooSmall, 13));
  for (size_t cut = 0; cut + 2 < good.size(); ++cut) {
    EXPECT_FALSE(Decode(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut)), 14)) << cut;
  }
  // Three codes of length 1 overfill the code space.
  EXPECT_FALSE(Decode(Concat({0x30, 0xFB, 0, 0, 1}, FromBits("01000011 111 100 100 100 0")), 1));
  // A repeat before anything was output has nothing to repeat.
  EXPECT_FALSE(Decode(Concat({0x30, 0xFB, 0, 0, 3}, FromBits("00000010 110 101 100 1 111 0")), 3));
  // A repeat count far beyond the unpacked size.
  EXPECT_FALSE(Decode(Concat({0x30, 0xFB, 0, 0, 3}, FromBits("00000010 110 101 100 0 1 0000000001 111111111111")), 3));
  // A number code of endless zero bits.
  EXPECT_FALSE(Decode(Concat({0x30, 0xFB, 0, 0, 3}, Bytes(64, 0)), 3));
}

TEST(PackBytePair, ExpandsNestedPairsAndEscapes) {
  // Escape 0xFF; 0x80 = "ab", 0x81 = 0x80 'c' = "abc".
  const Bytes stream = {0xFF, 2, 0x80, 'a', 'b', 0x81, 0x80, 'c', 0x81, 'x', 0x80, 0xFF, 0x80, 0xFF, 0x00};
  const Bytes expected = {'a', 'b', 'c', 'x', 'a', 'b', 0x80};
  EXPECT_EQ(Decode(Concat({0x46, 0xFB, 0, 0, 7}, stream), 7), expected);
  EXPECT_EQ(Decode(Concat({0xC6, 0xFB, 0, 0, 0, 7}, stream), 7), expected);
  EXPECT_EQ(Decode(Concat({0x47, 0xFB, 0, 0, 7, 1, 2, 3}, stream), 7), expected);

  // A deep chain of definitions: each code adds one byte in front of the previous one.
  Bytes deep = {0x46, 0xFB, 0, 0, 200, 0x00, 199};
  for (int code = 2; code <= 200; ++code) {
    deep = Concat(deep, {static_cast<uint8_t>(code), 0xF0, static_cast<uint8_t>(code - 1)});
  }
  deep = Concat(deep, {200, 0x00, 0x00});
  Bytes expectedDeep(199, 0xF0);
  expectedDeep.push_back(1);
  EXPECT_EQ(Decode(deep, 200), expectedDeep);
}

TEST(PackBytePair, FailsOnDamagedStreams) {
  const Bytes header = {0x46, 0xFB, 0, 0, 7};
  const Bytes stream = {0xFF, 2, 0x80, 'a', 'b', 0x81, 0x80, 'c', 0x81, 'x', 0x80, 0xFF, 0x80, 0xFF, 0x00};
  EXPECT_FALSE(Decode(Concat({0x46, 0xFB, 0, 0, 6}, stream), 6)) << "output beyond the size";
  EXPECT_FALSE(Decode(Concat({0x46, 0xFB, 0, 0, 8}, stream), 8)) << "ends before the size";
  for (size_t cut = 0; cut + 2 < stream.size(); ++cut) {
    EXPECT_FALSE(Decode(Concat(header, Bytes(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(cut))), 7))
        << cut;
  }
  // Definitions through themselves would expand forever.
  EXPECT_FALSE(Decode(Concat(header, {0xFF, 1, 0x80, 0x80, 'a', 0x80, 0xFF, 0x00}), 7));
  EXPECT_FALSE(Decode(Concat(header, {0xFF, 2, 0x80, 'a', 0x81, 0x81, 0x80, 'b', 0x80, 0xFF, 0x00}), 7));
  // A table of definitions cut short.
  EXPECT_FALSE(Decode(Concat(header, {0xFF, 5, 0x80, 'a'}), 7));
}

Bytes Pixels(std::initializer_list<uint16_t> values) {
  Bytes bytes;
  for (uint16_t v : values) bytes = Concat(bytes, {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)});
  return bytes;
}

TEST(PackBlockTexture, DecodesBothPaletteModes) {
  // Width 5, two rows: two blocks side by side, the second only one pixel wide.
  const Bytes blocks = {
      0x00, 0x00, 0x05,                                // reserved byte, width 5
      0x00, 0xF8, 0x1F, 0x00, 0xE4, 0x1B, 0x00, 0x00,  // red > blue: four colours
      0x00, 0x00, 0xE0, 0x07, 0x00, 0x03, 0x00, 0x00,  // black <= green: mid colour and transparent
  };
  const Bytes expected = Pixels({0xF800, 0x001F, 0x980B, 0x5813, 0x0001,    // black is kept apart
                                 0x5813, 0x980B, 0x001F, 0xF800, 0x0000});  // from transparent
  EXPECT_EQ(Decode(Concat({0x18, 0xFB, 0, 0, 20}, blocks), 20), expected);
  EXPECT_EQ(Decode(Concat({0x1A, 0xFB, 0, 0, 20}, blocks), 20), expected);
  EXPECT_EQ(Decode(Concat({0x98, 0xFB, 0, 0, 0, 20}, blocks), 20), expected);
  const Bytes unsized = Concat({0x1C, 0xFB, 0, 0, 20}, blocks);
  EXPECT_EQ(PACK_size(unsized.data(), unsized.size()), 0u);
  EXPECT_EQ(Decode(unsized, 20), expected);
  // A mid colour of (c0 + c1) / 2 per channel: green 63 and 0 give 31.
  EXPECT_EQ(Decode(Concat({0x18, 0xFB, 0, 0, 2}, {0, 0, 1, 0x00, 0x00, 0xE0, 0x07, 0x02, 0, 0, 0}), 2),
            Pixels({0x03E0}));
}

TEST(PackBlockTexture, FailsOnDamagedBlocks) {
  const Bytes oneBlock = {0x00, 0x00, 0x04, 0x00, 0xF8, 0x1F, 0x00, 0xE4, 0x00, 0x55, 0xFF};
  ASSERT_TRUE(Decode(Concat({0x18, 0xFB, 0, 0, 32}, oneBlock), 32));
  EXPECT_FALSE(Decode(Concat({0x18, 0xFB, 0, 0, 40}, oneBlock), 40)) << "a second band is missing";
  EXPECT_FALSE(Decode(Concat({0x18, 0xFB, 0, 0, 31}, oneBlock), 31)) << "half a pixel";
  Bytes noWidth = oneBlock;
  noWidth[2] = 0;
  EXPECT_FALSE(Decode(Concat({0x18, 0xFB, 0, 0, 32}, noWidth), 32));
  EXPECT_FALSE(Decode(Concat({0x18, 0xFB, 0, 0, 32}, Bytes(oneBlock.begin(), oneBlock.end() - 1)), 32));
}


TEST(PackedSizeLimit, BoundsLzByItsDensestCommandAndOtherFamiliesByACeiling) {
  EXPECT_TRUE(IsPlausibleUnpackedSize(257 * 10, 10, 0x10));
  EXPECT_FALSE(IsPlausibleUnpackedSize(257 * 10 + 1, 10, 0x91));
  // Huffman repeats and nested byte pairs legitimately expand further than LZ can.
  EXPECT_TRUE(IsPlausibleUnpackedSize(1u << 20, 10, 0x30));
  EXPECT_TRUE(IsPlausibleUnpackedSize(1u << 20, 10, 0x46));
  EXPECT_FALSE(IsPlausibleUnpackedSize(uint64_t{1} << 30, 10, 0x30));
}

}  // namespace
}  // namespace torvale
