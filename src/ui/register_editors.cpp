// Where each editor plugs its dialog into the main window: one line per editor, nothing else.

#include "ui/club/club_editor.h"
#include "ui/common/editor_commands.h"
#include "ui/lists/list_dialogs.h"

namespace torvale {

void RegisterEditors(EditorCommandRegistry& registry) {
  registry.Register(EditorCommand::kClubEditor, &OpenClubEditor);
  registry.Register(EditorCommand::kNewClub, &OpenNewClubDialog);
  registry.Register(EditorCommand::kDuplicatePlayers, &OpenDuplicatePlayersCommand);
  registry.Register(EditorCommand::kPlayersWithoutClub, &OpenPlayersWithoutClubCommand);
}

}  // namespace torvale
