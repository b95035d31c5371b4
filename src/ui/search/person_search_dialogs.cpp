#include "ui/search/person_search_dialogs.h"

#include "persons/person_search.h"
#include "ui/common/editor_context.h"
#include "ui/search/dlg_choose_club.h"
#include "ui/search/dlg_player_search.h"
#include "ui/search/dlg_player_select.h"
#include "ui/search/dlg_search_result.h"
#include "world/club.h"

namespace torvale {
namespace {

struct ResultOptions {
  bool commands = false;
  bool showClub = false;
  uint32_t targetClub = 0;
};

enum class CycleEnd { kCancelled, kClubChosen };

// Search dialog, then result dialog, again and again while the result dialog closes with
// "OK" and no club was chosen. `afterResult` sees every result dialog that closed.
CycleEnd RunSearchCycle(EditorContext& context, QWidget* parent, const ResultOptions& options,
                        const std::function<void(const CDlgSearchResult&)>& afterResult) {
  PersonSearchTexts& texts = SharedSearchTexts();
  for (;;) {
    CDlgPlayerSearch search(texts, parent);
    if (search.exec() != QDialog::Accepted) return CycleEnd::kCancelled;
    CDlgSearchResult result(context, PersonSearchPatterns::FromTexts(texts), parent);
    result.SetCommandsAllowed(options.commands);
    result.SetShowClubAllowed(options.showClub);
    result.SetTargetClub(options.targetClub);
    const int answer = result.exec();
    if (afterResult) afterResult(result);
    if (answer != QDialog::Accepted) return CycleEnd::kCancelled;
    if (result.ChosenClub() != 0) return CycleEnd::kClubChosen;
  }
}

}  // namespace

PersonSearchTexts& SharedSearchTexts() {
  static PersonSearchTexts texts;
  return texts;
}

void RunMainWindowPersonSearch(EditorContext& context, QWidget* parent) {
  uint32_t chosen = 0;
  const CycleEnd end = RunSearchCycle(context, parent, {true, true, 0}, [&](const CDlgSearchResult& result) {
    chosen = result.ChosenClub();
  });
  if (end != CycleEnd::kClubChosen) return;
  // The squad editor works on a copy of the club and writes it back itself on OK.
  MainSelection selection;
  selection.country = ClubCountry(chosen);
  selection.clubId = chosen;
  context.Commands().Run(EditorCommand::kSquadEditor, context, parent, selection);
}

bool RunSquadPersonSearch(EditorContext& context, QWidget* parent, uint32_t targetClubId,
                          const std::function<void()>& afterChange) {
  bool anyChange = false;
  RunSearchCycle(context, parent, {true, false, targetClubId}, [&](const CDlgSearchResult& result) {
    if (!result.Changed()) return;
    anyChange = true;
    if (afterChange) afterChange();
  });
  return anyChange;
}

void RunReadOnlyPersonSearch(EditorContext& context, QWidget* parent) {
  RunSearchCycle(context, parent, {false, false, 0}, {});
}

uint32_t ChooseClub(EditorContext& context, QWidget* parent, uint32_t current) {
  CDlgChooseClub dialog(*context.CurrentWorld(), context.CurrentLanguage(), parent);
  dialog.Preselect(current);
  return dialog.exec() == QDialog::Accepted ? dialog.ChosenClub() : 0;
}

std::optional<SelectedPerson> SelectPerson(EditorContext& context, QWidget* parent) {
  CDlgPlayerSelect dialog(context, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Selected();
}

}  // namespace torvale
