#pragma once
// CVelaPlayerMapping: the sibling game's player list ("database/VELA_PlayerIDs.txt") and its
// star-head list ("database/VELA2003_StarHeads.txt"), with the commands that give every person
// of the world its Vela player id and its console head.
//
// The player list holds records of four lines: name, id, nickname, and the id once more as a
// check. The star-head list holds TAB-separated lines: name, face id, a second number.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/sibling_mapping.h"

namespace torvale {

struct VelaPlayerRecord {
  std::string name;      // at most 63 characters
  uint32_t id = 0;
  std::string nickname;  // at most 59 characters
};

struct StarHeadEntry {
  uint16_t faceId = 0;
  uint32_t secondNumber = 0;
  int useCount = 0;  // persons that took this head in the last mapping
};

class CVelaPlayerMapping {
 public:
  // Replace the player list, or the star-head list, with the file's; false (and an empty
  // list) when the file cannot be read.
  bool LoadPlayerIds(std::string_view path);
  bool LoadStarHeads(std::string_view path);
  // The same from a file's text; `path` is what the report names as the list's source.
  void LoadPlayerIdText(std::string text, std::string_view path);
  void LoadStarHeadText(std::string text);

  const std::vector<VelaPlayerRecord>& Records() const { return records_; }
  const std::map<std::string, StarHeadEntry, std::less<>>& StarHeads() const { return starHeads_; }
  // Records whose name (or non-empty nickname) equals the next one's in name order.
  const std::vector<std::string>& DoubleNames() const { return doubleNames_; }
  const std::vector<std::string>& DoubleNicks() const { return doubleNicks_; }

  // The Vela id of a person: by "first surname", then by nickname, then by stage name, each
  // whitespace-normalised and compared ignoring case. 0 when none is listed.
  uint32_t FindPlayerId(std::string_view firstName, std::string_view surname, std::string_view nickname,
                        std::string_view stageName) const;
  // The star head listed under `name` once both are accent-folded.
  const StarHeadEntry* FindStarHead(std::string_view name) const;

  // Gives every person in a squad the Vela id found for it. Persons not found keep their id,
  // or get 0 with `overwrite`. Does nothing without a player list.
  MappingResult MapPlayerIds(CWorldDatabase* world, std::string_view reportPath, bool overwrite);
  // Gives every person in a squad the console head found for it by full name, nickname or
  // stage name. Persons not found keep their head, or get 0 with `overwrite`. Does nothing
  // without a star-head list.
  MappingResult MapConsoleFaces(CWorldDatabase* world, std::string_view reportPath, bool overwrite);

  // The name a star-head line files its head under: whitespace-normalised, without the
  // goalkeeper mark "(GK)" or "[GK]" (any case) at its end.
  static std::string StarHeadName(std::string_view field);

 private:
  std::optional<size_t> SearchName(std::string_view key) const;
  std::optional<size_t> SearchNick(std::string_view key) const;
  StarHeadEntry* LookupStarHead(std::string_view name);
  void IndexRecords();

  std::vector<VelaPlayerRecord> records_;
  std::vector<size_t> byName_;  // record positions in name order (ignoring case)
  std::vector<size_t> byNick_;  // positions of records with a nickname, in nickname order
  std::vector<std::string> doubleNames_;
  std::vector<std::string> doubleNicks_;
  std::string playerListPath_;

  std::map<std::string, StarHeadEntry, std::less<>> starHeads_;
  // The star heads' names by their folded form; of names that fold alike the first in name
  // order counts.
  std::map<std::string, std::string, std::less<>> starHeadsByFoldedName_;
};

}  // namespace torvale
