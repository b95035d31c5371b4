#include "ui/backup/dlg_backup_restore.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/database_folder.h"
#include "database/world_backups.h"
#include "database/world_database.h"
#include "exchange/longtime_backups.h"
#include "platform/documents_folder.h"
#include "platform/path.h"
#include "platform/string_table.h"
#include "ui/backup/backup_list_model.h"
#include "ui/common/dlg_longtime_operation.h"
#include "ui/common/editor_context.h"
#include "ui/common/message_box.h"
#include "ui/common/string_format.h"

namespace torvale {

CDlgBackupRestore::CDlgBackupRestore(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName("CDlgBackupRestore");
  setWindowTitle(FromCp1252(LoadString(IDS_BACKUP_RESTORE_TITLE)));
  if (const CWorldDatabase* world = context_.CurrentWorld()) currentFolder_ = world->Folder();

  auto* intro = new QLabel(FromCp1252(LoadString(IDS_BACKUP_INTRO)), this);
  intro->setObjectName("intro");
  intro->setWordWrap(true);

  model_ = new BackupListModel(this);
  view_ = new QTableView(this);
  view_->setObjectName("backupList");
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setAlternatingRowColors(true);
  view_->verticalHeader()->hide();
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->horizontalHeader()->setHighlightSections(false);

  emptyHint_ = new QLabel(FromCp1252(LoadString(IDS_BACKUP_NONE)), this);
  emptyHint_->setObjectName("emptyHint");
  emptyHint_->setWordWrap(true);

  onlyCurrent_ = new QCheckBox(FromCp1252(LoadString(IDS_BACKUP_ONLY_CURRENT)), this);
  onlyCurrent_->setObjectName("onlyCurrent");
  onlyCurrent_->setChecked(!currentFolder_.empty());
  onlyCurrent_->setEnabled(!currentFolder_.empty());

  restore_ = new QPushButton(FromCp1252(LoadString(IDS_BACKUP_RESTORE)), this);
  restore_->setObjectName("restore");
  restore_->setDefault(true);
  delete_ = new QPushButton(FromCp1252(LoadString(IDS_BACKUP_DELETE)), this);
  delete_->setObjectName("delete");
  delete_->setAutoDefault(false);
  auto* close = new QPushButton(FromCp1252(LoadString(IDS_BACKUP_CLOSE)), this);
  close->setObjectName("close");
  close->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(onlyCurrent_);
  buttons->addStretch(1);
  buttons->addWidget(delete_);
  buttons->addWidget(restore_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(view_, 1);
  layout->addWidget(emptyHint_);
  layout->addLayout(buttons);
  resize(780, 420);

  connect(onlyCurrent_, &QCheckBox::toggled, this, &CDlgBackupRestore::Reload);
  connect(restore_, &QPushButton::clicked, this, &CDlgBackupRestore::Restore);
  connect(delete_, &QPushButton::clicked, this, &CDlgBackupRestore::Delete);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(view_, &QTableView::doubleClicked, this, &CDlgBackupRestore::Restore);
  Reload();
}

void CDlgBackupRestore::Reload() {
  model_->SetEntries(context_.Backups().List(), onlyCurrent_->isChecked() ? currentFolder_ : std::string());
  view_->resizeColumnsToContents();
  if (model_->rowCount() > 0) view_->selectRow(0);
  emptyHint_->setVisible(model_->rowCount() == 0);
  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CDlgBackupRestore::SelectionChanged,
          Qt::UniqueConnection);
  SelectionChanged();
}

const BackupEntry* CDlgBackupRestore::Selected() const {
  const QModelIndexList rows = view_->selectionModel()->selectedRows();
  return rows.isEmpty() ? nullptr : model_->EntryAt(rows.first().row());
}

void CDlgBackupRestore::SelectionChanged() {
  const bool chosen = Selected() != nullptr;
  restore_->setEnabled(chosen);
  delete_->setEnabled(chosen);
}

void CDlgBackupRestore::Restore() {
  const BackupEntry* entry = Selected();
  if (!entry) return;
  if (context_.Worlds().Count() >= WorldManager::kMaxWorlds) {
    ShowMessage(LoadString(IDS_BACKUP_SIX_WORLDS), this);
    return;
  }
  const std::string root = DatabasesRoot(PersonalDocumentsFolder().value_or(std::string()));
  CLongtimeRestoreBackup operation(*entry, root);
  DialogLongtimeRunner runner(this);
  operation.Run(runner);
  const BackupRestoreResult& result = operation.Result();
  // Opened as the database dialog opens one: it becomes the active database path as well.
  if (result.restored) context_.Worlds().SetActiveDatabasePath(NormalizePath(result.folder));
  CWorldDatabase* world = result.restored ? context_.OpenWorld(NormalizePath(result.folder)) : nullptr;
  if (!world) {
    ShowMessage(FormatEntry(IDS_BACKUP_RESTORE_FAILED, {root}), this);
    return;
  }
  restored_ = world;
  accept();
}

void CDlgBackupRestore::Delete() {
  const BackupEntry* entry = Selected();
  if (!entry) return;
  const std::string question = FormatEntry(
      IDS_BACKUP_DELETE_QUESTION, {entry->description.database, BackupDisplayTime(entry->description.timeMs)});
  if (!AskYesNo(question, this)) return;
  if (!context_.Backups().Remove(*entry)) ShowMessage(LoadString(IDS_BACKUP_NOT_DELETED), this);
  Reload();
}

}  // namespace torvale
