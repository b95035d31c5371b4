#pragma once
// The main window's side of the automatic backups: the save of "Speichern" with its backup,
// the one report per session of a backup that failed, and "Sicherung wiederherstellen…".

class QWidget;

namespace torvale {

class CWorldDatabase;
class EditorContext;

// Saves the world (save errors in the editor's error box) after keeping its folder's previous
// state; packing starts in the background. Returns what the save returned.
bool SaveWorldWithBackup(EditorContext& context, CWorldDatabase& world, QWidget* parent);

// Shows the failure of a backup, the first time one failed in this session.
void ReportBackupFailureOnce(EditorContext& context, QWidget* parent);

// Packs what is still staged (with the progress dialog), then runs the restore dialog. True
// when a backup was opened as a new, current world.
bool RunBackupRestore(EditorContext& context, QWidget* parent);

}  // namespace torvale
