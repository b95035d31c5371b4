#pragma once
// Look-ups into the lists exported from the sibling game Vela (club ids, player ids, star
// heads). Files written before those numbers were stored in the records get them on reading
// from these lists; the readers of clubs and persons only see this interface, the mapping
// tables of the exchange layer implement it.

#include <cstdint>
#include <optional>
#include <string_view>

namespace torvale {

// One entry of the sibling game's club list: the club's id there and the number listed next
// to it.
struct SiblingClubEntry {
  uint32_t id = 0;
  uint32_t secondNumber = 0;
};

class SiblingGameLookup {
 public:
  virtual ~SiblingGameLookup() = default;

  // The sibling game's club listed under exactly this (whitespace-normalised) name.
  virtual std::optional<SiblingClubEntry> FindSiblingClub(std::string_view clubName) const = 0;

  // The sibling game's id of a person: looked up by "first surname", then by the nickname, then
  // by the stage name (an empty one is skipped); 0 when none is listed.
  virtual uint32_t SiblingPlayerId(std::string_view firstName, std::string_view surname,
                                   std::string_view nickname,
                                   std::string_view stageName) const = 0;

  // The number of the ready-made star head listed under `fullName` ("first surname"); 0 when
  // the list has no such name.
  virtual uint16_t StarHead(std::string_view fullName) const = 0;
};

// What the look-ups give when no sibling-game list is loaded: nothing is found.
class NoSiblingGameLists final : public SiblingGameLookup {
 public:
  std::optional<SiblingClubEntry> FindSiblingClub(std::string_view) const override {
    return std::nullopt;
  }
  uint32_t SiblingPlayerId(std::string_view, std::string_view, std::string_view,
                           std::string_view) const override {
    return 0;
  }
  uint16_t StarHead(std::string_view) const override { return 0; }
};

}  // namespace torvale
