#include "world/record_result.h"

#include <algorithm>

#include "storage/record_stream.h"

namespace torvale {

bool WriteRecordResult(CKLFile& file, const RECORD& record) {
  bool ok = file.BeginSection("RECORD");
  ok = file.WriteInt(static_cast<int8_t>(record.goalsFor)) && ok;
  ok = file.WriteInt(static_cast<int8_t>(record.goalsAgainst)) && ok;
  ok = file.WriteInt(record.value) && ok;
  ok = file.WriteString(record.opponent) && ok;
  ok = file.WriteInt(record.season) && ok;
  return file.EndSection("RECORD") && ok;
}

bool ReadRecordResult(CKLFile& file, RECORD& record) {
  if (!file.FindSection("RECORD")) return false;
  file.ReadInt(record.goalsFor);
  file.ReadInt(record.goalsAgainst);
  file.ReadInt(record.value);
  file.ReadString(record.opponent);
  file.ReadInt(record.season);
  file.FindSectionEnd("RECORD");
  return true;
}

std::string FormatRecordScore(const RECORD& record) {
  if (record.goalsFor == 0 && record.goalsAgainst == 0) return {};
  return std::to_string(record.goalsFor) + ":" + std::to_string(record.goalsAgainst);
}

namespace {
uint8_t GoalCount(std::string_view text) {
  return static_cast<uint8_t>(std::clamp(CKLFile::ParseInt(text), 0, 255));
}
}  // namespace

void ParseRecordScore(std::string_view text, RECORD& record) {
  record.goalsFor = GoalCount(text);
  size_t separator = text.find(':');
  // Skip a sign in front of the first number so that "-" is only taken as the separator.
  if (separator == std::string_view::npos) {
    const size_t start = text.find_first_not_of(" \t");
    separator = text.find('-', start == std::string_view::npos ? 0 : start + 1);
  }
  record.goalsAgainst =
      separator == std::string_view::npos ? 0 : GoalCount(text.substr(separator + 1));
}

std::string FormatRecordAttendance(const RECORD& record) {
  return record.value == 0 ? std::string() : std::to_string(record.value);
}

void ParseRecordAttendance(std::string_view text, RECORD& record) {
  record.value = CKLFile::ParseInt(text);
}

}  // namespace torvale
