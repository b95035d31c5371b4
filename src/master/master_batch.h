#pragma once
// The window-less master build of "-master": loads the game's own "database" folder below the
// working folder with everything the build reads, optionally trims country 14's clubs, and
// builds the master file into that folder.

#include <cstdint>
#include <string>
#include <memory>
#include <string_view>

#include "master/master_build.h"

namespace torvale {

class CNamePool;
class CQZBig;
class CWorldDatabase;

// A loaded world as the build sees it. The world's own name pool is used; `databasePath` is
// the active database folder.
class WorldDatabaseMasterView final : public MasterBuildWorld {
 public:
  WorldDatabaseMasterView(CWorldDatabase& world, std::string databasePath);
  ~WorldDatabaseMasterView() override;

  const CCountry* Country(int number) const override;
  const CPersonTable* Persons() const override;
  CNamePool& NamePool() override;
  void SetLanguage(int language) override;
  const ClubIdMapper& ClubIds() const override;
  const CountryLanguageLookup& CountryLanguages() const override;
  void WriteRulesMaster(CMasterWriter& writer, uint32_t flags) const override;
  std::string DatabasePath() const override { return databasePath_; }

 private:
  CWorldDatabase& world_;
  std::string databasePath_;
  // For a world that has no name pool of its own (never loaded).
  std::unique_ptr<CNamePool> spare_;
};

// True when `badge` (a club's badge file) is neither in the database's badge folder nor in the
// game's badge archive (under "Badges\\" and the path with backslashes): the game would show
// no badge, so the build writes none. Without an open archive nothing is judged missing, except
// a path that could lead out of the badge folder (absolute, "..", a drive letter, a link
// pointing out): always missing.
bool IsArchiveBadgeMissing(CQZBig& archive, std::string_view badgeFolder, std::string_view badge);

// The build of the working folder's "database" folder. Master mode prints "Ready" after it;
// what it prints itself is "No completed countries" and the refusal of the club trim.
MasterBuildResult BuildMasterBatch(int language, uint32_t flags);

}  // namespace torvale
