#pragma once
// The club editor's entry points for the main window: "&Verein" (and a double click) edits the
// selected club on a working copy and writes it back on OK; "Neuer Verein" asks for a name and
// files a new club in the selected country.

#include <cstdint>

class QWidget;

namespace torvale {

class ClubNameCounter;
struct ClubEditorContext;

// Runs the editor on a copy of the club `clubId` of the context's country. True when the user
// confirmed and the copy replaced the club.
bool EditClub(QWidget* parent, const ClubEditorContext& context, uint32_t clubId);

// Asks for a name and adds a club of that name to the context's country. Returns the new
// club's id, 0 when the user cancelled or the country has no free club number.
uint32_t CreateClub(QWidget* parent, const ClubEditorContext& context, ClubNameCounter& counter);

}  // namespace torvale
