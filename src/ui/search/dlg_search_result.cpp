#include "ui/search/dlg_search_result.h"

#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/common/editor_context.h"
#include "ui/search/person_moves.h"
#include "ui/search/person_search_dialogs.h"
#include "ui/search/result_view.h"
#include "ui/search/search_result_model.h"
#include "ui/search/search_worker.h"
#include "world/club.h"

namespace torvale {
CDlgSearchResult::CDlgSearchResult(EditorContext& context, const PersonSearchPatterns& patterns, QWidget* parent)
    : QDialog(parent),
      context_(context),
      patterns_(patterns),
      model_(new SearchResultModel(this)),
      worker_(new SearchWorker(this)) {
  setObjectName(QStringLiteral("CDlgSearchResult"));
  setWindowTitle(Caption());
  chooseClub_ = [this](QWidget* parent, uint32_t current) { return ChooseClub(context_, parent, current); };

  auto* layout = new QVBoxLayout(this);
  view_ = MakeResultView(model_, this);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  layout->addWidget(view_);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("statusLabel"));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("okButton"));
  buttons->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancelButton"));
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(status_, 1);
  bottom->addWidget(buttons);
  layout->addLayout(bottom);
  resize(1060, 600);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& where) {
    std::unique_ptr<QMenu> menu(MakeContextMenu());
    if (menu) menu->exec(view_->viewport()->mapToGlobal(where));
  });
  connect(worker_, &SearchWorker::batchReady, this, &CDlgSearchResult::ShowBatch);
}

CDlgSearchResult::~CDlgSearchResult() { worker_->Stop(); }

bool CDlgSearchResult::SearchRunning() const { return worker_->Running(); }

void CDlgSearchResult::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!started_) {
    started_ = true;
    RestartSearch();
  }
}

void CDlgSearchResult::RestartSearch() {
  started_ = true;
  worker_->Stop();
  model_->Clear();
  worker_->Start(*context_.CurrentWorld(), patterns_);
  UpdateStatus();
}

void CDlgSearchResult::ShowBatch(const std::vector<SearchResultRow>& rows, bool final) {
  view_->setUpdatesEnabled(false);
  model_->Append(rows);
  view_->setUpdatesEnabled(true);
  UpdateStatus();
  emit batchShown(final);
}

void CDlgSearchResult::UpdateStatus() {
  const int count = model_->rowCount();
  QString text = count == 1 ? QStringLiteral("1 Person gefunden") : QStringLiteral("%1 Personen gefunden").arg(count);
  if (worker_->Running()) text += QString::fromUtf8(" – Suche läuft …");
  status_->setText(text);
}

int CDlgSearchResult::SelectedRow() const {
  const QModelIndexList rows = view_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

QMenu* CDlgSearchResult::MakeContextMenu() {
  if (!commandsAllowed_ || worker_->Running()) return nullptr;
  auto* menu = new QMenu(this);
  menu->setObjectName(QStringLiteral("resultMenu"));
  auto add = [&](const char* text, const char* name, bool enabled, void (CDlgSearchResult::*slot)()) {
    QAction* action = menu->addAction(QString::fromUtf8(text), this, slot);
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
  };
  add("Spieler holen", "fetchAction", targetClub_ != 0, &CDlgSearchResult::FetchSelected);
  add("Spieler transferieren", "transferAction", true, &CDlgSearchResult::TransferSelected);
  add("Spieler löschen", "releaseAction", true, &CDlgSearchResult::ReleaseSelected);
  add("Verein anzeigen", "showClubAction", showClubAllowed_, &CDlgSearchResult::ShowClubOfSelected);
  return menu;
}

void CDlgSearchResult::AfterMove() {
  changed_ = true;
  RestartSearch();
}

void CDlgSearchResult::TransferSelected() {
  const SearchHit* row = model_->Hit(SelectedRow());
  if (!row || worker_->Running()) return;
  const SearchHit hit = *row;
  const uint32_t chosen = chooseClub_(this, hit.clubId);
  if (chosen == 0) return;
  if (CommitTransfer(context_.CurrentChanges(), hit.playerId, hit.clubId, chosen) == MoveResult::kMoved) {
    AfterMove();
  }
}

void CDlgSearchResult::FetchSelected() {
  const SearchHit* row = model_->Hit(SelectedRow());
  if (!row || targetClub_ == 0 || worker_->Running()) return;
  const SearchHit hit = *row;
  if (CommitTransfer(context_.CurrentChanges(), hit.playerId, hit.clubId, targetClub_) == MoveResult::kMoved) {
    AfterMove();
  }
}

void CDlgSearchResult::ReleaseSelected() {
  const SearchHit* row = model_->Hit(SelectedRow());
  if (!row || worker_->Running()) return;
  if (CommitRelease(context_.CurrentChanges(), row->playerId, row->clubId)) AfterMove();
}

void CDlgSearchResult::ShowClubOfSelected() {
  const SearchHit* row = model_->Hit(SelectedRow());
  if (!row || !showClubAllowed_ || row->clubId == 0) return;
  chosenClub_ = row->clubId;
  accept();
}

}  // namespace torvale
