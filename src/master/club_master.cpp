// Our master records of a club and a stadium (the game's file leaves their layout to the
// editor; docs/master-format.md documents it). A club record carries the club's own data, the
// stadium it plays in and the master records of the persons it lists.

#include <cstdio>
#include <string>

#include "master/master_records.h"
#include "world/club.h"
#include "world/club_id_mapper.h"
#include "world/country.h"
#include "world/fixed_text.h"
#include "world/person_table.h"
#include "world/stadium.h"

namespace torvale {

namespace {

void WriteClubNames(MasterRecordContext& context, const CClub& club, int language) {
  CMasterWriter& w = context.writer;
  w.WriteString(club.Name(language));
  w.WriteString(club.ShortName(language));
  w.WriteString(club.Abbreviation(language));
  w.WriteString(club.Town(language));
  w.WriteU8(club.nameArticles[language]);
  w.WriteU8(club.fanNameArticles[language]);
  w.WriteU8(club.secondFanNameArticles[language]);
  w.WriteU8(club.sentenceForms[language]);
}

// A reference to a club of the club's own country, stored as a club number.
uint32_t SameCountryReference(const MasterRecordContext& context, const CClub& club, uint32_t number) {
  if ((number & 0xFFFF) == 0) return 0;
  return MasterClubReference(context, MakeClubId(club.CountryId(), number & 0xFFFF));
}

void LogKits(const MasterRecordContext& context, const CClub& club) {
  if (!context.logs.Enabled(MasterLog::kKits)) return;
  for (size_t k = 0; k < club.kit.outfits.size(); ++k) {
    const KIT::Outfit& outfit = club.kit.outfits[k];
    char head[64];
    std::snprintf(head, sizeof head, "  %-30s,", k == 0 ? std::string(club.Name(0)).c_str() : "");
    std::string line = head;
    auto add = [&line](int value) {
      char item[16];
      std::snprintf(item, sizeof item, " %02d,", value);
      line += item;
    };
    add(outfit.shirtStyle);
    add(outfit.shortsStyle);
    add(outfit.socksStyle);
    for (uint8_t colour : outfit.colours) add(colour);
    line += '\n';
    context.logs.Append(MasterLog::kKits, line);
  }
}

}  // namespace

std::string MasterBadgeName(const MasterRecordContext& context, const CClub& club) {
  std::string badge(FixedText(club.badgeFile));
  if (!badge.empty() && context.badgeMissing && context.badgeMissing(badge)) badge.clear();
  return badge;
}

void WriteStadiumMaster(MasterRecordContext& context, const CStadium& stadium) {
  CMasterWriter& w = context.writer;
  w.WriteString(FixedText(stadium.name));
  w.WriteString(FixedText(stadium.town));
  w.WriteU8(stadium.typeByte);
  w.WriteU8(stadium.extra);
  for (int k = 0; k < kStandCount; ++k) {
    w.WriteI32(stadium.seats[k]);
    w.WriteI32(stadium.standing[k]);
    w.WriteI32(stadium.vipSeats[k]);
  }
  w.WriteU8(stadium.seasonTicketBlocks);
  w.WriteU8(stadium.guestBlocks);
}

void WriteClubMaster(MasterRecordContext& context, const CCountry& country, const CClub& club,
                     const CPersonTable* persons) {
  CMasterWriter& w = context.writer;
  const std::string badge = MasterBadgeName(context, club);
  if (context.logs.Enabled(MasterLog::kBadges))
    context.logs.Appendf(MasterLog::kBadges, "  %-30s %s\n", std::string(club.Name(0)).c_str(), badge.c_str());
  LogKits(context, club);
  if (context.logs.Enabled(MasterLog::kPs2Database)) {
    context.logs.Appendf(MasterLog::kPs2Database, "  %s\n", std::string(club.Name(context.language)).c_str());
    context.logs.Appendf(MasterLog::kPs2Database, "  %s\n", badge.c_str());
  }

  w.WriteU32(MasterClubReference(context, club.clubId));
  w.WriteU16(club.siblingId);
  w.WriteU16(club.secondSiblingId);
  if (context.Ps2()) {
    WriteClubNames(context, club, context.language);
  } else {
    for (int language = 0; language < kClubLanguages; ++language) WriteClubNames(context, club, language);
  }
  w.WriteString(FixedText(club.fansName));
  w.WriteString(FixedText(club.secondFansName));
  w.WriteString(FixedText(club.mascot));
  w.WriteU32(SameCountryReference(context, club, club.fanFriendship));
  w.WriteU32(SameCountryReference(context, club, club.archRival1));
  w.WriteU32(SameCountryReference(context, club, club.archRival2));
  w.WriteU16(club.foundingYear);
  w.WriteU8(club.seasonFlags);
  w.WriteI32(club.startingAssets);
  w.WriteU8(club.publicCompany);
  w.WriteU8(club.pointsDeduction);
  w.WriteString(FixedText(club.address));
  w.WriteString(FixedText(club.phone));
  w.WriteString(FixedText(club.website));
  w.WriteString(FixedText(club.fanSites));
  w.WriteString(FixedText(club.localNewspaper));
  for (int32_t value : {club.spectatorsMidTable, club.spectatorsBigMatch, club.seasonTickets, club.leaguePoints,
                        club.leagueGames, club.leagueGoals, club.leagueGoalsAgainst, club.leagueTableLeads})
    w.WriteI32(value);
  for (const std::string& years : club.titles) w.WriteString(years);
  for (const RECORD& record : club.records) {
    w.WriteU8(record.goalsFor);
    w.WriteU8(record.goalsAgainst);
    w.WriteI32(record.value);
    w.WriteString(record.opponent);
    w.WriteU16(static_cast<uint16_t>(record.season));
  }
  w.WriteString(badge);
  w.WriteBytes(club.clubColours, sizeof club.clubColours);
  w.WriteBytes(club.facilities, sizeof club.facilities);
  w.WriteI32(club.latitude);
  w.WriteI32(club.longitude);
  for (const KIT::Outfit& outfit : club.kit.outfits) {
    w.WriteU8(outfit.shirtStyle);
    w.WriteU8(outfit.shortsStyle);
    w.WriteU8(outfit.socksStyle);
    w.WriteBytes(outfit.colours.data(), outfit.colours.size());
  }
  w.WriteU16(club.kit.readyMade);
  w.WriteU8(club.prestige);
  w.WriteString(club.cityGraphic);
  w.WriteBytes(club.preferredCountries, sizeof club.preferredCountries);
  w.WriteU8(club.youthOrigin);

  // The club's ground: its home stadium, or one named after the club when it has none.
  CStadium ground;
  if (const CStadium* home = club.homeStadium > 0 ? country.FindStadium(club.homeStadium) : nullptr) {
    ground = *home;
  } else {
    SetFixedText(ground.name, club.Name(context.Ps2() ? context.language : 0));
    SetFixedText(ground.town, club.Town(context.Ps2() ? context.language : 0));
  }
  if (context.logs.Enabled(MasterLog::kStadium))
    context.logs.Appendf(MasterLog::kStadium, "  %-30s %d\n", std::string(club.Name(0)).c_str(),
                         static_cast<int>(ground.typeByte));
  WriteStadiumMaster(context, ground);
  w.WriteI32(country.SavedStadiumPosition(club.alternativeStadium));

  // Both passes write the same persons; they are looked up once. Clubs without persons (an
  // empty stand-in among them) need no entry.
  std::vector<MasterListedPerson> none;
  std::vector<MasterListedPerson>& listed = club.PlayerIds().empty() ? none : context.clubPersons[&club];
  if (listed.empty() && persons)
    for (uint32_t id : club.PlayerIds())
      if (const CPlayer* person = persons->FindPlayer(id)) listed.push_back({person, {}});
  w.WriteU32(static_cast<uint32_t>(listed.size()));
  for (MasterListedPerson& entry : listed) WritePersonMaster(context, *entry.person, &entry.names);
}

}  // namespace torvale
