#pragma once
// Small builders the country editor's pages and record editors share.

#include <QString>

class QBoxLayout;
class QComboBox;
class QDialog;
class QLineEdit;
class QWidget;

namespace torvale {

class CWorldDatabase;

// An edit holding at most `maxLength` characters (the record's field width).
QLineEdit* MakeLimitedEdit(QWidget* parent, int maxLength, const QString& objectName, const QString& text = {});
// "OK" and "Abbruch" at the foot of a record editor.
void AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout);
// The world's countries by name, with the country number as item data.
void FillCountryCombo(QComboBox& combo, const CWorldDatabase& world, int language);

}  // namespace torvale
