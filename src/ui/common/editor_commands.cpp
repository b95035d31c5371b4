#include "ui/common/editor_commands.h"

namespace torvale {

void EditorCommandRegistry::Register(EditorCommand command, EditorCommandHandler handler) {
  if (command == EditorCommand::kCount) return;
  handlers_[static_cast<size_t>(command)] = std::move(handler);
}

bool EditorCommandRegistry::Has(EditorCommand command) const {
  return command != EditorCommand::kCount && static_cast<bool>(handlers_[static_cast<size_t>(command)]);
}

bool EditorCommandRegistry::Run(EditorCommand command, EditorContext& context, QWidget* parent,
                                const MainSelection& selection) const {
  if (!Has(command)) return false;
  handlers_[static_cast<size_t>(command)](context, parent, selection);
  return true;
}

}  // namespace torvale
