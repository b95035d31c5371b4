#include "master/master_batch.h"

#include <cstdio>
#include <memory>

#include "competition/cup_allocation.h"
#include "assets/badge_path.h"
#include "assets/big_archive.h"
#include "exchange/global_tools.h"
#include "exchange/name_pool.h"
#include "master/rules_master.h"
#include "platform/command_line.h"
#include "platform/path.h"
#include "platform/pc/file.h"
#include "database/world_database.h"
#include "database/world_manager.h"
#include "world/sibling_lookup.h"

namespace torvale {

namespace {

constexpr int kTrimCountry = 14;
constexpr int kTrimLimit = 100;
constexpr const char* kDatabaseFolder = "database";

}  // namespace

WorldDatabaseMasterView::WorldDatabaseMasterView(CWorldDatabase& world, std::string databasePath)
    : world_(world), databasePath_(std::move(databasePath)) {}

WorldDatabaseMasterView::~WorldDatabaseMasterView() = default;

const CCountry* WorldDatabaseMasterView::Country(int number) const { return world_.Country(number); }
const CPersonTable* WorldDatabaseMasterView::Persons() const { return &world_.Persons(); }

CNamePool& WorldDatabaseMasterView::NamePool() {
  if (CNamePool* pool = world_.NamePool()) return *pool;
  if (!spare_) spare_ = std::make_unique<CNamePool>(0, 0);
  return *spare_;
}

void WorldDatabaseMasterView::SetLanguage(int language) { world_.SetLanguage(static_cast<uint8_t>(language)); }
const ClubIdMapper& WorldDatabaseMasterView::ClubIds() const { return world_; }
const CountryLanguageLookup& WorldDatabaseMasterView::CountryLanguages() const { return world_; }

void WorldDatabaseMasterView::WriteRulesMaster(CMasterWriter& writer, uint32_t flags) const {
  torvale::WriteRulesMaster(writer, MakeMasterRules(world_.Rules(), flags, world_, world_));
}

bool IsArchiveBadgeMissing(CQZBig& archive, std::string_view badgeFolder, std::string_view badge) {
  if (badge.empty()) return false;
  // A path that could lead out of the badge folder, by its spelling or through a link, names
  // no badge, whatever the archive holds.
  if (!IsConfinedName(badge)) return true;
  const std::string inFolder = ConfinedPath(badgeFolder, badge);
  if (inFolder.empty()) return !badgeFolder.empty();
  if (FileExists(inFolder)) return false;
  return archive.IsOpen() && archive.FindEntry(BadgeArchiveName(badge)) < 0;
}

MasterBuildResult BuildMasterBatch(int language, uint32_t flags) {
  // The game's folders below the working folder (the install folder, or the "path" override).
  const std::string appFolder = NormalizePath(GetWorkingDirectory().value_or("."));
  CupAllocationTable cupAllocations;
  cupAllocations.LoadCupAllocations(JoinPath(appFolder, "script"));
  // The sibling game's lists (for old files and the console's star heads), the badge archive
  // and the name generator; anything missing stays empty.
  CGlobalTools tools;
  tools.Init(appFolder);
  const SiblingGameLookup& sibling = tools.SiblingLists();

  WorldEnvironment environment;
  environment.countryIndexPath = JoinPath(appFolder, "database/countries.sav");
  environment.scriptFolder = JoinPath(appFolder, "script");
  environment.cupAllocations = &cupAllocations;
  environment.sibling = &sibling;
  WorldManager worlds(environment);
  worlds.SetActiveDatabasePath(kDatabaseFolder);
  CWorldDatabase* world = worlds.CreateWorld();
  if (!world) return MasterBuildResult::kWriteFailed;
  world->SetLanguage(static_cast<uint8_t>(language));
  LoadReport loadReport;
  world->Load(kDatabaseFolder, loadReport);
  // Missing files are normal for a database that holds only some countries; what was
  // unreadable, damaged or repaired is worth a line.
  LoadReport worthTelling;
  for (const LoadProblem& problem : loadReport.problems)
    if (problem.kind != LoadProblemKind::kMissing) worthTelling.problems.push_back(problem);
  PrintLoadReport(worthTelling, stderr);

  if ((flags & kMasterBuildKillData) != 0)
    if (CCountry* country = world->Country(kTrimCountry))
      // Master mode has no window: the refusal is printed where the build's lines go.
      TrimCountryClubs(*country, world->Competitions(), kTrimLimit, [](std::string_view message) {
        std::printf("%.*s\n", static_cast<int>(message.size()), message.data());
      });

  WorldDatabaseMasterView view(*world, kDatabaseFolder);
  MasterBuildOptions options;
  options.language = language;
  options.batch = true;
  options.flags = flags;
  MasterBuildTables tables;
  tables.sibling = &sibling;
  tables.badgeMissing = [&tools, world](std::string_view badge) {
    return IsArchiveBadgeMissing(tools.BadgeArchive(), JoinPath(world->AccessFolder(), "Badge"), badge);
  };
  SilentProgress progress;
  BatchPrompts prompts;
  const MasterBuildResult result = BuildMaster(view, options, tables, progress, prompts);
  // Names beyond a list's 16-bit index were written as blanks rather than as wrong names.
  if (const size_t refused = view.NamePool().RefusedNames(); refused > 0)
    std::fprintf(stderr, "Name lists full: %zu names left blank in the master file\n", refused);
  cupAllocations.FreeCupAllocations();
  return result;
}

}  // namespace torvale
