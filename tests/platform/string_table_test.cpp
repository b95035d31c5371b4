#include <gtest/gtest.h>

#include "platform/string_table.h"
#include "platform/text_encoding.h"

namespace torvale {

TEST(StringTable, IsSortedWithoutDuplicatesSoLookupsFindEveryEntry) {
  auto entries = StringTableEntries();
  ASSERT_FALSE(entries.empty());
  for (size_t i = 1; i < entries.size(); ++i)
    EXPECT_LT(entries[i - 1].id, entries[i].id) << "entry " << entries[i].id << " is out of order or repeated";
  for (const auto& e : entries) {
    EXPECT_TRUE(HasString(e.id));
    EXPECT_TRUE(IsRepresentableInCp1252(e.utf8)) << "entry " << e.id;
  }
}

TEST(StringTable, TextsComeBackAsWindows1252) {
  EXPECT_EQ(LoadString(IDS_NEEDS_FULL_INSTALLATION),
            "Der Editor ben\xF6tigt die Vollinstallation des Spiels und kann deswegen nicht gestartet werden.");
  EXPECT_EQ(LoadString(1), "");
  EXPECT_FALSE(HasString(100000));
}

}  // namespace torvale
