#pragma once
// Batch corrections: the one-shot maintenance commands of the expert mode's admin menu, which
// repair or anonymise data in bulk (renaming staff and stadiums, clearing history, fixing
// defaults, deleting staff, recolouring boots, removing unused stadiums, copying nicknames
// from a second database). Each works on the loaded world in place and returns how many
// things it changed; nothing is saved until the user saves.
//
// The admin menu's texts are English (they never reach players). RunBatchCommand plays the
// whole command as the menu does: expert mode and target checks, the question, the work, the
// result message, all through ExchangePrompts; the functions below it do the work alone.

#include <cstdint>
#include <string>
#include <string_view>

namespace torvale {

class CClub;
class CCountry;
class CNameGenerator;
class CPlayer;
class CWorldDatabase;
class ExchangePrompts;
class WorldManager;

// The admin menu's command ids.
enum class BatchCommand : int {
  kYellowShoesClub = 32904,
  kRenameStaff = 32842,
  kRenameStadiums = 32848,
  kRemoveUnusedStadiums = 32853,
  kClearMatchRecords = 32887,
  kClearFirstLeagueRecords = 32888,
  kYellowShoesCountry = 32905,
  kSpanishNicknames = 32866,
  kTacticalEducation = 32880,
  kBirthdays = 32892,
  kMergeClubNames = 32894,
  kDeleteStaff = 32899,
  kYellowShoesWorld = 32906,
};

// The country whose league the nickname command copies: Spain.
constexpr int kNicknameCountry = 45;

// ---- the work ----

// A club person's boot model, chosen from the database's "shoe.txt" list. The record keeps it
// in the byte after the preferred formation (default 2, black boots).
uint8_t& BootColour(CPlayer& person);

// Persons of the club whose boot colour is 5 or more (the yellow models) get 2 (black).
int BlackenYellowShoes(CWorldDatabase& world, CClub& club);
int BlackenYellowShoes(CWorldDatabase& world, CCountry& country);
int BlackenYellowShoes(CWorldDatabase& world);

// New names from the name generator (in the first language of each person's nationality) for
// every club person of the country who is not a player and every staff member on the
// country's job market; nicknames and stage names are emptied. Returns the number renamed.
int RenameCountryStaff(CWorldDatabase& world, CCountry& country, CNameGenerator& names);

// A stadium's anonymised name: "!!Name" keeps just "Name"; any other name becomes its initials
// ("Stade de la Meinau" -> "S. d. l. M. ") followed by the town, at most 29 characters. An
// initial is the first character that reads as 65 or more as a signed byte (letters, but no
// accented letters) and every later such character after a blank; at most 9.
std::string AnonymisedStadiumName(std::string_view name, std::string_view town);
int RenameCountryStadiums(CCountry& country);

// Deletes every stadium of the country that no club plays in (home or alternative stadium)
// and that is not the cup final's venue. Returns the number removed.
int RemoveUnusedStadiums(CCountry& country);

// Empties the five historical match records of every club; returns the clubs changed.
int ClearMatchRecords(CCountry& country);
// Sets the five all-time first-league statistics of every club to 0; returns the clubs changed.
int ClearFirstLeagueRecords(CCountry& country);

// The player commands work on the persons of every club of every country except the amateur
// clubs (which hold the players without club).
int RaiseTacticalEducation(CWorldDatabase& world);  // 0 becomes 3
int FixPlaceholderBirthdays(CWorldDatabase& world);  // 1 Jan 1900 and 1 Jan 1920 become 1 Jan 1980
// Deletes every club person whose role is not player, coach, manager or president, and every
// staff member of the countries' job markets. Returns the number deleted.
int DeleteStaff(CWorldDatabase& world);

// Copies nicknames between the Spanish leagues of two worlds: every player of the current
// world's Spain whose first name and surname equal those of a player of the other world's
// Spain takes that player's non-empty nickname and stage name. With `resetFirst` every Spanish
// player's nickname and stage name are emptied first. Returns the number of players changed.
int MergeSpanishNicknames(CWorldDatabase& current, const CWorldDatabase& other, bool resetFirst);

// ---- the texts ----

// The question asked before the command; empty for commands that ask nothing. `name` is the
// club's, country's or current database's name, `otherName` the other database's.
std::string BatchConfirmationText(BatchCommand command, std::string_view name = {}, std::string_view otherName = {});
// The message shown after the command, with its count.
std::string BatchResultText(BatchCommand command, int count);

// ---- the admin menu ----

struct BatchTarget {
  CWorldDatabase* world = nullptr;          // the current world
  CCountry* country = nullptr;              // the selected country, if any
  CClub* club = nullptr;                    // the selected club, if any
  const CWorldDatabase* other = nullptr;    // a second loaded database, if any
  CNameGenerator* names = nullptr;          // for renaming staff
};

// The second database the nickname command copies from: the first open world that is not the
// current one; null with fewer than two.
const CWorldDatabase* OtherLoadedWorld(const WorldManager& manager);

// Runs the command as the admin menu does. Nothing happens outside expert mode or without the
// command's target (or, for the nicknames, a second database). Returns the command's count,
// or -1 when nothing was done (not available, declined, cancelled).
int RunBatchCommand(BatchCommand command, const BatchTarget& target, bool expertMode, ExchangePrompts& prompts);

}  // namespace torvale
