// Where each editor plugs its dialog into the main window: one line per editor, nothing else.

#include "ui/common/editor_commands.h"
#include "ui/competition/competition_editors.h"

namespace torvale {

void RegisterEditors(EditorCommandRegistry& registry) {
  RegisterCompetitionEditors(registry);
}

}  // namespace torvale
