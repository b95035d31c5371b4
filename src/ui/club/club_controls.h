#pragma once
// Small helpers the club editor's pages share: text fields cut at the record's limits, choice
// boxes that keep a stored number the list does not offer (so that storing a page never
// changes a value the user did not touch), country and colour boxes.

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPixmap>
#include <cstdint>
#include <string>
#include <string_view>

namespace torvale {

struct BadgeRoots;
class CTeamColourTextFile;
class CWorldDatabase;

QLineEdit* MakeTextField(QWidget* parent, const char* objectName, size_t maxChars);
void ShowText(QLineEdit* field, std::string_view cp1252);
std::string TypedText(const QLineEdit* field);

// A whole number typed into a field; 0 when the field holds none.
int32_t TypedNumber(const QLineEdit* field);

// Selects the entry whose data is `value`; a value the box lacks is added as "(<value>)".
void SelectValue(QComboBox* box, int value);
int SelectedValue(const QComboBox* box);

// "---" (0), then the countries 1..206 of the world in alphabetical order of their names in
// `language`.
void FillCountryBox(QComboBox* box, const CWorldDatabase& world, int language);

// The screen colour of a club colour number as the renderer plug-in shows it (grey for a
// number the list does not name) and the name the screens give it: the list's text, else
// "Farbe <n>".
uint32_t ClubColourOnScreen(const CTeamColourTextFile* colours, uint32_t number);
QString ClubColourName(const CTeamColourTextFile* colours, uint32_t number);

// A filled square of a Windows screen colour (0x00BBGGRR) with a thin frame.
QPixmap ColourSwatch(uint32_t screenColour, int size);
QColor ScreenColour(uint32_t screenColour);
// The club colour list, each entry with its swatch; data is the entry's id.
void FillTeamColourBox(QComboBox* box, const CTeamColourTextFile* colours);

}  // namespace torvale

namespace torvale {

// The badge image of `badgePath` scaled into a square of `size` pixels; a null pixmap when no
// image can be shown (a missing badge is not reported).
QPixmap BadgePixmap(const BadgeRoots& roots, std::string_view badgePath, int size);

// A group box with a UTF-8 title around `layout`.
QGroupBox* MakeGroup(const char* title, QLayout* layout);
// OK and "Abbruch" wired to the dialog's accept and reject; OK is named "okButton".
QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog);

// Tells the user why a value was not taken (the editor's message box: caption "Editor", OK).
void TellClubEditorUser(QWidget* parent, const QString& text);

// The file the user picks to open below `folder` (the editor's file choice, which tests
// answer); empty when cancelled.
QString ChooseFileToOpen(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);

}  // namespace torvale
