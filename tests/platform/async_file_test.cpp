#include <gtest/gtest.h>

#include <set>

#include "platform/cmn/hlafile.h"
#include "platform/exit_list.h"
#include "platform/fatal_error.h"
#include "platform/heap.h"

namespace torvale {

namespace {

struct AsyncFixture : testing::Test {
  FatalErrorHandler fatal;
  ExitList exit_list;
  Heap heap{"TEST", 1 << 16};
  AsyncFileService service{fatal};
  std::vector<std::string> reports;
  AsyncFixture() {
    fatal.SetVetoHook([this](const FatalReport& r) {
      reports.push_back(r.message);
      return true;
    });
    service.SetAllocationHooks({[this](size_t n, const std::string& name) { return heap.Allocate(n, name); },
                                [this](void* p) { heap.Free(p); }});
  }
};

}  // namespace

TEST_F(AsyncFixture, ChainsEveryBlockOnTheFreeListInOrder) {
  ASSERT_TRUE(ASYNCFILE_init(service, exit_list, 4, 0));
  EXPECT_EQ(heap.BytesInUse(), 4u * 48u);
  EXPECT_EQ(service.FreeBlocks(), 4);
  for (int expected = 0; expected < 4; ++expected) EXPECT_EQ(service.TakeBlock(), expected);
  EXPECT_EQ(service.TakeBlock(), AsyncFileService::kNoBlock);
  service.ReturnBlock(2);
  service.ReturnBlock(99);  // not a block: ignored
  EXPECT_EQ(service.FreeBlocks(), 1);
  EXPECT_EQ(service.TakeBlock(), 2);
  EXPECT_TRUE(reports.empty());
}

TEST_F(AsyncFixture, StopsThroughTheExitListAndGivesItsTableBack) {
  ASSERT_TRUE(ASYNCFILE_init(service, exit_list, 256, 0));
  EXPECT_EQ(exit_list.Count(), 1);
  exit_list.RunAll();
  EXPECT_FALSE(service.IsInitialized());
  EXPECT_EQ(heap.BytesInUse(), 0u);
  EXPECT_TRUE(ASYNCFILE_init(service, exit_list, 1, 0));  // a stopped service starts again
  EXPECT_FALSE(ASYNCFILE_init(service, exit_list, 1, 0));
  EXPECT_EQ(reports, std::vector<std::string>{"ASYNCFILE_init - already initialized\n"});
}

TEST_F(AsyncFixture, RefusesCountsItCannotServe) {
  EXPECT_FALSE(ASYNCFILE_init(service, exit_list, 0, 0));
  AsyncFileService unhooked(fatal);
  EXPECT_FALSE(ASYNCFILE_init(unhooked, exit_list, 10, 0));
  EXPECT_EQ(reports, (std::vector<std::string>{"ASYNCFILE_init - no async requests specified\n",
                                                "ASYNCFILE_init - out of memory\n"}));
  EXPECT_EQ(exit_list.Count(), 0);
}

}  // namespace torvale
