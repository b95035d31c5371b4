#include "ui/common/error_dialog_layout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvale {

QList<QPushButton*> LayOutErrorDialog(QDialog& dialog, const QString& heading, const QString& text,
                                      const QStringList& buttonTexts) {
  auto* layout = new QVBoxLayout(&dialog);
  auto* headingLabel = new QLabel(heading, &dialog);
  headingLabel->setObjectName("heading");
  headingLabel->setProperty("role", "heading");
  headingLabel->setWordWrap(true);
  layout->addWidget(headingLabel);

  auto* body = new QPlainTextEdit(text, &dialog);
  body->setObjectName("text");
  body->setReadOnly(true);
  body->setMinimumSize(460, 220);
  layout->addWidget(body, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  QList<QPushButton*> result;
  for (const QString& label : buttonTexts) {
    auto* button = new QPushButton(label, &dialog);
    buttons->addWidget(button);
    result << button;
  }
  layout->addLayout(buttons);
  if (!result.isEmpty()) {
    result.front()->setDefault(true);
    result.front()->setFocus();
  }
  dialog.resize(560, 340);
  return result;
}

}  // namespace torvale
