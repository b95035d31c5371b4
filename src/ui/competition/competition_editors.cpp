#include "ui/competition/competition_editors.h"

#include "app/qt_text.h"
#include "ui/common/editor_commands.h"
#include "ui/common/editor_context.h"
#include "ui/common/message_box.h"

namespace torvale {

namespace {

bool NotYetAvailable(QWidget* parent) {
  ShowMessage(ToCp1252(QStringLiteral("Dieser Editor ist noch nicht verfügbar.")), parent);
  return false;
}

}  // namespace

bool OpenFixtureLists(EditorContext&, QWidget* parent, int) { return NotYetAvailable(parent); }
bool OpenFrameworkCalendar(EditorContext&, QWidget* parent, int) { return NotYetAvailable(parent); }
bool OpenLeagueComposition(EditorContext&, QWidget* parent, int) { return NotYetAvailable(parent); }

void RegisterCompetitionEditors(EditorCommandRegistry&) {}

}  // namespace torvale
