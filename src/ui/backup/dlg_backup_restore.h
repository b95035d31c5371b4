#pragma once
// CDlgBackupRestore: "Sicherung wiederherstellen". Lists the automatic backups, newest first,
// by default only those of the current database. "Wiederherstellen" unpacks the chosen one
// into a new database beside the user's others and opens it as a new world, so the current
// world is never touched; "Löschen" removes a backup after asking.

#include <QDialog>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

namespace torvale {

class BackupListModel;
class CWorldDatabase;
class EditorContext;
struct BackupEntry;

class CDlgBackupRestore : public QDialog {
  Q_OBJECT
 public:
  CDlgBackupRestore(EditorContext& context, QWidget* parent = nullptr);

  // The world the restore opened (it is current then); null before.
  CWorldDatabase* RestoredWorld() const { return restored_; }
  void Reload();

 private:
  const BackupEntry* Selected() const;
  void SelectionChanged();
  void Restore();
  void Delete();

  EditorContext& context_;
  std::string currentFolder_;
  BackupListModel* model_ = nullptr;
  QTableView* view_ = nullptr;
  QCheckBox* onlyCurrent_ = nullptr;
  QLabel* emptyHint_ = nullptr;
  QPushButton* restore_ = nullptr;
  QPushButton* delete_ = nullptr;
  CWorldDatabase* restored_ = nullptr;
};

// String-table entries of the dialog.
constexpr int IDS_BACKUP_MENU = 1501;
constexpr int IDS_BACKUP_ONLY_CURRENT = 1504;
constexpr int IDS_BACKUP_RESTORE = 1505;
constexpr int IDS_BACKUP_DELETE = 1506;
constexpr int IDS_BACKUP_DELETE_QUESTION = 1507;
constexpr int IDS_BACKUP_SIX_WORLDS = 1512;
constexpr int IDS_BACKUP_RESTORE_FAILED = 1513;
constexpr int IDS_BACKUP_NONE = 1514;
constexpr int IDS_BACKUP_NOT_DELETED = 1516;
constexpr int IDS_BACKUP_CLOSE = 1517;
constexpr int IDS_BACKUP_INTRO = 1521;

}  // namespace torvale
