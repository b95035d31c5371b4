#pragma once
// The main window's "Spieler&kader" command (and the double click on a club): the squad
// editor for the selected club, or the national team dialog for a country's national
// pseudo-club, whose squad is chosen from the country's nationals.

#include "ui/common/editor_commands.h"

namespace torvale {

void OpenSquadEditor(EditorContext& context, QWidget* parent, const MainSelection& selection);

}  // namespace torvale
