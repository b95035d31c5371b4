// PACK_pack finds its matches through shortcut chains for speed, but the bytes it writes must
// stay those of the plain greedy hash-chain matcher that produced the game's archives. This
// test keeps a deliberately naive copy of that matcher and compares the two byte for byte.

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

Bytes Pack(const Bytes& input) {
  Bytes out(PACK_packedBound(input.size()));
  out.resize(PACK_pack(input.data(), input.size(), out.data(), out.size(), true));
  return out;
}

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
