#pragma once
// Whole worlds for tests: the sample installation's country index, cup allocations and
// international structure files, and a builder that fills countries with every kind of record
// the database files hold, in the order loading recreates them (so person ids come out the
// same after a save and a reload).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "competition/cup_allocation.h"
#include "database/save_error_reporter.h"
#include "database/world_database.h"

namespace torvale::testing {

// The sample installation's tables; worlds made with Environment() refer to them.
class TestDatabaseEnvironment {
 public:
  TestDatabaseEnvironment();
  const WorldEnvironment& Environment() const { return environment_; }
  // A world of 206 countries as CreateWorld makes it.
  std::unique_ptr<CWorldDatabase> NewWorld() const;

 private:
  CupAllocationTable allocations_;
  WorldEnvironment environment_;
};

// Collects the messages a save reports.
class RecordingSaveReporter final : public SaveErrorReporter {
 public:
  void ReportSaveError(int messageId) override { messages.push_back(messageId); }
  void ReportFilesNotWritten(const std::vector<std::string>& files) override { notWritten.push_back(files); }
  std::vector<int> messages;
  std::vector<std::vector<std::string>> notWritten;
};

// Fills `country` with a playable league system: 20 clubs (numbers 1-20) of three persons
// each in two leagues of ten with the English play-off between them, the three national cups,
// every matchday placed, referees, sponsors, staff, two stadiums, two additional managers, a
// player pool, notes of two lines and settings that differ from the defaults. `flavour` makes
// two countries differ.
void BuildPlayableCountry(CWorldDatabase& world, int country, int flavour);

// Two leagues of ten (clubs 1-10 and 11-20 of `country`, which must exist) with the English
// play-off between them, the three national cups, and every matchday placed.
void BuildPlayableLeagues(CCountry& country);
// Gives every matchday of the node a day, from `firstDay` on, `step` days apart.
void PlaceMatchdays(CDBCompetition& node, int firstDay, int step);

// A person of the world's table with a name, role and nationality; listed by `club` if given.
CPlayer& AddPerson(CWorldDatabase& world, std::string_view firstName, std::string_view surname,
                   int8_t role, uint8_t nationality, CClub* club = nullptr);

// File names and contents of every regular file directly in `folder`, sorted by name.
std::vector<std::pair<std::string, std::string>> FolderContents(const std::string& folder);
// The names of the files that differ between two FolderContents, for a readable failure.
std::vector<std::string> DifferingFiles(const std::vector<std::pair<std::string, std::string>>& a,
                                        const std::vector<std::pair<std::string, std::string>>& b);

}  // namespace torvale::testing
