#include "platform/string_table.h"

#include <algorithm>
#include <iterator>

#include "platform/text_encoding.h"

namespace torvale {

namespace {

using Entry = StringTableEntry;

// Sorted by number. Add new entries in order; a test checks the order and uniqueness.
constexpr Entry kEntries[] = {
    {798, "Es trat mindestens ein Fehler beim Schreiben der Dateien auf. Stellen Sie sicher, dass Sie Schreibrechte auf das Verzeichnis haben."},
    {799, "ger"},
    {888, "Das aktuelle Verzeichnis oder das \"Eigene Dokumente\" Verzeichnis enthält Unicodezeichen. Der Editor unterstütz Unicode Verzeichnisnamen nicht."},
    {896, "Der Editor benötigt die Vollinstallation des Spiels und kann deswegen nicht gestartet werden."},
    {898, "TORVALE"},
    {899, "Editor"},
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

std::span<const StringTableEntry> StringTableEntries() { return kEntries; }

}  // namespace torvale
