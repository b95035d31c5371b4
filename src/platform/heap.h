#pragma once
// The platform services' heap: one block taken from the system at start, handed out in two
// named regions. Long-lived tables are placed from the low end ("<name> LOW") and
// short-lived buffers from the high end ("<name> HIGH"), so the two kinds never fragment
// each other. Every allocation carries a name for diagnostics.

#include <cstddef>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace torvale {

enum class HeapRegion { kLow, kHigh };

class Heap {
 public:
  static constexpr size_t kAlignment = 16;

  // Takes `size` bytes from the system; IsValid() is false when that failed.
  Heap(std::string name, size_t size);
  Heap(const Heap&) = delete;
  Heap& operator=(const Heap&) = delete;

  bool IsValid() const { return block_ != nullptr; }
  size_t Size() const { return size_; }
  std::string RegionName(HeapRegion region) const;

  // Null when the region has no gap of that size left.
  void* Allocate(size_t size, const std::string& name, HeapRegion region = HeapRegion::kLow);
  // Returns a block to its region; null and foreign pointers are ignored.
  void Free(void* pointer);

  size_t BytesInUse() const;
  // The name given to the allocation at `pointer`; empty when it is not one of ours.
  std::string NameOf(const void* pointer) const;

 private:
  struct Block {
    size_t size;
    std::string name;
  };
  struct FreeSystemBlock {
    void operator()(std::byte* p) const { std::free(p); }
  };

  size_t FindLowGap(size_t size) const;
  size_t FindHighGap(size_t size) const;

  std::string name_;
  size_t size_ = 0;
  std::unique_ptr<std::byte, FreeSystemBlock> block_;
  mutable std::mutex mutex_;
  std::map<size_t, Block> blocks_;  // by offset into the block
};

}  // namespace torvale
