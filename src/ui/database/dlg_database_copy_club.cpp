#include "ui/database/dlg_database_copy_club.h"

#include "database/world_copy.h"

namespace torvale {

namespace {

constexpr CopyOption kClubOptions[] = {
    {"Allgemeine Informationen: Allgemein", kCopyClubGeneral},
    {"Allgemeine Informationen: Finanzen", kCopyClubFinances},
    {"Allgemeine Informationen: Anschrift + Lokale Presse", kCopyClubAddress},
    {"Allgemeine Informationen: Zuschauerinteresse", kCopyClubSpectators},
    {"Wappen und Vereinsfarben", kCopyClubBadge},
    {"Trikot", kCopyClubKit},
    {"Stadion / Umgebung: Stadion", kCopyClubStadium},
    {"Stadion / Umgebung: Ortsangabe", kCopyClubLocation},
    {"Stadion / Umgebung: Stadionumgebung", kCopyClubSurroundings},
    {"Bevorzugte Transfers", kCopyClubTransfers},
    {"Historische Daten", kCopyClubHistory},
    {"Spielerdaten 1. Mannschaft", kCopyClubFirstTeam},
    {"Spielerdaten 2. Mannschaft", kCopyClubReserveTeam},
    {"Spielerdaten Trainer und Präsidenten", kCopyClubOfficials},
};

}  // namespace

CDlgDatabaseCopyClub::CDlgDatabaseCopyClub(QWidget* parent, uint32_t mask)
    : CopyOptionDialog(parent, QStringLiteral("Verein kopieren"), kClubOptions, mask) {
  setObjectName("CDlgDatabaseCopyClub");
}

}  // namespace torvale
