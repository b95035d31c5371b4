#pragma once
// The dispatch point of the editor dialogs. The main window does not know the club editor,
// the squad editor or any other editor dialog: it asks the EditorCommandRegistry to run a
// command, and each editor registers its handler once, in src/ui/register_editors.cpp:
//
//   registry.Register(EditorCommand::kClubEditor, &OpenClubEditor);
//
// A handler gets the editor context, the parent for its dialog and the main window's
// selection. It commits what it changes through the world's WorldChanges; the main window
// refills its lists from the changed signal, so a handler never calls back into the window.
// Commands without a handler are shown disabled.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

class QWidget;

namespace torvale {

class EditorContext;

enum class EditorCommand {
  kClubEditor,            // "&Verein": CDlgClubParent on a copy of the selected club
  kSquadEditor,           // "Spieler&kader": CDlgPlayerlistClub; also a double click on a club
  kCountryEditor,         // "&Land Einstellungen": CDlgLandParent of the selected country
  kCompetitionEditor,     // the competition editors, reached from the country editor
  kGlobalRules,           // "&Globale Einstellungen": CDlgRegelaenderung
  kContinentalSettings,   // "Kontinentale &Einstellungen": CDlgInterComp
  kFiveYearRanking,       // the 5-year ranking, reached from the continental settings
  kPlayerSearch,          // "Spieler &suchen"
  kDuplicatePlayers,      // "Doppelte Spieler anzeigen"
  kPlayersWithoutClub,    // "&Freie Spieler"
  kFastTransfers,         // "Schnelle &Transfers"
  kNationalTeams,         // "&Nationalmannschaften"
  kPlayerComparison,      // "Spielerverglei&ch"
  kNewClub,               // "Neuer Verein": CDlgNewClub, then a club of that name in the selected country
  kValidationReport,      // "Datenbank prüfen": CDlgValidationReport of the current world
  kCount
};

// What the main window has selected when the command is given.
struct MainSelection {
  int country = 0;      // 1-206; 0 when none
  uint32_t clubId = 0;  // 0 when no club is selected
  bool HasClub() const { return clubId != 0; }
};

using EditorCommandHandler = std::function<void(EditorContext& context, QWidget* parent, const MainSelection& selection)>;

class EditorCommandRegistry {
 public:
  void Register(EditorCommand command, EditorCommandHandler handler);
  bool Has(EditorCommand command) const;
  // Runs the handler; false (nothing happens) when the command has none.
  bool Run(EditorCommand command, EditorContext& context, QWidget* parent, const MainSelection& selection) const;

 private:
  std::array<EditorCommandHandler, static_cast<size_t>(EditorCommand::kCount)> handlers_;
};

// Registers every editor's handler (src/ui/register_editors.cpp, one line per editor).
void RegisterEditors(EditorCommandRegistry& registry);

}  // namespace torvale
