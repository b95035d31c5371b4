// The "CLUB%d" section of the record stream with its nested "HIST", "RECORD" and "KIT"
// sections, and the conversions of files written by older editions of the game's database.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "storage/record_stream.h"
#include "world/club.h"
#include "world/club_id_mapper.h"
#include "world/fixed_text.h"
#include "world/person_table.h"
#include "world/player.h"
#include "world/sibling_lookup.h"
#include "world/stadium.h"

namespace torvale {

namespace {

constexpr uint16_t kEdition2004 = 0x2004;
// 0x2004 revisions: the second sibling id is stored from 4 on; before 6 the sibling id and
// the ready-made kit were not maintained and are looked up in the sibling game's lists.
constexpr uint16_t kSecondSiblingIdRevision = 4;
constexpr uint16_t kSiblingIdsMaintainedRevision = 6;

// Text limits of the fields the game shows (the per-language ones are in club.h).

// The title lists in file order (the European cup wins precede the champions' cups there).
constexpr ClubTitle kTitlesInFileOrder[kTitleListCount] = {
    kChampionships,   kCupWins,        kSuperCupWins,           kLeagueCupWins,
    kEuropeanCupWins, kChampionsCups,  kClubWorldChampionships, kWorldCups};

// The facility levels in file order.
constexpr ClubFacility kFacilitiesInFileOrder[] = {kClubCentre,     kMedicalDepartment, kFanMerchandise,
                                                   kYouthCentre,    kTrainingGround,    kMedia,
                                                   kResearch};

// Colours of kits written before 0x2004 numbered an older palette of 23 colours.
constexpr uint8_t kOldKitColours[] = {18, 19, 39, 8,  14, 24, 45, 12, 41, 47, 48, 43,
                                      58, 59, 62, 61, 57, 60, 32, 56, 51, 55, 63};

std::string SectionName(int number) {
  char name[24];
  std::snprintf(name, sizeof name, "CLUB%d", number);
  return name;
}

// ---- writing helpers

template <size_t N>
bool WriteLanguageList(CKLFile& file, const char (&slots)[kClubLanguages][N]) {
  return file.WriteQuotedList(&slots[0][0], kClubLanguages, N);
}

// A reference to a club of the same country by its number, under the saved numbering.
uint32_t SavedSiblingClub(const ClubIdMapper& clubIds, uint8_t country, uint32_t number) {
  if (number == 0) return 0;
  return clubIds.SavedClubId(MakeClubId(country, number) & ~kReserveTeamBit);
}

int32_t SavedStadium(const StadiumPositionMapper& stadiums, int32_t number) {
  return number == 0 ? 0 : stadiums.SavedStadiumPosition(number);
}

// ---- reading helpers

// A quoted list "a","b",... of five language slots; each slot keeps at most `maxChars`.
template <size_t N>
void ReadLanguageList(CKLFile& file, char (&slots)[kClubLanguages][N], size_t maxChars) {
  std::string line;
  if (!file.ReadString(line)) return;
  const char* position = line.c_str();
  for (int language = 0; language < kClubLanguages; ++language) {
    std::string part(line.size() + 1, '\0');
    const bool found = CKLFile::ExtractDelimited(position, '"', part.data(), part.size());
    SetFixedText(slots[language], part.c_str(), maxChars);
    if (!found) {
      // No further quoted slot: the rest of the line went into this one; later ones stay empty.
      for (int rest = language + 1; rest < kClubLanguages; ++rest) SetFixedText(slots[rest], "");
      break;
    }
  }
}

// "Data/Badges/123.tga" becomes "Data\Badge\123.tga": the game's badge folder lost its "s"
// and the game expects Windows separators.
void RewriteBadgePath(char (&badge)[40]) {
  std::string text(FixedText(badge));
  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const size_t at = lower.find("badges");
  if (at != std::string::npos) text.erase(at + 5, 1);
  std::replace(text.begin(), text.end(), '/', '\\');
  SetFixedText(badge, text);
}

// Files without a version stored badges as bitmaps; the game now ships them as TGA.
void RenameBitmapBadge(char (&badge)[40]) {
  std::string text(FixedText(badge));
  if (text.size() < 4) return;
  std::string ending = text.substr(text.size() - 4);
  for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ending != ".bmp") return;
  text.replace(text.size() - 4, 4, ".tga");
  SetFixedText(badge, text);
}

// Editions before 0x2004 did not store the second hemisphere as the negated packed value:
// the degrees are taken from the magnitude and the minutes from the low half of the raw
// value, then packed and negated the current way with the usual clamps.
int32_t RepairOldPosition(int32_t value, bool latitude) {
  if (value >= 0) return value;
  const int64_t magnitude = -static_cast<int64_t>(value);
  const int degrees = static_cast<int>(std::min<int64_t>(magnitude >> 16, 0x7FFF));
  const int minutes = static_cast<int>(static_cast<uint32_t>(value) & 0xFFFF);
  return latitude ? MakeLatitude(true, degrees, minutes) : MakeLongitude(true, degrees, minutes);
}

uint8_t ConvertOldShirtStyle(uint8_t style) {
  if (style == 0) return 30;
  return style <= 42 ? style : 0;
}
uint8_t ConvertOldShortsStyle(uint8_t style) { return style <= 12 ? static_cast<uint8_t>(style + 1) : 0; }
uint8_t ConvertOldSocksStyle(uint8_t style) { return style <= 3 ? static_cast<uint8_t>(style + 1) : 0; }
uint8_t ConvertOldKitColour(uint8_t colour) {
  return colour < std::size(kOldKitColours) ? kOldKitColours[colour] : 0;
}

void WriteKit(CKLFile& file, const KIT& kit) {
  file.BeginSection("KIT");
  for (const KIT::Outfit& outfit : kit.outfits) {
    file.WriteInt(outfit.shirtStyle);
    file.WriteInt(outfit.shortsStyle);
    file.WriteInt(outfit.socksStyle);
    for (uint8_t colour : outfit.colours) file.WriteInt(colour);
  }
  file.WriteInt(kit.readyMade);
  file.EndSection("KIT");
}

void ReadKit(CKLFile& file, KIT& kit) {
  if (!file.FindSection("KIT")) return;
  const bool oldNumbers = file.GetLoadedVersionMajor() < kEdition2004;
  for (KIT::Outfit& outfit : kit.outfits) {
    file.ReadInt(outfit.shirtStyle);
    file.ReadInt(outfit.shortsStyle);
    file.ReadInt(outfit.socksStyle);
    for (uint8_t& colour : outfit.colours) file.ReadInt(colour);
    if (oldNumbers) {
      outfit.shirtStyle = ConvertOldShirtStyle(outfit.shirtStyle);
      outfit.shortsStyle = ConvertOldShortsStyle(outfit.shortsStyle);
      outfit.socksStyle = ConvertOldSocksStyle(outfit.socksStyle);
      for (uint8_t& colour : outfit.colours) colour = ConvertOldKitColour(colour);
    }
  }
  file.ReadInt(kit.readyMade);
  file.FindSectionEnd("KIT");
}

}  // namespace

// ---------------------------------------------------------------- writing

bool CClub::WriteClub(CKLFile& file, int number, const ClubWriteContext& context) const {
  if (!file.IsOpenForWriting()) return false;
  const std::string section = SectionName(number);
  file.BeginSection(section);
  WriteVersion(file);

  WriteLanguageList(file, names);
  WriteLanguageList(file, shortNames);
  file.WriteByteList(nameArticles, kClubLanguages);
  file.WriteByteList(fanNameArticles, kClubLanguages);
  file.WriteByteList(secondFanNameArticles, kClubLanguages);
  WriteLanguageList(file, abbreviations);
  file.WriteByteList(sentenceForms, kClubLanguages);
  WriteLanguageList(file, towns);
  WriteFixedText(file, fansName);
  WriteFixedText(file, secondFansName);

  const uint8_t country = CountryId();
  file.WriteHex(SavedSiblingClub(context.clubIds, country, fanFriendship));
  file.WriteHex(SavedSiblingClub(context.clubIds, country, archRival1));
  file.WriteHex(SavedSiblingClub(context.clubIds, country, archRival2));
  file.WriteInt(static_cast<int16_t>(foundingYear));

  WriteFixedText(file, address);
  WriteFixedText(file, phone);
  WriteFixedText(file, website);
  WriteFixedText(file, fanSites);
  WriteFixedText(file, localNewspaper);
  WriteFixedText(file, mascot);

  file.WriteInt(startingAssets);
  file.WriteInt(publicCompany);
  file.WriteInt(pointsDeduction);
  file.WriteInt(0);  // two values no edition uses any more
  file.WriteInt(0);

  for (int32_t value : {spectatorsMidTable, spectatorsBigMatch, seasonTickets, leaguePoints, leagueGames,
                        leagueGoals, leagueGoalsAgainst, leagueTableLeads})
    file.WriteInt(value);
  file.WriteInt(SavedStadium(context.stadiums, homeStadium));
  file.WriteInt(SavedStadium(context.stadiums, alternativeStadium));
  for (ClubFacility facility : kFacilitiesInFileOrder) file.WriteInt(facilities[facility]);
  file.WriteInt(static_cast<int8_t>(seasonFlags));
  WriteFixedText(file, badgeFile);
  file.WriteByteLines(clubColours, 3);

  file.BeginSection("HIST");
  for (ClubTitle title : kTitlesInFileOrder) file.WriteString(titles[title]);
  for (const RECORD& record : records) WriteRecordResult(file, record);
  file.EndSection("HIST");

  file.WriteInt(latitude);
  file.WriteInt(longitude);
  file.WriteInt(prestige);
  file.WriteString(cityGraphic);
  file.WriteByteLines(preferredCountries, 2);
  file.WriteInt(youthOrigin);
  file.WriteInt(siblingId);
  file.WriteInt(secondSiblingId);

  const auto ids = PlayerIds();
  file.WriteInt(static_cast<int32_t>(ids.size()));
  for (uint32_t id : ids) {
    file.WriteInt(static_cast<int32_t>(id));
    const CPlayer* person = world_ ? world_->FindPlayer(id) : nullptr;
    if (person) person->WritePlayer(file, context.clubIds);
  }

  WriteKit(file, kit);
  return file.EndSection(section);
}

// ---------------------------------------------------------------- reading

bool CClub::ReadClub(CKLFile& file, int number, const ClubReadContext& context) {
  const std::string section = SectionName(number);
  if (!file.FindSection(section)) return false;
  ReadVersion(file);
  const uint16_t edition = file.GetLoadedVersionMajor();
  const uint16_t revision = file.GetLoadedVersionMinor();
  const bool versioned = edition != 0;

  ReadLanguageList(file, names, kClubNameChars);
  ReadLanguageList(file, shortNames, kClubShortNameChars);
  if (versioned) {
    file.ReadByteList(nameArticles, kClubLanguages);
    file.ReadByteList(fanNameArticles, kClubLanguages);
    file.ReadByteList(secondFanNameArticles, kClubLanguages);
    ReadLanguageList(file, abbreviations, kClubAbbreviationChars);
    file.ReadByteList(sentenceForms, kClubLanguages);
  } else {
    // Files without a version knew one language only.
    file.ReadInt(nameArticles[0]);
    file.ReadInt(fanNameArticles[0]);
    file.ReadInt(secondFanNameArticles[0]);
    ReadFixedText(file, abbreviations[0], kClubAbbreviationChars);
    file.ReadInt(sentenceForms[0]);
  }
  ReadLanguageList(file, towns, kClubTownChars);
  ReadFixedText(file, fansName, kClubFansNameChars);
  ReadFixedText(file, secondFansName, kClubFansNameChars);

  // Club references name clubs of this country; the low half is the club number under the
  // numbering this reading reproduces.
  for (uint32_t* reference : {&fanFriendship, &archRival1, &archRival2}) {
    uint32_t saved = 0;
    file.ReadHex(saved);
    *reference = ClubNumber(saved);
  }
  file.ReadInt(foundingYear);

  ReadFixedText(file, address, kClubAddressChars);
  ReadFixedText(file, phone, kClubPhoneChars);
  ReadFixedText(file, website);
  ReadFixedText(file, fanSites);
  ReadFixedText(file, localNewspaper, kClubNewspaperChars);
  ReadFixedText(file, mascot, kClubFansNameChars);

  file.ReadInt(startingAssets);
  file.ReadInt(publicCompany);
  file.ReadInt(pointsDeduction);
  int32_t unused = 0;
  file.ReadInt(unused);
  file.ReadInt(unused);

  for (int32_t* value : {&spectatorsMidTable, &spectatorsBigMatch, &seasonTickets, &leaguePoints, &leagueGames,
                         &leagueGoals, &leagueGoalsAgainst, &leagueTableLeads})
    file.ReadInt(*value);

  int32_t home = 0;
  int32_t alternative = 0;
  file.ReadInt(home);
  file.ReadInt(alternative);
  // A club taken over from another world cannot keep that world's stadium numbers.
  if (!(context.options & kClubReadSkipStadiums)) {
    homeStadium = home;
    alternativeStadium = alternative;
  }

  for (ClubFacility facility : kFacilitiesInFileOrder) {
    if (!versioned && (facility == kMedia || facility == kResearch)) {
      facilities[facility] = 0;
      continue;
    }
    file.ReadInt(facilities[facility]);
  }
  file.ReadInt(seasonFlags);

  if (context.options & kClubReadSkipBadge) {
    std::string dropped;
    file.ReadString(dropped);
  } else {
    ReadFixedText(file, badgeFile);
    RewriteBadgePath(badgeFile);
    if (!versioned) RenameBitmapBadge(badgeFile);
  }
  if (edition >= kEdition2004) file.ReadByteLines(clubColours, 3);

  if (file.FindSection("HIST")) {
    for (ClubTitle title : kTitlesInFileOrder) file.ReadString(titles[title]);
    for (RECORD& record : records) ReadRecordResult(file, record);
    file.FindSectionEnd("HIST");
  }

  file.ReadInt(latitude);
  file.ReadInt(longitude);
  if (edition < kEdition2004) {
    latitude = RepairOldPosition(latitude, true);
    longitude = RepairOldPosition(longitude, false);
  }

  if (versioned) {
    file.ReadInt(prestige);
    file.ReadString(cityGraphic);
    file.ReadByteLines(preferredCountries, 2);
    file.ReadInt(youthOrigin);
    file.ReadInt(siblingId);
    if (edition > kEdition2004 || (edition == kEdition2004 && revision >= kSecondSiblingIdRevision))
      file.ReadInt(secondSiblingId);
  } else {
    // The oldest files knew no prestige: it follows from the biggest crowd.
    prestige = static_cast<uint8_t>(std::clamp(spectatorsBigMatch / 10000, 0, 20));
    preferredCountries[0] = preferredCountries[1] = CountryId();
    youthOrigin = CountryId();
  }

  int32_t count = 0;
  file.ReadInt(count);
  playerCount = 0;
  players.fill(0);
  totalPlayerValue = 0;
  for (int32_t i = 0; i < count; ++i) {
    int32_t id = 0;
    // The count is only a promise; persons are created while the file has their ids.
    if (!file.ReadInt(id)) break;
    if (!world_) {
      CPlayer ignored;
      ignored.ReadPlayer(file, context.players);
      continue;
    }
    CPlayer* person = world_->CreatePlayer(static_cast<uint32_t>(id), true);
    person->ReadPlayer(file, context.players);
    // A longer list than the game allows: the persons exist, the club lists the first 256.
    AddPlayer(person->id);
  }

  ReadKit(file, kit);
  file.FindSectionEnd(section);

  if (edition == kEdition2004 && revision < kSiblingIdsMaintainedRevision) {
    auto entry = context.players.sibling.FindSiblingClub(Name(context.language));
    if (!entry) entry = context.players.sibling.FindSiblingClub(ShortName(context.language));
    if (entry) {
      siblingId = static_cast<uint16_t>(entry->id);
      kit.readyMade = static_cast<uint16_t>(entry->secondNumber);
    }
  }
  return true;
}

}  // namespace torvale
