#include "ui/squad/squad_editor_command.h"

#include "ui/common/editor_context.h"
#include "ui/search/person_search_dialogs.h"
#include "ui/squad/dlg_playerlist_club.h"
#include "world/club.h"

namespace torvale {

namespace {

// The squad editor's choosers are the person search's dialogs on the current world.
SquadPickers SearchPickers(EditorContext& context) {
  SquadPickers pickers;
  pickers.chooseClub = [&context](QWidget* parent, CWorldDatabase&) -> std::optional<uint32_t> {
    const uint32_t clubId = ChooseClub(context, parent);
    if (clubId == 0) return std::nullopt;
    return clubId;
  };
  pickers.choosePerson = [&context](QWidget* parent, CWorldDatabase&) -> std::optional<uint32_t> {
    const std::optional<SelectedPerson> picked = SelectPerson(context, parent);
    if (!picked) return std::nullopt;
    return picked->playerId;
  };
  pickers.searchPersons = [&context](QWidget* parent, uint32_t targetClubId, const std::function<void()>& afterChange) {
    RunSquadPersonSearch(context, parent, targetClubId, afterChange);
  };
  return pickers;
}

}  // namespace

void OpenSquadEditor(EditorContext& context, QWidget* parent, const MainSelection& selection) {
  if (!selection.HasClub() || !context.CurrentWorld()) return;
  if (ClubNumber(selection.clubId) == kAmateurClubNumber) {
    context.Commands().Run(EditorCommand::kNationalTeams, context, parent, selection);
    return;
  }
  CDlgPlayerlistClub dialog(context, selection.clubId, SearchPickers(context), parent);
  dialog.exec();
}

}  // namespace torvale
