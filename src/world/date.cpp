#include "world/date.h"

#include "storage/record_stream.h"

namespace torvale {

namespace {
// Day number of 1 March of year 0 less one: the origin of the March-based count.
constexpr int64_t kEpochOffset = 1721119;
}  // namespace

uint32_t JdnFromCivil(int32_t year, int32_t month, int32_t day) {
  int64_t y = year;
  int64_t m = month;
  if (m < 3) {
    m += 9;
    y -= 1;
  } else {
    m -= 3;
  }
  const int64_t c = y / 100;
  const int64_t r = y % 100;
  const int64_t jdn = (146097 * c) / 4 + (1461 * r) / 4 + (153 * m + 2) / 5 + day + kEpochOffset;
  return static_cast<uint32_t>(jdn);
}

CivilDate CivilFromJdn(uint32_t jdn) {
  // The inverse of JdnFromCivil for every day number of the Gregorian era.
  int64_t j = static_cast<int64_t>(jdn) - kEpochOffset;
  int64_t y = (4 * j - 1) / 146097;
  j = 4 * j - 1 - 146097 * y;
  int64_t d = j / 4;
  j = (4 * d + 3) / 1461;
  d = 4 * d + 3 - 1461 * j;
  d = (d + 4) / 4;
  int64_t m = (5 * d - 3) / 153;
  d = 5 * d - 3 - 153 * m;
  d = (d + 5) / 5;
  y = 100 * y + j;
  if (m < 10) {
    m += 3;
  } else {
    m -= 9;
    y += 1;
  }
  return CivilDate{static_cast<int32_t>(y), static_cast<int32_t>(m), static_cast<int32_t>(d)};
}

int32_t DATE::AgeAt(DATE reference) const {
  const CivilDate born = Civil();
  const CivilDate now = reference.Civil();
  int32_t years = now.year - born.year;
  if (now.month < born.month || (now.month == born.month && now.day < born.day)) --years;
  return years;
}

bool WriteDate(CKLFile& file, DATE date) {
  // "No date" is written as 0/0/0 so that it comes back as no date; converting day number 0
  // to the calendar would give a year far outside the range the reader accepts, which it
  // would then turn into a real day of the year 2000.
  CivilDate civil{0, 0, 0};
  if (!date.IsNone()) civil = date.Civil();
  bool ok = file.BeginSection("DATE");
  ok = file.WriteInt(civil.day) && ok;
  ok = file.WriteInt(civil.month) && ok;
  ok = file.WriteInt(static_cast<int16_t>(civil.year)) && ok;
  return file.EndSection("DATE") && ok;
}

bool ReadDate(CKLFile& file, DATE& date) {
  if (!file.FindSection("DATE")) return false;
  int32_t day = 1;
  int32_t month = 1;
  int32_t year = 2000;
  const bool hasDay = file.ReadInt(day);
  const bool hasMonth = file.ReadInt(month);
  const bool hasYear = file.ReadInt(year);
  if (!hasDay) day = 1;
  if (!hasMonth) month = 1;
  if (!hasYear) year = 2000;
  file.FindSectionEnd("DATE");
  if (hasDay && hasMonth && hasYear && day == 0 && month == 0 && year == 0) {
    date = DATE();
    return true;
  }
  if (year < 1700 || year > 2100) year = 2000;
  if (month < 1 || month > 12) month = 1;
  if (day < 1 || day > 31) day = 1;
  date = DATE::FromCivil(year, month, day);
  return true;
}

}  // namespace torvale
