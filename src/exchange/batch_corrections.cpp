#include "exchange/batch_corrections.h"

#include <map>
#include <utility>
#include <vector>

#include "database/world_database.h"
#include "database/world_manager.h"
#include "exchange/exchange_prompts.h"
#include "exchange/name_generator.h"
#include "world/fixed_text.h"
#include "world/player.h"

namespace torvale {

namespace {

constexpr uint8_t kFirstYellowBoot = 5;
constexpr uint8_t kBlackBoot = 2;
constexpr uint8_t kUntrainedTactics = 0;
constexpr uint8_t kDefaultTactics = 3;
constexpr size_t kStadiumNameChars = 29;
constexpr int kMaxStadiumInitials = 9;
constexpr size_t kNicknameChars = 19;

bool IsAmateurClub(const CClub& club) { return club.Number() == kAmateurClubNumber; }

// Every country of the world. The game's own menu walked the slots 0-205 and so never reached
// the last country; all 206 are walked here.
template <typename Visit>
void ForEachCountry(CWorldDatabase& world, Visit visit) {
  for (int n = kFirstCountry; n <= kLastCountry; ++n)
    if (CCountry* country = world.Country(n)) visit(*country);
}

// The persons of every club except the amateur clubs.
template <typename Visit>
void ForEachClubPerson(CWorldDatabase& world, Visit visit) {
  ForEachCountry(world, [&](CCountry& country) {
    for (const auto& [id, club] : country.Clubs()) {
      if (IsAmateurClub(*club)) continue;
      for (uint32_t personId : club->PlayerIds())
        if (CPlayer* person = world.Persons().FindPlayer(personId)) visit(*person);
    }
  });
}

std::vector<CPlayer*> SpanishPlayers(const CWorldDatabase& world) {
  std::vector<CPlayer*> players;
  const CCountry* spain = world.Country(kNicknameCountry);
  if (!spain) return players;
  for (const auto& [id, club] : spain->Clubs()) {
    if (IsAmateurClub(*club)) continue;
    for (uint32_t personId : club->PlayerIds())
      if (CPlayer* person = club->FindPlayer(personId)) players.push_back(person);
  }
  return players;
}

std::string WithName(std::string_view format, std::string_view name) {
  std::string text(format);
  if (const size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, name);
  return text;
}

std::string WithTwoNames(std::string_view format, std::string_view first, std::string_view second) {
  return WithName(WithName(format, first), second);
}

std::string WithCount(std::string_view format, int count) {
  std::string text(format);
  if (const size_t at = text.find("%i"); at != std::string::npos) text.replace(at, 2, std::to_string(count));
  return text;
}

bool IsInitial(char c) { return static_cast<int8_t>(c) >= 65; }

}  // namespace

uint8_t& BootColour(CPlayer& person) { return person.spare; }

int BlackenYellowShoes(CWorldDatabase& world, CClub& club) {
  int changed = 0;
  for (uint32_t personId : club.PlayerIds()) {
    CPlayer* person = world.Persons().FindPlayer(personId);
    if (!person || BootColour(*person) < kFirstYellowBoot) continue;
    BootColour(*person) = kBlackBoot;
    ++changed;
  }
  return changed;
}

int BlackenYellowShoes(CWorldDatabase& world, CCountry& country) {
  int changed = 0;
  for (const auto& [id, club] : country.Clubs()) changed += BlackenYellowShoes(world, *club);
  return changed;
}

int BlackenYellowShoes(CWorldDatabase& world) {
  int changed = 0;
  ForEachCountry(world, [&](CCountry& country) { changed += BlackenYellowShoes(world, country); });
  return changed;
}

int RenameCountryStaff(CWorldDatabase& world, CCountry& country, CNameGenerator& names) {
  int renamed = 0;
  auto rename = [&](char* first, size_t firstSize, char* last, size_t lastSize, uint8_t nationality) {
    const int group = world.FirstLanguage(nationality);
    const auto firstName = names.DrawName(NameListKind::kMaleFirstNames, group);
    const auto surname = names.DrawName(NameListKind::kSurnames, group);
    if (firstName) SetFixedText(first, firstSize, *firstName, firstSize - 1);
    if (surname) SetFixedText(last, lastSize, *surname, lastSize - 1);
    ++renamed;
  };
  for (const auto& [id, club] : country.Clubs()) {
    for (uint32_t personId : club->PlayerIds()) {
      CPlayer* person = world.Persons().FindPlayer(personId);
      if (!person || person->role == kRolePlayer) continue;
      rename(person->firstName, sizeof person->firstName, person->surname, sizeof person->surname,
             person->nationality);
      SetFixedText(person->nickname, "");
      SetFixedText(person->stageName, "");
    }
  }
  // Staff on the job market carry no nationality of their own: they are the country's.
  std::vector<int> numbers;
  for (const auto& [number, staff] : country.Staff()) numbers.push_back(number);
  for (int number : numbers) {
    CStaffMember* staff = country.FindStaff(number);
    rename(staff->firstName, sizeof staff->firstName, staff->surname, sizeof staff->surname,
           static_cast<uint8_t>(country.CountryNumber()));
  }
  return renamed;
}

std::string AnonymisedStadiumName(std::string_view name, std::string_view town) {
  std::string result;
  if (name.starts_with("!!")) {
    result = name.substr(2);
  } else {
    int initials = 0;
    for (size_t i = 0; i < name.size() && initials < kMaxStadiumInitials; ++i) {
      const bool candidate = initials == 0 || name[i - 1] == ' ';
      if (!candidate || !IsInitial(name[i])) continue;
      result += name[i];
      result += ". ";
      ++initials;
    }
    result += town;
  }
  if (result.size() > kStadiumNameChars) result.resize(kStadiumNameChars);
  return result;
}

int RenameCountryStadiums(CCountry& country) {
  int renamed = 0;
  std::vector<int> numbers;
  for (const auto& [number, stadium] : country.Stadiums()) numbers.push_back(number);
  for (int number : numbers) {
    CStadium* stadium = country.FindStadium(number);
    const std::string name = AnonymisedStadiumName(FixedText(stadium->name), FixedText(stadium->town));
    SetFixedText(stadium->name, name);
    ++renamed;
  }
  return renamed;
}

int RemoveUnusedStadiums(CCountry& country) {
  std::map<int32_t, int> uses;
  for (const auto& [id, club] : country.Clubs()) {
    ++uses[club->homeStadium];
    // The game counted home stadiums only; removing an alternative stadium or the cup final's
    // venue would leave those references pointing at nothing.
    ++uses[club->alternativeStadium];
  }
  ++uses[country.cupFinalStadium];
  std::vector<int> unused;
  for (const auto& [number, stadium] : country.Stadiums())
    if (!uses.contains(number)) unused.push_back(number);
  for (auto it = unused.rbegin(); it != unused.rend(); ++it) country.RemoveStadium(*it);
  return static_cast<int>(unused.size());
}

int ClearMatchRecords(CCountry& country) {
  int cleared = 0;
  for (const auto& [id, club] : country.Clubs()) {
    club->records.fill(RECORD{});
    ++cleared;
  }
  return cleared;
}

int ClearFirstLeagueRecords(CCountry& country) {
  int cleared = 0;
  for (const auto& [id, club] : country.Clubs()) {
    club->leaguePoints = club->leagueGames = club->leagueGoals = 0;
    club->leagueGoalsAgainst = club->leagueTableLeads = 0;
    ++cleared;
  }
  return cleared;
}

int RaiseTacticalEducation(CWorldDatabase& world) {
  int changed = 0;
  ForEachClubPerson(world, [&](CPlayer& person) {
    if (person.tacticalEducation != kUntrainedTactics) return;
    person.tacticalEducation = kDefaultTactics;
    ++changed;
  });
  return changed;
}

int FixPlaceholderBirthdays(CWorldDatabase& world) {
  const DATE placeholders[] = {DATE::FromCivil(1900, 1, 1), DATE::FromCivil(1920, 1, 1)};
  const DATE replacement = DATE::FromCivil(1980, 1, 1);
  int changed = 0;
  ForEachClubPerson(world, [&](CPlayer& person) {
    if (person.birthDate != placeholders[0] && person.birthDate != placeholders[1]) return;
    person.birthDate = replacement;
    ++changed;
  });
  return changed;
}

int DeleteStaff(CWorldDatabase& world) {
  int deleted = 0;
  ForEachCountry(world, [&](CCountry& country) {
    for (const auto& [id, club] : country.Clubs()) {
      if (IsAmateurClub(*club)) continue;
      const auto ids = club->PlayerIds();
      // From the end, as the lists shrink under the walk.
      for (size_t i = ids.size(); i-- > 0;) {
        const uint32_t personId = club->PlayerIds()[i];
        const CPlayer* person = world.Persons().FindPlayer(personId);
        if (!person || person->role <= kRolePresident) continue;
        club->RemovePlayer(personId);
        world.Persons().RemovePlayer(personId);
        ++deleted;
      }
    }
    std::vector<int> numbers;
    for (const auto& [number, staff] : country.Staff())
      if (staff.job < 0 || staff.job > kRolePresident) numbers.push_back(number);
    for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) country.RemoveStaff(*it);
    deleted += static_cast<int>(numbers.size());
  });
  return deleted;
}

int MergeSpanishNicknames(CWorldDatabase& current, const CWorldDatabase& other, bool resetFirst) {
  const std::vector<CPlayer*> players = SpanishPlayers(current);
  if (resetFirst) {
    for (CPlayer* player : players) {
      SetFixedText(player->nickname, "");
      SetFixedText(player->stageName, "");
    }
  }
  std::map<std::pair<std::string_view, std::string_view>, const CPlayer*> byName;
  for (const CPlayer* player : SpanishPlayers(other))
    byName.emplace(std::make_pair(FixedText(player->firstName), FixedText(player->surname)), player);
  int changed = 0;
  for (CPlayer* player : players) {
    const auto match = byName.find({FixedText(player->firstName), FixedText(player->surname)});
    if (match == byName.end()) continue;
    const CPlayer& source = *match->second;
    bool took = false;
    if (source.nickname[0] != 0) {
      SetFixedText(player->nickname, FixedText(source.nickname), kNicknameChars);
      took = true;
    }
    if (source.stageName[0] != 0) {
      SetFixedText(player->stageName, FixedText(source.stageName), kNicknameChars);
      took = true;
    }
    if (took) ++changed;
  }
  return changed;
}

std::string BatchConfirmationText(BatchCommand command, std::string_view name, std::string_view otherName) {
  switch (command) {
    case BatchCommand::kRenameStaff:
      return WithName("Do you really want to rename all staff in %s?", name);
    case BatchCommand::kRenameStadiums:
      return WithName("Do you really want to rename all stadiums in %s?", name);
    case BatchCommand::kRemoveUnusedStadiums:
      return WithName("Do you really want to remove all unused stadiums from %s?", name);
    case BatchCommand::kClearMatchRecords:
      return WithName("This option clears all historical match records from the country %s. Do you really want to "
                      "clear the match records?",
                      name);
    case BatchCommand::kClearFirstLeagueRecords:
      return WithName("This option clears all historical 1st league records from the country %s. Do you really want "
                      "to clear the 1st league records?",
                      name);
    case BatchCommand::kTacticalEducation:
      return "This option sets all players with tactical education = 0 to tactical education = 3. Do you really "
             "want to do this?";
    case BatchCommand::kBirthdays:
      return "This option sets 1900-01-01 and 1920-01-01 birthdays to 1980-01-01. Do you really want to change "
             "them?";
    case BatchCommand::kDeleteStaff:
      return "This option deletes all staffs except manager, trainer and presidents. Do you really want to delete "
             "them?";
    case BatchCommand::kYellowShoesClub:
    case BatchCommand::kYellowShoesCountry:
      return WithName("This option changes all yellow shoes of %s to black. Do you really want to do this?", name);
    case BatchCommand::kYellowShoesWorld:
      return "This option changes all yellow shoes of the database to black. Do you really want to do this?";
    case BatchCommand::kSpanishNicknames:
      return WithTwoNames("This option replaces all nicknames from the spain league in %s with the nicknames from "
                          "%s. Do you want to reset all nicknames before replacing them?",
                          name, otherName);
    case BatchCommand::kMergeClubNames:
      break;
  }
  return {};
}

std::string BatchResultText(BatchCommand command, int count) {
  switch (command) {
    case BatchCommand::kRenameStaff:
      return "Renamed all staff in the country";
    case BatchCommand::kRenameStadiums:
      return "Finished renaming stadiums";
    case BatchCommand::kRemoveUnusedStadiums:
      return WithCount("%i unused stadiums were removed from the list", count);
    case BatchCommand::kClearMatchRecords:
      return "Cleared all club match history in the the country";
    case BatchCommand::kClearFirstLeagueRecords:
      return "Cleared all club 1st league history in the the country";
    case BatchCommand::kTacticalEducation:
      return WithCount("Changed the tactical skill of %i players", count);
    case BatchCommand::kBirthdays:
      return WithCount("Changed the birthday of %i players", count);
    case BatchCommand::kDeleteStaff:
      return WithCount("Deleted %i staffs", count);
    case BatchCommand::kYellowShoesClub:
    case BatchCommand::kYellowShoesCountry:
    case BatchCommand::kYellowShoesWorld:
      return WithCount("Changed %i shoes to black", count);
    case BatchCommand::kSpanishNicknames:
      return WithCount("Replaced %i Nicknames", count);
    case BatchCommand::kMergeClubNames:
      return "This function is only avaiable in debug build";
  }
  return {};
}

const CWorldDatabase* OtherLoadedWorld(const WorldManager& manager) {
  for (size_t i = 0; i < manager.Count(); ++i)
    if (manager.At(i) != manager.Current()) return manager.At(i);
  return nullptr;
}

int RunBatchCommand(BatchCommand command, const BatchTarget& target, bool expertMode, ExchangePrompts& prompts) {
  if (!expertMode || !target.world) return -1;
  CWorldDatabase& world = *target.world;
  const int language = world.Language();
  if (command == BatchCommand::kMergeClubNames) {
    prompts.ShowMessage(BatchResultText(command, 0));
    return -1;
  }
  if (command == BatchCommand::kSpanishNicknames) {
    if (!target.other || target.other == target.world) return -1;
    const PromptAnswer answer =
        prompts.AskYesNoCancel(BatchConfirmationText(command, world.Name(), target.other->Name()));
    if (answer == PromptAnswer::kCancel) return -1;
    const int count = MergeSpanishNicknames(world, *target.other, answer == PromptAnswer::kYes);
    prompts.ShowMessage(BatchResultText(command, count));
    return count;
  }

  // Which target the command needs, and the name its question shows.
  const bool clubCommand = command == BatchCommand::kYellowShoesClub;
  const bool worldCommand = command == BatchCommand::kTacticalEducation || command == BatchCommand::kBirthdays ||
                            command == BatchCommand::kDeleteStaff || command == BatchCommand::kYellowShoesWorld;
  if (clubCommand && !target.club) return -1;
  if (!clubCommand && !worldCommand && !target.country) return -1;
  if (command == BatchCommand::kRenameStaff && !target.names) return -1;
  const std::string name(clubCommand    ? target.club->Name(language)
                         : worldCommand ? std::string_view()
                                        : target.country->Name(language));
  if (!prompts.AskYesNo(BatchConfirmationText(command, name))) return -1;

  int count = 0;
  switch (command) {
    case BatchCommand::kYellowShoesClub: count = BlackenYellowShoes(world, *target.club); break;
    case BatchCommand::kYellowShoesCountry: count = BlackenYellowShoes(world, *target.country); break;
    case BatchCommand::kYellowShoesWorld: count = BlackenYellowShoes(world); break;
    case BatchCommand::kRenameStaff: count = RenameCountryStaff(world, *target.country, *target.names); break;
    case BatchCommand::kRenameStadiums: count = RenameCountryStadiums(*target.country); break;
    case BatchCommand::kRemoveUnusedStadiums: count = RemoveUnusedStadiums(*target.country); break;
    case BatchCommand::kClearMatchRecords: count = ClearMatchRecords(*target.country); break;
    case BatchCommand::kClearFirstLeagueRecords: count = ClearFirstLeagueRecords(*target.country); break;
    case BatchCommand::kTacticalEducation: count = RaiseTacticalEducation(world); break;
    case BatchCommand::kBirthdays: count = FixPlaceholderBirthdays(world); break;
    case BatchCommand::kDeleteStaff: count = DeleteStaff(world); break;
    case BatchCommand::kSpanishNicknames:
    case BatchCommand::kMergeClubNames: break;
  }
  prompts.ShowMessage(BatchResultText(command, count));
  return count;
}

}  // namespace torvale
