// Where each editor plugs its dialog into the main window: one line per editor, nothing else.

#include "ui/common/editor_commands.h"
#include "ui/squad/squad_editor_command.h"

namespace torvale {

void RegisterEditors(EditorCommandRegistry& registry) {
  registry.Register(EditorCommand::kSquadEditor, &OpenSquadEditor);
}

}  // namespace torvale
