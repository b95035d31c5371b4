// PACK_pack: the LZ copy encoder whose output ends up in every chunk file we write.
//
// The archives' bytes depend on the exact choices this matcher makes (hash, window, chain
// order, cost rule, tie-break), so it is a faithful greedy single pass: changing any of it,
// even to compress better, changes the files the game sees.

#include <algorithm>
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

struct Match {
  size_t length = 2;
  size_t cost = 2;
  size_t distance = 0;
};

class GreedyMatcher {
 public:
  bool Allocate() {
    head_.reset(new (std::nothrow) int32_t[kHashModulus]);
    link_.reset(new (std::nothrow) int32_t[kWindowSize]);
    if (!head_ || !link_) return false;
    std::fill_n(head_.get(), kHashModulus, kNoPosition);
    return true;
  }

  void Insert(const uint8_t* source, int64_t position) {
    const uint32_t hash = HashAt(source + position);
    link_[position & kWindowMask] = head_[hash];
    head_[hash] = static_cast<int32_t>(position);
  }

  // Walks the chain from the most recent candidate; a candidate is worth counting only if it
  // agrees with us at the byte just past the best length so far.
  Match Find(const uint8_t* source, int64_t position, size_t limit) const {
    Match best;
    const uint8_t* current = source + position;
    int64_t candidate = head_[HashAt(current)];
    while (candidate != kNoPosition && candidate >= position - (kWindowSize - 1)) {
      const uint8_t* earlier = source + candidate;
      if (earlier[best.length] == current[best.length]) {
        size_t length = 0;
        while (length < limit && earlier[length] == current[length]) ++length;
        if (length > best.length) {
          const size_t distance = static_cast<size_t>(position - candidate);
          const size_t cost = LzCopyCost(distance, length);
          if (length - cost > best.length - best.cost) best = {length, cost, distance};
          if (length == kLzMaxCopy) break;
        }
      }
      candidate = link_[candidate & kWindowMask];
    }
    return best;
  }

 private:
  std::unique_ptr<int32_t[]> head_;
  std::unique_ptr<int32_t[]> link_;
};

}  // namespace

size_t PACK_pack(const uint8_t* source, size_t length, uint8_t* destination,
                 size_t destinationLength, bool write) {
  if (length > 0xFFFFFFFFu || (length > 0 && source == nullptr)) return 0;
  if (write && (destination == nullptr || destinationLength < PACK_packedBound(length))) return 0;

  GreedyMatcher matcher;
  if (!matcher.Allocate()) return 0;

  LzCommandWriter writer(destination, destinationLength, write);
  writer.Header(static_cast<uint32_t>(length), length > kLzMaxThreeByteSize);

  const auto total = static_cast<int64_t>(length);
  int64_t position = 0;
  int64_t literalStart = 0;
  // The last four bytes are never searched, so they always leave as literals.
  for (int64_t remaining = total - 4; remaining >= 0; remaining = total - 4 - position) {
    const size_t limit = static_cast<size_t>(std::min<int64_t>(remaining, kLzMaxCopy));
    const Match match = matcher.Find(source, position, limit);
    if (match.length > match.cost && remaining >= 4) {
      const uint8_t* pending = source + literalStart;
      const size_t left = writer.LiteralRuns(pending, static_cast<size_t>(position - literalStart));
      writer.Copy(source + position - left, left, match.distance, match.length);
      for (size_t i = 0; i < match.length; ++i) matcher.Insert(source, position + static_cast<int64_t>(i));
      position += static_cast<int64_t>(match.length);
      literalStart = position;
    } else {
      matcher.Insert(source, position);
      ++position;
    }
  }

  const size_t tail = length - static_cast<size_t>(literalStart);
  const size_t left = writer.LiteralRuns(source + literalStart, tail);
  writer.End(source + length - left, left);
  return writer.Overflowed() ? 0 : writer.Length();
}

}  // namespace torvale
