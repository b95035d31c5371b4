#include "exchange/sibling_mapping.h"

#include "platform/atomic_file.h"
#include "database/world_database.h"

namespace torvale {

namespace {

constexpr const char* kMappingFailed = "Failure while mapping";

}  // namespace

void ForEachMappedClub(CWorldDatabase& world, const std::function<void(CClub&)>& visit) {
  for (int number = kFirstCountry; number <= kLastCountry; ++number) {
    CCountry* country = world.Country(number);
    if (!country) continue;
    for (const auto& [id, club] : country->Clubs()) visit(*club);
  }
}

void ForEachMappedPerson(CWorldDatabase& world, const std::function<void(CPlayer&)>& visit) {
  CPersonTable& persons = world.Persons();
  ForEachMappedClub(world, [&](CClub& club) {
    if (ClubNumber(club.clubId) == kAmateurClubNumber) return;
    for (uint32_t id : club.PlayerIds())
      if (CPlayer* person = persons.FindPlayer(id)) visit(*person);
  });
}

MappingCommandTexts TextsOf(MappingCommand command) {
  switch (command) {
    case MappingCommand::kClubIds:
      return {"This option will map all clubs to the vela-ids. Do you want to overwrite unrecognized "
              "club-ids with 0?",
              "Successful"};
    case MappingCommand::kPlayerIds:
      return {"This option will remap all players in the world. Do you want to overwrite unrecognized "
              "players with 0?",
              "Mapped all players in the database"};
    case MappingCommand::kConsoleFaces:
      return {"This option will remap all player faces in the world to the PS2 face ids.Do you want to "
              "overwrite unrecognized players with 0?",
              "Finished mapping the ps2 faces"};
    case MappingCommand::kVelaFaces:
      return {"This option will map all faces of the players to the Vela Faces. Do you want to "
              "overwrite unrecognized face-ids with 0?",
              "Finished mapping the player faces"};
  }
  return {"", ""};
}

std::string_view MappingFinalText(MappingCommand command, MappingResult result) {
  // Only the club command has a failure message of its own; the others would announce a
  // mapping that never happened, so they share it.
  return Mapped(result) ? TextsOf(command).finished : kMappingFailed;
}

MappingResult FinishReport(std::string_view report, std::string_view path) {
  if (path.empty()) return MappingResult::kMapped;
  return WriteWholeFile(path, report) ? MappingResult::kMapped : MappingResult::kReportNotWritten;
}

}  // namespace torvale
