// The international structure files come from the game's script folder, which users edit by
// hand: read arbitrary bytes under every section prefix the way the loader does, and check
// that the calendars only ever receive the codes of the framework calendar.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "competition/competition_registry.h"
#include "competition/international_competitions.h"
#include "storage/record_stream.h"

namespace {

using namespace torvale;

bool KnownCode(int32_t code) {
  return (code >= 0 && code <= 13) || (code >= CalendarCode::NATIONAL_TEAMS && code <= CalendarCode::UIC);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  CompetitionRegistry registry;
  registry.RegisterCompetition(std::make_unique<CDBRoot>(kInternationalCountry));
  for (const InternationalFile& source : kInternationalFiles) {
    CKLFile file;
    file.OpenReadFromMemory(input);
    file.SetLoadedVersion(0x20040000);
    std::array<int32_t, kCalendarDays> calendar{};
    ReadCompetitionGroup(file, source.sectionPrefix, calendar, kInternationalRootId, registry);
    for (int32_t code : calendar)
      if (!KnownCode(code)) std::abort();
  }
  return 0;
}
