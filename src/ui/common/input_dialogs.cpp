#include "ui/common/input_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QRegularExpression>

#include "app/qt_text.h"
#include "ui/common/dialog_answers.h"

namespace torvale {

namespace {

std::optional<QString> AskHook(ShownDialogKind kind, const QString& caption, const QString& text) {
  ScopedDialogAnswers* hook = ScopedDialogAnswers::Active();
  if (!hook) return std::nullopt;
  return hook->AnswerChoice({kind, caption, {}, text, {}});
}

std::optional<QString> ChooseFile(QWidget* parent, const QString& mfcFilter, const QString& defaultSuffix,
                                  const QString& caption, QFileDialog::AcceptMode mode) {
  const QString filter = QtFileFilter(mfcFilter);
  if (ScopedDialogAnswers::Active()) return AskHook(ShownDialogKind::kFileChoice, caption, filter);
  QFileDialog dialog(parent, caption, QString(), filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

}  // namespace

std::optional<std::string> AskText(QWidget* parent, const QString& title, const QString& prompt,
                                   const QString& proposal, int maxLength) {
  std::optional<QString> text;
  if (ScopedDialogAnswers::Active()) {
    text = AskHook(ShownDialogKind::kInputBox, title, prompt);
  } else {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(proposal);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setMaxLength(maxLength);
    if (dialog.exec() == QDialog::Accepted) text = dialog.textValue();
  }
  if (!text) return std::nullopt;
  return ToCp1252(text->left(maxLength));
}

std::optional<QString> ChooseOpenFile(QWidget* parent, const QString& mfcFilter, const QString& defaultSuffix,
                                      const QString& caption) {
  return ChooseFile(parent, mfcFilter, defaultSuffix, caption, QFileDialog::AcceptOpen);
}

std::optional<QString> ChooseSaveFile(QWidget* parent, const QString& mfcFilter, const QString& defaultSuffix,
                                      const QString& caption) {
  return ChooseFile(parent, mfcFilter, defaultSuffix, caption, QFileDialog::AcceptSave);
}

QString QtFileFilter(const QString& mfcFilter) {
  const QStringList parts = mfcFilter.split('|');
  QStringList filters;
  static const QRegularExpression trailingPattern(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    QString description = parts[i];
    description.remove(trailingPattern);
    QString pattern = parts[i + 1];
    pattern.replace(';', ' ');
    if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
    filters << QStringLiteral("%1 (%2)").arg(description, pattern);
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace torvale
