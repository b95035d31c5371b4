#include "platform/heap.h"

namespace torvale {

namespace {

constexpr size_t kNoGap = static_cast<size_t>(-1);

size_t RoundUp(size_t size) { return (size + Heap::kAlignment - 1) & ~(Heap::kAlignment - 1); }

}  // namespace

Heap::Heap(std::string name, size_t size) : name_(std::move(name)) {
  // Reserved, not touched: the system commits the pages only as the services use them.
  block_.reset(static_cast<std::byte*>(std::aligned_alloc(kAlignment, RoundUp(size))));
  if (block_) size_ = RoundUp(size);
}

std::string Heap::RegionName(HeapRegion region) const {
  return name_ + (region == HeapRegion::kLow ? " LOW" : " HIGH");
}

size_t Heap::FindLowGap(size_t size) const {
  size_t start = 0;
  for (const auto& [offset, block] : blocks_) {
    if (offset - start >= size) return start;
    start = offset + block.size;
  }
  return size_ - start >= size ? start : kNoGap;
}

size_t Heap::FindHighGap(size_t size) const {
  size_t end = size_;
  for (auto it = blocks_.rbegin(); it != blocks_.rend(); ++it) {
    size_t block_end = it->first + it->second.size;
    if (end - block_end >= size) return end - size;
    end = it->first;
  }
  return end >= size ? end - size : kNoGap;
}

void* Heap::Allocate(size_t size, const std::string& name, HeapRegion region) {
  if (!block_ || size == 0 || size > size_) return nullptr;
  size = RoundUp(size);
  std::lock_guard lock(mutex_);
  size_t offset = region == HeapRegion::kLow ? FindLowGap(size) : FindHighGap(size);
  if (offset == kNoGap) return nullptr;
  blocks_.emplace(offset, Block{size, RegionName(region) + ": " + name});
  return block_.get() + offset;
}

void Heap::Free(void* pointer) {
  if (!pointer || !block_) return;
  auto* p = static_cast<std::byte*>(pointer);
  if (p < block_.get() || p >= block_.get() + size_) return;
  std::lock_guard lock(mutex_);
  blocks_.erase(static_cast<size_t>(p - block_.get()));
}

size_t Heap::BytesInUse() const {
  std::lock_guard lock(mutex_);
  size_t total = 0;
  for (const auto& entry : blocks_) total += entry.second.size;
  return total;
}

std::string Heap::NameOf(const void* pointer) const {
  auto* p = static_cast<const std::byte*>(pointer);
  if (!block_ || p < block_.get() || p >= block_.get() + size_) return {};
  std::lock_guard lock(mutex_);
  auto it = blocks_.find(static_cast<size_t>(p - block_.get()));
  return it == blocks_.end() ? std::string() : it->second.name;
}

}  // namespace torvale
