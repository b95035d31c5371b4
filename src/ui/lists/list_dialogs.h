#pragma once
// The person list screens and their commands of the main window: the duplicate-player
// report ("Doppelte Spieler anzeigen") and the players without club ("&Freie Spieler").
//
// The squad editor opens the duplicate report for the country and club it edits:
//
//   OpenDuplicatePlayers(editor, this, country, clubId);
//
// The report preselects the narrowest scope available ("Nur von <Verein>" for a regular
// club, else "Nur von <Land>", else "Alle"). Removals commit through the world's
// WorldChanges, so the caller refills its lists from the changed signal.

#include <cstdint>

class QWidget;

namespace torvale {

class EditorContext;
struct MainSelection;

// Runs the duplicate report modally on the current world. `country` 0 and `clubId` 0 mean
// none given.
void OpenDuplicatePlayers(EditorContext& editor, QWidget* parent, int country = 0, uint32_t clubId = 0);

// Runs the list of players without club modally on the current world.
void OpenPlayersWithoutClub(EditorContext& editor, QWidget* parent);

// The handlers the main window's dispatch runs; the duplicate report opens for the whole world.
void OpenDuplicatePlayersCommand(EditorContext& editor, QWidget* parent, const MainSelection& selection);
void OpenPlayersWithoutClubCommand(EditorContext& editor, QWidget* parent, const MainSelection& selection);

}  // namespace torvale
