#pragma once
// The result list of a person search. The search runs on a worker thread from the moment the
// dialog is shown; its batches fill the list while the user watches. The context menu moves
// the selected person (only once the worker has finished, so the world holds still during a
// walk) and restarts the search afterwards.
//
//   CDlgSearchResult result(context, PersonSearchPatterns::FromTexts(texts), parent);
//   result.SetCommandsAllowed(true);
//   result.SetTargetClub(clubId);
//   result.exec();
//   if (result.Changed()) ...;  if (result.ChosenClub()) ...;

#include <QDialog>
#include <functional>

#include "persons/person_search.h"

class QLabel;
class QMenu;
class QTableView;

namespace torvale {

class EditorContext;
class SearchResultModel;
class SearchWorker;

class CDlgSearchResult : public QDialog {
  Q_OBJECT
 public:
  CDlgSearchResult(EditorContext& context, const PersonSearchPatterns& patterns, QWidget* parent = nullptr);
  ~CDlgSearchResult() override;

  static QString Caption() { return QStringLiteral("HALVEX Torvale - Spieler suchen"); }

  void SetCommandsAllowed(bool allowed) { commandsAllowed_ = allowed; }
  void SetShowClubAllowed(bool allowed) { showClubAllowed_ = allowed; }
  // The club "Spieler holen" fetches into (bit 24: its reserve team); 0 disables the command.
  void SetTargetClub(uint32_t clubId) { targetClub_ = clubId; }
  // How "Spieler transferieren" asks for the club (CDlgChooseClub unless replaced).
  void SetClubChooser(std::function<uint32_t(QWidget*, uint32_t current)> chooser) { chooseClub_ = std::move(chooser); }

  bool Changed() const { return changed_; }
  uint32_t ChosenClub() const { return chosenClub_; }
  bool SearchRunning() const;
  SearchResultModel& Model() { return *model_; }
  QTableView& View() { return *view_; }

  // (Re)starts the walk with the dialog's patterns.
  void RestartSearch();
  // The context menu's commands on the selected row.
  void TransferSelected();
  void FetchSelected();
  void ReleaseSelected();
  void ShowClubOfSelected();
  // The context menu for the current state, or null when it is refused (worker running,
  // commands not allowed). The caller owns it.
  QMenu* MakeContextMenu();

 signals:
  // A batch has been shown; `final` when the walk has ended.
  void batchShown(bool final);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  int SelectedRow() const;
  void ShowBatch(const std::vector<SearchResultRow>& rows, bool final);
  void UpdateStatus();
  void AfterMove();

  EditorContext& context_;
  PersonSearchPatterns patterns_;
  SearchResultModel* model_;
  SearchWorker* worker_;
  QTableView* view_;
  QLabel* status_;
  std::function<uint32_t(QWidget*, uint32_t)> chooseClub_;
  bool commandsAllowed_ = false;
  bool showClubAllowed_ = false;
  uint32_t targetClub_ = 0;
  bool changed_ = false;
  uint32_t chosenClub_ = 0;
  bool started_ = false;
};

}  // namespace torvale
