#pragma once
// The sample game installation: everything the editor needs of a game installation, made
// from the hand-written game data plus a generated world. The project ships no game, so the
// build generates one of these and points the editor at it through the machine-wide
// settings file, exactly as the game's installer would.

#include <cstdint>
#include <string>
#include <string_view>

#include "exchange/sample_world_generator.h"

namespace torvale {

class CWorldDatabase;

struct SampleInstallOptions {
  std::string sourceFolder;    // the hand-written game data (the project's data/install)
  std::string outFolder;       // the installation to make; created when missing
  // Folder that receives "Halvex/TORVALE.conf"; empty: the folder "xdg" beside outFolder.
  std::string settingsFolder;
  std::string rendererPath;    // the built renderer plug-in; copied when it exists
  SampleWorldOptions world;
};

struct SampleInstallResult {
  bool ok = false;
  std::string error;  // what failed, for the command line
  SampleWorldSummary summary;
};

SampleInstallResult MakeSampleInstallation(const SampleInstallOptions& options);

// The settings file that records the install folder, as Qt's native settings format keeps it
// on Linux: an INI file whose key "INSTALL DIR" is written with its blank escaped.
std::string InstallSettingsText(std::string_view installFolder);

// The three lists of the sibling game that the mapping commands read, made to match part of
// `world`: some of its clubs and players are listed (hits), others not (misses), the lists
// hold names the world lacks (unmapped entries) and names that stand for several clubs or
// players (doubles). Written into `databaseFolder`; false when a file cannot be written.
bool WriteSiblingGameLists(const CWorldDatabase& world, std::string_view databaseFolder);

// The generated badges: every size of every badge in "badges.big" (the 14-pixel images
// packed), the clubs of two countries also in the "badges" folder, and one badge left
// without its smallest size anywhere. False when a file cannot be written.
bool WriteSampleBadges(const SampleWorldSummary& summary, std::string_view installFolder);

}  // namespace torvale
