#include "ui/database/database_folder_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/database_folder.h"
#include "database/database_list.h"
#include "platform/path.h"
#include "ui/common/message_box.h"
#include "ui/common/string_format.h"

namespace torvale {

namespace {

constexpr int kDeleteQuestion = 814;

}  // namespace

DatabaseFolderDialog::DatabaseFolderDialog(const std::string& documentsFolder, QWidget* parent)
    : QDialog(parent), root_(documentsFolder.empty() ? std::string() : DatabasesRoot(documentsFolder)) {
  body_ = new QVBoxLayout(this);
  list_ = new QListWidget(this);
  list_->setObjectName("databaseList");
  list_->setMinimumSize(360, 220);
  delete_ = new QPushButton(QString::fromUtf8("Datenbank löschen"), this);
  delete_->setObjectName("deleteDatabase");
  delete_->setAutoDefault(false);
  comment_ = new QPlainTextEdit(this);
  comment_->setObjectName("comment");
  comment_->setReadOnly(true);
  comment_->setMaximumHeight(90);
  body_->addWidget(list_, 1);
  body_->addWidget(new QLabel(QStringLiteral("Kommentar:"), this));
  body_->addWidget(comment_);
  connect(list_, &QListWidget::currentRowChanged, this, [this] { SelectionChanged(); });
  connect(delete_, &QPushButton::clicked, this, &DatabaseFolderDialog::DeleteSelected);

  // An export that was interrupted leaves its temporary database behind; it is no database.
  if (!root_.empty()) DeleteFolder(JoinPath(root_, kTempExportFolderName), true);
  FillList();
}

void DatabaseFolderDialog::FillList() {
  names_ = root_.empty() ? std::vector<std::string>{} : ListDatabases(root_);
  list_->clear();
  const QIcon folder = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
  for (const std::string& name : names_) list_->addItem(new QListWidgetItem(folder, FromCp1252(name)));
  list_->setCurrentRow(-1);
  SelectionChanged();
}

std::string DatabaseFolderDialog::SelectedName() const {
  const int row = list_->currentRow();
  return row >= 0 && row < static_cast<int>(names_.size()) && list_->currentItem()->isSelected()
             ? names_[static_cast<size_t>(row)]
             : std::string();
}

void DatabaseFolderDialog::SelectName(const std::string& name) {
  for (size_t i = 0; i < names_.size(); ++i)
    if (names_[i] == name) {
      list_->setCurrentRow(static_cast<int>(i));
      list_->currentItem()->setSelected(true);
      return;
    }
  list_->setCurrentRow(-1);
  list_->clearSelection();
}

void DatabaseFolderDialog::SelectionChanged() {
  const std::string name = SelectedName();
  delete_->setEnabled(!name.empty());
  comment_->setPlainText(name.empty() ? QString() : FromCp1252(ReadDatabaseDescription(root_, name)));
}

void DatabaseFolderDialog::DeleteSelected() {
  const std::string name = SelectedName();
  if (name.empty() || !AskYesNo(FormatEntry(kDeleteQuestion, {name}), this)) return;
  // A folder that resists deletion is not reported; it is gone from the list all the same.
  DeleteFolder(JoinPath(root_, name), true);
  const int row = list_->currentRow();
  names_.erase(names_.begin() + row);
  delete list_->takeItem(row);
  list_->setCurrentRow(-1);
  list_->clearSelection();
  SelectionChanged();
}

}  // namespace torvale
