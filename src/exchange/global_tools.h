#pragma once
// CGlobalTools: the process-wide tools the editors and the master build share — the sibling
// game's club, player and star-head lists, the game's badge archive and the name generator.
// The application creates one instance when the main window starts (and one for a
// window-less master build) and keeps it until the end; tests make their own.

#include <string_view>

#include "assets/big_archive.h"
#include "exchange/name_generator.h"
#include "exchange/vela_club_mapping.h"
#include "exchange/vela_player_mapping.h"
#include "world/sibling_lookup.h"

namespace torvale {

// The sibling game's lists as the readers of older files see them: clubs by name, persons'
// ids and their star heads.
class VelaListLookup final : public SiblingGameLookup {
 public:
  VelaListLookup(const CVelaClubMapping& clubs, const CVelaPlayerMapping& players)
      : clubs_(clubs), players_(players) {}

  std::optional<SiblingClubEntry> FindSiblingClub(std::string_view clubName) const override;
  uint32_t SiblingPlayerId(std::string_view firstName, std::string_view surname, std::string_view nickname,
                           std::string_view stageName) const override;
  // The face id of the star head listed under the name (accents folded).
  uint16_t StarHead(std::string_view fullName) const override;

 private:
  const CVelaClubMapping& clubs_;
  const CVelaPlayerMapping& players_;
};

// The files Init reads, relative to the game's install folder.
constexpr const char* kVelaClubListFile = "database/VELA_ClubIDs.txt";
constexpr const char* kVelaPlayerListFile = "database/VELA_PlayerIDs.txt";
constexpr const char* kVelaStarHeadListFile = "database/VELA2003_StarHeads.txt";
constexpr const char* kBadgeArchiveFile = "badges.big";

class CGlobalTools {
 public:
  CGlobalTools() = default;
  CGlobalTools(const CGlobalTools&) = delete;
  CGlobalTools& operator=(const CGlobalTools&) = delete;

  // Loads the three lists and the name generator's files and opens the badge archive
  // (read-only), all below `installFolder` (the working folder when empty). Anything missing
  // is left empty: the lists and badges are extras the editor works without. Messages of the
  // badge archive go to `badgeMessages` when given.
  void Init(std::string_view installFolder, CQZBig::MessageSink badgeMessages = {});

  CVelaClubMapping& ClubMapping() { return clubs_; }
  CVelaPlayerMapping& PlayerMapping() { return players_; }
  // The lists for reading older files and for the console build's star heads.
  const SiblingGameLookup& SiblingLists() const { return lookup_; }
  CQZBig& BadgeArchive() { return badges_; }
  CNameGenerator& NameGenerator() { return names_; }

 private:
  CVelaClubMapping clubs_;
  CVelaPlayerMapping players_;
  VelaListLookup lookup_{clubs_, players_};
  CQZBig badges_;
  CNameGenerator names_;
};

}  // namespace torvale
