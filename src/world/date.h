#pragma once
// DATE: a calendar day as a 32-bit Julian Day Number (1 January 2000 = 2451545); 0 means
// "no date". Persons' birth dates, the season-start special period and the federation
// president's birth date are stored this way; on disk a date is a "DATE" section of day,
// month and year.

#include <compare>
#include <cstdint>

namespace torvale {

class CKLFile;

struct CivilDate {
  int32_t year = 2000;
  int32_t month = 1;
  int32_t day = 1;
};

// The civil (Gregorian) calendar rule, March-based so that the leap day ends the year.
// The day is not checked against the month: 31 February counts on into March.
uint32_t JdnFromCivil(int32_t year, int32_t month, int32_t day);
CivilDate CivilFromJdn(uint32_t jdn);

struct DATE {
  uint32_t jdn = 0;

  constexpr DATE() = default;
  constexpr explicit DATE(uint32_t dayNumber) : jdn(dayNumber) {}
  static DATE FromCivil(int32_t year, int32_t month, int32_t day) {
    return DATE(JdnFromCivil(year, month, day));
  }

  bool IsNone() const { return jdn == 0; }
  CivilDate Civil() const { return CivilFromJdn(jdn); }
  int32_t Day() const { return Civil().day; }
  int32_t Month() const { return Civil().month; }
  int32_t Year() const { return Civil().year; }

  DATE AddDays(int32_t days) const { return DATE(static_cast<uint32_t>(static_cast<int64_t>(jdn) + days)); }
  // Whole years from this date (a birth date) to `reference`; a birthday on the reference
  // day counts. Negative when the reference lies before this date.
  int32_t AgeAt(DATE reference) const;

  friend constexpr auto operator<=>(DATE, DATE) = default;
};

// Negative, zero or positive as a is before, on or after b.
inline int CompareDates(DATE a, DATE b) { return a.jdn < b.jdn ? -1 : (a.jdn > b.jdn ? 1 : 0); }

// The "DATE" section: int32 day, int32 month, int16 year.
bool WriteDate(CKLFile& file, DATE date);
// Leaves `date` unchanged when the section is missing. Values out of range are repaired
// (year 1700-2100 else 2000, month 1-12 else 1, day 1-31 else 1) before the conversion.
bool ReadDate(CKLFile& file, DATE& date);

}  // namespace torvale
