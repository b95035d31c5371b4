#pragma once
// Copying countries and clubs from one open world into another ("Datenbanken
// synchronisieren"). The user picks parts by the check boxes of the two option dialogs; each
// bit below is one box. What a part covers is documented where it is copied (world_copy.cpp).
//
// The target world stays consistent: persons are copied as new persons of the target world
// (fresh ids); club references inside the copied data are mapped to the target world's club
// of the same name in the same country (or cleared when it has none); stadium references to
// the target country's stadium of the same name and town.

#include <cstdint>

namespace torvale {

class CClub;
class CCountry;
class CWorldDatabase;

// Country copy options.
constexpr uint32_t kCopyCountryGeneral = 0x2;          // "Allgemeine Informationen"
constexpr uint32_t kCopyCountryYouth = 0x4;            // "Jugendspieler"
constexpr uint32_t kCopyCountryReferees = 0x8;         // "Schiedsrichter"
constexpr uint32_t kCopyCountryStadiums = 0x10;        // "Stadienliste"
constexpr uint32_t kCopyCountryManagers = 0x20;        // "Sonstige Trainer/Manager"
constexpr uint32_t kCopyCountryClubsAndFixtures = 0x40;  // "Vereine / Spielpläne übernehmen"

// Club copy options.
constexpr uint32_t kCopyClubGeneral = 0x2;         // "Allgemeine Informationen: Allgemein"
constexpr uint32_t kCopyClubFinances = 0x4;        // "... Finanzen"
constexpr uint32_t kCopyClubAddress = 0x8;         // "... Anschrift + Lokale Presse"
constexpr uint32_t kCopyClubSpectators = 0x10;     // "... Zuschauerinteresse"
constexpr uint32_t kCopyClubBadge = 0x20;          // "Wappen und Vereinsfarben"
constexpr uint32_t kCopyClubKit = 0x40;            // "Trikot"
constexpr uint32_t kCopyClubStadium = 0x80;        // "Stadion / Umgebung: Stadion"
constexpr uint32_t kCopyClubLocation = 0x100;      // "Stadion / Umgebung: Ortsangabe"
constexpr uint32_t kCopyClubSurroundings = 0x200;  // "Stadion / Umgebung: Stadionumgebung"
constexpr uint32_t kCopyClubTransfers = 0x400;     // "Bevorzugte Transfers"
constexpr uint32_t kCopyClubHistory = 0x800;       // "Historische Daten"
constexpr uint32_t kCopyClubFirstTeam = 0x1000;    // "Spielerdaten 1. Mannschaft"
constexpr uint32_t kCopyClubReserveTeam = 0x2000;  // "Spielerdaten 2. Mannschaft"
constexpr uint32_t kCopyClubOfficials = 0x4000;    // "Spielerdaten Trainer und Präsidenten"

// The masks the synchronisation dialog starts with (bit 0 is never used).
constexpr uint32_t kCopyEverything = 0xFFFFFFFFu;

// Copies the chosen parts of `source` (a country of `sourceWorld`) onto `target` (a country
// of `targetWorld`). False, and nothing copied, when both are the same world or a country does
// not belong to its world.
bool CopyCountry(const CWorldDatabase& sourceWorld, const CCountry& source, CWorldDatabase& targetWorld,
                 CCountry& target, uint32_t mask);

// Copies the chosen parts of club `source` onto club `target` of another world. False, and
// nothing copied, for the same world or clubs that do not belong to their worlds.
bool CopyClub(const CWorldDatabase& sourceWorld, const CClub& source, CWorldDatabase& targetWorld, CClub& target,
              uint32_t mask);

// A club dropped onto a country: when the country has a club of exactly the same name (first
// language) the parts of `mask` are copied onto it, otherwise a new club with everything of the
// source is added. The club copied onto; null when nothing was copied (no number left).
CClub* CopyClubIntoCountry(const CWorldDatabase& sourceWorld, const CClub& source, CWorldDatabase& targetWorld,
                           CCountry& target, uint32_t mask);

// A continent dropped onto the same continent: every country of that continent (by the source
// world's countries) is copied onto the country of the same number. Returns how many were.
int CopyContinent(const CWorldDatabase& sourceWorld, CWorldDatabase& targetWorld, uint32_t continent,
                  uint32_t mask);

}  // namespace torvale
