#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fatal_error.h"
#include "platform/platform_library.h"

namespace torvale {

namespace {

struct PlatformFixture : testing::Test {
  FatalErrorHandler fatal;
  std::vector<std::string> reports;
  PlatformFixture() {
    fatal.SetVetoHook([this](const FatalReport& r) {
      reports.push_back(r.message);
      return true;
    });
  }
};

}  // namespace

TEST_F(PlatformFixture, StartsEveryServiceWithTheEditorsSizes) {
  PlatformLibrary platform(fatal);
  ASSERT_TRUE(platform.Start());
  EXPECT_TRUE(reports.empty());
  ASSERT_NE(platform.heap(), nullptr);
  EXPECT_EQ(platform.heap()->Size(), 0x8000000u);
  EXPECT_TRUE(platform.timer().IsRunning());
  EXPECT_EQ(platform.timer().Frequency(), 100);
  EXPECT_EQ(platform.file_system().OperationCount(), 64);
  EXPECT_EQ(platform.async_files().Count(), 10);
  // every service table sits in the heap's low region: 64 x 48 + 16 x 32 + 10 x 48 bytes
  EXPECT_EQ(platform.heap()->BytesInUse(), 3072u + 512u + 480u);
  // heap release, timer stop, file system stop, async file stop
  EXPECT_EQ(platform.exit_list().Count(), 4);

  platform.Stop();
  EXPECT_EQ(platform.heap(), nullptr);
  EXPECT_FALSE(platform.timer().IsRunning());
  EXPECT_FALSE(platform.file_system().IsInitialized());
  EXPECT_FALSE(platform.async_files().IsInitialized());
  EXPECT_EQ(platform.exit_list().Count(), 0);
  platform.Stop();  // a second stop finds nothing to do
}

TEST_F(PlatformFixture, EachFailedStartIsReportedByTheServiceThatFailed) {
  struct Case {
    size_t heap_size;
    int async_requests;
    const char* report;
  };
  const Case cases[] = {
      {0x8000000, 257, "ASYNCFILE_init - too many async requests specified (max 256)\n"},
      {SIZE_MAX / 2, 10, "FILESYS_init - out of memory\n"},  // the system refuses this block
      {4096, 50, "ASYNCFILE_init - out of memory\n"},        // the file system fits, the async table does not
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.report);
    PlatformLibrary platform(fatal);
    reports.clear();
    PlatformStartOptions options;
    options.heap_size = c.heap_size;
    options.async_requests = c.async_requests;
    EXPECT_FALSE(platform.Start(options));
    EXPECT_EQ(reports, std::vector<std::string>{c.report});
    if (c.heap_size == SIZE_MAX / 2) {
      EXPECT_EQ(platform.heap(), nullptr);  // nothing is left of a heap the system refused
    }
    platform.Stop();
  }
  // The largest request count starts; a second start is refused.
  PlatformLibrary platform(fatal);
  reports.clear();
  PlatformStartOptions options;
  options.async_requests = 256;
  ASSERT_TRUE(platform.Start(options));
  EXPECT_EQ(platform.async_files().Count(), 256);
  EXPECT_FALSE(platform.Start());
  EXPECT_EQ(reports, std::vector<std::string>{"PLATFORM_init - already initialized\n"});
}

TEST(PlatformDeathTest, AFailingServiceEndsTheProcessNamingItsSourceLine) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        FatalErrorHandler fatal;
        PlatformLibrary platform(fatal);
        PlatformStartOptions options;
        options.async_requests = 1000;
        platform.Start(options);
      },
      testing::ExitedWithCode(kFatalErrorExitStatus),
      "Abort from file \"platform/cmn/hlafile.cpp\", line [0-9]+\n"
      "ASYNCFILE_init - too many async requests specified \\(max 256\\)");
}

}  // namespace torvale
