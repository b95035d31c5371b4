#pragma once
// The person search's dialogs as the squad editor opens them: a club for "Spieler
// transferieren" (CDlgChooseClub: a club id, bit 24 set for the reserve team), any person of
// the world for "Spieler holen" (CDlgPlayerSelect), and the search cycle of "Spieler suchen".
// The squad editor is handed them when it opens and greys its commands while one is missing.

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace torvale {

class CWorldDatabase;

struct SquadPickers {
  // The chosen club id; nothing when the user cancels.
  std::function<std::optional<uint32_t>(QWidget* parent, CWorldDatabase& world)> chooseClub;
  // The chosen person's id; nothing when the user cancels.
  std::function<std::optional<uint32_t>(QWidget* parent, CWorldDatabase& world)> choosePerson;
  // "Spieler suchen" with "Spieler holen" into `targetClubId`, whose list the squad editor has
  // written back first; `afterChange` runs after every result list that changed the world.
  std::function<void(QWidget* parent, uint32_t targetClubId, const std::function<void()>& afterChange)> searchPersons;
};

}  // namespace torvale
