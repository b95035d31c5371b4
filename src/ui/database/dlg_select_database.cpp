#include "ui/database/dlg_select_database.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/path.h"

namespace torvale {

CDlgSelectDatabase::CDlgSelectDatabase(const std::string& documentsFolder, QWidget* parent)
    : DatabaseFolderDialog(documentsFolder, parent) {
  setObjectName("CDlgSelectDatabase");
  setWindowTitle(QString::fromUtf8("Datenbank öffnen"));
  open_ = new QPushButton(QString::fromUtf8("Öffnen"), this);
  open_->setObjectName("open");
  open_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancel->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(DeleteButton());
  buttons->addStretch(1);
  buttons->addWidget(open_);
  buttons->addWidget(cancel);
  Body()->addLayout(buttons);
  connect(open_, &QPushButton::clicked, this, &CDlgSelectDatabase::Open);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(List(), &QListWidget::itemDoubleClicked, this, &CDlgSelectDatabase::Open);
  SelectionChanged();
}

void CDlgSelectDatabase::SelectionChanged() {
  DatabaseFolderDialog::SelectionChanged();
  if (open_) open_->setEnabled(!SelectedName().empty());
}

void CDlgSelectDatabase::Open() {
  const std::string name = SelectedName();
  if (name.empty()) return;
  chosen_ = JoinPath(Root(), name);
  accept();
}

}  // namespace torvale
