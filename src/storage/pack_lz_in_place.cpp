// PACK_packInPlace: the LZ copy codec with a deeper match finder, for whole archives. Its
// output is read by the same decoder as PACK_pack's; only the search differs: a window of
// 128 KiB (the 4-byte copy's reach) and a bounded chain walk instead of an unbounded one.

#include <algorithm>
#include <vector>

#include "storage/pack.h"
#include "storage/pack_codecs.h"

namespace torvale {

using namespace pack_detail;

namespace {

constexpr size_t kPairHeads = 65536;
constexpr size_t kWindowSize = 0x20000;
constexpr size_t kWindowMask = kWindowSize - 1;
constexpr int kMaxCandidates = 50;
constexpr int32_t kNoPosition = -1;

struct Match {
  size_t length = 0;
  size_t distance = 0;
};

// Short matches only pay off in the short command forms: 3 bytes in a 2-byte command, 4 bytes
// in a 3-byte one. Everything else reachable is worth a copy.
bool WorthCopying(size_t length, size_t distance) {
  if (length < 3) return false;
  if (length == 3) return distance <= 1024;
  if (length == 4) return distance <= 16384;
  return true;
}

class PairMatcher {
 public:
  explicit PairMatcher(const std::vector<uint8_t>& source)
      : source_(source), heads_(kPairHeads, kNoPosition), links_(kWindowSize, kNoPosition) {}

  void Insert(size_t position) {
    if (position + 1 >= source_.size()) return;
    const size_t key = PairKey(position);
    links_[position & kWindowMask] = heads_[key];
    heads_[key] = static_cast<int32_t>(position);
  }

  // The longest usable match among the nearest candidates, the nearest one on a tie.
  Match Find(size_t position) const {
    Match best;
    const size_t limit = std::min(source_.size() - position, kLzMaxCopy);
    const uint8_t* current = source_.data() + position;
    int32_t candidate = heads_[PairKey(position)];
    for (int examined = 0; candidate != kNoPosition && examined < kMaxCandidates; ++examined) {
      const size_t distance = position - static_cast<size_t>(candidate);
      if (distance >= kWindowSize) break;
      const uint8_t* earlier = source_.data() + candidate;
      if (best.length == 0 || earlier[best.length] == current[best.length]) {
        size_t length = 0;
        while (length < limit && earlier[length] == current[length]) ++length;
        if (length > best.length && WorthCopying(length, distance)) {
          best = {length, distance};
          if (length == limit) break;
        }
      }
      candidate = links_[static_cast<size_t>(candidate) & kWindowMask];
    }
    return best;
  }

 private:
  size_t PairKey(size_t position) const {
    return (size_t{source_[position]} << 8) | source_[position + 1];
  }

  const std::vector<uint8_t>& source_;
  std::vector<int32_t> heads_;
  std::vector<int32_t> links_;
};

}  // namespace

bool PACK_packInPlace(std::vector<uint8_t>& buffer) {
  const size_t length = buffer.size();
  if (length == 0 || length > kLzMaxThreeByteSize) return false;
  if (length >= 2 && buffer[0] == kLz && buffer[1] == kPackMarker) return false;

  std::vector<uint8_t> packed(PACK_packedBound(length));
  LzCommandWriter writer(packed.data(), packed.size(), true);
  writer.Header(static_cast<uint32_t>(length), false);

  PairMatcher matcher(buffer);
  const uint8_t* source = buffer.data();
  size_t position = 0;
  size_t literalStart = 0;
  while (position + 3 <= length) {
    const Match match = matcher.Find(position);
    if (match.length == 0) {
      matcher.Insert(position);
      ++position;
      continue;
    }
    const size_t left = writer.LiteralRuns(source + literalStart, position - literalStart);
    writer.Copy(source + position - left, left, match.distance, match.length);
    for (size_t i = 0; i < match.length; ++i) matcher.Insert(position + i);
    position += match.length;
    literalStart = position;
  }
  const size_t left = writer.LiteralRuns(source + literalStart, length - literalStart);
  writer.End(source + length - left, left);
  if (writer.Overflowed()) return false;

  packed.resize(writer.Length());
  buffer = std::move(packed);
  return true;
}

}  // namespace torvale
