#pragma once
// The window-less run of "-master": build the game's master data file from the database
// folder below the working folder and report progress on standard output.

#include "platform/command_line.h"

namespace torvale {

// Returns the process status (ExitStatus).
int RunMasterMode(const CommandLineOptions& options);

}  // namespace torvale
