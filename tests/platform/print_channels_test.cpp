#include <gtest/gtest.h>

#include "platform/path.h"
#include "platform/print_channels.h"
#include "support/file_bytes.h"
#include "support/scratch_dir.h"

namespace torvale {

TEST(PrintChannels, WritesEnabledChannelsToTheLogFile) {
  test::ScratchDir dir;
  PrintChannels print;
  print.ResetToDefaults();
  EXPECT_TRUE(print.IsChannelEnabled(PrintChannel::kAlert));
  EXPECT_FALSE(print.IsChannelEnabled(PrintChannel::kMemory));
  std::string log = JoinPath(dir.path(), "print.log");
  ASSERT_EQ(print.OpenLogFile(log), "");
  print.SetDeviceEnabled(PrintDevice::kFileLog, true);
  print.Print(PrintChannel::kAlert, "one\n");
  print.Print(PrintChannel::kMemory, "not shown\n");
  print.SetChannelEnabled(PrintChannel::kAll, true);  // "all" opens every channel
  print.Print(PrintChannel::kMemory, "two\n");
  EXPECT_EQ(test::ReadText(log), "one\ntwo\n");
}

TEST(PrintChannels, ReportsALogFileThatCannotBeOpened) {
  test::ScratchDir dir;
  PrintChannels print;
  std::string bad = JoinPath(dir.path(), "missing/folder/print.log");
  EXPECT_EQ(print.OpenLogFile(bad), "Failed to open " + bad + " for writing.\n");
}

}  // namespace torvale
