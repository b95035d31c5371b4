#include <gtest/gtest.h>

#include <vector>

#include "platform/exit_list.h"

namespace torvale {

TEST(ExitList, RunsNewestFirstAndEmptiesItself) {
  ExitList list;
  std::vector<int> order;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(list.Register([&order, i] { order.push_back(i); }));
  list.RunAll();
  EXPECT_EQ(order, (std::vector<int>{2, 1, 0}));
  EXPECT_EQ(list.Count(), 0);
  list.RunAll();  // nothing runs twice
  EXPECT_EQ(order.size(), 3u);
}

TEST(ExitList, HoldsSixtyFourFunctions) {
  ExitList list;
  int calls = 0;
  for (int i = 0; i < ExitList::kCapacity; ++i) ASSERT_TRUE(list.Register([&calls] { ++calls; }));
  EXPECT_FALSE(list.Register([&calls] { calls += 1000; }));
  list.RunAll();
  EXPECT_EQ(calls, 64);
  EXPECT_TRUE(list.Register([] {}));  // the slots are free again
}

TEST(ExitList, AFunctionMayRegisterAnotherWhileTheListRuns) {
  ExitList list;
  std::vector<char> order;
  list.Register([&order] { order.push_back('a'); });
  list.Register([&] {
    order.push_back('b');
    list.Register([&order] { order.push_back('c'); });
  });
  list.RunAll();
  EXPECT_EQ(order, (std::vector<char>{'b', 'c', 'a'}));
}

}  // namespace torvale
