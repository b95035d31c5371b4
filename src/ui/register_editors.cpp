// Where each editor plugs its dialog into the main window: one line per editor, nothing else.

#include "ui/common/editor_commands.h"
#include "ui/search/search_commands.h"

namespace torvale {

void RegisterEditors(EditorCommandRegistry& registry) {
  RegisterSearchCommands(registry);
}

}  // namespace torvale
