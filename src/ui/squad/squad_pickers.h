#pragma once
// The choosers the squad editor's list commands open: a club for "Spieler transferieren"
// (CDlgChooseClub: a club id, bit 24 set for the reserve team) and any person of the world for
// "Spieler holen" (CDlgPlayerSelect). They belong to the person search's dialogs; the squad
// editor is handed them when it opens and greys its commands while one is missing.

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
};

}  // namespace torvale
