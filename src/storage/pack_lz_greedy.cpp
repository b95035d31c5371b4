// PACK_pack: the LZ copy encoder whose output ends up in every chunk file we write.
//
// The archives' bytes depend on the exact choices this matcher makes (hash, window, chain
// order, cost rule, tie-break), so it is a faithful greedy single pass: changing any of it,
// even to compress better, changes the files the game sees.

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <iterator>
#include <memory>
#include <new>

#include "storage/pack.h"
#include "storage/pack_codecs.h"

namespace torvale {

using namespace pack_detail;

namespace {

constexpr uint32_t kHashModulus = 7331;
constexpr int64_t kWindowSize = 16384;
constexpr int64_t kWindowMask = kWindowSize - 1;
constexpr int32_t kNoPosition = -1;

inline uint32_t HashAt(const uint8_t* p) {
  const uint32_t mixed = ((~uint32_t{p[2]} & 0xFF) | (uint32_t{p[0]} << 16)) ^ ((uint32_t{p[1]} ^ 0xAA) << 8);
  return mixed % kHashModulus;
}

// Shortcut chains over longer prefixes. They change nothing in the choice of match, only how
// fast it is found: once the best match has B bytes, only candidates agreeing with us in
// B + 1 bytes can replace it, and all of those sit in the chain of any prefix length up to
// B + 1, in the same most-recent-first order as in the 3-byte chain. Repetitive text (record
// streams are full of "0" lines) otherwise walks thousands of hopeless candidates per byte.
constexpr size_t kShortcutLengths[] = {4, 8, 16, 32};
constexpr size_t kShortcutLevels = std::size(kShortcutLengths);
constexpr int kShortcutHashBits = 15;

inline uint64_t Load64(const uint8_t* p) {
  uint64_t value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

inline uint32_t ShortcutHash(const uint8_t* p, size_t prefixLength) {
  uint64_t hash = 0;
  if (prefixLength == 4) {
    uint32_t word;
    std::memcpy(&word, p, sizeof word);
    hash = word * 0x9E3779B97F4A7C15ull;
  } else {
    for (size_t i = 0; i < prefixLength; i += 8) hash = (hash ^ Load64(p + i)) * 0x9E3779B97F4A7C15ull;
  }
  return static_cast<uint32_t>(hash >> (64 - kShortcutHashBits));
}

// Bytes in which `a` and `b` agree, at most `limit`.
inline size_t MatchLength(const uint8_t* a, const uint8_t* b, size_t limit) {
  size_t length = 0;
  while (length + 8 <= limit) {
    const uint64_t difference = Load64(a + length) ^ Load64(b + length);
    if (difference != 0) return length + static_cast<size_t>(std::countr_zero(difference)) / 8;
    length += 8;
  }
  while (length < limit && a[length] == b[length]) ++length;
  return length;
}

struct Match {
  size_t length = 2;
  size_t cost = 2;
  size_t distance = 0;
};

struct Chain {
  std::unique_ptr<int32_t[]> head;
  std::unique_ptr<int32_t[]> link;

  bool Allocate(size_t heads) {
    head.reset(new (std::nothrow) int32_t[heads]);
    link.reset(new (std::nothrow) int32_t[kWindowSize]);
    if (!head || !link) return false;
    std::fill_n(head.get(), heads, kNoPosition);
    return true;
  }
  void Insert(uint32_t hash, int64_t position) {
    link[position & kWindowMask] = head[hash];
    head[hash] = static_cast<int32_t>(position);
  }
};

class GreedyMatcher {
 public:
  GreedyMatcher(const uint8_t* source, size_t length) : source_(source), length_(length) {}

  bool Allocate() {
    if (!chain_.Allocate(kHashModulus)) return false;
    for (Chain& shortcut : shortcuts_) {
      if (!shortcut.Allocate(size_t{1} << kShortcutHashBits)) return false;
    }
    return true;
  }

  void Insert(int64_t position) {
    const uint8_t* p = source_ + position;
    chain_.Insert(HashAt(p), position);
    // A position too close to the end for a prefix can never be the one that wins there.
    const size_t room = length_ - static_cast<size_t>(position);
    for (size_t level = 0; level < kShortcutLevels && kShortcutLengths[level] <= room; ++level) {
      shortcuts_[level].Insert(ShortcutHash(p, kShortcutLengths[level]), position);
    }
  }

  // Walks the 3-byte chain from the most recent candidate; a candidate is worth counting only
  // if it agrees with us at the byte just past the best length so far. A longer match wins
  // only if it saves strictly more bytes, so on a tie the nearer one stays.
  Match Find(int64_t position, size_t limit) const {
    Match best;
    const uint8_t* current = source_ + position;
    const int64_t oldest = position - (kWindowSize - 1);
    const int32_t* links = chain_.link.get();
    size_t level = 0;  // shortcut levels in use
    int64_t candidate = chain_.head[HashAt(current)];
    while (candidate != kNoPosition && candidate >= oldest && best.length < limit) {
      const uint8_t* earlier = source_ + candidate;
      if (earlier[best.length] == current[best.length]) {
        const size_t length = MatchLength(earlier, current, limit);
        if (length > best.length) {
          const size_t distance = static_cast<size_t>(position - candidate);
          const size_t cost = LzCopyCost(distance, length);
          if (length - cost > best.length - best.cost) best = {length, cost, distance};
          if (length == kLzMaxCopy) break;
        }
      }
      int64_t next = links[candidate & kWindowMask];
      if (level < kShortcutLevels && kShortcutLengths[level] <= best.length + 1 && best.length < limit) {
        while (level + 1 < kShortcutLevels && kShortcutLengths[level + 1] <= best.length + 1) ++level;
        const Chain& shortcut = shortcuts_[level];
        ++level;
        links = shortcut.link.get();
        // Continue behind the candidate just examined; newer entries were seen already.
        next = shortcut.head[ShortcutHash(current, kShortcutLengths[level - 1])];
        while (next != kNoPosition && next >= candidate) next = links[next & kWindowMask];
      }
      candidate = next;
    }
    return best;
  }

 private:
  const uint8_t* source_;
  size_t length_;
  Chain chain_;
  std::array<Chain, kShortcutLevels> shortcuts_;
};

}  // namespace

size_t PACK_pack(const uint8_t* source, size_t length, uint8_t* destination,
                 size_t destinationLength, bool write) {
  if (length > 0xFFFFFFFFu || (length > 0 && source == nullptr)) return 0;
  if (write && (destination == nullptr || destinationLength < PACK_packedBound(length))) return 0;

  GreedyMatcher matcher(source, length);
  if (!matcher.Allocate()) return 0;

  LzCommandWriter writer(destination, destinationLength, write);
  writer.Header(static_cast<uint32_t>(length), length > kLzMaxThreeByteSize);

  const auto total = static_cast<int64_t>(length);
  int64_t position = 0;
  int64_t literalStart = 0;
  // The last four bytes are never searched, so they always leave as literals.
  for (int64_t remaining = total - 4; remaining >= 0; remaining = total - 4 - position) {
    const size_t limit = static_cast<size_t>(std::min<int64_t>(remaining, kLzMaxCopy));
    const Match match = matcher.Find(position, limit);
    if (match.length > match.cost && remaining >= 4) {
      const uint8_t* pending = source + literalStart;
      const size_t left = writer.LiteralRuns(pending, static_cast<size_t>(position - literalStart));
      writer.Copy(source + position - left, left, match.distance, match.length);
      for (size_t i = 0; i < match.length; ++i) matcher.Insert(position + static_cast<int64_t>(i));
      position += static_cast<int64_t>(match.length);
      literalStart = position;
    } else {
      matcher.Insert(position);
      ++position;
    }
  }

  const size_t tail = length - static_cast<size_t>(literalStart);
  const size_t left = writer.LiteralRuns(source + literalStart, tail);
  writer.End(source + length - left, left);
  return writer.Overflowed() ? 0 : writer.Length();
}

}  // namespace torvale
