#pragma once
// The club commands of the main window that need no dialog of their own: emptying a club of
// its people, saving a club to a club file and replacing a club from one, and the search for
// clubs whose badge the game cannot find.
//
// A club file is a record stream holding the club as section "CLUB1" with its persons, the
// same record a country file keeps for each club. Stadium numbers belong to the world the file
// was saved from, so reading a club file drops them (the club keeps its own stadiums).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace torvale {

class CWorldDatabase;

// Takes every person off the club and out of the world; returns how many went.
int RemoveClubPeople(CWorldDatabase& world, uint32_t clubId);

// Writes the club to `path` (replacing the file only when written completely).
bool SaveClubFile(const CWorldDatabase& world, uint32_t clubId, std::string_view path);

enum class ClubReplaceResult { kReplaced, kNationalTeam, kNoSuchClub, kUnreadable };

// Replaces the club's data and people by those of the club file; its id, number and stadium
// references stay. The national pseudo-club is never replaced; a file without a club record
// leaves everything as it was.
ClubReplaceResult ReplaceClubFromFile(CWorldDatabase& world, uint32_t clubId, std::string_view path);

struct InvalidBadge {
  std::string clubName;  // in `language`
  std::string badge;
};

// Every club of countries 1-206 that names a badge `badgeMissing` says the game cannot find,
// in country and club order.
std::vector<InvalidBadge> FindInvalidBadges(const CWorldDatabase& world, int language,
                                            const std::function<bool(std::string_view badge)>& badgeMissing);

}  // namespace torvale
