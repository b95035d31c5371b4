#pragma once
// CDlgErrorSingle: the editor's warning with a heading, a (possibly long) text and one "OK"
// button, under the caption "HALVEX Torvale - Achtung!". Callers use the static Show, which
// tests record through ScopedDialogAnswers.

#include <QDialog>
#include <string>

namespace torvale {

class CDlgErrorSingle : public QDialog {
  Q_OBJECT
 public:
  CDlgErrorSingle(QWidget* parent, const QString& heading, const QString& text);

  // Texts are Windows-1252.
  static void Show(QWidget* parent, const std::string& heading, const std::string& text);

  static QString Caption() { return QStringLiteral("HALVEX Torvale - Achtung!"); }
};

}  // namespace torvale
