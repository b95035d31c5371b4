#pragma once
// Reading a master file back with our layouts: the inspector and the tests walk every record
// and stop at the first inconsistency (a size word that does not match what it counts, a text
// without terminator, a count beyond what the file can hold, bytes left over).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace torvale {

enum class MasterVariant { kPc, kPs2 };

struct MasterCountryHeader {
  uint8_t leagueCount = 0;         // 0: not offered in the game
  std::vector<std::string> names;  // 5 on the PC, 1 (the build language) on the console
};

struct MasterNameListInfo {
  int group = 0;
  int kind = 0;
  uint32_t size = 0;  // serialised bytes
  uint32_t names = 0;
  uint32_t fileNames = 0;
};

struct MasterRulesInfo {
  std::vector<std::string> cupNames;  // 4 cups x 5 languages (long names PC, short console)
  uint32_t titleHolders[3] = {};
  uint32_t finalVenues[3] = {};
  uint32_t furtherClubs[2] = {};
  int32_t matchRules[4] = {};
  int32_t spare = 0;
  int32_t friendlySubstitutions = 0;
};

struct MasterCountryInfo {
  int number = 0;
  uint32_t offset = 0;      // where the record starts in the file
  uint32_t recordSize = 0;  // bytes of the whole record
  uint32_t clubs = 0;       // regular clubs (the amateur club not counted)
  uint32_t persons = 0;     // persons of all clubs and the additional managers
  uint32_t competitions = 0;
  std::vector<uint32_t> competitionIds;  // the ids of the competition records, in file order
  uint32_t referees = 0;
  uint32_t staff = 0;
  uint32_t poolEntries = 0;
  uint32_t additionalManagers = 0;
};

struct MasterFileInfo {
  MasterVariant variant = MasterVariant::kPc;
  uint32_t sizeWord = 0;
  std::vector<MasterCountryHeader> headers;  // countries 1-206
  std::vector<MasterNameListInfo> nameLists;  // 320, group-major
  MasterRulesInfo rules;
  std::vector<MasterCountryInfo> countries;  // 1-206
};

// Walks the whole file. With no variant given, the PC layout is tried first and then the
// console's. On failure `error` (when given) says what is wrong and at which offset.
std::optional<MasterFileInfo> ReadMasterFile(std::span<const uint8_t> bytes, std::string* error,
                                             std::optional<MasterVariant> variant = std::nullopt);

}  // namespace torvale
