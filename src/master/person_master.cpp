// The master record of a person. Players carry their whole profile; coaches and managers
// their manager data; presidents one byte; every other employee only names and role. Club
// references are saved ids; names are indices into the name pool of the person's group.

#include <array>
#include <cstring>
#include <string>

#include "exchange/name_pool.h"
#include "master/master_records.h"
#include "world/club.h"
#include "world/club_id_mapper.h"
#include "world/fixed_text.h"
#include "world/player.h"
#include "world/sibling_lookup.h"

namespace torvale {

namespace {

// The season-start specials and what each adds to the record.
enum SeasonSpecial : uint8_t {
  kSpecialFromDate = 1,      // start and (PC) end date
  kSpecialWithExtra = 2,     // start date and (PC) an extra byte
  kSpecialStartOnly = 3,     // start date
  kSpecialLoan = 4,          // the club the person is loaned to, start and end date
};

uint8_t NameGroup(MasterRecordContext& context, const CPlayer& person) {
  if (person.languages[0] != 0) return person.languages[0];
  return context.FirstLanguage(person.nationality);
}

// One of a person's four names (a fixed text field) with the list kind it goes to.
struct NameField {
  const char* text;
  size_t size;  // of the field
  int kind;
};

void WriteNames(MasterRecordContext& context, const CPlayer& person, MasterPersonNames* known) {
  const std::array<NameField, 4> fields = {NameField{person.firstName, sizeof person.firstName, kPoolMaleFirstNames},
                                           NameField{person.surname, sizeof person.surname, kPoolSurnames},
                                           NameField{person.nickname, sizeof person.nickname, kPoolKind3},
                                           NameField{person.stageName, sizeof person.stageName, kPoolKind2}};
  CNamePool& pool = context.names;
  MasterPersonNames names;
  if (known && known->entered) {
    // The names are in the pool already; entering them again would find them and count one
    // more use each, which is what happens here without the search.
    names = *known;
    for (size_t i = 0; i < fields.size(); ++i)
      if (fields[i].text[0] != '\0') pool.CountUse(names.group, fields[i].kind, names.indices[i]);
  } else {
    names = {true, NameGroup(context, person), {}};
    // Nicknames and stage names are mostly blank; a blank name is index 0 of every list.
    for (size_t i = 0; i < fields.size(); ++i)
      if (fields[i].text[0] != '\0')
        names.indices[i] = pool.EnterName(names.group, fields[i].kind,
                                          std::string_view(fields[i].text, strnlen(fields[i].text, fields[i].size)), true);
    if (known) *known = names;
  }
  context.writer.WriteU8(names.group);
  for (uint16_t index : names.indices) context.writer.WriteU16(index);
}

void WriteAppearance(MasterRecordContext& context, const CPlayer& person) {
  CMasterWriter& w = context.writer;
  if (!context.Ps2()) {
    w.WriteU8(person.hairColour);
    w.WriteU8(person.skinColour);
    w.WriteU8(person.face);
    w.WriteU8(person.hairStyle);
    w.WriteU8(person.facialHair);
    w.WriteU8(person.height);
    w.WriteU8(person.weight);
    w.WriteU16(person.starHead);
    return;
  }
  const ConsoleConversions& console = context.console;
  const uint8_t hair = console.Appearance(kConsoleHairColour, person.hairColour);
  const uint8_t skin = console.Appearance(kConsoleSkinColour, person.skinColour);
  const uint8_t face = console.Appearance(kConsoleFace, person.face);
  const uint8_t style = console.Appearance(kConsoleHairStyle, person.hairStyle);
  const uint8_t facial = console.Appearance(kConsoleFacialHair, person.facialHair);
  const std::string fullName =
      std::string(FixedText(person.firstName)) + " " + std::string(FixedText(person.surname));
  const uint16_t star = context.sibling.StarHead(fullName);
  w.WriteU8(hair);
  w.WriteU8(skin);
  w.WriteU8(face);
  w.WriteU8(style);
  w.WriteU8(facial);
  w.WriteU8(person.height);
  w.WriteU8(person.weight);
  w.WriteU16(star);
  context.logs.Appendf(MasterLog::kPs2Database,
                       "    %-16s %-20s VELAID %05d HairC %02d SkinCol %02d FaceStyle %02d "
                       "HairStyle %02d Facial %02d Star %04d\n",
                       person.firstName, person.surname, static_cast<int>(person.siblingId), hair,
                       skin, face, style, facial, star);
}

void WriteSeasonSpecial(MasterRecordContext& context, const CPlayer& person) {
  CMasterWriter& w = context.writer;
  const bool pc = !context.Ps2();
  switch (person.SeasonSpecial()) {
    case kSpecialFromDate:
      w.WriteU32(person.specialStart.jdn);
      if (pc) w.WriteU32(person.specialEnd.jdn);
      break;
    case kSpecialWithExtra:
      w.WriteU32(person.specialStart.jdn);
      // The person keeps no value for this byte; the game reads it as "no extra".
      if (pc) w.WriteU8(0);
      break;
    case kSpecialStartOnly:
      w.WriteU32(person.specialStart.jdn);
      break;
    case kSpecialLoan:
      w.WriteU32(MasterClubReference(context, person.loanedTo));
      w.WriteU32(person.specialStart.jdn);
      w.WriteU32(person.specialEnd.jdn);
      break;
    default:
      break;
  }
}

void WritePlayerPart(MasterRecordContext& context, const CPlayer& person) {
  CMasterWriter& w = context.writer;
  w.WriteU8(static_cast<uint8_t>(person.team));
  w.WriteU32(person.siblingId);
  w.WriteU8(person.nationality);
  w.WriteU32(person.birthDate.jdn);
  w.WriteU8(person.secondNationality);
  w.WriteU8(person.spare);
  w.WriteU8(person.talent);
  w.WriteU8(person.mainPosition);
  w.WriteBytes(person.secondaryPositions.data(), person.secondaryPositions.size());
  w.WriteBytes(person.ratings.data(), person.ratings.size());
  w.WriteBytes(person.abilities.data(), person.abilities.size());
  w.WriteBytes(person.character.data(), person.character.size());
  WriteAppearance(context, person);
  w.WriteU8(static_cast<uint8_t>(person.headType | (person.personFlags != 0 ? 0x80 : 0)));
  w.WriteU8(person.bonusAbility);
  w.WriteU8(person.foot);
  w.WriteU8(person.leagueExperience);
  w.WriteU8(person.internationalExperience);
  w.WriteU8(person.shirtNumber);
  w.WriteU32(MasterClubReference(context, person.firstClub));
  w.WriteU32(MasterClubReference(context, person.lastClub));
  w.WriteU16(person.contractStart);
  w.WriteU16(static_cast<uint16_t>(person.contractEnd));
  w.WriteU8(person.internationalCaps);
  w.WriteU8(person.internationalGoals);
  w.WriteU8(person.tacticalEducation);
  w.WriteU8(person.nationalTeamStatus);
  WriteSeasonSpecial(context, person);
  w.WriteU32(MasterClubReference(context, person.favouriteClub));
  w.WriteU32(MasterClubReference(context, person.neverMovesTo));
  w.WriteU8(person.favouriteCountry);
  if (!context.Ps2()) w.WriteBytes(person.languages.data(), 3);
  // Up to an embedded zero, as the game reads it, and with the zero.
  const std::string& speech = person.speechFile;
  w.WriteBlock(speech.c_str(), static_cast<uint32_t>(std::strlen(speech.c_str()) + 1));
}

}  // namespace

uint8_t MasterRecordContext::FirstLanguage(uint8_t nationality) {
  if (!firstLanguageKnown[nationality]) {
    firstLanguages[nationality] = countryLanguages.FirstLanguage(nationality);
    firstLanguageKnown[nationality] = true;
  }
  return firstLanguages[nationality];
}

uint32_t MasterClubReference(const MasterRecordContext& context, uint32_t clubId) {
  const int country = ClubCountry(clubId);
  if (country < kFirstMasterCountry || country > kLastMasterCountry) return 0;
  return context.clubIds.SavedClubId(clubId);
}

void WritePersonMaster(MasterRecordContext& context, const CPlayer& person, MasterPersonNames* names) {
  CMasterWriter& w = context.writer;
  WriteNames(context, person, names);
  const auto role = static_cast<uint8_t>(person.role);
  w.WriteU8(role);
  switch (role) {
    case kRolePlayer:
      WritePlayerPart(context, person);
      break;
    case kRoleCoach:
    case kRoleManager:
      w.WriteBytes(person.managerAbilities.data(), person.managerAbilities.size());
      w.WriteBytes(person.languages.data(), 4);
      w.WriteU32(MasterClubReference(context, person.favouriteClub));
      w.WriteU32(MasterClubReference(context, person.neverMovesTo));
      w.WriteU32(static_cast<uint32_t>(person.favouritePlayer));
      w.WriteU8(person.formation);
      break;
    case kRolePresident:
      w.WriteU8(person.spare);
      break;
    default:
      break;
  }
}

}  // namespace torvale
