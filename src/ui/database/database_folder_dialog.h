#pragma once
// What "Datenbank öffnen" and "Datenbank speichern unter" share: the list of the user's
// databases with their folder icon, the read-only description of the selected one under
// "Kommentar:", and "Datenbank löschen", which asks and then deletes the folder for good.
// Opening either dialog removes a left-over "tempExport" folder of an interrupted export.

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace torvale {

class DatabaseFolderDialog : public QDialog {
  Q_OBJECT
 public:
  // `documentsFolder`: the user's documents folder; its "database" folder holds the databases.
  DatabaseFolderDialog(const std::string& documentsFolder, QWidget* parent);

  const std::string& Root() const { return root_; }
  QListWidget* List() const { return list_; }

 protected:
  // The name of the selected database; empty when none is selected.
  std::string SelectedName() const;
  void SelectName(const std::string& name);
  const std::vector<std::string>& Names() const { return names_; }
  QPlainTextEdit* Comment() const { return comment_; }
  QPushButton* DeleteButton() const { return delete_; }
  QVBoxLayout* Body() const { return body_; }
  // A selection changed (also to none).
  virtual void SelectionChanged();

 private:
  void FillList();
  void DeleteSelected();

  std::string root_;
  std::vector<std::string> names_;
  QListWidget* list_ = nullptr;
  QPlainTextEdit* comment_ = nullptr;
  QPushButton* delete_ = nullptr;
  QVBoxLayout* body_ = nullptr;
};

}  // namespace torvale
