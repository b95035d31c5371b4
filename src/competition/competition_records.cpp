// Text records of the competition nodes. Each node is one section of the record stream: a
// type line, an id line, the kind-specific body and a common tail with the links and the
// team-selection rules. The layouts follow the game's files, quirks included (names cut to
// 29 characters when read, matchday days listed as "day," padded with "0,").

#include "competition/competition_records.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "competition/competition_keywords.h"
#include "competition/competition_registry.h"
#include "competition/competition_round.h"
#include "competition/competition_texts.h"
#include "competition/cup.h"
#include "competition/league.h"
#include "storage/record_stream.h"
#include "world/club_id_mapper.h"

namespace torvale {

namespace {

constexpr size_t kNodeNameChars = CDBCompetition::kGameNameChars;
constexpr size_t kRoundNameChars = CDBCompetition::kGameRoundNameChars;
constexpr size_t kIdLineChars = 99;
constexpr size_t kRuleLineChars = 99;
// Sane bounds for sizes read from files, far above anything the game uses, so that a broken
// file cannot make a league allocate without bound.
constexpr int32_t kMaxLeagueRounds = 255;
// Group sections are written consecutively; after this many missing numbers in a row the
// count line is taken to be wrong.
constexpr int kMaxMissingSections = 256;

constexpr std::string_view kSectionTeams = "TEAMS";
constexpr std::string_view kSectionMatchdays = "MATCHDAYS";
constexpr std::string_view kSectionFixture = "FIXTURE";

std::string Cut(std::string text, size_t maxChars) {
  if (text.size() > maxChars) text.resize(maxChars);
  return text;
}

std::string ReadLineValue(CKLFile& file, size_t maxChars) {
  std::string line;
  file.ReadString(line);
  return Cut(std::move(line), maxChars);
}

// Decimal values separated by commas.
std::vector<int32_t> SplitInts(std::string_view line) {
  std::vector<int32_t> values;
  if (line.empty()) return values;
  while (true) {
    values.push_back(CKLFile::ParseInt(line));
    size_t comma = line.find(',');
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  return values;
}

// Up to 8 hexadecimal digits, either case, ending at the first other character.
uint32_t ParseHex(std::string_view text) {
  uint32_t value = 0;
  for (size_t i = 0; i < text.size() && i < 8; ++i) {
    char c = text[i];
    uint32_t digit;
    if (c >= '0' && c <= '9') digit = static_cast<uint32_t>(c - '0');
    else if (c >= 'a' && c <= 'f') digit = static_cast<uint32_t>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') digit = static_cast<uint32_t>(c - 'A' + 10);
    else break;
    value = value << 4 | digit;
  }
  return value;
}

std::string JoinIds(const CDBCompetition& node, bool successors, int countryOverride) {
  std::string line;
  int count = successors ? node.SuccessorCount() : node.PredecessorCount();
  for (int i = 0; i < count; ++i) {
    if (!line.empty()) line += ',';
    line += FormatCompetitionId(successors ? node.GetSuccessor(i) : node.GetPredecessor(i),
                                countryOverride);
  }
  return line.empty() ? std::string("0") : line;
}

// Ids of a link line: parsing starts at the first '{' and resumes at the first '{' behind
// the next '}'.
std::vector<CompetitionId> ParseIdList(std::string_view line, size_t maxIds) {
  std::vector<CompetitionId> ids;
  size_t open = line.find('{');
  while (open != std::string_view::npos && ids.size() < maxIds) {
    line.remove_prefix(open);
    size_t consumed = 0;
    ids.push_back(ParseCompetitionId(line, &consumed));
    line.remove_prefix(consumed);
    open = line.find('{');
  }
  return ids;
}

// The values of a rule line behind its keyword: each is preceded by a comma.
class RuleLineCursor {
 public:
  explicit RuleLineCursor(std::string_view line) : rest_(line) {}
  int32_t Int() { return Advance() ? CKLFile::ParseInt(rest_) : 0; }
  CompetitionId Id() { return Advance() ? ParseCompetitionId(rest_) : 0; }

 private:
  bool Advance() {
    size_t comma = rest_.find(',');
    if (comma == std::string_view::npos) {
      rest_ = {};
      return false;
    }
    rest_.remove_prefix(comma + 1);
    return true;
  }
  std::string_view rest_;
};

int32_t ReadIntValue(CKLFile& file) {
  int32_t value = 0;
  file.ReadInt(value);
  return value;
}

TeamSelectionRule ReadRule(CKLFile& file, std::string_view line) {
  TeamSelectionRule rule;
  rule.keyword = FindKeyword(kTeamSelectionNames, line, SelectRule::UNKNOWN);
  RuleLineCursor values(line);
  switch (rule.keyword) {
    case SelectRule::BUILD_COUNTER:
      rule.a = values.Int();
      break;
    case SelectRule::BUILD_UEFA5:
    case SelectRule::GET_UEFA5_SURE_TAB:
    case SelectRule::GET_UEFA5_SURE_UIC:
      rule.a = values.Int();
      rule.b = values.Int();
      break;
    case SelectRule::GET_CHAMP:
    case SelectRule::GET_WINNER:
    case SelectRule::GET_LOSER:
      rule.id = values.Id();
      break;
    case SelectRule::GET_UEFA5_TAB:
      rule.a = values.Int();
      rule.b = values.Int();
      rule.c = values.Int();
      break;
    case SelectRule::GET_TAB_X_TO_Y:
    case SelectRule::GET_NAT_UEFA5_WITH_HOST:
    case SelectRule::UNKNOWN:
    case SelectRule::GET_POOL:
      rule.id = values.Id();
      rule.b = ReadIntValue(file);
      rule.c = ReadIntValue(file);
      break;
    case SelectRule::GET_TAB_LEVEL_X_TO_Y:
    case SelectRule::GET_TAB_LEVEL_START_X_TO_Y:
    case SelectRule::GET_TAB_LEVEL_INDOOR:
      rule.a = ReadIntValue(file);
      rule.b = ReadIntValue(file);
      rule.c = ReadIntValue(file);
      break;
    case SelectRule::GET_UEFA5_CHAMP_OR_FINALIST:
      rule.a = values.Int();
      rule.id = values.Id();
      break;
    case SelectRule::GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y:
      rule.id = values.Id();
      rule.a = ReadIntValue(file);
      rule.b = ReadIntValue(file);
      rule.c = ReadIntValue(file);
      break;
    case SelectRule::GET_INTERNATIONAL_SPARE:
      rule.id = values.Id();
      rule.c = ReadIntValue(file);
      break;
    default:  // GET_TAB_SPARE, GET_NAT_*, GET_HOST: the keyword says it all
      break;
  }
  return rule;
}

bool HasShortNameLine(const CKLFile& file) {
  uint16_t major = file.GetLoadedVersionMajor();
  return major > 0x2004 || (major == 0x2004 && file.GetLoadedVersionMinor() >= 7);
}

int32_t CalendarCodeFor(const CDBCompetition& node) {
  int roundType = node.GetRoundType();
  switch (node.Kind()) {
    case CompKind::CHAMPIONSLEAGUE:
      return roundType == RoundType::FINAL ? CalendarCode::CHAMPIONS_FINAL : roundType;
    case CompKind::UEFA_CUP:
      return roundType == RoundType::FINAL ? CalendarCode::UEFA_FINAL : roundType;
    case CompKind::TOYOTA: return CalendarCode::TOYOTA;
    case CompKind::EURO_SUPERCUP: return CalendarCode::EURO_SUPERCUP;
    case CompKind::WORLD_CLUB_CHAMP: return CalendarCode::FREE;
    case CompKind::UIC: return CalendarCode::UIC;
    case CompKind::QUALI_WC:
    case CompKind::QUALI_EC:
    case CompKind::WORLD_CUP:
    case CompKind::EURO_CUP: return CalendarCode::NATIONAL_TEAMS;
    default: return roundType;
  }
}

}  // namespace

// ---------------------------------------------------------------- common pieces

void CDBCompetition::WriteHeader(CKLFile& file, std::string_view typeLine,
                                 int countryOverride) const {
  file.WriteString(typeLine);
  file.WriteString(FormatCompetitionId(id_, countryOverride));
}

void CDBCompetition::WriteCommonTail(CKLFile& file, int countryOverride) const {
  file.WriteString(JoinIds(*this, false, countryOverride));
  file.WriteString(JoinIds(*this, true, countryOverride));
  // The rules come from the structure files and the cup allocations; they are rebuilt from
  // there on reading, so the editor writes none.
  file.WriteInt(0);
}

void CDBCompetition::ReadCommonTail(CKLFile& file) {
  ClearLinks();
  std::string line;
  if (file.ReadString(line)) {
    std::vector<CompetitionId> ids = ParseIdList(line, kMaxLinks);
    std::copy(ids.begin(), ids.end(), predecessors_.begin());
  }
  line.clear();
  if (file.ReadString(line)) {
    std::vector<CompetitionId> ids = ParseIdList(line, kMaxLinks);
    std::copy(ids.begin(), ids.end(), successors_.begin());
  }
  if (registry_) {
    ruleStart_ = ReadRuleList(file, registry_->Rules());
  } else {
    TeamSelectionRuleList scratch;
    ReadRuleList(file, scratch);
  }
}

void CDBCompetition::WriteNames(CKLFile& file) const {
  file.WriteString(Name());
  file.WriteString(ShortName());
}

void CDBCompetition::ReadNames(CKLFile& file, size_t maxNameChars) {
  std::string name;
  if (file.ReadString(name)) SetName(Cut(std::move(name), maxNameChars));
  std::string shortName;
  if (HasShortNameLine(file) && file.ReadString(shortName)) SetShortName(shortName);
  else SetShortName(Name());
}

void CDBCompetition::WriteMatchdaySection(CKLFile& file, int lastDay) const {
  std::string line;
  int listed = 0;
  for (int d = 0; d <= lastDay && d < kDays; ++d) {
    if (days_[static_cast<size_t>(d)] == 0) continue;
    line += std::to_string(d) + ',';
    ++listed;
  }
  for (; listed < MatchdayCount(); ++listed) line += "0,";
  if (!line.empty()) line.pop_back();
  file.BeginSection(kSectionMatchdays);
  file.WriteString(line);
  file.EndSection(kSectionMatchdays);
}

void CDBCompetition::ReadMatchdaySection(CKLFile& file, int lastDay, int maxMarked) {
  if (!file.FindSection(kSectionMatchdays)) return;
  std::string line;
  file.ReadString(line);
  int next = 1;
  for (int32_t day : SplitInts(line)) {
    if (next > maxMarked) break;
    if (day >= 1 && day <= lastDay) SetDayMatchday(day, next++);
  }
  file.FindSectionEnd(kSectionMatchdays);
}

// ---------------------------------------------------------------- node records

void CDBCompetition::ReadText(CKLFile& file) { ReadCommonTail(file); }

void CDBCompetition::WriteText(CKLFile& file, int countryOverride, const ClubIdMapper&) const {
  WriteHeader(file, KeywordName(kNodeTypeNames, nodeType_), countryOverride);
  WriteCommonTail(file, countryOverride);
}

void CDBRoot::WriteText(CKLFile& file, int countryOverride, const ClubIdMapper&) const {
  // A root has no type line of its own.
  file.WriteString(FormatCompetitionId(id_, countryOverride));
  WriteCommonTail(file, countryOverride);
}

void CDBLeague::WriteText(CKLFile& file, int countryOverride, const ClubIdMapper& clubs) const {
  WriteHeader(file, "DB_LEAGUE", countryOverride);
  WriteNames(file);
  file.WriteInt(numberOfTeams_);
  file.WriteInt(level_);
  file.WriteString(KeywordName(kRelegationRuleNames, relegationRule_));
  file.WriteInt(tableRule_);
  file.WriteInt(rounds_);
  file.WriteString("ROUND_GROUP1");
  file.WriteInt(spectatorMultiplier_);
  file.WriteInt(transferMultiplier_);

  file.WriteComment("");
  std::string teams;
  for (int i = 0; i < teamCount_; ++i) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%x", clubs.SavedClubId(teams_[static_cast<size_t>(i)]));
    if (i > 0) teams += ',';
    teams += hex;
  }
  file.BeginSection(kSectionTeams);
  file.WriteString(teams);
  file.EndSection(kSectionTeams);

  file.WriteComment("");
  WriteMatchdaySection(file, kLastLeagueDay);

  file.WriteComment("");
  // Readers expect one line per matchday with a pair per two teams, so the lines follow the
  // league's size even when the grid has not caught up with a change of rounds yet.
  file.BeginSection(kSectionFixture);
  for (int row = 0; row < MatchdayCount(); ++row) {
    std::string line;
    for (int column = 0; column < numberOfTeams_ / 2; ++column) {
      auto pair = fixtures_.GetPair(row, column);
      if (column > 0) line += ',';
      line += std::to_string(pair.home) + ',' + std::to_string(pair.away);
    }
    file.WriteString(line);
  }
  file.EndSection(kSectionFixture);

  for (int32_t value : money_) file.WriteInt(value);
  WriteCommonTail(file, countryOverride);
}

void CDBLeague::ReadText(CKLFile& file) {
  ReadNames(file, kNodeNameChars);
  file.ReadInt(numberOfTeams_);
  numberOfTeams_ = std::clamp(numberOfTeams_, 0, kMaxTeams);
  file.ReadInt(level_);
  relegationRule_ = static_cast<uint8_t>(
      FindKeyword(kRelegationRuleNames, ReadLineValue(file, kRuleLineChars), 0));
  file.ReadInt(tableRule_);
  file.ReadInt(rounds_);
  rounds_ = std::clamp(rounds_, 0, kMaxLeagueRounds);
  roundType_ = static_cast<int8_t>(
      FindKeyword(kRoundTypeNames, ReadLineValue(file, kRuleLineChars), RoundType::NONE));
  uint8_t percent = 0;
  if (file.ReadInt(percent)) spectatorMultiplier_ = percent;
  if (file.GetLoadedVersionMajor() >= 0x2004 && file.ReadInt(percent))
    transferMultiplier_ = percent;
  ResetFixtures();
  ClearDays();

  teamCount_ = 0;
  teams_.fill(0);
  if (file.FindSection(kSectionTeams)) {
    std::string line;
    file.ReadString(line);
    std::string_view rest = line;
    while (teamCount_ < numberOfTeams_) {
      AddTeam(ParseHex(rest));
      size_t comma = rest.find(',');
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
    file.FindSectionEnd(kSectionTeams);
  }

  ReadMatchdaySection(file, kLastLeagueDay, MatchdayCount());

  if (file.FindSection(kSectionFixture)) {
    for (int row = 0; row < fixtures_.Rows(); ++row) {
      std::string line;
      if (!file.ReadString(line)) break;
      std::vector<int32_t> values = SplitInts(line);
      for (int column = 0; column < fixtures_.Columns(); ++column) {
        size_t at = static_cast<size_t>(column) * 2;
        if (at >= values.size()) break;
        uint8_t home = static_cast<uint8_t>(values[at]);
        uint8_t away = at + 1 < values.size() ? static_cast<uint8_t>(values[at + 1]) : 0;
        fixtures_.SetPair(row, column, home, away);
      }
    }
    file.FindSectionEnd(kSectionFixture);
  }

  for (int32_t& value : money_) file.ReadInt(value);
  ReadCommonTail(file);
}

void CDBCup::WriteText(CKLFile& file, int countryOverride, const ClubIdMapper&) const {
  WriteHeader(file, CupVariantName(allocation_), countryOverride);
  WriteNames(file);
  file.WriteInt(allocation_);
  WriteExtraText(file);
  if (allocation_ == 0) return;
  WriteMatchdaySection(file, kLastCupDay);
  for (int r = kRoundSlots - RoundCount(); r < kRoundSlots; ++r)
    for (int i = 0; i < kMoneyValues; ++i) file.WriteInt(GetRoundMoney(i, r));
  WriteCommonTail(file, countryOverride);
}

void CDBCup::ReadText(CKLFile& file) {
  ReadNames(file, kNodeNameChars);
  file.ReadInt(allocation_);
  ReadExtraText(file);
  if (allocation_ == 0) return;
  ClearDays();
  // Cups write their days up to 399, so they are read back up to 399 as well.
  ReadMatchdaySection(file, kLastCupDay, 2 * RoundCount());
  for (int r = kRoundSlots - RoundCount(); r < kRoundSlots; ++r)
    for (int i = 0; i < kMoneyValues; ++i) {
      int32_t value = 0;
      file.ReadInt(value);
      SetRoundMoney(i, r, value);
    }
  ReadCommonTail(file);
  level_ = ParentLevel();
  InstantiateRules();
}

void CDBRound::WriteText(CKLFile& file, int countryOverride, const ClubIdMapper&) const {
  file.WriteComment(" --------------------------------------");
  WriteHeader(file, "DB_ROUND", countryOverride);
  WriteNames(file);
  file.WriteInt(roundValue);
  file.WriteString(KeywordName(kRoundTypeNames, roundType_));
  file.WriteInt(firstLegDay);
  file.WriteString(FormatMatchRules(firstLegFlags));
  file.WriteInt(secondLegDay);
  file.WriteString(FormatMatchRules(secondLegFlags));
  for (int i = 0; i < 4; ++i) file.WriteInt(0);
  WriteCommonTail(file, countryOverride);
}

void CDBRound::ReadText(CKLFile& file) {
  ReadNames(file, kRoundNameChars);
  file.ReadInt(roundValue);
  roundType_ = static_cast<int8_t>(
      FindKeyword(kRoundTypeNames, ReadLineValue(file, kRuleLineChars), RoundType::NONE));
  ClearDays();
  int matchday = 0;
  file.ReadInt(firstLegDay);
  if (firstLegDay != 0) SetDayMatchday(firstLegDay, ++matchday);
  firstLegFlags = ParseMatchRules(ReadLineValue(file, kRuleLineChars));
  file.ReadInt(secondLegDay);
  if (secondLegDay != 0) SetDayMatchday(secondLegDay, ++matchday);
  secondLegFlags = ParseMatchRules(ReadLineValue(file, kRuleLineChars));
  for (int i = 0; i < 4; ++i) ReadIntValue(file);
  ReadCommonTail(file);
}

void CDBPool::WriteText(CKLFile& file, int countryOverride, const ClubIdMapper&) const {
  WriteHeader(file, "DB_POOL", countryOverride);
  file.WriteInt(firstParameter);
  file.WriteInt(secondParameter);
  file.WriteString(KeywordName(kPoolSortNames, sorting));
  int count = std::clamp(checkedCount, 0, kMaxChecked);
  file.WriteInt(count);
  for (int i = 0; i < count; ++i)
    file.WriteString(FormatCompetitionId(checked[static_cast<size_t>(i)], countryOverride));
  for (int i = 0; i < 4; ++i) file.WriteInt(0);
  WriteCommonTail(file, countryOverride);
}

void CDBPool::ReadText(CKLFile& file) {
  file.ReadInt(firstParameter);
  file.ReadInt(secondParameter);
  sorting = static_cast<uint16_t>(
      FindKeyword(kPoolSortNames, ReadLineValue(file, kRuleLineChars), 0));
  int32_t count = 0;
  file.ReadInt(count);
  checkedCount = 0;
  checked.fill(0);
  for (int32_t i = 0; i < count; ++i) {
    std::string line;
    if (!file.ReadString(line)) break;
    if (checkedCount < kMaxChecked)
      checked[static_cast<size_t>(checkedCount++)] = ParseCompetitionId(Cut(line, kIdLineChars));
  }
  for (int i = 0; i < 4; ++i) ReadIntValue(file);
  ReadCommonTail(file);
}

// ---------------------------------------------------------------- rule lists

int32_t ReadRuleList(CKLFile& file, TeamSelectionRuleList& rules) {
  int32_t count = 0;
  file.ReadInt(count);
  int32_t start = -1;
  for (int32_t i = 0; i < count; ++i) {
    std::string line;
    if (!file.ReadString(line)) break;
    int32_t index = rules.Append(ReadRule(file, Cut(std::move(line), kRuleLineChars)));
    if (start < 0) start = index;
  }
  int32_t end = rules.Append(TeamSelectionRule{});
  return start < 0 ? end : start;
}

// ---------------------------------------------------------------- groups

std::unique_ptr<CDBCompetition> CreateCompetitionNode(std::string_view typeLine,
                                                      int& forcedKind) {
  forcedKind = -1;
  if (typeLine == "DB_ROUND") return std::make_unique<CDBRound>();
  if (typeLine == "DB_POOL") return std::make_unique<CDBPool>();
  if (typeLine == "DB_LEAGUE") return std::make_unique<CDBLeague>();
  if (typeLine == "DB_CUP") return std::make_unique<CDBCup>();
  if (typeLine == "DB_REL1") {
    forcedKind = CompKind::REL1;
    return std::make_unique<CDBRelEngland1>();
  }
  if (typeLine == "DB_REL2") {
    forcedKind = CompKind::REL2;
    return std::make_unique<CDBRelEngland2>();
  }
  if (typeLine == "DB_REL3") {
    forcedKind = CompKind::REL3;
    return std::make_unique<CDBRelEngland3>();
  }
  if (typeLine == "DB_SWITZERLAND") {
    forcedKind = CompKind::SWITZERLAND;
    return std::make_unique<CDBRelSwitzerland>();
  }
  return nullptr;
}

void MarkFrameworkCalendar(const CDBCompetition& node, std::span<int32_t> calendar) {
  if (node.GetRoundType() < 1) return;
  int last = std::min<int>(static_cast<int>(calendar.size()), kCalendarDays) - 1;
  for (int d = 1; d <= last; ++d) {
    if (node.DayMatchday(d) == 0) continue;
    int32_t& code = calendar[static_cast<size_t>(d)];
    // An Intertoto day may be taken by a later competition.
    if (code == CalendarCode::UIC) code = CalendarCode::FREE;
    if (code != CalendarCode::FREE) continue;
    code = CalendarCodeFor(node);
  }
}

void WriteCompetitionSection(const CDBCompetition* node, CKLFile& file, std::string_view prefix,
                             int& counter, int countryOverride, const ClubIdMapper& clubs) {
  if (!node) return;
  std::string name = std::string(prefix) + std::to_string(counter);
  if (!file.BeginSection(name)) return;
  node->WriteText(file, countryOverride, clubs);
  file.EndSection(name);
  ++counter;
}

int ReadCompetitionGroup(CKLFile& file, std::string_view prefix, std::span<int32_t> calendar,
                         CompetitionId owner, CompetitionRegistry& registry) {
  int32_t count = 0;
  file.ReadInt(count);
  int created = 0;
  int missing = 0;
  for (int32_t i = 0; i < count && missing < kMaxMissingSections; ++i) {
    std::string section = std::string(prefix) + std::to_string(i);
    if (!file.FindSection(section)) {
      ++missing;
      continue;
    }
    missing = 0;
    std::string typeLine;
    file.ReadString(typeLine);
    CompetitionId id = ParseCompetitionId(ReadLineValue(file, kIdLineChars));
    int forcedKind = -1;
    std::unique_ptr<CDBCompetition> node = CreateCompetitionNode(typeLine, forcedKind);
    // The Scottish split phase is written as a league with its own kind; it keeps its class
    // (and its five matchdays) across saving and loading.
    if (node && forcedKind < 0 && CompetitionKindOf(id) == CompKind::SCOTT1 &&
        typeLine == "DB_LEAGUE")
      node = std::make_unique<CDBRelScottland1>();
    if (node && id != 0) {
      if (forcedKind >= 0)
        id = MakeCompetitionId(CompetitionCountry(id), forcedKind, CompetitionIndex(id));
      node->SetId(id);
      node->SetOwner(owner);
      CDBCompetition* filed = registry.RegisterCompetition(std::move(node));
      filed->ReadText(file);
      if (filed->NodeTypeValue() != NodeType::DB_POOL) MarkFrameworkCalendar(*filed, calendar);
      ++created;
    }
    file.FindSectionEnd(section);
  }
  registry.RemoveSuccessorCycles();
  return created;
}

// ---------------------------------------------------------------- the country's section

void WriteCountryCompetitions(CKLFile& file, const CompetitionRegistry& registry, int country,
                              int leagueCount, const ClubIdMapper& clubs) {
  std::vector<const CDBCompetition*> nodes;
  std::set<CompetitionId> written;
  for (int i = 0; i < std::min(leagueCount, 20); ++i) {
    CompetitionId id = MakeCompetitionId(country, CompKind::LEAGUE, i);
    if (const CDBCompetition* league = registry.FindCompetition(id)) {
      nodes.push_back(league);
      written.insert(id);
    }
  }
  std::set<CompetitionId> playOffs;
  for (const CDBCompetition* league : std::vector(nodes)) {
    CompetitionId first = league->GetSuccessor(0);
    if (first != 0 && !written.contains(first) && registry.FindCompetition(first))
      playOffs.insert(first);
  }
  for (CompetitionId id : playOffs) nodes.push_back(registry.FindCompetition(id));
  for (int kind : {CompKind::FA_CUP, CompKind::LE_CUP, CompKind::CONFERENCE_CUP,
                   CompKind::CHALLENGE_SHIELD, CompKind::SUPERCUP})
    if (const CDBCompetition* cup = registry.FindCompetition(MakeCompetitionId(country, kind, 0)))
      nodes.push_back(cup);

  file.BeginSection("COMPETITION");
  file.WriteInt(static_cast<int32_t>(nodes.size()));
  int counter = 0;
  for (const CDBCompetition* node : nodes)
    WriteCompetitionSection(node, file, "COMP", counter, -1, clubs);
  file.EndSection("COMPETITION");
}

void WriteCompetitionPart(CKLFile& file, const CompetitionRegistry& registry, int country,
                          std::span<const uint32_t> fallbackClubs, const ClubIdMapper& clubs) {
  constexpr int kSummaryTeams = 8;
  const auto* league =
      registry.Find<CDBLeague>(MakeCompetitionId(country, CompKind::LEAGUE, 0));
  const CDBCompetition* faCup =
      registry.FindCompetition(MakeCompetitionId(country, CompKind::FA_CUP, 0));
  file.BeginSection("COMPETITIONPART");
  if (league) {
    file.WriteString(league->Name());
    file.WriteString(faCup ? faCup->Name() : "");
  } else {
    file.WriteString(kTextFirstLeague);
    file.WriteString(kTextNationalCup);
  }
  for (int i = 0; i < kSummaryTeams; ++i) {
    uint32_t team = 0;
    if (league) team = league->GetTeam(i);
    else if (static_cast<size_t>(i) < fallbackClubs.size()) team = fallbackClubs[static_cast<size_t>(i)];
    file.WriteHex(team != 0 ? clubs.SavedClubId(team) : 0);
  }
  file.EndSection("COMPETITIONPART");
}

bool ReadCountryCompetitions(CKLFile& file, CompetitionRegistry& registry, int country) {
  registry.DeleteCountryCompetitions(country);
  auto* root = static_cast<CDBRoot*>(registry.RegisterCompetition(std::make_unique<CDBRoot>(country)));
  bool found = file.FindSection("COMPETITION");
  if (found) {
    // The country calendar is derived again by the editor; what reading marks is not kept.
    std::array<int32_t, kCalendarDays> scratch{};
    ReadCompetitionGroup(file, "COMP", scratch, root->Id(), registry);
    file.FindSectionEnd("COMPETITION");
  }
  root->RefreshCupIds();
  return found;
}

}  // namespace torvale
