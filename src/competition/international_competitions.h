#pragma once
// The international competitions: club competitions between countries and the national-team
// tournaments. They are not edited node by node; their structure comes from the game's
// script folder and is filed under the pseudo-country 250 every time a world is set up.
// Reading them also fills the framework calendars, the per-day tables that tell the calendar
// editor which days international events occupy.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "competition/competition_id.h"
#include "competition/competition_records.h"

namespace torvale {

class CompetitionRegistry;

// The root every international node (except the indoor tournament's) is owned by.
constexpr CompetitionId kInternationalRootId =
    MakeCompetitionId(kInternationalCountry, CompKind::ROOT, 0);

// The six framework calendars of a world. The second to fifth are filled from the structure
// files; the first and sixth are only cleared and handed to the calendar editor.
struct FrameworkCalendarIndex {
  enum : int {
    FIRST = 0,
    EUROPE = 1,
    SOUTH_AMERICA = 2,
    QUALI_EC = 3,
    WORLD_CUP = 4,
    SIXTH = 5,
  };
};
constexpr int kFrameworkCalendarCount = 6;

using FrameworkCalendar = std::array<int32_t, kCalendarDays>;

class FrameworkCalendars {
 public:
  void Clear();
  // Calendar `i` (0-5); an index outside that range gives the first calendar, so a damaged
  // caller still gets a table of the right size.
  std::span<int32_t, kCalendarDays> GetFrameworkCalendar(int i);
  std::span<const int32_t, kCalendarDays> GetFrameworkCalendar(int i) const;

  // The calendar a country's editor shows: the World Cup days, overlaid day by day by every
  // non-zero code of the country's continental calendar (continent 0 Europe, 1 and 2 South
  // America; the other continents see the World Cup days only).
  void BuildCountryCalendar(int continent, std::span<int32_t, kCalendarDays> out) const;

  bool operator==(const FrameworkCalendars&) const = default;

 private:
  std::array<FrameworkCalendar, kFrameworkCalendarCount> tables_{};
};

// The text of a framework calendar code in the calendar's "Int. Wettb." column; empty for a
// free day (0) and for codes that mean nothing.
std::string_view FrameworkCodeText(int32_t code);

// The structure files of the script folder, in loading order.
struct InternationalFile {
  std::string_view fileName;
  std::string_view sectionPrefix;
  int calendar;  // framework calendar filled; -1: a scratch table that is discarded
  bool ownedByRoot;
};
inline constexpr std::array<InternationalFile, 5> kInternationalFiles = {{
    {"EuropeanCup.txt", "EURO", FrameworkCalendarIndex::EUROPE, true},
    {"SouthAmCup.txt", "SOUTHAM", FrameworkCalendarIndex::SOUTH_AMERICA, true},
    {"QualiEC.txt", "QUALI_EC", FrameworkCalendarIndex::QUALI_EC, true},
    {"WC.txt", "WORLD_CUP", FrameworkCalendarIndex::WORLD_CUP, true},
    {"InDoor.txt", "INDOOR", -1, false},
}};

// Nodes read from each structure file, in the order of kInternationalFiles; -1 for a file
// that could not be opened (its competitions and calendar simply stay empty).
using InternationalLoadResult = std::array<int, kInternationalFiles.size()>;

// Replaces the international competitions of the registry by those of the structure files in
// `scriptFolder` and refills the framework calendars. The files carry no version section and
// predate the short-name lines, so they are read as data version 0x2004 revision 0: every
// short name becomes the first 16 characters of its name.
InternationalLoadResult LoadInternationalCompetitions(std::string_view scriptFolder,
                                                      CompetitionRegistry& registry,
                                                      FrameworkCalendars& calendars);

}  // namespace torvale
