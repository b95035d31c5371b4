#pragma once
// The body both error dialogs share: a heading over a read-only, scrollable text, buttons at
// the bottom right. The first button is the default.

#include <QStringList>

class QDialog;
class QPushButton;

namespace torvale {

// Lays out `dialog`; returns the buttons in the order of `buttonTexts`.
QList<QPushButton*> LayOutErrorDialog(QDialog& dialog, const QString& heading, const QString& text,
                                      const QStringList& buttonTexts);

}  // namespace torvale
