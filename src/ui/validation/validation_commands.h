#pragma once
// The validation report in the editor: "Datenbank prüfen" (F7) of the main window, and the
// question before "Aktuelle Datenbank ins Spiel einbinden" when the world has errors.

#include <cstdint>

#include "master/world_validation.h"
#include "ui/common/editor_commands.h"

class QWidget;

namespace torvale {

// Runs every check over `world` with the installation's badges, for a master build with
// `masterFlags` (0: the PC build). Shows the wait cursor meanwhile.
ValidationReport ValidateForEditor(EditorContext& context, const CWorldDatabase& world, uint32_t masterFlags = 0);

// The dispatch handler of EditorCommand::kValidationReport: the report of the current world.
void OpenValidationReport(EditorContext& context, QWidget* parent, const MainSelection& selection);

// Before the master build of the current world: without errors true at once. With errors the
// question 1451 with "Bericht anzeigen" (opens the report; false), "Trotzdem einbinden"
// (true) and "Abbrechen" (false).
bool ConfirmBuildDespiteErrors(EditorContext& context, QWidget* parent, uint32_t masterFlags);

}  // namespace torvale
