#pragma once
// The drop rules of "Datenbanken synchronisieren": the user drags a continent, country or club
// of one world onto an item of the other world's tree, and the pair decides what is copied.
// Same kinds copy onto each other, a club may also go onto a country; continents copy only
// onto the same continent. The world copies themselves are in world_copy.h.

#include <cstdint>

namespace torvale {

enum class CopyItemKind { kContinent, kCountry, kClub };

struct CopyItem {
  CopyItemKind kind = CopyItemKind::kContinent;
  int world = 0;       // which tree (0 left, 1 right)
  uint32_t id = 0;     // continent 0-5, country 1-206 or club id
  friend bool operator==(const CopyItem&, const CopyItem&) = default;
};

enum class CopyDropAction {
  kNothing,                // dropped on itself or nowhere
  kRefusedKinds,           // message 846
  kRefusedContinents,      // message 847
  kClubIntoCountry,        // a new club, or onto the club of the same name
  kClubOntoClub,           // the club options, then the chosen parts
  kCountryOntoCountry,     // the country options, then the chosen parts
  kContinentOntoContinent  // the country options once, then every country of the continent
};

// `target` null: dropped outside the trees.
CopyDropAction DecideCopyDrop(const CopyItem& source, const CopyItem* target);

// String-table entries of the refusals.
constexpr int IDS_COPY_SAME_KINDS_ONLY = 846;
constexpr int IDS_COPY_DIFFERENT_CONTINENTS = 847;

}  // namespace torvale
