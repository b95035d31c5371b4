#include <gtest/gtest.h>

#include <cstdint>

#include "platform/heap.h"

// Sanitizer builds must report a refused huge allocation as null, like the system does.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }

namespace torvale {

TEST(Heap, PlacesTablesLowAndBuffersHighUnderTheirRegionNames) {
  Heap heap("TEST", 4096);
  ASSERT_TRUE(heap.IsValid());
  EXPECT_EQ(heap.RegionName(HeapRegion::kLow), "TEST LOW");
  EXPECT_EQ(heap.RegionName(HeapRegion::kHigh), "TEST HIGH");

  auto* low = static_cast<std::byte*>(heap.Allocate(100, "TABLE"));
  auto* high = static_cast<std::byte*>(heap.Allocate(100, "BUFFER", HeapRegion::kHigh));
  ASSERT_TRUE(low && high);
  EXPECT_LT(low, high);
  EXPECT_EQ(high + 112, low + 4096);  // rounded to 16 bytes, at the very top
  EXPECT_EQ(reinterpret_cast<uintptr_t>(low) % Heap::kAlignment, 0u);
  EXPECT_EQ(heap.NameOf(low), "TEST LOW: TABLE");
  EXPECT_EQ(heap.NameOf(high), "TEST HIGH: BUFFER");
  EXPECT_EQ(heap.BytesInUse(), 224u);
}

TEST(Heap, ReusesFreedGapsAndRefusesWhatDoesNotFit) {
  Heap heap("TEST", 1024);
  void* a = heap.Allocate(256, "A");
  void* b = heap.Allocate(256, "B");
  void* c = heap.Allocate(256, "C", HeapRegion::kHigh);
  ASSERT_TRUE(a && b && c);
  EXPECT_EQ(heap.Allocate(512, "too big"), nullptr);  // only 256 left between the regions
  heap.Free(a);
  EXPECT_EQ(heap.Allocate(256, "again"), a);           // the lowest gap first
  heap.Free(b);
  heap.Free(c);
  EXPECT_NE(heap.Allocate(768, "whole rest"), nullptr);
  int foreign = 0;
  heap.Free(&foreign);  // not ours: ignored
  heap.Free(nullptr);
  EXPECT_EQ(heap.BytesInUse(), 1024u);
}

TEST(Heap, RefusesEmptyAndOversizedRequestsAndHeaps) {
  Heap heap("TEST", 64);
  EXPECT_EQ(heap.Allocate(0, "none"), nullptr);
  EXPECT_EQ(heap.Allocate(65, "more than all"), nullptr);
  EXPECT_EQ(heap.Allocate(SIZE_MAX - 4, "wraps when rounded"), nullptr);
  // A failed system allocation leaves no heap.
  Heap huge("HUGE", SIZE_MAX / 2);
  EXPECT_FALSE(huge.IsValid());
  EXPECT_EQ(huge.Allocate(16, "X"), nullptr);
}

}  // namespace torvale
