#pragma once
// The editor's user-interface texts, keyed by their string-table numbers. Texts come back as
// Windows-1252 bytes like all world text, so they can be formatted together with names.

#include <span>
#include <string>
#include <string_view>

namespace torvale {

// The text of entry `id`; empty when the table has no such entry.
std::string LoadString(int id);
// The text of entry `id` with its first "%s" replaced by `argument` (texts with one name); the
// argument is inserted as it is, never read as a format.
std::string FormatStringEntry(int id, std::string_view argument = {});
// True when the table has entry `id`.
bool HasString(int id);

struct StringTableEntry {
  int id;
  const char* utf8;
};
// The whole table in its stored order, for checks of the table itself.
std::span<const StringTableEntry> StringTableEntries();

// Entries used by name in the code.
constexpr int IDS_UNICODE_FOLDER = 888;           // working or documents folder not in the code page
constexpr int IDS_NEEDS_FULL_INSTALLATION = 896;  // the game's data archive is missing
constexpr int IDS_PRODUCT_NAME = 898;             // "TORVALE", the install-folder settings key
constexpr int IDS_MESSAGE_CAPTION = 899;          // the caption of every message box

}  // namespace torvale
