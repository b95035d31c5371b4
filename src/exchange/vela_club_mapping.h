#pragma once
// CVelaClubMapping: the sibling game's club list ("database/VELA_ClubIDs.txt") and the
// command that gives every club of the world its Vela club id.
//
// Each line holds four TAB-separated fields: the Vela id, a description (the league or
// country the exporter filed the club under), a second number (the club's ready-made kit in
// Vela) and the club's name.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "exchange/sibling_mapping.h"

namespace torvale {

struct VelaClubEntry {
  uint32_t id = 0;
  uint32_t secondNumber = 0;
  int useCount = 0;  // clubs of the world that took this entry in the last mapping
  std::string description;
};

class CVelaClubMapping {
 public:
  // Replaces the list with the file's; false (and an empty list) when it cannot be read.
  bool Load(std::string_view path);
  // The same from the file's text.
  void LoadText(std::string text);

  // The entry listed under `name` after whitespace normalisation; null when there is none.
  const VelaClubEntry* Find(std::string_view name) const;
  const std::map<std::string, VelaClubEntry, std::less<>>& Entries() const { return entries_; }

  // Gives every club the id of the entry listed under its name, or else under its short name,
  // in the world's language. Clubs found in neither keep their id, or get 0 with `overwrite`.
  // Writes the statistics to `reportPath` unless it is empty.
  MappingResult MapWorld(CWorldDatabase* world, std::string_view reportPath, bool overwrite);

  // The name a list line files its club under: whitespace-normalised, without a trailing
  // "S.A.D." (the Spanish company form, which the world's club names do not carry).
  static std::string ListName(std::string_view field);

 private:
  VelaClubEntry* Lookup(std::string_view name);
  std::string Report(int success, int failure) const;

  std::map<std::string, VelaClubEntry, std::less<>> entries_;
};

}  // namespace torvale
