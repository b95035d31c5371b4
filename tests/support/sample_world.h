#pragma once
// The sample game installation for tests that need a whole, realistic world: generated once
// per test program into a scratch folder (the expensive part), then loaded as often as tests
// need a fresh world of it.

#include <memory>
#include <string>

#include "assets/badge_lookup.h"
#include "assets/big_archive.h"
#include "competition/cup_allocation.h"
#include "database/world_database.h"

namespace torvale::testing {

// A loaded world of the sample installation with the tables it refers to.
struct SampleWorld {
  CupAllocationTable allocations;
  std::unique_ptr<CWorldDatabase> world;
  CQZBig badgeArchive;
  BadgeRoots badges;

  SampleWorld() = default;
  SampleWorld(const SampleWorld&) = delete;
  SampleWorld& operator=(const SampleWorld&) = delete;
  ~SampleWorld();
};

// The installation folder (generated on the first call).
const std::string& SampleInstallFolder();
// An empty world over the installation in `install` (countries from its index, the
// international competitions from its script folder), as the editor makes one.
std::unique_ptr<CWorldDatabase> EmptyInstallWorld(const std::string& install, const CupAllocationTable& allocations);
// A fresh world loaded from the installation's "database" folder.
std::unique_ptr<SampleWorld> LoadSampleWorld();

}  // namespace torvale::testing
