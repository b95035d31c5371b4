#pragma once
// CDlgSelectDatabase, "Datenbank öffnen": picks one of the user's databases. On OK the chosen
// folder is ChosenFolder(); the main window opens it as a new world.

#include "ui/database/database_folder_dialog.h"

namespace torvale {

class CDlgSelectDatabase : public DatabaseFolderDialog {
  Q_OBJECT
 public:
  CDlgSelectDatabase(const std::string& documentsFolder, QWidget* parent = nullptr);

  // "<root>/<name>" of the database chosen; empty before OK.
  const std::string& ChosenFolder() const { return chosen_; }
  // "Öffnen": with a database selected, chooses it and ends with OK; otherwise nothing.
  void Open();

 protected:
  void SelectionChanged() override;

 private:
  QPushButton* open_ = nullptr;
  std::string chosen_;
};

}  // namespace torvale
