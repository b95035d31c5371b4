#pragma once
// CGlobalRules: the part of a world that belongs to no country. The match rules valid
// everywhere, and the names, title holders and final venues of the international cups. On
// disk it is the one "RULES_AND_MISC" section of "Rules.sav" in the database folder.

#include <array>
#include <cstdint>
#include <string_view>

namespace torvale {

class CKLFile;
class ClubIdMapper;

constexpr int kRulesLanguages = 5;
constexpr size_t kCupNameSize = 30;       // 29 characters
constexpr size_t kCupShortNameSize = 17;  // 16 characters (the "PS2" names)

// The international cups the rules name, in the order of the record.
enum InternationalCup : int {
  kChampionsCup = 0,
  kEuropeanCup = 1,
  kSouthAmericanCup = 2,
  kIntertotoCup = 3,
};
constexpr int kNamedCups = 4;
// Only the first three have title holders and final venues.
constexpr int kTitleHolderCups = 3;
constexpr int kFurtherClubs = 2;

// The four match rules, stored as int32 choices.
enum MatchRuleIndex : int {
  kPointsForWin = 0,        // 0 two, 1 three, other four
  kPointsForAwayWin = 1,    // the same choices
  kExtraPointVsHolder = 2,  // 0 on, other off
  kExtraPointManyGoals = 3, // more than three goals scored; 0 on, other off
};
constexpr int kMatchRules = 4;
constexpr int32_t kMaxFriendlySubstitutions = 7;

// The world's stadiums, as the rules refer to them: a final venue is (country << 16) | number.
// The world implements this over its countries.
class StadiumReferenceLookup {
 public:
  virtual ~StadiumReferenceLookup() = default;
  // Stadiums of country 1-206; 0 for an empty slot.
  virtual int StadiumCount(int country) const = 0;
  // The number stadium `number` of `country` has after saving and reloading (its position in
  // the country's list); 0 when it does not exist.
  virtual int32_t SavedStadiumPosition(int country, int32_t number) const = 0;
};

struct GlobalRulesFields {
  char cupNames[kNamedCups][kRulesLanguages][kCupNameSize] = {};
  char cupShortNames[kNamedCups][kRulesLanguages][kCupShortNameSize] = {};
  std::array<uint32_t, kTitleHolderCups> titleHolders = {};  // club ids, 0 = none
  std::array<uint32_t, kTitleHolderCups> finalVenues = {};   // (country << 16) | stadium
  std::array<uint32_t, kFurtherClubs> furtherClubs = {};     // club ids, kept as found
  std::array<int32_t, kMatchRules> matchRules = {};
  int32_t spare = 0;                                          // kept as found
  int32_t friendlySubstitutions = 6;

  bool operator==(const GlobalRulesFields&) const = default;
};

class CGlobalRules : public GlobalRulesFields {
 public:
  // ---- names: `cup` 0-3, `language` 0-4; other values give "" and change nothing ----
  std::string_view CupName(int cup, int language, bool shortName) const;
  // Keeps what the field holds (29 or 16 characters). A double quote would split the stored
  // list of the five languages, so it is kept as an apostrophe.
  void SetCupName(int cup, int language, bool shortName, std::string_view name);

  // ---- match rules by MatchRuleIndex; other indexes give 0 and change nothing ----
  int32_t MatchRule(int i) const;
  void SetMatchRule(int i, int32_t value);
  int32_t FriendlySubstitutions() const { return friendlySubstitutions; }
  // 0-7; other values are clamped.
  void SetFriendlySubstitutions(int32_t count);

  // ---- title holders: a club holds at most one of the international titles ----
  uint32_t TitleHolder(int cup) const;
  // Makes `club` the holder of `cup` (0-2). Choosing the holder of one European cup clears
  // the other European cup when the same club holds it.
  void ChooseTitleHolder(int cup, uint32_t club);
  // The rule applied when an international page is accepted: a European cup holder equal to
  // the champions' cup holder is cleared, then a champions' cup holder equal to the South
  // American holder, then a European cup holder equal to the South American holder.
  void ApplyTitleHolderExclusivity();

  // ---- the "RULES_AND_MISC" section ----
  // Club ids are written as they will be numbered after reloading and final venues by the
  // stadium's position, so that references survive clubs and stadiums deleted meanwhile.
  bool WriteRules(CKLFile& file, const ClubIdMapper& clubs,
                  const StadiumReferenceLookup& stadiums) const;
  // False (and nothing read) when the section is missing.
  bool ReadRules(CKLFile& file);

  // After the countries are loaded: club references that name no existing club become 0, as
  // do final venues that name no existing stadium; the substitutions are clamped to 0-7.
  // Returns how many references were dropped.
  int ResolveAfterLoad(const ClubIdMapper& clubs, const StadiumReferenceLookup& stadiums);
};

// "%s/Rules.sav" of a database folder.
// Writes the file (replacing it only when complete). True when writing failed: the file
// could not be created or the section not begun.
bool SaveRulesFile(std::string_view folder, const CGlobalRules& rules, const ClubIdMapper& clubs,
                   const StadiumReferenceLookup& stadiums);
// Resets the rules to their defaults and reads the file. False when the file or its section
// is missing (the defaults stay). `dataVersion`, when given, receives the file's data version
// (unchanged when the file is missing); "Without.sav" is read with it.
bool LoadRulesFile(std::string_view folder, CGlobalRules& rules, uint32_t* dataVersion = nullptr);

}  // namespace torvale
