#include "ui/common/dlg_error_message.h"

#include <QPushButton>

#include "app/qt_text.h"
#include "ui/common/dialog_answers.h"
#include "ui/common/error_dialog_layout.h"

namespace torvale {

CDlgErrorMessage::CDlgErrorMessage(QWidget* parent, const QString& heading, const QString& text,
                                   const QString& okText, const QString& cancelText)
    : QDialog(parent) {
  setObjectName("CDlgErrorMessage");
  setWindowTitle(Caption());
  QList<QPushButton*> buttons = LayOutErrorDialog(*this, heading, text, {okText, cancelText});
  buttons[0]->setObjectName("ok");
  buttons[1]->setObjectName("cancel");
  connect(buttons[0], &QPushButton::clicked, this, &QDialog::accept);
  connect(buttons[1], &QPushButton::clicked, this, &QDialog::reject);
}

bool CDlgErrorMessage::Ask(QWidget* parent, const std::string& heading, const std::string& text,
                           const std::string& okText, const std::string& cancelText) {
  if (ScopedDialogAnswers* hook = ScopedDialogAnswers::Active()) {
    ShownDialog shown{ShownDialogKind::kErrorMessage, Caption(), FromCp1252(heading), FromCp1252(text),
                      {FromCp1252(okText), FromCp1252(cancelText)}};
    DialogAnswer answer = hook->AnswerQuestion(std::move(shown));
    return answer == DialogAnswer::kOk || answer == DialogAnswer::kYes;
  }
  CDlgErrorMessage dialog(parent, FromCp1252(heading), FromCp1252(text), FromCp1252(okText), FromCp1252(cancelText));
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace torvale
