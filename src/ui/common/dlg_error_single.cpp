#include "ui/common/dlg_error_single.h"

#include <QPushButton>

#include "app/qt_text.h"
#include "ui/common/dialog_answers.h"
#include "ui/common/error_dialog_layout.h"

namespace torvale {

CDlgErrorSingle::CDlgErrorSingle(QWidget* parent, const QString& heading, const QString& text) : QDialog(parent) {
  setObjectName("CDlgErrorSingle");
  setWindowTitle(Caption());
  QList<QPushButton*> buttons = LayOutErrorDialog(*this, heading, text, {QStringLiteral("OK")});
  buttons[0]->setObjectName("ok");
  connect(buttons[0], &QPushButton::clicked, this, &QDialog::accept);
}

void CDlgErrorSingle::Show(QWidget* parent, const std::string& heading, const std::string& text) {
  if (ScopedDialogAnswers* hook = ScopedDialogAnswers::Active()) {
    hook->RecordNotice({ShownDialogKind::kErrorSingle, Caption(), FromCp1252(heading), FromCp1252(text), {"OK"}});
    return;
  }
  CDlgErrorSingle dialog(parent, FromCp1252(heading), FromCp1252(text));
  dialog.exec();
}

}  // namespace torvale
