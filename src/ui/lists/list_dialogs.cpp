#include "ui/lists/list_dialogs.h"

#include "ui/common/dialog_answers.h"
#include "ui/common/editor_commands.h"
#include "ui/common/editor_context.h"
#include "ui/lists/dlg_player_without_club.h"
#include "ui/lists/player_double.h"

// The club chooser of the transfer dialogs; while it is not part of the build, the free
// players' "&Wechsel zum Verein" stays disabled.
#if __has_include("ui/search/dlg_choose_club.h")
#include "ui/search/dlg_choose_club.h"
#define TORVALE_HAS_CLUB_CHOOSER 1
#endif

namespace torvale {

namespace {

ClubChooser MakeClubChooser([[maybe_unused]] EditorContext& editor) {
#ifdef TORVALE_HAS_CLUB_CHOOSER
  return [&editor](QWidget* parent) -> uint32_t {
    CDlgChooseClub dialog(*editor.CurrentWorld(), editor.CurrentLanguage(), parent);
    return RunModalDialog(dialog) ? dialog.ChosenClub() : 0;
  };
#else
  return {};
#endif
}

}  // namespace

void OpenDuplicatePlayers(EditorContext& editor, QWidget* parent, int country, uint32_t clubId) {
  if (!editor.CurrentWorld()) return;
  CPlayerDouble dialog(editor.CurrentChanges(), editor.CurrentLanguage(), country, clubId, parent);
  RunModalDialog(dialog);
}

void OpenPlayersWithoutClub(EditorContext& editor, QWidget* parent) {
  if (!editor.CurrentWorld()) return;
  CDlgPlayerWithoutClub dialog(editor.CurrentChanges(), MakeClubChooser(editor), parent);
  RunModalDialog(dialog);
}

void OpenDuplicatePlayersCommand(EditorContext& editor, QWidget* parent, const MainSelection&) {
  OpenDuplicatePlayers(editor, parent);
}

void OpenPlayersWithoutClubCommand(EditorContext& editor, QWidget* parent, const MainSelection&) {
  OpenPlayersWithoutClub(editor, parent);
}

}  // namespace torvale
