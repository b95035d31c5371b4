#include "ui/lists/list_dialogs.h"

#include "ui/common/editor_commands.h"
#include "ui/common/editor_context.h"

namespace torvale {

void OpenDuplicatePlayers(EditorContext& editor, QWidget* parent, int country, uint32_t clubId) {
  (void)editor; (void)parent; (void)country; (void)clubId;
}

void OpenPlayersWithoutClub(EditorContext& editor, QWidget* parent) {
  (void)editor; (void)parent;
}

void OpenDuplicatePlayersCommand(EditorContext& editor, QWidget* parent, const MainSelection&) {
  OpenDuplicatePlayers(editor, parent);
}

void OpenPlayersWithoutClubCommand(EditorContext& editor, QWidget* parent, const MainSelection&) {
  OpenPlayersWithoutClub(editor, parent);
}

}  // namespace torvale
