#pragma once
// "Spieler auswählen": finds any person of the world with the person search's rules (first
// name, nickname or stage name, surname, "*" and "?" allowed) and picks one of the hits.

#include <QDialog>

#include "ui/search/person_search_dialogs.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace torvale {

class SearchResultModel;
class SearchWorker;

class CDlgPlayerSelect : public QDialog {
  Q_OBJECT
 public:
  CDlgPlayerSelect(EditorContext& context, QWidget* parent = nullptr);
  ~CDlgPlayerSelect() override;

  // Runs the search with the texts in the fields (also the "Suchen" button).
  void Search();
  bool SearchRunning() const;
  SearchResultModel& Model() { return *model_; }
  QTableView& View() { return *view_; }
  // The selected hit; nothing without a selection.
  std::optional<SelectedPerson> Selected() const;

 signals:
  void searchFinished();

 private:
  EditorContext& context_;
  QLineEdit* firstName_;
  QLineEdit* nickname_;
  QLineEdit* surname_;
  SearchResultModel* model_;
  SearchWorker* worker_;
  QTableView* view_;
  QLabel* status_;
};

}  // namespace torvale
