#include "platform/string_table.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "platform/text_encoding.h"

namespace torvale {

namespace {

using Entry = StringTableEntry;

// Each subsystem keeps its texts in its own file under strings/, in any order; the table is
// sorted at compile time, and a duplicate number stops the build.
constexpr Entry kUnsorted[] = {
#include "platform/strings/platform.inc"
#include "platform/strings/storage.inc"
#include "platform/strings/world.inc"
#include "platform/strings/competition.inc"
#include "platform/strings/master.inc"
#include "platform/strings/exchange.inc"
#include "platform/strings/assets.inc"
#include "platform/strings/ui.inc"
};

constexpr auto kEntries = [] {
  std::array<Entry, std::size(kUnsorted)> sorted{};
  std::copy(std::begin(kUnsorted), std::end(kUnsorted), sorted.begin());
  std::sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });
  return sorted;
}();

constexpr bool HasUniqueNumbers() {
  for (size_t i = 1; i < kEntries.size(); ++i)
    if (kEntries[i - 1].id == kEntries[i].id) return false;
  return true;
}
static_assert(HasUniqueNumbers(), "two string-table entries share a number");

const Entry* Find(int id) {
  auto it = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                             [](const Entry& e, int key) { return e.id < key; });
  return (it != kEntries.end() && it->id == id) ? &*it : nullptr;
}

}  // namespace

std::string LoadString(int id) {
  const Entry* e = Find(id);
  return e ? Utf8ToCp1252(e->utf8) : std::string();
}

std::string FormatStringEntry(int id, std::string_view argument) {
  std::string text = LoadString(id);
  if (const size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
  return text;
}

bool HasString(int id) { return Find(id) != nullptr; }

std::span<const StringTableEntry> StringTableEntries() { return kEntries; }

}  // namespace torvale
