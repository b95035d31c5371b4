#pragma once
// The command ids of the squad editor's context menus; the officials' "Neu..." items take
// their ids from the role table of squad_rules.h (OfficialCommandOfRole).

namespace torvale {

constexpr int kCmdNewPlayer = 32775;       // "Neuer Spieler"
constexpr int kCmdDeleteEntry = 32776;     // "Eintrag löschen"
constexpr int kCmdTransferPerson = 32777;  // "Spieler transferieren" / "Person transferieren"
constexpr int kCmdFetchPerson = 32778;     // "Spieler holen" / "Person holen"
constexpr int kCmdSwitchTeam = 32779;      // "In 2. Mannschaft" / "In 1. Mannschaft"

// Menu numbers: first-team list, reserve list, officials' list.
constexpr int kFirstTeamMenu = 166;
constexpr int kReserveTeamMenu = 168;
constexpr int kOfficialsMenu = 167;

}  // namespace torvale
