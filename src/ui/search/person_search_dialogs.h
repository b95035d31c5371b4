#pragma once
// The entry points other editors use to find persons and clubs. Every function runs its
// dialogs modally on the current world of the context and commits what it changes through
// that world's WorldChanges.
//
// The search texts are kept for the whole run, so each search dialog shows the last ones again.

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace torvale {

class EditorContext;
struct PersonSearchTexts;

// The search texts of this run (shown and edited by every search dialog).
PersonSearchTexts& SharedSearchTexts();

// Main window, "Spieler suchen": search dialog, then the result list with its commands and
// "Verein anzeigen". A shown club opens the squad editor (EditorCommand::kSquadEditor) on it
// and ends the search; "OK" without a shown club asks for the next search; "Abbruch" in either
// dialog ends.
void RunMainWindowPersonSearch(EditorContext& context, QWidget* parent);

// Squad editor, "Spieler suchen". The caller has written its working copy back over club
// `targetClubId` first; "Spieler holen" fetches into that club. `afterChange` runs after each
// result dialog in which a command changed the world (the squad editor copies the club back
// into its working copy and refills its lists). The cycle repeats while the result dialog
// closes with "OK". Returns whether anything changed at all.
bool RunSquadPersonSearch(EditorContext& context, QWidget* parent, uint32_t targetClubId,
                          const std::function<void()>& afterChange = {});

// Person editor, "Suchen": the same cycle with a read-only result list (no context menu).
void RunReadOnlyPersonSearch(EditorContext& context, QWidget* parent);

// CDlgChooseClub: continent, country, club and team. Returns the chosen club's id, with bit
// 24 (kReserveTeamBit) set for its reserve team; 0 when the user cancels. `current` (bit 24
// allowed) is preselected when it names a club.
uint32_t ChooseClub(EditorContext& context, QWidget* parent, uint32_t current = 0);

// A person picked in CDlgPlayerSelect, with the club that lists it (0: none).
struct SelectedPerson {
  uint32_t playerId = 0;
  uint32_t clubId = 0;
};

// CDlgPlayerSelect: find any person of the world by name (the search's rules) and pick one.
// Nothing when the user cancels.
std::optional<SelectedPerson> SelectPerson(EditorContext& context, QWidget* parent);

}  // namespace torvale
