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

TEST_F(PlatformFixture, ASecondStartIsRefused) {
  PlatformLibrary platform(fatal);
  ASSERT_TRUE(platform.Start());
  EXPECT_FALSE(platform.Start());
  EXPECT_EQ(reports, std::vector<std::string>{"PLATFORM_init - already initialized\n"});
}

TEST_F(PlatformFixture, AsyncRequestsAreLimitedTo256) {
  PlatformLibrary platform(fatal);
  PlatformStartOptions options;
  options.async_requests = 257;
  EXPECT_FALSE(platform.Start(options));
  EXPECT_EQ(reports, std::vector<std::string>{"ASYNCFILE_init - too many async requests specified (max 256)\n"});
  platform.Stop();

  reports.clear();
  options.async_requests = 256;
  ASSERT_TRUE(platform.Start(options));
  EXPECT_EQ(platform.async_files().Count(), 256);
  EXPECT_TRUE(reports.empty());
}

TEST_F(PlatformFixture, WithoutItsHeapTheFileSystemCannotStart) {
  PlatformLibrary platform(fatal);
  PlatformStartOptions options;
  options.heap_size = SIZE_MAX / 2;  // the system refuses this block
  EXPECT_FALSE(platform.Start(options));
  EXPECT_EQ(platform.heap(), nullptr);
  EXPECT_EQ(reports, std::vector<std::string>{"FILESYS_init - out of memory\n"});
}

TEST_F(PlatformFixture, ATooSmallHeapFailsTheServiceThatAsks) {
  PlatformLibrary platform(fatal);
  PlatformStartOptions options;
  options.heap_size = 4096;  // the file system fits, the async table does not
  options.async_requests = 50;
  EXPECT_FALSE(platform.Start(options));
  EXPECT_EQ(reports, std::vector<std::string>{"ASYNCFILE_init - out of memory\n"});
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
