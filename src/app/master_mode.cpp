#include "app/master_mode.h"

#include <cstdio>

#include "app/exit_status.h"
#include "platform/pc/file.h"

namespace torvale {

namespace {

// The master build itself is not part of the editor yet. This is the one place where it
// is called: it takes the language and MasterBuildFlags and returns the process status.
int RunMasterBuild(const CommandLineOptions& /*options*/) {
  std::fprintf(stderr, "The master build is not available yet; no Master.dat was written.\n");
  return kExitBuildFailed;
}

}  // namespace

int RunMasterMode(const CommandLineOptions& options) {
  const std::string& shown_path = options.rejected_path.empty() ? options.path_override : options.rejected_path;
  std::printf("Build Master.dat : Language %d\n", options.language);
  std::printf("Path is %s\n", shown_path.c_str());
  std::fflush(stdout);
  if (!options.rejected_path.empty()) {
    std::fprintf(stderr, "The path is longer than %zu characters; nothing was built.\n", kMaxPathOverride);
    return kExitEnvironmentRefused;
  }
  // A database path that cannot be entered must not quietly build the install folder's
  // own database in its place.
  if (!options.path_override.empty() && !SetWorkingDirectory(options.path_override)) {
    std::fprintf(stderr, "setdirectory - FAILED ON '%s'\n", options.path_override.c_str());
    return kExitEnvironmentRefused;
  }
  int status = RunMasterBuild(options);
  if (status == kExitOk) std::printf("Ready\n");
  return status;
}

}  // namespace torvale
