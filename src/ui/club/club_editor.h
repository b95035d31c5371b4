#pragma once
// The club editor's commands of the main window: "&Verein" edits the selected club on a
// working copy and commits it through the world's change door on OK; "Neuer Verein" asks for
// a name and files a new club of that name in the selected country.

#include <cstdint>

class QWidget;

namespace torvale {

class ClubNameCounter;
class EditorContext;
class CRenderManager;
struct ClubEditorContext;
struct MainSelection;

// What the club editor reaches of the editor's state, for the club's country.
ClubEditorContext MakeClubEditorContext(EditorContext& editor, int country, CRenderManager* renderer);

// Runs the editor on a copy of `clubId` of the context's country; on OK the context's commit
// writes the copy back. True when the user confirmed and the copy was written.
bool EditClub(QWidget* parent, const ClubEditorContext& context, uint32_t clubId);

// Asks for a name and files a club of that name in the context's country. Returns the new
// club's id; 0 when the user cancelled or the country has no free club number.
uint32_t CreateClub(QWidget* parent, const ClubEditorContext& context, ClubNameCounter& counter);

// The handlers the main window's dispatch runs.
void OpenClubEditor(EditorContext& editor, QWidget* parent, const MainSelection& selection);
void OpenNewClubDialog(EditorContext& editor, QWidget* parent, const MainSelection& selection);

}  // namespace torvale
