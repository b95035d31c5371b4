#pragma once
// The editor's look: Fusion with one palette and one style sheet, and the shared background
// picture that every dialog is drawn over. The program, the GUI tests and the screenshot tool
// all call ApplyEditorTheme once after creating the QApplication, so a dialog looks the same
// wherever it is shown. Dialogs add nothing of their own beyond object names; a widget that
// must stand out (a heading, a figure of the statistics) sets the dynamic property "role"
// ("heading", "figure", "caption") and the style sheet does the rest.

#include <QColor>
#include <QIcon>

class QApplication;

namespace torvale {

void ApplyEditorTheme(QApplication& app);

// The accent of the theme (headings, the selection), for widgets that paint themselves.
QColor EditorAccentColour();

// How reports mark what the game will not accept (a red card) and what is probably wrong (a
// yellow card): the text colour and a small card icon.
QColor EditorErrorColour();
QColor EditorWarningColour();
QIcon EditorSeverityIcon(bool error);

}  // namespace torvale
