#pragma once
// CWorldDatabase: one open football world. It owns the 206 countries (slot 0 stays empty),
// the table of every person, the competition registry (with the team-selection rules the
// competitions share), the global rules, the players without club, the name pool of the
// master build and the framework calendars of the international competitions.
//
// On disk a world is a folder: "Country%d.sav" for 1..206, "Rules.sav" and "Without.sav",
// each a record stream. Loading reads them in the order the records need each other: the
// countries first (so the clubs exist), then the rules, whose club references are resolved
// against the loaded countries, then the players without club.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <string_view>

#include "competition/competition_registry.h"
#include "competition/international_competitions.h"
#include "database/load_report.h"
#include "world/club_id_mapper.h"
#include "world/country.h"
#include "world/global_rules.h"
#include "world/person_table.h"
#include "world/players_without_club.h"
#include "world/sibling_lookup.h"

namespace torvale {

class CNamePool;
class DatabaseCommit;
class CupAllocationTable;
class SaveBackupHook;
class SaveErrorReporter;

constexpr int kFirstCountry = 1;
constexpr int kLastCountry = 206;
constexpr int kCountrySlots = kLastCountry + 1;

// The process-wide tables and game folders a world reads from but does not own. The
// application fills one from the install folder; tests point it at their own files.
struct WorldEnvironment {
  // The country index a new world takes its countries' names, continents and languages from.
  std::string countryIndexPath = "database/countries.sav";
  // The game's script folder with the international structure files; empty: none are read.
  std::string scriptFolder;
  const CupAllocationTable* cupAllocations = nullptr;
  // The sibling game's lists for reading old files; null: nothing is found there.
  const SiblingGameLookup* sibling = nullptr;
};

// Where the main window's selection starts on each refresh.
struct StartingSelection {
  uint16_t continent = 0;
  uint16_t country = 14;
  uint16_t previousContinent = 0;
  friend bool operator==(const StartingSelection&, const StartingSelection&) = default;
};

class CWorldDatabase final : public CountryDirectory,
                             public CountryLanguageLookup,
                             public ClubIdMapper,
                             public StadiumReferenceLookup {
 public:
  explicit CWorldDatabase(WorldEnvironment environment = {});
  CWorldDatabase(const CWorldDatabase&) = delete;
  CWorldDatabase& operator=(const CWorldDatabase&) = delete;
  ~CWorldDatabase() override;

  // Empties the persons and the rules and sets the small settings to those of a new world;
  // the folder becomes "database".
  void Reset();
  // Destroys the countries, the players without club, the name pool and every competition.
  void Clear();
  // A world of 206 countries named from the country index, each with its amateur club and
  // competition root, plus the international competitions of the script folder.
  void InitEmptyWorld();

  // ---- folder ----
  // Stores the folder normalised (lower case, '/') for comparison and display; the badge
  // folder is "<folder>/Badge". Files are accessed under the folder as it was chosen
  // (AccessFolder): two folders whose names differ only in letter case are two databases.
  void SetFolder(std::string_view path);
  const std::string& Folder() const { return folder_; }
  const std::string& AccessFolder() const { return accessFolder_; }
  const std::string& BadgeFolder() const { return badgeFolder_; }
  // The last part of the folder: the database's name.
  std::string Name() const;

  // Reads the world from `path`. A missing country file leaves that country as it is. A save
  // that was interrupted in the folder is completed (or, when unfinished, undone) first, and
  // stale temporary files are removed. What the files lacked goes into `report` (and
  // LastLoadReport). Returns whether the players-without-club file could be read and no file
  // was unreadable.
  bool Load(std::string_view path, LoadReport& report);
  bool Load(std::string_view path);
  // What the last load met; after a successful save only the unreadable files, which a save
  // leaves alone, are still in it.
  const LoadReport& LastLoadReport() const { return lastLoadReport_; }
  // Writes every file into the folder as one commit: every file is written and synced under a
  // temporary name first, and only when all are complete do they replace the old ones, so
  // the folder holds either the old or the new database, even after a kill or a power cut.
  // When anything failed nothing is replaced and the reporter is told once (message 798).
  // A file that existed but could not be read at loading is never written (the reporter is
  // told which); the others are. Returns false when writing failed. With `backup`, the
  // folder's previous files are handed to it once every new file is staged and before any
  // replaces its old one (not when nothing changed); whatever the backup does, the save goes on.
  bool Save(SaveErrorReporter& reporter, SaveBackupHook* backup = nullptr) const;

  // Names of the files of the folder that existed but could not be read at the last load.
  const std::set<std::string>& UnreadableFiles() const { return unreadableFiles_; }
  // The user replaced country `number` as a whole (a copy from another world, an import):
  // its file is written again on saving even though it could not be read.
  void MarkCountryReplaced(int number);
  // Puts back which files were unreadable and what the load met, as a load left them (an
  // undo of an import that loaded another folder into this world).
  void RestoreLoadState(const std::set<std::string>& unreadable, const LoadReport& report);

  // ---- what the world owns ----
  bool IsLoaded() const { return loaded_ != 0; }
  CCountry* Country(int number);
  const CCountry* Country(int number) const;
  CPersonTable& Persons() { return persons_; }
  const CPersonTable& Persons() const { return persons_; }
  CompetitionRegistry& Competitions() { return competitions_; }
  const CompetitionRegistry& Competitions() const { return competitions_; }
  CGlobalRules& Rules() { return rules_; }
  const CGlobalRules& Rules() const { return rules_; }
  // Null before InitEmptyWorld and after Clear.
  CPlayersWithoutClub* PlayersWithoutClub() { return withoutClub_.get(); }
  const CPlayersWithoutClub* PlayersWithoutClub() const { return withoutClub_.get(); }
  CNamePool* NamePool() { return namePool_.get(); }
  FrameworkCalendars& Calendars() { return calendars_; }
  const FrameworkCalendars& Calendars() const { return calendars_; }
  const WorldEnvironment& Environment() const { return environment_; }

  // ---- small settings ----
  StartingSelection& Selection() { return selection_; }
  const StartingSelection& Selection() const { return selection_; }
  std::array<uint8_t, 12>& SpareBytesA() { return spareA_; }
  std::array<uint8_t, 12>& SpareBytesB() { return spareB_; }
  const std::array<uint8_t, 12>& SpareBytesA() const { return spareA_; }
  const std::array<uint8_t, 12>& SpareBytesB() const { return spareB_; }
  uint8_t Language() const { return language_; }
  // The database language 0-4; the countries name their clubs in it.
  void SetLanguage(uint8_t language);

  // The context the world gives each of its countries.
  CountryContext MakeCountryContext();
  // What reading persons needs: the sibling lists, the countries' languages, the draw.
  PlayerReadContext MakePlayerReadContext();

  // CountryDirectory
  const CCountry* FindCountry(int countryId) const override;
  // CountryLanguageLookup: the first spoken language of the country.
  uint8_t FirstLanguage(uint8_t countryId) const override;
  // ClubIdMapper: each club reference is renumbered by the country it names.
  uint32_t SavedClubId(uint32_t clubId) const override;
  // StadiumReferenceLookup
  int StadiumCount(int country) const override;
  int32_t SavedStadiumPosition(int country, int32_t number) const override;

  // Same countries with the same data, same persons without club, rules and settings: what
  // survives a save and a reload. Person ids are compared by the persons they name.
  bool SameData(const CWorldDatabase& other) const;

 private:
  void CreateCountries();
  void FillCountriesFromIndex();
  void CreateCountryBasics(CCountry& country);
  void RemoveWithoutClubPersons();
  // Opens a file of the folder for reading; a missing or unreadable one is reported (an
  // unreadable one also remembered). True when the file was read.
  bool OpenFolderFile(CKLFile& file, const std::string& name, const char* missingText, LoadReport& report);
  void LoadCountryFile(int number, LoadReport& report);
  void LoadRules(LoadReport& report, uint32_t& rulesVersion);
  bool LoadWithout(LoadReport& report, uint32_t rulesVersion);
  bool StageFiles(DatabaseCommit& commit) const;

  WorldEnvironment environment_;
  NoSiblingGameLists noSibling_;  // what reading uses without the sibling game's lists
  uint32_t loaded_ = 0;
  std::array<std::unique_ptr<CCountry>, kCountrySlots> countries_;
  CPersonTable persons_{*this};
  std::unique_ptr<CPlayersWithoutClub> withoutClub_;
  CGlobalRules rules_;
  std::unique_ptr<CNamePool> namePool_;
  CompetitionRegistry competitions_;
  StartingSelection selection_;
  std::array<uint8_t, 12> spareA_ = {};
  std::array<uint8_t, 12> spareB_ = {};
  uint8_t language_ = 0;
  // Emptied on every load; nothing in the editor fills it.
  std::map<uint32_t, uint32_t> secondMap_;
  std::string folder_;
  std::string accessFolder_;
  std::string badgeFolder_;
  std::set<std::string> unreadableFiles_;
  // Mutable: a successful save rewrites the files, so their load problems no longer hold.
  mutable LoadReport lastLoadReport_;
  FrameworkCalendars calendars_;
  // The draw that reading the oldest person records needs; fixed seed for repeatable loads.
  std::minstd_rand random_{20040701};
};

// The country whose file `name` of a database folder is ("Country14.sav" -> 14); 0 for the
// files of the world as a whole.
int CountryOfDatabaseFile(std::string_view name);

// Splits one line of the country index: fields separated by ',', empty fields skipped. The
// first name goes to every language, the k-th further name (k = 1..4) replaces language k.
std::array<std::string, kCountryLanguages> SplitCountryIndexNames(std::string_view line);

}  // namespace torvale
