// The LZ copy codec: the encoder's exact bytes (they decide what our archives contain), round
// trips through both encoders, and the in-place variants used for BIG archives.

#include <gtest/gtest.h>

#include <algorithm>
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
  out.resize(PACK_pack(input.data(), input.size(), out.data(), out.size(), true));
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
  // Runs of short periods, as the pixels of an image give: copies from 2 to 17 bytes back.
  for (size_t period = 2; period <= 17; ++period) {
    Bytes pixels = RandomBytes(50, static_cast<uint32_t>(period));
    for (size_t i = 0; i < 3000; ++i) pixels.push_back(pixels[50 - period + i % period]);
    const Bytes tail = RandomBytes(200, 99);
    pixels.insert(pixels.end(), tail.begin(), tail.end());
    inputs.push_back(pixels);
  }

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

// PACK_pack finds its matches through shortcut chains for speed, but the bytes it writes must
// stay those of the plain greedy hash-chain matcher that produced the game's archives. This
// deliberately naive copy of that matcher is compared with it byte for byte.
class NaiveGreedyPacker {
 public:
  Bytes Pack(const Bytes& in) {
    const int64_t n = static_cast<int64_t>(in.size());
    std::vector<int32_t> head(7331, -1), link(16384, -1);
    auto hash = [&](int64_t p) {
      return ((((~uint32_t{in[p + 2]}) & 0xFF) | (uint32_t{in[p]} << 16)) ^ ((uint32_t{in[p + 1]} ^ 0xAA) << 8)) % 7331;
    };
    auto insert = [&](int64_t p) {
      link[p & 16383] = head[hash(p)];
      head[hash(p)] = static_cast<int32_t>(p);
    };
    if (in.size() > 0xFFFFFF) {
      out_ = {0x90, 0xFB, uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)};
    } else {
      out_ = {0x10, 0xFB, uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)};
    }
    int64_t pos = 0, pending = 0;
    for (int64_t remaining = n - 4; remaining >= 0; remaining = n - 4 - pos) {
      const int64_t limit = std::min<int64_t>(remaining, 1028);
      int64_t bestLength = 2, bestCost = 2, bestOffset = 0;
      for (int64_t c = head[hash(pos)]; c != -1 && c >= pos - 16383; c = link[c & 16383]) {
        if (in[c + bestLength] != in[pos + bestLength]) continue;
        int64_t length = 0;
        while (length < limit && in[c + length] == in[pos + length]) ++length;
        if (length <= bestLength) continue;
        const int64_t offset = pos - c - 1;
        const int64_t cost = (offset < 1024 && length <= 10) ? 2 : (offset < 16384 && length <= 67) ? 3 : 4;
        if (length - cost > bestLength - bestCost) {
          bestLength = length;
          bestCost = cost;
          bestOffset = offset;
        }
        if (length == 1028) break;
      }
      if (bestLength > bestCost && remaining >= 4) {
        pending = Runs(in, pos - pending, pending);
        const auto l = static_cast<uint32_t>(pending), o = static_cast<uint32_t>(bestOffset);
        const auto len = static_cast<uint32_t>(bestLength);
        if (bestCost == 2) {
          Put({uint8_t(((o >> 3) & 0x60) | ((len - 3) << 2) | l), uint8_t(o)});
        } else if (bestCost == 3) {
          Put({uint8_t(0x80 | (len - 4)), uint8_t((l << 6) | (o >> 8)), uint8_t(o)});
        } else {
          Put({uint8_t(0xC0 | ((o >> 12) & 0x10) | (((len - 5) >> 6) & 0x0C) | l), uint8_t(o >> 8), uint8_t(o),
               uint8_t(len - 5)});
        }
        out_.insert(out_.end(), in.begin() + pos - pending, in.begin() + pos);
        for (int64_t i = 0; i < bestLength; ++i) insert(pos + i);
        pos += bestLength;
        pending = 0;
      } else {
        insert(pos);
        ++pos;
        ++pending;
      }
    }
    const int64_t left = Runs(in, pos - pending, n - (pos - pending));
    Put({uint8_t(0xFC + left)});
    out_.insert(out_.end(), in.end() - left, in.end());
    return out_;
  }

 private:
  void Put(std::initializer_list<uint8_t> bytes) { out_.insert(out_.end(), bytes); }

  int64_t Runs(const Bytes& in, int64_t from, int64_t count) {
    while (count > 3) {
      const int64_t run = std::min<int64_t>(count & ~int64_t{3}, 112);
      Put({uint8_t(0xE0 + run / 4 - 1)});
      out_.insert(out_.end(), in.begin() + from, in.begin() + from + run);
      from += run;
      count -= run;
    }
    return count;
  }

  Bytes out_;
};

TEST(PackLzReference, WritesTheSameBytesAsThePlainGreedyMatcher) {
  std::mt19937 random(11);
  std::vector<Bytes> inputs;
  // Small inputs of few symbols, copies of recent bytes, and line-like text.
  for (int i = 0; i < 300; ++i) {
    Bytes bytes(random() % 3000);
    const int mode = i % 3;
    const uint32_t alphabet = 1 + random() % 6;
    for (size_t k = 0; k < bytes.size(); ++k) {
      if (mode == 0) bytes[k] = static_cast<uint8_t>(random() % alphabet);
      if (mode == 1) bytes[k] = (k > 20 && random() % 4) ? bytes[k - 1 - random() % 20] : static_cast<uint8_t>(random());
      if (mode == 2) bytes[k] = static_cast<uint8_t>("0\r\n1\r\n"[random() % 6]);
    }
    inputs.push_back(bytes);
  }
  // Inputs long enough for the shortcut chains, with repeats near and far.
  for (int i = 0; i < 6; ++i) {
    Bytes bytes(20000 + random() % 100000);
    const uint32_t alphabet = 2 + random() % 30;
    for (size_t k = 0; k < bytes.size(); ++k) {
      const size_t reach = std::min<size_t>(k, i < 3 ? 40 : 20000);
      bytes[k] = (k > 100 && random() % 3) ? bytes[k - 1 - random() % reach]
                                           : static_cast<uint8_t>(random() % alphabet);
    }
    inputs.push_back(bytes);
  }
  std::string text;
  for (int i = 0; text.size() < 200000; ++i) {
    text += "%INDEX%PLAYER\r\n" + std::to_string(random() % 90) + "\r\n0\r\n0\r\n1\r\n" +
            std::to_string(random() % 3) + "\r\n%INDEXEND%PLAYER\r\n";
  }
  inputs.emplace_back(text.begin(), text.end());
  inputs.emplace_back(70000, 'a');

  NaiveGreedyPacker naive;
  for (const Bytes& input : inputs) {
    ASSERT_EQ(Pack(input), naive.Pack(input)) << "input of " << input.size() << " bytes";
  }
}

}  // namespace
}  // namespace torvale
