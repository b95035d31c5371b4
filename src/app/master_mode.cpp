#include "app/master_mode.h"

#include <cstdio>

#include "app/exit_status.h"
#include "master/master_batch.h"
#include "platform/pc/file.h"

namespace torvale {

namespace {

// Builds the database folder below the working folder with the language and MasterBuildFlags
// of the command line; the process status tells scripts whether a file was written.
int RunMasterBuild(const CommandLineOptions& options) {
  switch (BuildMasterBatch(options.language, options.MasterBuildFlags)) {
    case MasterBuildResult::kWritten: return kExitOk;
    case MasterBuildResult::kNoCompleteCountries:
    case MasterBuildResult::kNotConfirmed:
    case MasterBuildResult::kWriteFailed: return kExitBuildFailed;
  }
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
  std::fflush(stdout);
  // The build has run: its lines are out, the status says whether a file was written.
  std::printf("Ready\n");
  return status;
}

}  // namespace torvale
