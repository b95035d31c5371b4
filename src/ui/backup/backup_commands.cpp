#include "ui/backup/backup_commands.h"

#include "database/background_backup_packer.h"
#include "database/world_backups.h"
#include "exchange/longtime_backups.h"
#include "ui/backup/dlg_backup_restore.h"
#include "ui/common/dialog_answers.h"
#include "ui/common/dlg_longtime_operation.h"
#include "ui/common/editor_context.h"
#include "ui/common/message_box.h"
#include "ui/common/save_error_box.h"

namespace torvale {

bool SaveWorldWithBackup(EditorContext& context, CWorldDatabase& world, QWidget* parent) {
  SaveErrorBox errors(parent);
  const bool saved = SaveWithBackup(world, errors, context.Backups(), context.BackupPacker());
  ReportBackupFailureOnce(context, parent);
  return saved;
}

void ReportBackupFailureOnce(EditorContext& context, QWidget* parent) {
  if (std::optional<std::string> text = context.Backups().TakeFailureReport()) ShowMessage(*text, parent);
}

bool RunBackupRestore(EditorContext& context, QWidget* parent) {
  // The list shows archives only; what the background packer has not reached yet is packed
  // now, in front of the user.
  context.BackupPacker().Wait();
  if (context.Backups().PendingCount() > 0) {
    CLongtimePackBackups packing(context.Backups());
    DialogLongtimeRunner runner(parent);
    packing.Run(runner);
  }
  ReportBackupFailureOnce(context, parent);
  CDlgBackupRestore dialog(context, parent);
  return RunModalDialog(dialog) && dialog.RestoredWorld() != nullptr;
}

}  // namespace torvale
