#pragma once
// The editor's command line. Tokens are matched one by one against a fixed table, first
// match wins, unknown tokens are ignored and later tokens overwrite earlier ones. Most
// tokens only matter to the window-less master build; the expert-mode token works in both
// modes.

#include <cstdint>
#include <string>

namespace torvale {

// Bits of MasterBuildFlags (the value 2 is never used).
enum MasterBuildFlag : uint32_t {
  kMasterBuildPs2 = 1,             // "ps2": console build, per-language master file
  kMasterBuildOutputBadge = 4,     // "OutputBadge": badge log
  kMasterBuildOutputKits = 8,      // "OutputKits": kit log
  kMasterBuildOutputStadium = 16,  // "OutputStadium": stadium log
  kMasterBuildKillData = 32,       // "killdata": trim country 14's clubs before building
  kMasterBuildLogPs2 = 64,         // "logPS2": console database log
};

// Languages of the master build: "ger", "eng", "fra", "spa".
enum MasterLanguage : int { kLanguageGerman = 0, kLanguageEnglish = 1, kLanguageFrench = 2, kLanguageSpanish = 3 };

// The longest database path a "path" token may carry.
constexpr size_t kMaxPathOverride = 259;

struct CommandLineOptions {
  // The window-less modes; the later of "-master" and "-check" wins.
  bool master_mode = false;
  bool check_mode = false;
  int language = kLanguageGerman;
  uint32_t MasterBuildFlags = 0;
  bool ExpertMode = false;
  // The folder of the last "path" token; empty when none was given or it was empty.
  std::string path_override;
  // The last "path" token's folder when it was longer than kMaxPathOverride; such a path
  // is refused rather than cut, since a cut path would name some other folder.
  std::string rejected_path;
};

// Reads argv[1] .. argv[argc-1].
CommandLineOptions ParseCommandLine(int argc, const char* const* argv);

}  // namespace torvale
