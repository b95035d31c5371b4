#include "ui/squad/squad_editor_command.h"

#include "ui/common/editor_context.h"
#include "ui/squad/dlg_playerlist_club.h"
#include "world/club.h"

namespace torvale {

void OpenSquadEditor(EditorContext& context, QWidget* parent, const MainSelection& selection) {
  if (!selection.HasClub() || !context.CurrentWorld()) return;
  if (ClubNumber(selection.clubId) == kAmateurClubNumber) {
    context.Commands().Run(EditorCommand::kNationalTeams, context, parent, selection);
    return;
  }
  // The club and person choosers join when the person search's dialogs do.
  CDlgPlayerlistClub dialog(context, selection.clubId, SquadPickers{}, parent);
  dialog.exec();
}

}  // namespace torvale
