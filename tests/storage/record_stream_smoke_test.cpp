#include <gtest/gtest.h>

#include "storage/record_stream.h"

namespace torvale {

TEST(RecordStream, WritesAndReadsASectionInMemory) {
  CKLFile out;
  ASSERT_TRUE(out.OpenWriteToMemory());
  WriteVersion(out);
  out.BeginSection("A");
  out.WriteInt(-1);
  out.WriteString("Text");
  out.EndSection("A");
  std::string text = out.TakeWritten();
  EXPECT_EQ(text, "%INDEX%VERSION\r\n537133064\r\n%INDEXEND%VERSION\r\n%INDEX%A\r\n-1\r\nText\r\n%INDEXEND%A\r\n");

  CKLFile in;
  ASSERT_TRUE(in.OpenReadFromMemory(text));
  EXPECT_TRUE(ReadVersion(in));
  EXPECT_EQ(in.LoadedVersion(), CKLFile::kWrittenVersion);
  ASSERT_TRUE(in.FindSection("A"));
  uint8_t byte = 0;
  EXPECT_TRUE(in.ReadInt(byte));
  EXPECT_EQ(byte, 255);
  std::string s;
  EXPECT_TRUE(in.ReadString(s));
  EXPECT_EQ(s, "Text");
  EXPECT_FALSE(in.ReadString(s));
  EXPECT_TRUE(in.FindSectionEnd("A"));
}

}  // namespace torvale
