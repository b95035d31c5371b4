// The international structure files come from the game's script folder, which users edit by
// hand: read arbitrary bytes under every section prefix the way the loader does, and check
// that the calendars only ever receive the codes of the framework calendar. As in the loader,
// the registry knows a cup allocation table, and the indoor tournament is read without an
// owner into a calendar that is thrown away.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "competition/competition_registry.h"
#include "competition/cup_allocation.h"
#include "competition/international_competitions.h"
#include "storage/record_stream.h"

namespace {

using namespace torvale;

bool KnownCode(int32_t code) {
  return (code >= 0 && code <= 13) || (code >= CalendarCode::NATIONAL_TEAMS && code <= CalendarCode::UIC);
}

// A small allocation table of the game's form: one cup of two rounds with one entry rule.
const CupAllocationTable& Allocations() {
  static const CupAllocationTable table = [] {
    CupAllocationTable loaded;
    CKLFile file;
    file.OpenReadFromMemory(
        "1\r\n%INDEX%CUP1\r\n2\r\n"
        "{ 1, 2, 4, 0, 0, 0, ROUND_SEMIFINAL, BEG_WITH_EXTRA_TIME, BEG_WITH_PENALTY }\r\n"
        "{ 2, 0, 2, 0, 0, 0, ROUND_FINAL, BEG_WITH_EXTRA_TIME, BEG_WITH_PENALTY }\r\n"
        "1\r\nGET_TAB_LEVEL_X_TO_Y\r\n0\r\n1\r\n4\r\n%INDEXEND%CUP1\r\n");
    loaded.LoadCupAllocations(file);
    return loaded;
  }();
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  CompetitionRegistry registry;
  registry.SetCupAllocations(&Allocations());
  registry.RegisterCompetition(std::make_unique<CDBRoot>(kInternationalCountry));
  for (const InternationalFile& source : kInternationalFiles) {
    CKLFile file;
    file.OpenReadFromMemory(input);
    file.SetLoadedVersion(0x20040000);
    std::array<int32_t, kCalendarDays> calendar{};
    const CompetitionId owner = source.ownedByRoot ? kInternationalRootId : 0;
    ReadCompetitionGroup(file, source.sectionPrefix, calendar, owner, registry);
    if (source.calendar < 0) continue;  // the indoor days are no framework event
    for (int32_t code : calendar)
      if (!KnownCode(code)) std::abort();
  }
  return 0;
}
