#include "competition/international_competitions.h"

#include <algorithm>
#include <memory>

#include "competition/competition_registry.h"
#include "competition/competition_tree.h"
#include "platform/path.h"
#include "storage/record_stream.h"

namespace torvale {

namespace {

// The structure files were written before competition records had a short-name line; read
// as this version, the node readers take the short names from the names instead.
constexpr uint32_t kStructureFileVersion = 0x20040000;

bool ValidCalendarIndex(int i) { return i >= 0 && i < kFrameworkCalendarCount; }

}  // namespace

void FrameworkCalendars::Clear() {
  for (FrameworkCalendar& table : tables_) table.fill(0);
}

std::span<int32_t, kCalendarDays> FrameworkCalendars::GetFrameworkCalendar(int i) {
  return tables_[static_cast<size_t>(ValidCalendarIndex(i) ? i : 0)];
}

std::span<const int32_t, kCalendarDays> FrameworkCalendars::GetFrameworkCalendar(int i) const {
  return tables_[static_cast<size_t>(ValidCalendarIndex(i) ? i : 0)];
}

void FrameworkCalendars::BuildCountryCalendar(int continent,
                                              std::span<int32_t, kCalendarDays> out) const {
  auto worldCup = GetFrameworkCalendar(FrameworkCalendarIndex::WORLD_CUP);
  std::copy(worldCup.begin(), worldCup.end(), out.begin());
  int continental = -1;
  if (continent == 0) continental = FrameworkCalendarIndex::EUROPE;
  else if (continent == 1 || continent == 2) continental = FrameworkCalendarIndex::SOUTH_AMERICA;
  if (continental < 0) return;
  auto overlay = GetFrameworkCalendar(continental);
  for (size_t d = 0; d < overlay.size(); ++d)
    if (overlay[d] != 0) out[d] = overlay[d];
}

std::string_view FrameworkCodeText(int32_t code) {
  switch (code) {
    case 1: return "Qualifikation";
    case 2: return "1. Runde";
    case 3: return "2. Runde";
    case 4: return "3. Runde";
    case 5: return "4. Runde";
    case 6: return "Vorrunde";
    case 7: return "Achtelfinale";
    case 8: return "Viertelfinale";
    case 9: return "Halbfinale";
    case 10: return "Finale";
    case 11: return "Halle";
    case 12: return "Gruppenspiele 1.Runde";
    case 13: return "Gruppenspiele 2.Runde";
    case CalendarCode::NATIONAL_TEAMS: return "Nationalmannschaft";
    case CalendarCode::EURO_SUPERCUP: return "Finale Euro.Supercup";
    case CalendarCode::CHAMPIONS_FINAL: return "Finale Meisterrunde";
    case CalendarCode::UEFA_FINAL: return "Finale Europapokal";
    case CalendarCode::TOYOTA: return "Finale Weltpokal";
    case CalendarCode::UIC: return "ITCup";
    default: return {};
  }
}

InternationalLoadResult LoadInternationalCompetitions(std::string_view scriptFolder,
                                                      CompetitionRegistry& registry,
                                                      FrameworkCalendars& calendars) {
  calendars.Clear();
  registry.DeleteCountryCompetitions(kInternationalCountry);
  registry.RegisterCompetition(std::make_unique<CDBRoot>(kInternationalCountry));

  InternationalLoadResult result;
  result.fill(-1);
  for (size_t i = 0; i < kInternationalFiles.size(); ++i) {
    const InternationalFile& source = kInternationalFiles[i];
    CKLFile file;
    if (!file.OpenRead(JoinPath(scriptFolder, source.fileName))) continue;
    file.SetLoadedVersion(kStructureFileVersion);
    // The indoor tournament's days are no framework event; its marks go to a table that is
    // thrown away.
    FrameworkCalendar scratch{};
    std::span<int32_t> calendar =
        source.calendar >= 0 ? std::span<int32_t>(calendars.GetFrameworkCalendar(source.calendar))
                             : std::span<int32_t>(scratch);
    CompetitionId owner = source.ownedByRoot ? kInternationalRootId : 0;
    result[i] = ReadCompetitionGroup(file, source.sectionPrefix, calendar, owner, registry);
    file.Close();
  }
  return result;
}

}  // namespace torvale
