#include "ui/search/search_commands.h"

#include "ui/common/editor_commands.h"
#include "ui/common/editor_context.h"
#include "ui/search/dlg_fast_transfer.h"
#include "ui/search/dlg_nationalteam.h"
#include "ui/search/dlg_player_compare.h"
#include "ui/search/person_search_dialogs.h"

namespace torvale {

void RegisterSearchCommands(EditorCommandRegistry& registry) {
  registry.Register(EditorCommand::kPlayerSearch, [](EditorContext& context, QWidget* parent, const MainSelection&) {
    if (context.CurrentWorld()) RunMainWindowPersonSearch(context, parent);
  });
  registry.Register(EditorCommand::kFastTransfers, [](EditorContext& context, QWidget* parent, const MainSelection& selection) {
    if (!context.CurrentWorld()) return;
    CDlgFastTransfer dialog(context, parent);
    if (selection.HasClub()) dialog.SetClub(0, selection.clubId);
    dialog.exec();
  });
  registry.Register(EditorCommand::kNationalTeams, [](EditorContext& context, QWidget* parent, const MainSelection& selection) {
    if (!context.CurrentWorld()) return;
    CDlgNationalteam dialog(context, parent);
    if (selection.country != 0) dialog.SetCountry(selection.country);
    dialog.exec();
  });
  registry.Register(EditorCommand::kPlayerComparison, [](EditorContext& context, QWidget* parent, const MainSelection&) {
    if (!context.CurrentWorld()) return;
    CDlgPlayerCompare dialog(context, parent);
    dialog.exec();
  });
}

}  // namespace torvale
