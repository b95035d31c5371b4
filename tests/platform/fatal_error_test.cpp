#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fatal_error.h"

namespace torvale {

TEST(FatalError, TitleNamesTheSourceOnlyWhenShown) {
  FatalReport report{"pc/inittmr.cpp", 42, "x"};
  EXPECT_EQ(FatalErrorTitle(report, true), "Abort from file \"pc/inittmr.cpp\", line 42");
  EXPECT_EQ(FatalErrorTitle(report, false), "Abort Message");
  EXPECT_EQ(FatalErrorTitle(FatalReport{"", 0, "x"}, true), "Abort Message");
  EXPECT_EQ(SourceFileName("/home/x/torvale/src/platform/heap.cpp"), "platform/heap.cpp");
  EXPECT_EQ(SourceFileName("heap.cpp"), "heap.cpp");
}

TEST(FatalError, FormatsLikePrintf) {
  EXPECT_EQ(FormatText("TIMER_init - BAD TIMER FREQUENCY SPECIFIED %d\n", -3),
            "TIMER_init - BAD TIMER FREQUENCY SPECIFIED -3\n");
  EXPECT_EQ(FormatText("%s", std::string(5000, 'a').c_str()).size(), 5000u);
}

TEST(FatalError, AVetoReturnsToTheReporterWithoutShowingAnything) {
  FatalErrorHandler handler;
  std::vector<FatalReport> seen;
  bool shown = false;
  handler.SetVetoHook([&seen](const FatalReport& r) {
    seen.push_back(r);
    return true;
  });
  handler.SetPresenter([&shown](const std::string&, const std::string&) { shown = true; });
  TORVALE_FATAL(handler, "disk %d gone\n", 3);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message, "disk 3 gone\n");
  EXPECT_TRUE(seen[0].source_file.ends_with("tests/platform/fatal_error_test.cpp")) << seen[0].source_file;
  EXPECT_GT(seen[0].line, 0);
  EXPECT_FALSE(shown);
}

using FatalErrorDeathTest = testing::Test;

TEST_F(FatalErrorDeathTest, EndsTheProcessAfterShowingTitleAndMessage) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        FatalErrorHandler handler;
        handler.Report("platform/heap.cpp", 7, "HEAP - broken\n");
      },
      testing::ExitedWithCode(kFatalErrorExitStatus), "Abort from file \"platform/heap.cpp\", line 7\nHEAP - broken");
}

TEST_F(FatalErrorDeathTest, AHookThatDeclinesToVetoDoesNotSaveTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        FatalErrorHandler handler;
        handler.SetShowSource(false);
        handler.SetVetoHook([](const FatalReport&) { return false; });
        handler.SetLogSink([](const std::string& message) { fprintf(stderr, "LOGGED %s", message.c_str()); });
        handler.Report("x.cpp", 1, "gone\n");
      },
      testing::ExitedWithCode(kFatalErrorExitStatus), "Abort Message\ngone\nLOGGED gone");
}

}  // namespace torvale
