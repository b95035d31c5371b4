// The "Bearbeiten" menu with a step to take back: a club edited as the club editor commits it.
// The step is taken back afterwards, so the screenshots after this one show the sample as it is.

#include <QMenu>

#include "app/dlg_main_menu.h"
#include "app/qt_text.h"
#include "database/world_database.h"
#include "persons/world_persons.h"
#include "screenshot_session.h"
#include "ui/common/editor_context.h"
#include "ui/undo/world_history.h"
#include "world/club.h"

namespace torvale {

TORVALE_SCREENSHOTS(undo) {
  DlgMainMenu& window = session.MainWindow();
  CWorldDatabase& world = *session.Context().CurrentWorld();
  window.SelectCountry(14);
  const uint32_t clubId = window.Selection().clubId;
  CClub* club = FindWorldClub(world, clubId);
  auto* menu = window.findChild<QMenu*>("editMenu");
  if (!club || !menu) return;
  CClub edited = *club;
  edited.foundingYear = static_cast<uint16_t>(edited.foundingYear + 1);
  session.Context().CurrentChanges().Commit(
      ChangeScope::Club(clubId), QStringLiteral("Verein %1 bearbeitet").arg(FromCp1252(WorldClubName(world, clubId))),
      [&](CWorldDatabase&) { *club = edited; });
  session.Save(*menu, "undo_edit_menu");
  menu->hide();
  session.Context().HistoryOf(world).Undo();
}

}  // namespace torvale
