// Where each editor plugs its dialog into the main window: one line per editor, nothing else.

#include "ui/common/editor_commands.h"
#include "ui/country/dlg_land_parent.h"

namespace torvale {

void RegisterEditors(EditorCommandRegistry& registry) {
  registry.Register(EditorCommand::kCountryEditor, &OpenCountryEditor);
}

}  // namespace torvale
