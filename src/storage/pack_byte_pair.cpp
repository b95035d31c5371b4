// Byte-pair codec: byte values stand for pairs of other values, recursively; an escape value
// introduces a literal or the end of the stream. We only ever read it.

#include <array>

#include "storage/pack_codecs.h"

namespace torvale::pack_detail {

namespace {

struct PairTable {
  std::array<bool, 256> defined{};
  std::array<uint8_t, 256> first{};
  std::array<uint8_t, 256> second{};
};

// A forged table may define a code through itself (directly or via others); expanding that
// would never end, so such tables are refused up front.
bool HasCycle(const PairTable& table) {
  enum : uint8_t { kUnseen, kOnPath, kDone };
  std::array<uint8_t, 256> state{};
  struct Frame {
    uint8_t code;
    uint8_t nextChild;  // 0 = first element next, 1 = second, 2 = finished
  };
  std::array<Frame, 257> stack;
  for (size_t root = 0; root < 256; ++root) {
    if (!table.defined[root] || state[root] != kUnseen) continue;
    size_t depth = 0;
    stack[depth++] = {static_cast<uint8_t>(root), 0};
    state[root] = kOnPath;
    while (depth > 0) {
      Frame& top = stack[depth - 1];
      if (top.nextChild == 2) {
        state[top.code] = kDone;
        --depth;
        continue;
      }
      const uint8_t child = top.nextChild == 0 ? table.first[top.code] : table.second[top.code];
      ++top.nextChild;
      if (!table.defined[child] || state[child] == kDone) continue;
      if (state[child] == kOnPath) return true;
      state[child] = kOnPath;
      stack[depth++] = {child, 0};
    }
  }
  return false;
}

class PairExpander {
 public:
  PairExpander(const PairTable& table, uint8_t* out, size_t size) : table_(table), out_(out), size_(size) {}

  bool Emit(uint8_t value) {
    if (produced_ == size_) return false;
    out_[produced_++] = value;
    return true;
  }

  // A code stands for its first element's expansion followed by its second's. Definitions are
  // acyclic, so the pending second elements never outnumber the 256 codes.
  bool Expand(uint8_t code) {
    std::array<uint8_t, 257> pending;
    size_t depth = 0;
    pending[depth++] = code;
    while (depth > 0) {
      uint8_t x = pending[--depth];
      while (table_.defined[x]) {
        pending[depth++] = table_.second[x];
        x = table_.first[x];
      }
      if (!Emit(x)) return false;
    }
    return true;
  }

  size_t Produced() const { return produced_; }

 private:
  const PairTable& table_;
  uint8_t* out_;
  size_t size_;
  size_t produced_ = 0;
};

}  // namespace

bool UnpackBytePair(const uint8_t* stream, size_t streamLength, uint8_t* out, size_t size) {
  if (streamLength < 2) return false;
  const uint8_t escape = stream[0];
  const size_t definitions = stream[1];
  size_t in = 2;
  if (streamLength - in < definitions * 3) return false;
  PairTable table;
  for (size_t i = 0; i < definitions; ++i, in += 3) {
    const uint8_t code = stream[in];
    table.defined[code] = true;
    table.first[code] = stream[in + 1];
    table.second[code] = stream[in + 2];
  }
  if (HasCycle(table)) return false;

  PairExpander expander(table, out, size);
  while (in < streamLength) {
    const uint8_t x = stream[in++];
    if (table.defined[x]) {
      if (!expander.Expand(x)) return false;
    } else if (x == escape) {
      if (in == streamLength) return false;
      const uint8_t literal = stream[in++];
      if (literal == 0) break;
      if (!expander.Emit(literal)) return false;
    } else if (!expander.Emit(x)) {
      return false;
    }
  }
  return expander.Produced() == size;
}

}  // namespace torvale::pack_detail
