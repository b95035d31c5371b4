#include "competition/competition_id.h"

#include <cstdio>

#include "competition/competition_keywords.h"

namespace torvale {

namespace {

// Leading decimal integer after blanks, with one optional sign; `pos` moves behind it.
int32_t ParseIntAt(std::string_view text, size_t& pos) {
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
  int64_t value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    if (value < 0x7FFFFFFF) value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  if (value > 0x7FFFFFFF) value = 0x7FFFFFFF;
  return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace

std::string_view CompetitionKindName(int kind) { return KeywordName(kCompetitionKindNames, kind); }

int CompetitionKindFromName(std::string_view field, int fallback) {
  return FindKeyword(kCompetitionKindNames, field, fallback);
}

std::string FormatCompetitionId(CompetitionId id, int countryOverride) {
  int country = countryOverride != -1 ? countryOverride
                                      : static_cast<int>(static_cast<int8_t>(id >> 24));
  std::string kind(CompetitionKindName(CompetitionKindOf(id)));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "{ %d, %s, %d }", country, kind.c_str(),
                CompetitionIndex(id));
  return buffer;
}

CompetitionId ParseCompetitionId(std::string_view text, size_t* consumed) {
  size_t pos = text.find('{');
  if (pos == std::string_view::npos) {
    if (consumed) *consumed = text.size();
    return 0;
  }
  ++pos;
  int32_t country = ParseIntAt(text, pos);
  size_t comma = text.find(',', pos);
  int kind = 0;
  int32_t index = 0;
  if (comma != std::string_view::npos) {
    pos = comma + 1;
    kind = CompetitionKindFromName(text.substr(pos), 0);
    comma = text.find(',', pos);
    if (comma != std::string_view::npos) {
      pos = comma + 1;
      index = ParseIntAt(text, pos);
    }
  }
  if (consumed) {
    size_t close = text.find('}', pos);
    *consumed = close == std::string_view::npos ? text.size() : close + 1;
  }
  return MakeCompetitionId(country & 0xFF, kind, index);
}

}  // namespace torvale
