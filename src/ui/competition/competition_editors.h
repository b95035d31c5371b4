#pragma once
// The competition editors as the country editor's "Ligasystem" page and the main window reach
// them. Each opens its dialog modally on the current world for country `country` (1-206) and
// returns whether anything was committed to the world.

class QWidget;

namespace torvale {

class EditorContext;
class EditorCommandRegistry;

// "Spielpläne": the fixture lists of the country's leagues.
bool OpenFixtureLists(EditorContext& context, QWidget* parent, int country);
// "Rahmenkalender": the framework calendar of the country's leagues and national cups.
bool OpenFrameworkCalendar(EditorContext& context, QWidget* parent, int country);
// "Ligazusammensetzung": which club plays in which league of the country.
bool OpenLeagueComposition(EditorContext& context, QWidget* parent, int country);

// The main-window commands of the competition editors (global rules, continental settings,
// 5-year ranking, framework calendar of the selected country).
void RegisterCompetitionEditors(EditorCommandRegistry& registry);

}  // namespace torvale
