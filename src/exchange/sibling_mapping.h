#pragma once
// What the four expert commands that map the world to the sibling game Vela share: the clubs
// and persons they walk, their outcome, the texts their dialogs show, and the report file each
// of them writes.
//
// The commands match clubs and persons by name against lists exported from Vela and write
// Vela's numbers into the records (club ids, player ids, and the ready-made head numbers
// of the console and PC editions).

#include <functional>
#include <string>
#include <string_view>

namespace torvale {

class CClub;
class CPlayer;
class CWorldDatabase;

// Every club of the countries 1-206, the amateur clubs included.
void ForEachMappedClub(CWorldDatabase& world, const std::function<void(CClub&)>& visit);
// Every person listed by a club, except those of the countries' amateur clubs (they are not
// part of any squad the sibling game knows). A person listed twice is visited twice.
void ForEachMappedPerson(CWorldDatabase& world, const std::function<void(CPlayer&)>& visit);

enum class MappingResult {
  kMapped,            // the world is mapped and the report (when asked for) written
  kReportNotWritten,  // the world is mapped, but the report file could not be made
  kNoList,            // the list is empty (missing file): nothing was changed
  kNoWorld,           // there is no world to map
};

inline bool Mapped(MappingResult result) {
  return result == MappingResult::kMapped || result == MappingResult::kReportNotWritten;
}

// The four commands of the expert menu.
enum class MappingCommand { kClubIds, kPlayerIds, kConsoleFaces, kVelaFaces };

// Each command first asks its question with Yes / No / Cancel: Yes overwrites the numbers of
// unrecognised entries with 0, No keeps them, Cancel stops. Then it asks for the report file.
struct MappingCommandTexts {
  const char* question;
  const char* finished;  // shown when the command has mapped the world
};
MappingCommandTexts TextsOf(MappingCommand command);

// The message a command ends with.
std::string_view MappingFinalText(MappingCommand command, MappingResult result);

// The save dialog that asks for the report file.
constexpr const char* kReportDialogTitle = "Select report outputfile";
constexpr const char* kReportDefaultExtension = "txt";
constexpr const char* kReportFilter = "Text files|*.txt|All files|*.*||";

// Writes a finished report to `path` in one piece (or not at all). kMapped, or
// kReportNotWritten when the file cannot be made; no path asks for no report.
MappingResult FinishReport(std::string_view report, std::string_view path);

}  // namespace torvale
