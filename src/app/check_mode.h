#pragma once
// The window-less run of "-check": the validation report of a database folder on standard
// output, for scripts; the status says whether it found errors.

#include "platform/command_line.h"

namespace torvale {

// Returns the process status: kExitOk without errors, kExitCheckFoundErrors with errors,
// kExitEnvironmentRefused when the folder cannot be checked.
int RunCheckMode(const CommandLineOptions& options);

}  // namespace torvale
