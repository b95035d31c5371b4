// torvale-masterinfo FILE: walks a master file with the editor's layouts and prints its
// structure. Exit status 0 when the whole file is consistent; 1 (with the reason on standard
// error) at the first inconsistency; 2 when the file cannot be read.

#include <cstdio>
#include <string>
#include <vector>

#include "master/master_reader.h"
#include "platform/path.h"
#include "platform/text_encoding.h"

namespace {

// Names in the file are Windows-1252; the terminal wants UTF-8.
std::string Joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) {
    if (!out.empty()) out += " | ";
    out += torvale::Cp1252ToUtf8(name);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace torvale;
  if (argc != 2) {
    std::fprintf(stderr, "usage: torvale-masterinfo FILE\n");
    return 2;
  }
  std::string data;
  if (!ReadWholeFile(argv[1], data)) {
    std::fprintf(stderr, "torvale-masterinfo: cannot read %s\n", argv[1]);
    return 2;
  }
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(data.data()), data.size());
  std::string error;
  const std::optional<MasterFileInfo> info = ReadMasterFile(bytes, &error);
  if (!info) {
    std::fprintf(stderr, "torvale-masterinfo: %s is not a consistent master file: %s\n", argv[1], error.c_str());
    return 1;
  }

  std::printf("file %s: %zu bytes, %s layout\n", argv[1], data.size(),
              info->variant == MasterVariant::kPc ? "PC" : "console (PS2)");
  std::printf("size word: %u\n", info->sizeWord);
  int offered = 0;
  std::printf("country headers: %zu\n", info->headers.size());
  for (size_t i = 0; i < info->headers.size(); ++i) {
    const MasterCountryHeader& header = info->headers[i];
    offered += header.leagueCount != 0 ? 1 : 0;
    std::printf("  %3zu  leagues %2u  %s\n", i + 1, header.leagueCount, Joined(header.names).c_str());
  }
  std::printf("countries offered: %d\n", offered);

  uint64_t poolNames = 0;
  std::printf("name pool: %zu lists\n", info->nameLists.size());
  for (const MasterNameListInfo& list : info->nameLists) {
    poolNames += list.names;
    if (list.names > 1 || list.fileNames > 0)
      std::printf("  group %2d kind %d: %u names (%u from files), %u bytes\n", list.group, list.kind, list.names,
                  list.fileNames, list.size);
  }
  std::printf("  names in all lists: %llu\n", static_cast<unsigned long long>(poolNames));

  const MasterRulesInfo& rules = info->rules;
  std::printf("rules:\n");
  for (int cup = 0; cup < 4; ++cup) {
    std::vector<std::string> names(rules.cupNames.begin() + cup * 5, rules.cupNames.begin() + cup * 5 + 5);
    std::printf("  cup %d: %s\n", cup, Joined(names).c_str());
  }
  std::printf("  title holders %08x %08x %08x, final venues %08x %08x %08x, further clubs %08x %08x\n",
              rules.titleHolders[0], rules.titleHolders[1], rules.titleHolders[2], rules.finalVenues[0],
              rules.finalVenues[1], rules.finalVenues[2], rules.furtherClubs[0], rules.furtherClubs[1]);
  std::printf("  match rules %d %d %d %d, spare %d, substitutions in friendlies %d\n", rules.matchRules[0],
              rules.matchRules[1], rules.matchRules[2], rules.matchRules[3], rules.spare,
              rules.friendlySubstitutions);

  uint64_t clubs = 0, persons = 0, competitions = 0;
  std::printf("country records: %zu\n", info->countries.size());
  for (const MasterCountryInfo& country : info->countries) {
    clubs += country.clubs;
    persons += country.persons;
    competitions += country.competitions;
    std::printf("  %3d  at %9u  %8u bytes  clubs %4u  persons %6u  competitions %3u  referees %3u  staff %3u  "
                "pool %4u  managers %3u\n",
                country.number, country.offset, country.recordSize, country.clubs, country.persons,
                country.competitions, country.referees, country.staff, country.poolEntries,
                country.additionalManagers);
  }
  std::printf("total: %llu clubs, %llu persons, %llu competitions\n", static_cast<unsigned long long>(clubs),
              static_cast<unsigned long long>(persons), static_cast<unsigned long long>(competitions));
  std::printf("OK\n");
  return 0;
}
