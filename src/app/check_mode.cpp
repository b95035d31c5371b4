#include "app/check_mode.h"

#include <cstdio>

#include "app/exit_status.h"
#include "master/check_batch.h"
#include "platform/pc/file.h"
#include "platform/text_encoding.h"

namespace torvale {

int RunCheckMode(const CommandLineOptions& options) {
  if (!options.rejected_path.empty()) {
    std::fprintf(stderr, "The path is longer than %zu characters; nothing was checked.\n", kMaxPathOverride);
    return kExitEnvironmentRefused;
  }
  // Start-up made the install folder the working folder: its tables serve every database.
  const std::string installFolder = GetWorkingDirectory().value_or(".");
  const std::string folder = CheckedDatabaseFolder(installFolder, options.path_override);
  std::printf("Check database : %s\n", folder.c_str());
  std::fflush(stdout);
  const DatabaseCheck check = CheckDatabaseBatch(installFolder, folder);
  if (!check.found) {
    std::fprintf(stderr, "The database folder %s does not exist; nothing was checked.\n", folder.c_str());
    return kExitEnvironmentRefused;
  }
  // World text is Windows-1252; terminals and scripts read UTF-8.
  const std::string text = Cp1252ToUtf8(check.text);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  return check.report.HasErrors() ? kExitCheckFoundErrors : kExitOk;
}

}  // namespace torvale
