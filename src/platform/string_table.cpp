#include "platform/string_table.h"

#include <algorithm>
#include <iterator>

#include "platform/text_encoding.h"

namespace torvale {

namespace {

struct Entry {
  int id;
  const char* utf8;
};

// Sorted by number. Add new entries in order; a test checks the order and uniqueness.
constexpr Entry kEntries[] = {
    {622, "Der folgende Fehler ist aufgetreten!"},
    {760, " nicht vorhanden"},
    {798, "Es trat mindestens ein Fehler beim Schreiben der Dateien auf. Stellen Sie sicher, dass Sie Schreibrechte auf das Verzeichnis haben."},
    {799, "ger"},
    {888, "Das aktuelle Verzeichnis oder das \"Eigene Dokumente\" Verzeichnis enthält Unicodezeichen. Der Editor unterstütz Unicode Verzeichnisnamen nicht."},
    {896, "Der Editor benötigt die Vollinstallation des Spiels und kann deswegen nicht gestartet werden."},
    {898, "TORVALE"},
    {899, "Editor"},
    {1301, "keine Absteiger"},
    {1302, "1 Absteiger"},
    {1303, "2 Absteiger"},
    {1304, "3 Absteiger"},
    {1305, "4 Absteiger"},
    {1306, "5 Absteiger"},
    {1307, "englische Abstiegsregelung"},
    {1308, "Relegation England Division 3"},
    {1309, "Relegation Conference"},
    {1310, "Schottland"},
    {1311, "Schweizer System"},
    {1312, "Spielplan ist nicht vollständig!"},
    {1313, "Anzahl Spieltage ist nicht korrekt!"},
    {1314, "Nicht genügend Vereine in der Liga!"},
    {1315, "Reserveteams dürfen nicht in der Liga spielen!"},
    {1316, "Die folgenden Fehler sind aufgetreten!"},
};

const Entry* Find(int id) {
  auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                             [](const Entry& e, int key) { return e.id < key; });
  return (it != std::end(kEntries) && it->id == id) ? it : nullptr;
}

}  // namespace

std::string LoadString(int id) {
  const Entry* e = Find(id);
  return e ? Utf8ToCp1252(e->utf8) : std::string();
}

bool HasString(int id) { return Find(id) != nullptr; }

}  // namespace torvale
