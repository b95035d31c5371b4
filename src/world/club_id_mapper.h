#pragma once
// Club references are stored under the numbering that reading will produce: saving files the
// clubs of a country under 1, 2, 3, ... in map order, so every writer that stores a club id
// converts it first. The country (and across countries, the world) implements the conversion;
// the club, player and competition writers only see this interface.

#include <cstdint>

namespace torvale {

class ClubIdMapper {
 public:
  virtual ~ClubIdMapper() = default;
  // The id the club will have after saving and reloading; 0 for a club that does not exist.
  // Ids of national pseudo-clubs (low 16 bits 0xFFFF) come back unchanged.
  virtual uint32_t SavedClubId(uint32_t clubId) const = 0;
};

// Writes ids as they are: for streams that are not reloaded under a new numbering (tests,
// records whose ids are kept verbatim).
class IdentityClubIdMapper final : public ClubIdMapper {
 public:
  uint32_t SavedClubId(uint32_t clubId) const override { return clubId; }
};

}  // namespace torvale
