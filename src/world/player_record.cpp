// The "PLAYER" section of the record stream: writing, reading, and the conversions of files
// written by older editions of the game's database.

#include <algorithm>
#include <string>

#include "storage/record_stream.h"
#include "world/club_id_mapper.h"
#include "world/fixed_text.h"
#include "world/player.h"
#include "world/player_format.h"
#include "world/player_legacy_appearance.h"
#include "world/sibling_lookup.h"

namespace torvale {

namespace {

constexpr const char* kSection = "PLAYER";

// Versions at which fields entered the section (high half: edition, low half: revision).
constexpr uint16_t kEdition2003 = 0x2003;
constexpr uint16_t kEdition2004 = 0x2004;
constexpr uint32_t kSiblingIdsStored = 0x20040007;  // sibling id and star head kept in the file
constexpr uint32_t kNotesStored = 0x20040008;
constexpr uint16_t kLastRevisionWithoutLanguages = 1;  // 0x2004 revisions 0-1

uint8_t CountryOfClub(uint32_t clubId) { return static_cast<uint8_t>((clubId >> 16) & 0xFF); }

// A club reference under the numbering the file will have; no club stays no club.
uint32_t SavedId(const ClubIdMapper& clubIds, uint32_t clubId) {
  return clubId == 0 ? 0 : clubIds.SavedClubId(clubId);
}

// The country goes with each reference so that readers of the file can tell whose numbering
// the id is in; this reader takes the id alone (the country is in its bits 16-23).
void WriteClubPair32(CKLFile& file, const ClubIdMapper& clubIds, uint32_t clubId) {
  const uint32_t saved = SavedId(clubIds, clubId);
  file.WriteInt(static_cast<int32_t>(CountryOfClub(saved)));
  file.WriteInt(static_cast<int32_t>(saved));
}

void WriteClubPair8(CKLFile& file, const ClubIdMapper& clubIds, uint32_t clubId) {
  const uint32_t saved = SavedId(clubIds, clubId);
  file.WriteInt(CountryOfClub(saved));
  file.WriteInt(static_cast<int32_t>(saved));
}

void ReadClubPair(CKLFile& file, uint32_t& clubId) {
  int32_t country = 0;
  file.ReadInt(country);
  int32_t id = 0;
  file.ReadInt(id);
  clubId = static_cast<uint32_t>(id);
}

// Notes are one value line: line breaks travel as tabs.
std::string NotesForFile(const std::string& notes) {
  std::string line;
  line.reserve(notes.size());
  for (char c : notes) {
    if (c == '\r') continue;
    line.push_back(c == '\n' ? '\t' : c);
  }
  return line;
}

std::string NotesFromFile(const std::string& line) {
  std::string notes;
  notes.reserve(line.size() + 16);
  for (char c : line) {
    if (c == '\t')
      notes.append("\r\n");
    else
      notes.push_back(c);
  }
  return notes;
}

// Old editions rated abilities 0-3; the current scale is 1-10.
uint8_t ConvertLegacyAbility(uint8_t old) {
  switch (old) {
    case 0: return 1;
    case 1: return 4;
    case 2: return 7;
    case 3: return 10;
    default: return old <= 42 ? old : 0;
  }
}

}  // namespace

bool CPlayer::WritePlayer(CKLFile& file, const ClubIdMapper& clubIds) const {
  if (!file.BeginSection(kSection)) return false;
  WriteFixedText(file, firstName);
  WriteFixedText(file, surname);
  WriteFixedText(file, nickname);
  WriteFixedText(file, stageName);
  file.WriteInt(role);
  file.WriteInt(team);
  file.WriteInt(nationality);
  file.WriteInt(secondNationality);
  file.WriteInt(domestic);
  WriteDate(file, birthDate);
  // The talent (0-7) shares its byte with the bonus ability.
  file.WriteInt(static_cast<uint8_t>(((bonusAbility & 0x1F) << 3) | (talent & 0x07)));

  file.WriteInt(mainPosition);
  file.WriteByteLines(secondaryPositions.data(), secondaryPositions.size());
  file.WriteByteLines(ratings.data(), ratings.size());
  file.WriteByteLines(abilities.data(), abilities.size());
  file.WriteByteLines(character.data(), character.size());

  for (uint8_t v : {hairColour, skinColour, face, hairStyle, facialHair, height, weight})
    file.WriteInt(v);
  for (uint8_t v : {foot, leagueExperience, internationalExperience, shirtNumber})
    file.WriteInt(static_cast<int8_t>(v));
  file.WriteInt(static_cast<int32_t>(siblingId));

  WriteClubPair32(file, clubIds, firstClub);
  WriteClubPair32(file, clubIds, lastClub);
  file.WriteInt(static_cast<int16_t>(contractStart));
  file.WriteInt(contractEnd);
  file.WriteInt(internationalCaps);
  file.WriteInt(internationalGoals);

  file.WriteByteLines(managerAbilities.data(), managerAbilities.size());
  file.WriteByteLines(languages.data(), languages.size());
  WriteClubPair32(file, clubIds, favouriteClub);
  WriteClubPair32(file, clubIds, secondClubPreference);
  file.WriteInt(favouritePlayer);
  file.WriteInt(formation);
  file.WriteInt(spare);
  file.WriteString(speechFile);

  file.WriteInt(tacticalEducation);
  file.WriteInt(nationalTeamStatus);
  WriteClubPair8(file, clubIds, loanedTo);
  WriteDate(file, specialStart);
  WriteDate(file, specialEnd);
  // The game's reader of this revision expects the status and the favourite club once more.
  file.WriteInt(nationalTeamStatus);
  WriteClubPair8(file, clubIds, favouriteClub);
  WriteClubPair8(file, clubIds, neverMovesTo);
  file.WriteInt(favouriteCountry);
  file.WriteInt(starHead);
  file.WriteInt(static_cast<uint16_t>(headType));
  file.WriteInt(personFlags);
  file.WriteString(NotesForFile(notes));
  return file.EndSection(kSection);
}

void CPlayer::ReadPlayer(CKLFile& file, const PlayerReadContext& context) {
  const uint32_t version = file.LoadedVersion();
  const uint16_t edition = file.GetLoadedVersionMajor();
  const uint16_t revision = file.GetLoadedVersionMinor();

  if (file.FindSection(kSection)) {
    ReadFixedText(file, firstName);
    ReadFixedText(file, surname);
    ReadFixedText(file, nickname);
    ReadFixedText(file, stageName);
    CleanName(firstName);
    CleanName(surname);
    CleanName(nickname);
    CleanName(stageName);

    file.ReadInt(role);
    file.ReadInt(team);
    file.ReadInt(nationality);
    file.ReadInt(secondNationality);
    file.ReadInt(domestic);
    ReadDate(file, birthDate);
    uint8_t packed = 0;
    file.ReadInt(packed);
    talent = packed & 0x07;
    bonusAbility = static_cast<uint8_t>(packed >> 3);

    file.ReadInt(mainPosition);
    file.ReadByteLines(secondaryPositions.data(), secondaryPositions.size());
    file.ReadByteLines(ratings.data(), ratings.size());
    file.ReadByteLines(abilities.data(), abilities.size());
    file.ReadByteLines(character.data(), character.size());
    for (uint8_t* v : {&hairColour, &skinColour, &face, &hairStyle, &facialHair, &height, &weight})
      file.ReadInt(*v);
    for (uint8_t* v : {&foot, &leagueExperience, &internationalExperience, &shirtNumber})
      file.ReadInt(*v);
    file.ReadInt(siblingId);

    ReadClubPair(file, firstClub);
    ReadClubPair(file, lastClub);
    file.ReadInt(contractStart);
    file.ReadInt(contractEnd);
    file.ReadInt(internationalCaps);
    file.ReadInt(internationalGoals);
    if (edition == 0) {
      // The first edition stored one more 16-bit value here that nothing uses any more.
      int16_t unused = 0;
      file.ReadInt(unused);
    }

    file.ReadByteLines(managerAbilities.data(), managerAbilities.size());
    file.ReadByteLines(languages.data(), languages.size());
    ReadClubPair(file, favouriteClub);
    ReadClubPair(file, secondClubPreference);
    file.ReadInt(favouritePlayer);
    file.ReadInt(formation);
    file.ReadInt(spare);
    file.ReadString(speechFile);

    if (edition != 0) {
      file.ReadInt(tacticalEducation);
      file.ReadInt(nationalTeamStatus);
      ReadClubPair(file, loanedTo);
      ReadDate(file, specialStart);
      ReadDate(file, specialEnd);
      file.ReadInt(nationalTeamStatus);
      uint32_t repeatedFavourite = 0;
      ReadClubPair(file, repeatedFavourite);
      ReadClubPair(file, neverMovesTo);
      file.ReadInt(favouriteCountry);
      file.ReadInt(starHead);
      file.ReadInt(headType);
      file.ReadInt(personFlags);
      if (version >= kNotesStored) {
        std::string line;
        if (file.ReadString(line)) notes = NotesFromFile(line);
      }
    }

    if (edition < kEdition2004) {
      // Versions before 0x2003 (and files without any) carry the first edition's numbering.
      const LegacyAppearance now = ConvertLegacyAppearance(
          edition < kEdition2003 ? LegacyEdition::kUnversioned : LegacyEdition::kEdition2003,
          LegacyAppearance{hairColour, face, hairStyle, facialHair});
      hairColour = now.hairColour;
      face = now.face;
      hairStyle = now.hairStyle;
      facialHair = now.facialHair;
      headType = 2;
      for (uint8_t& a : abilities) a = ConvertLegacyAbility(a);
    }
    if (edition < kEdition2003) {
      if (formation > 17) formation = 0;
      // The first edition had no tactical education; it grows with age and talent, with a
      // little luck so that a squad is not uniform.
      const int luck = std::uniform_int_distribution<int>(0, 3)(context.random);
      const int derived = Age(context.referenceDate) / 9 + luck + talent - 2;
      tacticalEducation = static_cast<uint8_t>(std::clamp(derived, 0, 5));
    }
    if (role == kRolePlayer &&
        (edition < kEdition2004 ||
         (edition == kEdition2004 && revision <= kLastRevisionWithoutLanguages))) {
      // Players' languages were not edited before; the mother tongue is the nationality's.
      if (const uint8_t language = context.countries.FirstLanguage(nationality); language != 0) {
        languages[0] = language;
        NormaliseLanguageSlots(languages);
      }
    }
    file.FindSectionEnd(kSection);
  }

  if (version < kSiblingIdsStored) {
    siblingId = context.sibling.SiblingPlayerId(FixedText(firstName), FixedText(surname),
                                                FixedText(nickname), FixedText(stageName));
    std::string fullName(FixedText(firstName));
    fullName += ' ';
    fullName += FixedText(surname);
    starHead = context.sibling.StarHead(fullName);
  }
}

}  // namespace torvale
