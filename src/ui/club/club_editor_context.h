#pragma once
// What the club editor's pages reach besides the club they edit: the club's world and country,
// the text tables of the database folder, the two badge roots, the process-wide current
// language, and the renderer plug-in of the kit preview. The dialog that opens the editor
// fills it from the editor's process-wide state; tests fill it with their own.

#include <functional>
#include <memory>
#include <string>

#include "assets/badge_lookup.h"

namespace torvale {

class CClub;
class CCountry;
class CTextDataTables;
class CWorldDatabase;
class CRenderManager;

struct ClubEditorContext {
  CWorldDatabase* world = nullptr;
  CCountry* country = nullptr;  // the club's country
  const CTextDataTables* tables = nullptr;  // null: no speech samples, no named colours
  BadgeRoots badges;
  std::string cityFolder;  // where the city graphics are chosen from
  // The process-wide current language; the language box of the first page changes it.
  std::function<int()> language;
  std::function<void(int)> setLanguage;
  CRenderManager* renderer = nullptr;  // null or not loaded: the kit page shows its own drawing
  // Writes the confirmed copy back over the club (through the world's change door); false
  // when the club could not be written.
  std::function<bool(const CClub&)> commit;
  // Files a new club in the country; its id, 0 when the country took none.
  std::function<uint32_t(std::unique_ptr<CClub>)> fileNewClub;

  int Language() const { return language ? language() : 0; }
};

}  // namespace torvale
