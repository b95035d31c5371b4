// The list of automatic backups, after a few saves of the game's database on one afternoon.

#include <chrono>

#include "app/dlg_main_menu.h"
#include "database/background_backup_packer.h"
#include "database/world_backups.h"
#include "database/world_database.h"
#include "screenshot_session.h"
#include "ui/backup/backup_commands.h"
#include "ui/backup/dlg_backup_restore.h"
#include "ui/common/editor_context.h"

namespace torvale {

TORVALE_SCREENSHOTS(backup) {
  EditorContext& context = session.Context();
  CWorldDatabase& world = *context.CurrentWorld();
  const int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::system_clock::now().time_since_epoch())
                          .count();
  // Saves spread over the afternoon, as a user makes them between edits.
  const int64_t minutesAgo[] = {185, 122, 47, 9};
  int step = 0;
  context.Backups().SetClock([&] { return now - minutesAgo[step] * 60'000; });
  for (; step < 4; ++step) {
    world.Country(14)->notes = "Stand " + std::to_string(step + 1);
    SaveWorldWithBackup(context, world, &session.MainWindow());
  }
  context.BackupPacker().Wait();
  context.Backups().PackPending();

  CDlgBackupRestore dialog(context, &session.MainWindow());
  session.Save(dialog, "backup_restore");
}

}  // namespace torvale
