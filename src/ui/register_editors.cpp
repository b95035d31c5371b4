// Where each editor plugs its dialog into the main window: one line per editor, nothing else.

#include "ui/club/club_editor.h"
#include "ui/common/editor_commands.h"
#include "ui/competition/competition_editors.h"
#include "ui/country/dlg_land_parent.h"
#include "ui/search/search_commands.h"
#include "ui/squad/squad_editor_command.h"
#include "ui/lists/list_dialogs.h"
#include "ui/validation/validation_commands.h"

namespace torvale {

void RegisterEditors(EditorCommandRegistry& registry) {
  registry.Register(EditorCommand::kClubEditor, &OpenClubEditor);
  registry.Register(EditorCommand::kNewClub, &OpenNewClubDialog);
  RegisterCompetitionEditors(registry);
  registry.Register(EditorCommand::kCountryEditor, &OpenCountryEditor);
  RegisterSearchCommands(registry);
  registry.Register(EditorCommand::kSquadEditor, &OpenSquadEditor);
  registry.Register(EditorCommand::kDuplicatePlayers, &OpenDuplicatePlayersCommand);
  registry.Register(EditorCommand::kPlayersWithoutClub, &OpenPlayersWithoutClubCommand);
  registry.Register(EditorCommand::kValidationReport, &OpenValidationReport);
}

}  // namespace torvale
