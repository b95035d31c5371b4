#include "master/check_batch.h"

#include "assets/badge_lookup.h"
#include "competition/cup_allocation.h"
#include "database/world_database.h"
#include "exchange/global_tools.h"
#include "platform/path.h"

namespace torvale {

std::string CheckedDatabaseFolder(std::string_view installFolder, std::string_view pathFolder) {
  if (pathFolder.empty()) return JoinPath(installFolder, "database");
  const std::string inside = JoinPath(pathFolder, "database");
  return DirectoryExists(inside) ? inside : std::string(pathFolder);
}

DatabaseCheck CheckDatabaseBatch(std::string_view installFolder, std::string_view databaseFolder) {
  DatabaseCheck check;
  check.folder = std::string(databaseFolder);
  check.found = DirectoryExists(databaseFolder);
  if (!check.found) return check;

  CupAllocationTable cupAllocations;
  cupAllocations.LoadCupAllocations(JoinPath(installFolder, "script"));
  CGlobalTools tools;
  tools.Init(installFolder);
  tools.BadgeArchive().SetQuiet(true);
  WorldEnvironment environment;
  environment.countryIndexPath = JoinPath(installFolder, "database/countries.sav");
  environment.scriptFolder = JoinPath(installFolder, "script");
  environment.cupAllocations = &cupAllocations;
  environment.sibling = &tools.SiblingLists();
  CWorldDatabase world(environment);
  world.InitEmptyWorld();
  world.Load(databaseFolder);

  const BadgeRoots badges{JoinPath(installFolder, "badges"), &tools.BadgeArchive()};
  ValidationOptions options;
  options.badges = &badges;
  check.report = ValidateWorld(world, options);
  check.text = FormatValidationReport(world, check.report);
  // The world refers to the table; it goes first.
  world.Clear();
  cupAllocations.FreeCupAllocations();
  return check;
}

}  // namespace torvale
