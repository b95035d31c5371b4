#include "support/sample_world.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "exchange/sample_installation.h"
#include "support/scratch_dir.h"

namespace torvale::testing {

namespace {

struct GeneratedInstall {
  test::ScratchDir scratch;
  std::string folder = scratch.path() + "/install";
};

GeneratedInstall& Install() {
  // Made once and removed when the test program ends.
  static GeneratedInstall* install = [] {
    auto* made = new GeneratedInstall();
    SampleInstallOptions options;
    options.sourceFolder = std::string(TORVALE_SOURCE_DIR) + "/data/install";
    options.outFolder = made->folder;
    options.settingsFolder = made->scratch.path() + "/xdg";
    const SampleInstallResult result = MakeSampleInstallation(options);
    EXPECT_TRUE(result.ok) << result.error;
    std::atexit([] { delete install; });
    return made;
  }();
  return *install;
}

}  // namespace

SampleWorld::~SampleWorld() {
  // The world's cups refer to the allocation table.
  if (world) world->Clear();
}

const std::string& SampleInstallFolder() { return Install().folder; }

std::unique_ptr<CWorldDatabase> EmptyInstallWorld(const std::string& install, const CupAllocationTable& allocations) {
  WorldEnvironment environment;
  environment.countryIndexPath = install + "/database/countries.sav";
  environment.scriptFolder = install + "/script";
  environment.cupAllocations = &allocations;
  auto world = std::make_unique<CWorldDatabase>(environment);
  world->InitEmptyWorld();
  return world;
}

std::unique_ptr<SampleWorld> LoadSampleWorld() {
  const std::string& install = SampleInstallFolder();
  auto sample = std::make_unique<SampleWorld>();
  sample->allocations.LoadCupAllocations(install + "/script");
  sample->world = EmptyInstallWorld(install, sample->allocations);
  EXPECT_TRUE(sample->world->Load(install + "/database"));
  sample->badgeArchive.SetQuiet(true);
  sample->badgeArchive.Open(install + "/badges.big", true);
  sample->badges = BadgeRoots{install + "/badges", &sample->badgeArchive};
  return sample;
}

}  // namespace torvale::testing
