#pragma once
// The command ids of the main window's menus, buttons and context menu. They name the
// commands in tests (DlgMainMenu::CommandAction) and keep the game editor's numbering, which
// the "Datenbanken" menu relies on (world i is command kCmdDatabase1 + i).

namespace torvale {

enum MainMenuCommand : int {
  kCmdNew = 57600,
  kCmdOpen = 57601,
  kCmdClose = 57602,
  kCmdSave = 57603,
  kCmdUndo = 57643,
  kCmdRedo = 57644,
  kCmdSaveAs = 32807,
  kCmdImport = 32808,
  kCmdExport = 32809,
  kCmdExit = 32811,
  kCmdNext = 32829,
  kCmdManage = 1910,
  kCmdRestore = 32908,
  kCmdRestoreBackup = 32950,
  kCmdDatabase1 = 32830,  // .. 32835
  kCmdFastTransfers = 1763,
  kCmdPlayerSearch = 1805,
  kCmdDuplicatePlayers = 1808,
  kCmdNationalTeams = 1804,
  kCmdPlayersWithoutClub = 1807,
  kCmdPlayerComparison = 1809,
  kCmdInvalidBadges = 32877,
  kCmdGlobalRules = 1801,
  kCmdContinentalSettings = 1802,
  kCmdCountrySettings = 1800,
  kCmdClubEditor = 1798,
  kCmdSquadEditor = 1799,
  kCmdWriteDB = 1129,
  kCmdRemoveClubPeople = 32840,
  kCmdNewClub = 32821,
  kCmdDeleteClub = 32822,
  kCmdSaveClub = 32823,
  kCmdReplaceClub = 32824,
  kCmdWriteDBForPS2 = 32857,
  kCmdMapClubIds = 32845,
  kCmdMapPlayerIds = 32846,
  kCmdMapConsoleFaces = 32855,
  kCmdMapFaceIds = 32863,
  kCmdCheckDatabase = 1450,  // "Datenbank prüfen" (F7), an addition of this editor
};

}  // namespace torvale
