#include "platform/command_line.h"

#include <string_view>

namespace torvale {

namespace {

bool EqualsAsciiIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

void SetPathOverride(CommandLineOptions& options, std::string_view folder) {
  if (folder.size() > kMaxPathOverride) {
    options.rejected_path = std::string(folder);
    options.path_override.clear();
  } else {
    options.path_override = std::string(folder);
    options.rejected_path.clear();
  }
}

// One token, checked in the table's order; the first entry that matches applies.
void ApplyToken(CommandLineOptions& options, std::string_view token) {
  if (token == "-master") {
    options.master_mode = true;
    options.check_mode = false;
  } else if (token == "-check") {
    options.check_mode = true;
    options.master_mode = false;
  }
  else if (token == "ger") options.language = kLanguageGerman;
  else if (token == "eng") options.language = kLanguageEnglish;
  else if (token == "fra") options.language = kLanguageFrench;
  else if (token == "spa") options.language = kLanguageSpanish;
  else if (token == "ps2") options.MasterBuildFlags |= kMasterBuildPs2;
  // Any token that starts with "path" is a path; the folder follows without a separator.
  else if (token.substr(0, 4) == "path") SetPathOverride(options, token.substr(4));
  else if (token == "OutputBadge") options.MasterBuildFlags |= kMasterBuildOutputBadge;
  else if (token == "OutputKits") options.MasterBuildFlags |= kMasterBuildOutputKits;
  else if (token == "OutputStadium") options.MasterBuildFlags |= kMasterBuildOutputStadium;
  else if (token == "killdata") options.MasterBuildFlags |= kMasterBuildKillData;
  else if (EqualsAsciiIgnoringCase(token, "logPS2")) options.MasterBuildFlags |= kMasterBuildLogPs2;
  else if (token == "laternenpfahl_rund") options.ExpertMode = true;
}

}  // namespace

CommandLineOptions ParseCommandLine(int argc, const char* const* argv) {
  CommandLineOptions options;
  for (int i = 1; i < argc; ++i)
    if (argv[i]) ApplyToken(options, argv[i]);
  return options;
}

}  // namespace torvale
