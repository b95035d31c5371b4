// "Rules.sav" and "Without.sav" travel with databases from other people: read arbitrary bytes
// as both sections, then check that rules once saved come back unchanged, and that no more
// free players are created than the file holds.

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "storage/record_stream.h"
#include "world/club_id_mapper.h"
#include "world/global_rules.h"
#include "world/person_table.h"
#include "world/players_without_club.h"
#include "world/sibling_lookup.h"

namespace {

using namespace torvale;

class NoLanguages final : public CountryLanguageLookup {
 public:
  uint8_t FirstLanguage(uint8_t) const override { return 0; }
};

class EveryStadium final : public StadiumReferenceLookup {
 public:
  int StadiumCount(int) const override { return 500; }
  int32_t SavedStadiumPosition(int, int32_t number) const override { return number; }
};

void Check(bool condition) {
  if (!condition) std::abort();
}

// Rules as read and resolved, written out again.
std::string Resave(CGlobalRules& rules) {
  IdentityClubIdMapper clubs;
  EveryStadium stadiums;
  rules.ResolveAfterLoad(clubs, stadiums);
  CKLFile out;
  out.OpenWriteToMemory();
  Check(rules.WriteRules(out, clubs, stadiums));
  return out.TakeWritten();
}

void FuzzRules(const std::string& input) {
  CKLFile file;
  file.OpenReadFromMemory(input);
  CGlobalRules rules;
  if (!rules.ReadRules(file)) return;
  const std::string saved = Resave(rules);

  // Loading what was saved and saving it again changes nothing: no text shifts into the next
  // slot, no value drifts. (The first save may normalise: line breaks inside a text become
  // blanks.)
  CKLFile again;
  again.OpenReadFromMemory(saved);
  CGlobalRules back;
  Check(back.ReadRules(again));
  Check(Resave(back) == saved);
}

void FuzzWithout(const std::string& input) {
  NoLanguages languages;
  NoSiblingGameLists sibling;
  std::minstd_rand random(1);
  PlayerReadContext context{sibling, languages, random, DATE::FromCivil(2004, 7, 1)};
  CPersonTable persons(languages);
  CPlayersWithoutClub list(persons);
  CKLFile file;
  file.OpenReadFromMemory(input);
  if (!list.ReadWithout(file, context)) return;
  Check(persons.Count() == list.Count());
  // Never more persons than "PLAYER" sections in the input.
  size_t sections = 0;
  for (size_t at = input.find("%INDEX%PLAYER"); at != std::string::npos;
       at = input.find("%INDEX%PLAYER", at + 1))
    ++sections;
  Check(list.Count() <= sections);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  FuzzRules(input);
  FuzzWithout(input);
  return 0;
}
