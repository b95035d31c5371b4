#pragma once
// The editor's process status, for the scripts that run master mode or the check: 0 only
// when the run did its job (and the check found no errors).

#include "platform/fatal_error.h"

namespace torvale {

enum ExitStatus : int {
  kExitOk = 0,
  kExitBuildFailed = 1,           // the master build did not produce its file
  kExitCheckFoundErrors = 1,      // "-check" found errors in the database
  kExitAnotherCopyRunning = 2,    // a second copy ends silently with this status
  kExitEnvironmentRefused = 3,    // message 888 or 896, or an unusable lock or database path
  kExitFatalError = kFatalErrorExitStatus,  // a platform service failed
};

}  // namespace torvale
