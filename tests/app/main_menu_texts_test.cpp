#include <gtest/gtest.h>

#include "app/main_menu_texts.h"

namespace torvale {

TEST(MainMenuTexts, CaptionCapitalisesWordsAfterSpaces) {
  EXPECT_EQ(MainWindowCaption("Torvale Datenbank Editor", "database"), "Torvale Datenbank Editor - Database");
  EXPECT_EQ(MainWindowCaption("Editor", "meine liga 2004"), "Editor - Meine Liga 2004");
  // Only a-z: accented letters and other characters stay as they are.
  EXPECT_EQ(CapitaliseWords("\xE4rger 1a", true), "\xE4rger 1a");
}

TEST(MainMenuTexts, DatabaseMenuKeepsTheLast40CharactersOfALongName) {
  EXPECT_EQ(DatabaseMenuText(1, "database"), "1. Database");
  EXPECT_EQ(DatabaseMenuText(2, "mein test"), "2. Mein Test");
  const std::string name45 = "abcdefgh" "ijklmnopqrstuvwxyz abcdefghij klmnopq";  // 45 characters
  ASSERT_EQ(name45.size(), 45u);
  const std::string text = DatabaseMenuText(3, name45);
  EXPECT_EQ(text, "3. ...ijklmnopqrstuvwxyz Abcdefghij Klmnopq");
  EXPECT_EQ(text.size(), 3u + 40u);
  // Exactly 40 characters are kept whole.
  EXPECT_EQ(DatabaseMenuText(1, std::string(40, 'x')), "1. X" + std::string(39, 'x'));
}

}  // namespace torvale
