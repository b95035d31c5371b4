#include "ui/database/dlg_new_database.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/database_list.h"
#include "database/database_save_as.h"
#include "ui/common/message_box.h"

namespace torvale {

namespace {

// What a database name may hold at most (the input box of "Neu" takes as many).
constexpr int kMaxNameLength = 32;

}  // namespace

CDlgNewDatabase::CDlgNewDatabase(CWorldDatabase& world, const std::string& documentsFolder,
                                 std::function<bool(CWorldDatabase&)> save, QWidget* parent)
    : DatabaseFolderDialog(documentsFolder, parent), world_(world), documents_(documentsFolder), save_(std::move(save)) {
  setObjectName("CDlgNewDatabase");
  setWindowTitle(QStringLiteral("Datenbank speichern unter"));
  name_ = new QLineEdit(this);
  name_->setObjectName("name");
  name_->setMaxLength(kMaxNameLength);
  description_ = new QPlainTextEdit(this);
  description_->setObjectName("description");
  description_->setMaximumHeight(80);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Name:"), name_);
  form->addRow(QStringLiteral("Kommentar der neuen Datenbank:"), description_);
  Body()->addLayout(form);

  saveButton_ = new QPushButton(QStringLiteral("Speichern"), this);
  saveButton_->setObjectName("save");
  saveButton_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancel->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(DeleteButton());
  buttons->addStretch(1);
  buttons->addWidget(saveButton_);
  buttons->addWidget(cancel);
  Body()->addLayout(buttons);
  connect(name_, &QLineEdit::textChanged, this, &CDlgNewDatabase::NameEdited);
  connect(saveButton_, &QPushButton::clicked, this, &CDlgNewDatabase::Save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  NameEdited();
  name_->setFocus();
}

void CDlgNewDatabase::NameEdited() {
  const std::string name = ToCp1252(name_->text());
  saveButton_->setEnabled(IsValidDatabaseName(name));
  if (nameFromList_) return;
  const std::string existing = IsValidDatabaseName(name) ? FindDatabaseIgnoringCase(Names(), name) : std::string();
  nameFromList_ = true;
  SelectName(existing);
  nameFromList_ = false;
  if (existing.empty()) Comment()->clear();
}

void CDlgNewDatabase::SelectionChanged() {
  DatabaseFolderDialog::SelectionChanged();
  const std::string selected = SelectedName();
  if (nameFromList_ || selected.empty() || !name_) return;
  // Picking a database from the list takes its name; its comment is offered unless the user
  // has written one of their own.
  nameFromList_ = true;
  name_->setText(FromCp1252(selected));
  nameFromList_ = false;
  if (description_->toPlainText().isEmpty()) description_->setPlainText(Comment()->toPlainText());
}

void CDlgNewDatabase::Save() {
  std::string name = ToCp1252(name_->text());
  if (!IsValidDatabaseName(name)) return;
  // The file system here tells letter cases apart; the game's never did. The database the
  // user meant is the one the list shows.
  if (const std::string existing = FindDatabaseIgnoringCase(Names(), name); !existing.empty()) name = existing;
  const SaveAsOutcome outcome =
      SaveWorldAs(world_, documents_, name, ToCp1252(description_->toPlainText()),
                  [this](std::string_view question) { return AskYesNo(std::string(question), this); }, save_,
                  backup_);
  if (outcome == SaveAsOutcome::kSaved) {
    accept();
  } else {
    reject();
  }
}

}  // namespace torvale
