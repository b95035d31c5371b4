#pragma once
// Which editor shows the place of a validation finding: the club editor for what belongs to
// a club's own data, the squad editor for its persons, the country editor for a country's
// competitions, files and playability, the global rules for the rules' references, the free
// players for a person without club. The main window's dispatch runs it.

#include <optional>

#include "ui/common/editor_commands.h"

namespace torvale {

class CWorldDatabase;
struct ValidationFinding;

struct FindingEditor {
  EditorCommand command = EditorCommand::kCountryEditor;
  MainSelection selection;
};

// The editor for `finding` in `world`; none when no editor shows it (a person no list holds,
// a world without any complete country).
std::optional<FindingEditor> EditorForFinding(const CWorldDatabase& world, const ValidationFinding& finding);

}  // namespace torvale
