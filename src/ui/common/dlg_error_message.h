#pragma once
// CDlgErrorMessage: the editor's dialog for longer results and lists of problems — a heading,
// a multi-line text and two buttons ("OK"/"Abbruch", or the caller's texts such as
// "OK"/"Egal"); the caller learns which was pressed. Callers use the static Ask, which tests
// answer through ScopedDialogAnswers (kOk for the first button, kCancel for the second):
//
//   if (!CDlgErrorMessage::Ask(this, LoadString(622), report)) return;

#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace torvale {

class CDlgErrorMessage : public QDialog {
  Q_OBJECT
 public:
  CDlgErrorMessage(QWidget* parent, const QString& heading, const QString& text,
                   const QString& okText = QStringLiteral("OK"), const QString& cancelText = QStringLiteral("Abbruch"));

  // Texts are Windows-1252. True when the first button ("OK") was pressed.
  static bool Ask(QWidget* parent, const std::string& heading, const std::string& text,
                  const std::string& okText = "OK", const std::string& cancelText = "Abbruch");

  static QString Caption() { return QStringLiteral("VQ 2004 Editor Hinweis"); }
};

}  // namespace torvale
