#pragma once
// What a run of the real editor needs to stay out of the machine's own settings: its own
// runtime folder (for the single-instance lock), home and settings folders, no display.

#include <string>

#include "support/child_process.h"
#include "support/scratch_dir.h"

namespace torvale::test {

// Folders below `root`; the install record goes to `root`/xdg (see RecordInstallFolder).
EnvChanges IsolatedEditorEnvironment(const ScratchDir& root);
// Writes the machine-wide install record that points the editor at `folder`.
void RecordInstallFolder(const ScratchDir& root, const std::string& folder);

}  // namespace torvale::test
