#include "database/club_commands.h"

#include <memory>

#include "database/world_database.h"
#include "storage/record_stream.h"
#include "world/club.h"
#include "world/country.h"

namespace torvale {

namespace {

constexpr int kClubFileNumber = 1;

CCountry* CountryOfClub(CWorldDatabase& world, uint32_t clubId) { return world.Country(ClubCountry(clubId)); }

}  // namespace

int RemoveClubPeople(CWorldDatabase& world, uint32_t clubId) {
  CCountry* country = CountryOfClub(world, clubId);
  CClub* club = country ? country->FindClub(clubId) : nullptr;
  if (!club) return 0;
  int removed = 0;
  // One at a time from the front: removing moves the others up.
  while (!club->PlayerIds().empty()) {
    const uint32_t id = club->PlayerIds().front();
    club->RemovePlayer(id);
    world.Persons().RemovePlayer(id);
    ++removed;
  }
  return removed;
}

bool SaveClubFile(const CWorldDatabase& world, uint32_t clubId, std::string_view path) {
  const CCountry* country = world.Country(ClubCountry(clubId));
  const CClub* club = country ? country->FindClub(clubId) : nullptr;
  if (!club) return false;
  CKLFile file;
  if (!file.OpenWrite(path)) return false;
  club->WriteClub(file, kClubFileNumber, ClubWriteContext{world, *country});
  return file.Close();
}

ClubReplaceResult ReplaceClubFromFile(CWorldDatabase& world, uint32_t clubId, std::string_view path) {
  if (ClubNumber(clubId) == kAmateurClubNumber) return ClubReplaceResult::kNationalTeam;
  CCountry* country = CountryOfClub(world, clubId);
  CClub* old = country ? country->FindClub(clubId) : nullptr;
  if (!old) return ClubReplaceResult::kNoSuchClub;
  CKLFile file;
  if (!file.OpenRead(path)) return ClubReplaceResult::kUnreadable;

  auto club = std::make_unique<CClub>();
  club->clubId = old->clubId;
  club->SetWorld(&world.Persons());
  const PlayerReadContext players = world.MakePlayerReadContext();
  if (!club->ReadClub(file, kClubFileNumber, ClubReadContext{players, world.Language(), kClubReadSkipStadiums})) {
    // A record that was not there created nobody; the club stays as it was.
    return ClubReplaceResult::kUnreadable;
  }
  club->homeStadium = old->homeStadium;
  club->alternativeStadium = old->alternativeStadium;
  const uint16_t number = old->Number();
  RemoveClubPeople(world, clubId);
  country->RemoveClub(clubId);
  country->AddClub(std::move(club), number);
  return ClubReplaceResult::kReplaced;
}

std::vector<InvalidBadge> FindInvalidBadges(const CWorldDatabase& world, int language,
                                            const std::function<bool(std::string_view)>& badgeMissing) {
  std::vector<InvalidBadge> invalid;
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry* country = world.Country(n);
    if (!country) continue;
    for (const auto& [id, club] : country->Clubs()) {
      const std::string_view badge = club->badgeFile;
      if (!badge.empty() && badgeMissing(badge)) invalid.push_back({std::string(club->Name(language)), std::string(badge)});
    }
  }
  return invalid;
}

}  // namespace torvale
