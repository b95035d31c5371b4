#pragma once
// RECORD: one of a club's record results (highest home win, worst away defeat, ...) or its
// attendance record, with the opponent and the season it happened in.

#include <cstdint>
#include <string>
#include <string_view>

namespace torvale {

class CKLFile;

struct RECORD {
  uint8_t goalsFor = 0;
  uint8_t goalsAgainst = 0;
  int32_t value = 0;  // attendance, for the attendance record only
  std::string opponent;
  int16_t season = 0;

  friend bool operator==(const RECORD&, const RECORD&) = default;
};

bool WriteRecordResult(CKLFile& file, const RECORD& record);
// Leaves `record` unchanged when the section is missing.
bool ReadRecordResult(CKLFile& file, RECORD& record);

// The score as the editor shows it: "%d:%d", empty when both are 0.
std::string FormatRecordScore(const RECORD& record);
// Takes a score typed as "a:b" or "a-b": the club's goals before the separator, the
// opponent's after ":" (or after "-" when there is no ":"). Goals outside 0-255 are clamped.
void ParseRecordScore(std::string_view text, RECORD& record);
// The attendance record: "%d", empty when 0; parsing takes the one number.
std::string FormatRecordAttendance(const RECORD& record);
void ParseRecordAttendance(std::string_view text, RECORD& record);

}  // namespace torvale
