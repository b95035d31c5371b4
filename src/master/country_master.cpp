// The country's parts of the master file: its header (is it offered in the game, and its
// names) and its record with the settings, clubs, persons, competitions, referees, staff,
// youth pool and the cup final's stadium, in the order the game reads them.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "competition/competition_registry.h"
#include "competition/competition_texts.h"
#include "competition/league.h"
#include "exchange/name_pool.h"
#include "master/master_records.h"
#include "platform/command_line.h"
#include "world/country.h"
#include "world/fixed_text.h"
#include "world/person_table.h"

namespace torvale {

namespace {

// The first clubs the game shows for a country before loading it: 8 on the PC, 6 on the
// console. Countries with fewer clubs carry no competitions at all.
constexpr uint32_t kSummaryTeamsPc = 8;
constexpr uint32_t kSummaryTeamsPs2 = 6;
constexpr float kDefaultSpectatorFactor = 1.0f;
constexpr float kDefaultTransferFactor = 0.5f;

constexpr std::array<int, 22> kConsoleWhitelist = {4,  7,  12, 13, 14, 17, 18, 21, 22, 25, 26,
                                                   27, 34, 36, 37, 42, 45, 46, 47, 48, 49, 167};

enum MeasuredPart : int { kCountryRest = 0, kCompetitionBlock = 1 };

// Writes a size word for bytes that follow it: the counting pass measures them, the writing
// pass writes what was measured. Both passes write the same number of bytes.
class MeasuredSize {
 public:
  MeasuredSize(MasterRecordContext& context, int country, int part)
      : context_(context), key_(country, part) {
    auto it = context.measuredSizes.find(key_);
    context.writer.WriteU32(it == context.measuredSizes.end() ? 0 : it->second);
    start_ = context.writer.Offset();
  }
  ~MeasuredSize() { context_.measuredSizes[key_] = context_.writer.Offset() - start_; }
  MeasuredSize(const MeasuredSize&) = delete;
  MeasuredSize& operator=(const MeasuredSize&) = delete;

 private:
  MasterRecordContext& context_;
  std::pair<int, int> key_;
  uint32_t start_ = 0;
};

const CDBLeague* FirstLeague(const CCountry& country) {
  if (!country.HasCompetitions()) return nullptr;
  return country.Competitions().Find<CDBLeague>(MakeCompetitionId(country.CountryNumber(), CompKind::LEAGUE, 0));
}

std::vector<const CClub*> RegularClubs(const CCountry& country) {
  std::vector<const CClub*> clubs;
  for (const auto& [id, club] : country.Clubs())
    if (ClubNumber(id) != kAmateurClubNumber) clubs.push_back(club.get());
  return clubs;
}

// The leagues, then the first successor (the play-off) of every league that has one, in
// league order, then the national cups. The game reads one play-off record per league, so a
// play-off that follows two leagues (the Swiss one) is written for each of them; the country's
// text record lists it once.
std::vector<const CDBCompetition*> CountryCompetitions(const CCountry& country) {
  std::vector<const CDBCompetition*> nodes;
  if (!country.HasCompetitions()) return nodes;
  const CompetitionRegistry& registry = country.Competitions();
  const int number = country.CountryNumber();
  for (int i = 0; i < std::min<int>(country.leagueCount, kCountryMaxLeagues); ++i)
    if (const CDBCompetition* league = registry.FindCompetition(MakeCompetitionId(number, CompKind::LEAGUE, i)))
      nodes.push_back(league);
  const size_t leagues = nodes.size();
  for (size_t i = 0; i < leagues; ++i)
    if (const CDBCompetition* playOff = registry.FindCompetition(nodes[i]->GetSuccessor(0)))
      nodes.push_back(playOff);
  for (int kind : {CompKind::FA_CUP, CompKind::LE_CUP, CompKind::CONFERENCE_CUP, CompKind::CHALLENGE_SHIELD,
                   CompKind::SUPERCUP})
    if (const CDBCompetition* cup = registry.FindCompetition(MakeCompetitionId(number, kind, 0)))
      nodes.push_back(cup);
  return nodes;
}

void WriteNamedPerson(MasterRecordContext& context, int group, std::string_view first, std::string_view surname) {
  context.writer.WriteU16(context.names.EnterName(group, kPoolMaleFirstNames, first, true));
  context.writer.WriteU16(context.names.EnterName(group, kPoolSurnames, surname, true));
}

void WriteSettings(MasterRecordContext& context, const CCountry& country) {
  CMasterWriter& w = context.writer;
  const bool pc = !context.Ps2();
  w.WriteU8(static_cast<uint8_t>(country.continent));
  w.WriteU8(country.continentByte);
  w.WriteString(FixedText(country.federationName));
  w.WriteBytes(country.languages.data(), country.languages.size());
  if (pc) w.WriteBytes(country.languageShares.data(), country.languageShares.size());
  w.WriteU8(static_cast<uint8_t>(country.reserveLevel));
  w.WriteU8(country.leagueSystemOption);
  w.WriteU8(country.teamTransfers);
  w.WriteU8(country.climate);
  const uint8_t group = country.languages[0];
  w.WriteU8(group);
  WriteNamedPerson(context, group, FixedText(country.presidentFirstName), FixedText(country.presidentSurname));
  w.WriteU32(country.presidentBirthDate.jdn);
  for (uint8_t rule : {country.yellowCardLeagueRule, country.yellowCardCupRule, country.redCardOptions,
                       country.redCardRule, country.suspensionScope, country.yellowRedBanLevels})
    w.WriteU8(rule);
  w.WriteBytes(country.tieBreakRules.data(), country.tieBreakRules.size());
  w.WriteBytes(country.foreignPlayerLimits.data(), country.foreignPlayerLimits.size());
  w.WriteBytes(country.relegationRules.data(), country.relegationRules.size());
  w.WriteI32(country.nationalCupMode);
  w.WriteU8(country.clubOptions);
  w.WriteI32(country.superCupMode);
  w.WriteI32(country.leagueCupMode);
  w.WriteU8(country.indoorTournament);
  w.WriteU8(country.winterBreak);
  w.WriteU8(country.spareFlag);
  w.WriteU8(country.generateNames != 0 ? 1 : 0);
  w.WriteU8(country.averageStrength);
  if (pc) {
    for (uint32_t mask : country.youthMasks) w.WriteU32(mask);
    w.WriteU8(country.youthHeight);
    w.WriteU8(country.youthWeight);
    w.WriteU16(country.continentalTitles);
    w.WriteU16(country.worldChampionships);
    w.WriteU16(country.continentalFinals);
    w.WriteU16(country.worldChampionshipFinals);
  } else {
    for (int mask = 0; mask < kYouthMaskCount; ++mask)
      w.WriteU32(context.console.YouthMask(mask, country.youthMasks[static_cast<size_t>(mask)]));
    w.WriteU8(country.youthHeight);
    w.WriteU8(country.youthWeight);
    // The console keeps the title counts (0-20) in single bytes.
    w.WriteU8(static_cast<uint8_t>(std::min<uint16_t>(country.continentalTitles, 255)));
    w.WriteU8(static_cast<uint8_t>(std::min<uint16_t>(country.worldChampionships, 255)));
  }
  for (uint16_t value : country.masterValues) w.WriteU16(value);
  w.WriteU8(country.moveAbroadProbability);
  w.WriteI32(country.transferWindow1);
  w.WriteI32(country.transferWindow2);
}

void WriteSummary(MasterRecordContext& context, const CCountry& country, uint32_t summaryTeams,
                  const std::vector<const CClub*>& clubs) {
  CMasterWriter& w = context.writer;
  const CDBLeague* league = FirstLeague(country);
  const CDBCompetition* faCup =
      country.HasCompetitions()
          ? country.Competitions().FindCompetition(MakeCompetitionId(country.CountryNumber(), CompKind::FA_CUP, 0))
          : nullptr;
  w.WriteString(league ? std::string_view(league->Name()) : kTextFirstLeague);
  w.WriteString(faCup ? std::string_view(faCup->Name()) : kTextNationalCup);
  // Without a full first league: the first T clubs in club order. After a load they are the
  // clubs numbered 1 to T; in an edited world with gaps they are still T real clubs, not zeros.
  const bool fromLeague = league && static_cast<uint32_t>(league->TeamCount()) >= summaryTeams;
  for (uint32_t i = 0; i < summaryTeams; ++i) {
    const uint32_t team = fromLeague ? league->GetTeam(static_cast<int>(i)) : clubs[i]->clubId;
    w.WriteU32(MasterClubReference(context, team));
  }
}

void WriteCompetitionBlock(MasterRecordContext& context, const CCountry& country, bool withCompetitions) {
  MeasuredSize size(context, country.CountryNumber(), kCompetitionBlock);
  if (withCompetitions)
    for (const CDBCompetition* node : CountryCompetitions(country))
      node->WriteMaster(context.writer, -1, context.clubIds);
  context.writer.WriteU32(0);
  context.writer.WriteU16(0);
}

void WriteReferees(MasterRecordContext& context, const CCountry& country) {
  CMasterWriter& w = context.writer;
  w.WriteU32(static_cast<uint32_t>(country.Referees().size()));
  for (const auto& [number, referee] : country.Referees()) {
    w.WriteU8(0);
    WriteNamedPerson(context, 0, FixedText(referee.firstName), FixedText(referee.surname));
    w.WriteU8(static_cast<uint8_t>(referee.character));
  }
}

void WriteStaff(MasterRecordContext& context, const CCountry& country) {
  CMasterWriter& w = context.writer;
  w.WriteU32(static_cast<uint32_t>(country.Staff().size()));
  for (const auto& [number, staff] : country.Staff()) {
    w.WriteU8(0);
    WriteNamedPerson(context, 0, FixedText(staff.firstName), FixedText(staff.surname));
    w.WriteU8(static_cast<uint8_t>(staff.job));
    w.WriteU8(staff.qualification);
  }
}

void WritePlayerPool(MasterRecordContext& context, const CCountry& country) {
  CMasterWriter& w = context.writer;
  const uint8_t group = country.languages[0];
  uint32_t inUse = 0;
  for (const CPlayerPoolEntry& entry : country.PlayerPool()) inUse += entry.InUse() ? 1 : 0;
  w.WriteU32(inUse);
  for (const CPlayerPoolEntry& entry : country.PlayerPool()) {
    if (!entry.InUse()) continue;
    w.WriteU8(group);
    WriteNamedPerson(context, group, FixedText(entry.firstName), FixedText(entry.surname));
    w.WriteU16(context.names.EnterName(group, kPoolKind2, FixedText(entry.thirdName), true));
    w.WriteU8(entry.nationality);
    w.WriteU8(entry.ability);
    w.WriteU32(0);
  }
}

void WriteCupFinalStadium(MasterRecordContext& context, const CCountry& country) {
  if (const CStadium* stadium = country.cupFinalStadium > 0 ? country.FindStadium(country.cupFinalStadium) : nullptr) {
    WriteStadiumMaster(context, *stadium);
    return;
  }
  CStadium made;
  SetFixedText(made.name, country.Name(context.language));
  WriteStadiumMaster(context, made);
}

// Managers without a club: after the fixed parts, as a count and person records.
void WriteAdditionalManagers(MasterRecordContext& context, const CCountry& country, const CPersonTable* persons) {
  std::vector<const CPlayer*> managers;
  if (persons)
    for (uint32_t id : country.AdditionalManagers())
      if (const CPlayer* person = persons->FindPlayer(id)) managers.push_back(person);
  context.writer.WriteU32(static_cast<uint32_t>(managers.size()));
  for (const CPlayer* person : managers) WritePersonMaster(context, *person);
}

}  // namespace

bool IsOnConsoleWhitelist(int country) {
  return std::find(kConsoleWhitelist.begin(), kConsoleWhitelist.end(), country) != kConsoleWhitelist.end();
}

bool MasterRecordContext::Ps2() const { return (flags & kMasterBuildPs2) != 0; }

bool IsCountryComplete(const CCountry& country, uint32_t flags) {
  if ((flags & kMasterBuildPs2) != 0 && !IsOnConsoleWhitelist(country.CountryNumber())) return false;
  return country.IsPlayable();
}

bool WriteCountryHeader(MasterRecordContext& context, const CCountry& country) {
  auto [known, added] = context.completeCountries.try_emplace(&country, false);
  if (added) known->second = IsCountryComplete(country, context.flags);
  const bool complete = known->second;
  context.writer.WriteU8(complete ? static_cast<uint8_t>(country.leagueCount) : 0);
  if (context.Ps2()) {
    context.writer.WriteString(country.Name(context.language));
  } else {
    for (int language = 0; language < kCountryLanguages; ++language)
      context.writer.WriteString(country.Name(language));
  }
  return complete;
}

void WriteCountryMaster(MasterRecordContext& context, const CCountry& country, const CPersonTable* persons) {
  CMasterWriter& w = context.writer;
  const bool pc = !context.Ps2();
  const std::string logName(country.Name(0));
  context.logs.Appendf(MasterLog::kBadges, "%s\n", logName.c_str());
  context.logs.Appendf(MasterLog::kKits, "%s\n", logName.c_str());
  context.logs.Appendf(MasterLog::kPs2Database, "%s\n", logName.c_str());

  std::optional<MeasuredSize> rest;
  if (pc) rest.emplace(context, country.CountryNumber(), kCountryRest);

  if (pc) {
    for (int language = 0; language < kCountryLanguages; ++language) w.WriteString(country.ShortName(language));
  } else {
    w.WriteString(country.ShortName(context.language));
  }
  WriteSettings(context, country);

  const std::vector<const CClub*> clubs = RegularClubs(country);
  const uint32_t summaryTeams = pc ? kSummaryTeamsPc : kSummaryTeamsPs2;
  const bool withCompetitions = clubs.size() >= summaryTeams;
  w.WriteU32(static_cast<uint32_t>(clubs.size()));
  if (withCompetitions) WriteSummary(context, country, summaryTeams, clubs);
  if (pc) {
    const CDBLeague* league = withCompetitions ? FirstLeague(country) : nullptr;
    w.WriteF32(league ? static_cast<float>(league->SpectatorMultiplier()) / 100.0f : kDefaultSpectatorFactor);
    w.WriteF32(league ? static_cast<float>(league->TransferMultiplier()) / 100.0f : kDefaultTransferFactor);
  }

  for (const CClub* club : clubs) WriteClubMaster(context, country, *club, persons);
  if (pc) {
    // Every country has its amateur club; a slot without one gets an empty record in its place.
    const CClub* amateur = country.FindClub(MakeClubId(country.countryId, kAmateurClubNumber));
    const CClub empty;
    WriteClubMaster(context, country, amateur ? *amateur : empty, persons);
  }

  WriteCompetitionBlock(context, country, withCompetitions);
  WriteReferees(context, country);
  WriteStaff(context, country);
  w.WriteU32(0);
  WritePlayerPool(context, country);
  WriteCupFinalStadium(context, country);
  WriteAdditionalManagers(context, country, persons);
}

}  // namespace torvale
