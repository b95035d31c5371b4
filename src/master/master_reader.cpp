// The master file reader. A cursor walks the bytes; the first fault it meets is kept with its
// offset and every later read gives zeros, so the walkers read straight through and check
// the cursor where a decision depends on what was read.

#include "master/master_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <set>

#include "competition/competition_id.h"

namespace torvale {

namespace {

constexpr int kCountries = 206;
constexpr int kGroups = 64;
constexpr int kKinds = 5;
constexpr int kLanguages = 5;
constexpr int kMaxLinks = 10;
constexpr int kMaxLeagueTeams = 100;
constexpr int kMaxRounds = 255;
constexpr int kCupRoundSlots = 8;
constexpr int kLastCupDay = 399;
constexpr int kKindScottishSplit = 24;

class Cursor {
 public:
  Cursor(std::span<const uint8_t> bytes, size_t begin, size_t end) : bytes_(bytes), pos_(begin), end_(end) {}

  bool Ok() const { return error_.empty(); }
  const std::string& Error() const { return error_; }
  size_t Pos() const { return pos_; }
  size_t End() const { return end_; }
  size_t Left() const { return Ok() ? end_ - pos_ : 0; }

  void Fail(const std::string& what) {
    if (!Ok()) return;
    char at[48];
    std::snprintf(at, sizeof at, " (offset %zu)", pos_);
    error_ = what + at;
  }

  bool Need(size_t n, const char* what) {
    if (!Ok()) return false;
    if (n > end_ - pos_) {
      Fail(std::string("file ends inside ") + what);
      return false;
    }
    return true;
  }
  uint32_t U(size_t n, const char* what) {
    if (!Need(n, what)) return 0;
    uint32_t v = 0;
    for (size_t i = 0; i < n; ++i) v |= static_cast<uint32_t>(bytes_[pos_ + i]) << (8 * i);
    pos_ += n;
    return v;
  }
  uint8_t U8(const char* what) { return static_cast<uint8_t>(U(1, what)); }
  uint16_t U16(const char* what) { return static_cast<uint16_t>(U(2, what)); }
  uint32_t U32(const char* what) { return U(4, what); }
  int32_t I32(const char* what) { return static_cast<int32_t>(U(4, what)); }
  // The byte `ahead` bytes after the cursor; Need must have been checked.
  uint8_t Byte(size_t ahead) const { return bytes_[pos_ + ahead]; }
  void Skip(size_t n, const char* what) {
    if (Need(n, what)) pos_ += n;
  }
  std::string String(const char* what) {
    if (!Ok()) return {};
    for (size_t i = pos_; i < end_; ++i)
      if (bytes_[i] == 0) {
        std::string text(reinterpret_cast<const char*>(bytes_.data() + pos_), i - pos_);
        pos_ = i + 1;
        return text;
      }
    Fail(std::string("text without terminator in ") + what);
    return {};
  }
  // A count of records of at least `minBytes` each must fit into what is left.
  uint32_t Count(const char* what, size_t minBytes) {
    const uint32_t n = U32(what);
    if (Ok() && minBytes > 0 && n > Left() / minBytes) {
      Fail(std::string("count ") + std::to_string(n) + " of " + what + " does not fit the file");
      return 0;
    }
    return n;
  }
  void Expect(uint32_t got, uint32_t want, const char* what) {
    if (Ok() && got != want)
      Fail(std::string(what) + " is " + std::to_string(got) + ", expected " + std::to_string(want));
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t pos_;
  size_t end_;
  std::string error_;
};

// ---------------------------------------------------------------- persons, clubs, stadiums

void ReadPerson(Cursor& c, MasterVariant variant) {
  const bool pc = variant == MasterVariant::kPc;
  c.Skip(1 + 4 * 2, "person names");
  const uint8_t role = c.U8("person role");
  if (role == 0) {
    c.Skip(1 + 4 + 1 + 4 + 1 + 1 + 1 + 1 + 2 + 4 + 16 + 9, "player profile");
    c.Skip(5 + 1 + 1 + 2, "player appearance");
    c.Skip(6 + 8 + 4 + 3, "player career");
    const uint8_t status = c.U8("national team status");
    switch ((status >> 2) & 7) {
      case 1: c.Skip(pc ? 8 : 4, "season-start special"); break;
      case 2: c.Skip(pc ? 5 : 4, "season-start special"); break;
      case 3: c.Skip(4, "season-start special"); break;
      case 4: c.Skip(12, "season-start special"); break;
      default: break;
    }
    c.Skip(4 + 4 + 1 + (pc ? 3 : 0), "player preferences");
    const uint32_t speech = c.U32("speech file size");
    if (c.Ok() && (speech == 0 || (c.Need(speech, "speech file") && c.Byte(speech - 1) != 0)))
      c.Fail("speech file name without terminator");
    c.Skip(speech, "speech file");
  } else if (role == 1 || role == 2) {
    c.Skip(4 + 4 + 4 + 4 + 4 + 1, "manager data");
  } else if (role == 3) {
    c.Skip(1, "president data");
  }
}

void ReadStadium(Cursor& c) {
  c.String("stadium name");
  c.String("stadium town");
  c.Skip(2 + 24 * 4 + 2, "stadium places");
}

uint32_t ReadClub(Cursor& c, MasterVariant variant) {
  c.Skip(4 + 2 + 2, "club id");
  const int languages = variant == MasterVariant::kPc ? kLanguages : 1;
  for (int l = 0; l < languages; ++l) {
    for (const char* what : {"club name", "club short name", "club abbreviation", "club town"}) c.String(what);
    c.Skip(4, "club articles");
  }
  for (const char* what : {"fans' name", "second fans' name", "mascot"}) c.String(what);
  c.Skip(12 + 2 + 1 + 4 + 1 + 1, "club references and finances");
  for (const char* what : {"address", "phone", "website", "fan sites", "local newspaper"}) c.String(what);
  c.Skip(8 * 4, "club statistics");
  for (int i = 0; i < 8; ++i) c.String("title years");
  for (int i = 0; i < 5; ++i) {
    c.Skip(6, "record result");
    c.String("record opponent");
    c.Skip(2, "record season");
  }
  c.String("badge");
  c.Skip(3 + 7 + 8 + 2 * 15 + 2 + 1, "club colours, facilities, position and kits");
  c.String("city graphic");
  c.Skip(3, "club youth");
  ReadStadium(c);
  c.Skip(4, "alternative stadium");
  const uint32_t persons = c.Count("club persons", 10);
  for (uint32_t i = 0; i < persons && c.Ok(); ++i) ReadPerson(c, variant);
  return persons;
}

// ---------------------------------------------------------------- competitions

// Where a node can end, and the first successor its tail names there (0: none).
struct NodeEnd {
  size_t pos = 0;
  uint32_t firstSuccessor = 0;
};

// A node of a competition block as the walk took it.
struct BlockNode {
  uint32_t id = 0;
  uint32_t firstSuccessor = 0;
};

// Validates a link list and common tail; none when it cannot be one.
std::optional<NodeEnd> ReadTail(Cursor& c) {
  c.I32("competition level");
  const uint32_t predecessors = c.U32("predecessor count");
  if (!c.Ok() || predecessors > kMaxLinks) return std::nullopt;
  c.Skip(4 * predecessors, "predecessors");
  const uint32_t successors = c.U32("successor count");
  if (!c.Ok() || successors > kMaxLinks) return std::nullopt;
  const uint32_t firstSuccessor = successors > 0 ? c.U32("successors") : 0;
  c.Skip(4 * (successors - std::min(successors, 1u)), "successors");
  if (!c.Ok()) return std::nullopt;
  return NodeEnd{c.Pos(), firstSuccessor};
}

// Days of a node: the marked days ascending (day 0 can only be the first), then zeros.
bool ReadDays(Cursor& c, int count, int lastDay) {
  std::vector<uint16_t> days(static_cast<size_t>(std::max(count, 0)));
  for (uint16_t& day : days) day = c.U16("matchday days");
  if (!c.Ok()) return false;
  size_t i = 0;
  int previous = -1;
  for (; i < days.size(); ++i) {
    if (days[i] == 0 && i > 0) break;
    if (days[i] > lastDay || static_cast<int>(days[i]) <= previous) return false;
    previous = days[i];
  }
  for (; i < days.size(); ++i)
    if (days[i] != 0) return false;
  return true;
}

// The positions where the node starting at `c` can end (cups can end in several places: their
// round count comes from the cup allocation table, which the file does not hold).
std::vector<NodeEnd> NodeEnds(std::span<const uint8_t> bytes, size_t begin, size_t end) {
  std::vector<NodeEnd> ends;
  auto add = [&ends](std::optional<NodeEnd> tail) {
    if (tail) ends.push_back(*tail);
  };
  Cursor c(bytes, begin, end);
  const uint32_t id = c.U32("competition id");
  const uint16_t type = c.U16("competition type");
  if (!c.Ok()) return ends;
  if (type == 1) {
    c.String("league name");
    const int32_t teams = c.I32("league size");
    c.I32("league level");
    c.Skip(2, "league rules");
    const int32_t rounds = c.I32("league rounds");
    c.Skip(8, "league multipliers");
    const uint32_t listed = c.U32("league team count");
    if (!c.Ok() || teams < 0 || teams > kMaxLeagueTeams || rounds < 0 || rounds > kMaxRounds ||
        listed > kMaxLeagueTeams)
      return ends;
    c.Skip(4 * listed, "league teams");
    const int even = static_cast<uint16_t>(teams + 1) & 0xFFFE;
    const int matchdays = ((id >> 16) & 0xFF) == kKindScottishSplit ? 5 : std::max((even - 1) * rounds, 0);
    if (!ReadDays(c, matchdays, 364)) return ends;
    c.Skip(static_cast<size_t>(matchdays) * static_cast<size_t>(teams / 2) * 2, "fixture grid");
    c.Skip(16, "league money");
    add(ReadTail(c));
  } else if (type == 3) {
    c.String("cup name");
    c.I32("cup allocation");
    if (!c.Ok()) return ends;
    const size_t afterHead = c.Pos();
    for (int rounds = 0; rounds <= kCupRoundSlots; ++rounds)
      for (int matchdays = rounds; matchdays <= 2 * rounds; ++matchdays) {
        Cursor t(bytes, afterHead, end);
        if (!ReadDays(t, matchdays, kLastCupDay)) continue;
        t.Skip(static_cast<size_t>(rounds) * 16, "cup money");
        add(ReadTail(t));
      }
  } else if (type == 4) {
    c.String("round name");
    c.Skip(4 + 2 + 4 + 2 + 4 + 16, "round data");
    add(ReadTail(c));
  } else if (type == 5) {
    c.Skip(4 + 4 + 2, "pool parameters");
    const uint32_t checked = c.U32("pool competitions");
    if (!c.Ok() || checked > 3) return ends;
    c.Skip(12, "pool competitions");
    add(ReadTail(c));
  }
  std::sort(ends.begin(), ends.end(), [](const NodeEnd& a, const NodeEnd& b) { return a.pos < b.pos; });
  ends.erase(std::unique(ends.begin(), ends.end(), [](const NodeEnd& a, const NodeEnd& b) { return a.pos == b.pos; }),
             ends.end());
  return ends;
}

// The nodes that fill [begin, end) exactly; none when no sequence does. A depth-first walk
// over the possible node ends with its own stack (a block can hold any number of nodes),
// remembering the positions from which no sequence reaches the end.
std::optional<std::vector<BlockNode>> WalkNodes(std::span<const uint8_t> bytes, size_t begin, size_t end) {
  struct Frame {
    size_t pos;
    std::vector<NodeEnd> ends;
    size_t next = 0;
  };
  std::set<size_t> deadEnds;
  std::vector<Frame> stack;
  stack.push_back({begin, NodeEnds(bytes, begin, end)});
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.pos == end) {
      std::vector<BlockNode> nodes;
      for (size_t i = 0; i + 1 < stack.size(); ++i) {
        Cursor id(bytes, stack[i].pos, end);
        nodes.push_back({id.U32("competition id"), stack[i].ends[stack[i].next - 1].firstSuccessor});
      }
      return nodes;
    }
    if (top.next < top.ends.size()) {
      const size_t next = top.ends[top.next++].pos;
      if (deadEnds.contains(next)) continue;
      std::vector<NodeEnd> ends = next == end ? std::vector<NodeEnd>{} : NodeEnds(bytes, next, end);
      stack.push_back({next, std::move(ends)});
      continue;
    }
    deadEnds.insert(top.pos);
    stack.pop_back();
  }
  return std::nullopt;
}

std::string Hex(uint32_t id) {
  char text[16];
  std::snprintf(text, sizeof text, "%08x", id);
  return text;
}

// The order the game reads a country's competitions in: the leagues by index; then, for every
// league whose first successor is set, in league order, that competition (a play-off following
// two leagues comes twice); then the national cups in their fixed order, each at most once.
// Empty when the block keeps it, else what is out of place.
std::string CheckBlockOrder(const std::vector<BlockNode>& nodes) {
  size_t i = 0;
  int lastLeague = -1;
  std::vector<BlockNode> leagues;
  for (; i < nodes.size() && CompetitionKindOf(nodes[i].id) == CompKind::LEAGUE &&
         CompetitionIndex(nodes[i].id) > lastLeague;
       ++i) {
    lastLeague = CompetitionIndex(nodes[i].id);
    leagues.push_back(nodes[i]);
  }
  for (const BlockNode& league : leagues) {
    if (league.firstSuccessor == 0) continue;
    if (i >= nodes.size() || nodes[i].id != league.firstSuccessor)
      return "the play-off " + Hex(league.firstSuccessor) + " of league " + Hex(league.id) + " is missing";
    ++i;
  }
  constexpr std::array<int, 5> kCupOrder = {CompKind::FA_CUP, CompKind::LE_CUP, CompKind::CONFERENCE_CUP,
                                            CompKind::CHALLENGE_SHIELD, CompKind::SUPERCUP};
  size_t cup = 0;
  for (; i < nodes.size(); ++i) {
    const auto* at = std::find(kCupOrder.begin() + static_cast<std::ptrdiff_t>(cup), kCupOrder.end(),
                               CompetitionKindOf(nodes[i].id));
    if (at == kCupOrder.end() || CompetitionIndex(nodes[i].id) != 0)
      return "competition " + Hex(nodes[i].id) + " is out of place";
    cup = static_cast<size_t>(at - kCupOrder.begin()) + 1;
  }
  return {};
}

std::vector<uint32_t> ReadCompetitionBlock(Cursor& c, std::span<const uint8_t> bytes) {
  const uint32_t size = c.U32("competition block size");
  if (!c.Ok()) return {};
  if (size < 6 || size > c.Left()) {
    c.Fail("competition block size " + std::to_string(size) + " does not fit");
    return {};
  }
  const size_t begin = c.Pos();
  const size_t nodesEnd = begin + size - 6;
  std::optional<std::vector<BlockNode>> nodes = WalkNodes(bytes, begin, nodesEnd);
  if (!nodes) {
    c.Fail("competition records do not fill their block of " + std::to_string(size) + " bytes");
    return {};
  }
  if (const std::string misplaced = CheckBlockOrder(*nodes); !misplaced.empty()) {
    c.Fail("competition block: " + misplaced);
    return {};
  }
  c.Skip(size - 6, "competitions");
  c.Expect(c.U32("competition block end"), 0, "word after the competitions");
  c.Expect(c.U16("competition block end"), 0, "half-word after the competitions");
  std::vector<uint32_t> ids;
  for (const BlockNode& node : *nodes) ids.push_back(node.id);
  return ids;
}

// ---------------------------------------------------------------- the country record

void ReadCountry(Cursor& c, std::span<const uint8_t> bytes, MasterVariant variant, MasterCountryInfo& info) {
  const bool pc = variant == MasterVariant::kPc;
  const size_t start = c.Pos();
  info.offset = static_cast<uint32_t>(start);
  uint32_t restSize = 0;
  if (pc) restSize = c.U32("country record size");
  const size_t restStart = c.Pos();
  if (pc && c.Ok() && restSize > c.Left()) {
    c.Fail("country record size " + std::to_string(restSize) + " runs past the end of the file");
    return;
  }
  for (int l = 0; l < (pc ? kLanguages : 1); ++l) c.String("country short name");
  c.Skip(2, "continent");
  c.String("federation name");
  c.Skip(pc ? 8 : 4, "languages");
  c.Skip(4 + 1 + 2 + 2 + 4 + 6 + 15, "country rules");
  c.Skip(4 + 1 + 4 + 4 + 5, "cup modes");
  c.Skip(pc ? 20 + 2 + 8 : 20 + 2 + 2, "youth and titles");
  c.Skip(12 + 1 + 8, "country values");
  const uint32_t clubs = c.Count("country clubs", 40);
  const uint32_t summary = pc ? 8 : 6;
  if (clubs >= summary) {
    c.String("first league name");
    c.String("national cup name");
    c.Skip(4 * summary, "first teams");
  }
  if (pc) c.Skip(8, "first league factors");
  info.clubs = clubs;
  for (uint32_t i = 0; i < clubs && c.Ok(); ++i) info.persons += ReadClub(c, variant);
  if (pc) info.persons += ReadClub(c, variant);
  info.competitionIds = ReadCompetitionBlock(c, bytes);
  info.competitions = static_cast<uint32_t>(info.competitionIds.size());
  info.referees = c.Count("referees", 6);
  c.Skip(static_cast<size_t>(info.referees) * 6, "referees");
  info.staff = c.Count("staff", 7);
  c.Skip(static_cast<size_t>(info.staff) * 7, "staff");
  c.Expect(c.U32("spare word"), 0, "word after the staff");
  info.poolEntries = c.Count("player pool", 13);
  c.Skip(static_cast<size_t>(info.poolEntries) * 13, "player pool");
  ReadStadium(c);
  info.additionalManagers = c.Count("additional managers", 10);
  for (uint32_t i = 0; i < info.additionalManagers && c.Ok(); ++i) ReadPerson(c, variant);
  info.persons += info.additionalManagers;
  if (pc && c.Ok() && c.Pos() - restStart != restSize)
    c.Fail("country record size says " + std::to_string(restSize) + " bytes, the record has " +
           std::to_string(c.Pos() - restStart));
  info.recordSize = static_cast<uint32_t>(c.Pos() - start);
}

void ReadNameList(Cursor& c, std::span<const uint8_t> bytes, MasterNameListInfo& info) {
  const uint32_t size = c.U32("name list size");
  const uint32_t blockSize = c.U32("name list block size");
  c.Expect(blockSize, size, "name list block size");
  if (!c.Ok()) return;
  if (size < 12 || size > c.Left()) {
    c.Fail("name list size " + std::to_string(size) + " does not fit");
    return;
  }
  info.size = size;
  Cursor list(bytes, c.Pos(), c.Pos() + size);
  info.names = list.Count("names", 9);
  info.fileNames = list.U32("file name count");
  list.Expect(list.U32("name list spare"), 0, "name list spare word");
  for (uint32_t i = 0; i < info.names && list.Ok(); ++i) {
    list.Expect(list.U32("name index"), i, "name index");
    list.String("name");
    list.U32("name use count");
  }
  if (list.Ok() && list.Left() != 0)
    list.Fail(std::to_string(list.Left()) + " bytes left over in a name list");
  if (!list.Ok()) {
    c.Fail("name list " + std::to_string(info.group) + "/" + std::to_string(info.kind) + ": " + list.Error());
    return;
  }
  c.Skip(size, "name list");
}

void ReadRules(Cursor& c, MasterVariant /*variant*/, MasterRulesInfo& rules) {
  for (int i = 0; i < 4 * kLanguages; ++i) rules.cupNames.push_back(c.String("cup name"));
  for (uint32_t& v : rules.titleHolders) v = c.U32("title holder");
  for (uint32_t& v : rules.finalVenues) v = c.U32("final venue");
  for (uint32_t& v : rules.furtherClubs) v = c.U32("further club");
  for (int32_t& v : rules.matchRules) v = c.I32("match rule");
  rules.spare = c.I32("rules spare");
  rules.friendlySubstitutions = c.I32("substitutions");
}

std::optional<MasterFileInfo> ReadVariant(std::span<const uint8_t> bytes, MasterVariant variant, std::string& error,
                                          size_t& reached) {
  MasterFileInfo info;
  info.variant = variant;
  Cursor c(bytes, 0, bytes.size());
  info.sizeWord = c.U32("size word");
  if (c.Ok() && info.sizeWord != bytes.size()) {
    c.Fail("size word " + std::to_string(info.sizeWord) + " does not match the file length " +
           std::to_string(bytes.size()));
  }
  for (int n = 0; n < kCountries && c.Ok(); ++n) {
    MasterCountryHeader header;
    header.leagueCount = c.U8("country header");
    for (int l = 0; l < (variant == MasterVariant::kPc ? kLanguages : 1); ++l)
      header.names.push_back(c.String("country name"));
    info.headers.push_back(std::move(header));
  }
  for (int g = 0; g < kGroups && c.Ok(); ++g)
    for (int k = 0; k < kKinds && c.Ok(); ++k) {
      MasterNameListInfo list;
      list.group = g;
      list.kind = k;
      ReadNameList(c, bytes, list);
      info.nameLists.push_back(list);
    }
  ReadRules(c, variant, info.rules);
  for (int n = 1; n <= kCountries && c.Ok(); ++n) {
    MasterCountryInfo country;
    country.number = n;
    ReadCountry(c, bytes, variant, country);
    if (!c.Ok()) {
      error = "country " + std::to_string(n) + ": " + c.Error();
      reached = c.Pos();
      return std::nullopt;
    }
    info.countries.push_back(country);
  }
  if (c.Ok() && c.Left() != 0) c.Fail(std::to_string(c.Left()) + " bytes left over after the last country");
  if (!c.Ok()) {
    error = c.Error();
    reached = c.Pos();
    return std::nullopt;
  }
  return info;
}

}  // namespace

std::optional<MasterFileInfo> ReadMasterFile(std::span<const uint8_t> bytes, std::string* error,
                                             std::optional<MasterVariant> variant) {
  std::string pcError, ps2Error;
  size_t pcReached = 0, ps2Reached = 0;
  if (!variant || *variant == MasterVariant::kPc)
    if (auto info = ReadVariant(bytes, MasterVariant::kPc, pcError, pcReached)) return info;
  if (!variant || *variant == MasterVariant::kPs2)
    if (auto info = ReadVariant(bytes, MasterVariant::kPs2, ps2Error, ps2Reached)) return info;
  if (error) {
    if (variant) *error = *variant == MasterVariant::kPc ? pcError : ps2Error;
    else *error = ps2Reached > pcReached ? "(console layout) " + ps2Error : pcError;
  }
  return std::nullopt;
}

}  // namespace torvale
