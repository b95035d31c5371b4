#pragma once
// CNameGenerator: random first names and surnames by language, for renaming persons in bulk.
// The three name files group their names by language number with lines "%<number>"; names
// before the first such line belong to group 0, which is also the fall-back when a language
// has no names of its own.

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace torvale {

enum class NameListKind { kMaleFirstNames = 0, kFemaleFirstNames = 1, kSurnames = 2 };

class CNameGenerator {
 public:
  // Loads "database/MaleNames.txt", "database/FemaleNames.txt" and "database/Surnames.txt"
  // below `installFolder` (the working directory when empty). True only when all three
  // could be read; a missing file leaves its list empty.
  bool Load(std::string_view installFolder = {});
  // Reads one name file into one list, replacing what it held; false when it cannot be read.
  bool LoadList(NameListKind list, std::string_view path);

  // A random name of `group` from `list`, or of group 0 when the group has none; nothing
  // when group 0 is empty too.
  std::optional<std::string> DrawName(NameListKind list, int group);
  // The position a draw of r (0..32767) picks among `count` names.
  static size_t DrawIndex(int r, size_t count);

  void Seed(uint32_t seed) { engine_.seed(seed); }
  size_t Count(NameListKind list, int group) const;

 private:
  std::multimap<int, std::string>& List(NameListKind list) { return lists_[static_cast<int>(list)]; }
  const std::multimap<int, std::string>& List(NameListKind list) const { return lists_[static_cast<int>(list)]; }

  std::multimap<int, std::string> lists_[3];
  std::minstd_rand engine_{1};
};

// The group number of a "%<number>" line: its leading decimal digits, 0 when there are none.
int NameGroupOfLine(std::string_view line);

}  // namespace torvale
