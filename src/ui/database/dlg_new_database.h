#pragma once
// CDlgNewDatabase, "Datenbank speichern unter": a name and a comment for the current world's
// new database folder. The name is checked as it is typed ("Speichern" only for a name the
// file system takes); a name that is an existing database's, in any letter case, selects that
// database. "Speichern" saves the world there (SaveWorldAs: an existing database of the name
// is replaced only once the new one is written) and ends with OK; a failure ends as cancelled.

#include <functional>

#include "ui/database/database_folder_dialog.h"

class QLineEdit;

namespace torvale {

class CWorldDatabase;
class SaveBackupHook;

class CDlgNewDatabase : public DatabaseFolderDialog {
  Q_OBJECT
 public:
  // `save` writes the world into its new folder (CWorldDatabase::Save with the editor's
  // reporter); true when every file was written.
  CDlgNewDatabase(CWorldDatabase& world, const std::string& documentsFolder,
                  std::function<bool(CWorldDatabase&)> save, QWidget* parent = nullptr);

  // Where a database this save replaces is kept; none: it is deleted.
  void SetBackup(SaveBackupHook* backup) { backup_ = backup; }
  QLineEdit* NameField() const { return name_; }
  QPlainTextEdit* CommentField() const { return description_; }
  // "Speichern".
  void Save();

 protected:
  void SelectionChanged() override;

 private:
  void NameEdited();

  CWorldDatabase& world_;
  std::string documents_;
  std::function<bool(CWorldDatabase&)> save_;
  SaveBackupHook* backup_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  bool nameFromList_ = false;  // the list follows the name field, not the other way round
};

}  // namespace torvale
