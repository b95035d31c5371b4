#include "ui/competition/competition_editors.h"

#include "database/world_database.h"
#include "ui/common/editor_commands.h"
#include "ui/common/editor_context.h"
#include "ui/competition/dlg_5year.h"
#include "ui/competition/dlg_calender.h"
#include "ui/competition/dlg_fixturelist.h"
#include "ui/competition/dlg_inter_comp.h"
#include "ui/competition/dlg_league.h"
#include "ui/competition/dlg_regelaenderung.h"
#include "world/country.h"

namespace torvale {

namespace {

CCountry* CountryOf(EditorContext& context, int country) {
  CWorldDatabase* world = context.CurrentWorld();
  if (!world || country < 1 || country > kLastCountry) return nullptr;
  CCountry* c = world->Country(country);
  return c && c->HasCompetitions() ? c : nullptr;
}

// Runs a dialog that works on the country's competitions; whether it changed anything.
template <typename Dialog>
bool RunCountryDialog(EditorContext& context, QWidget* parent, int country) {
  CCountry* c = CountryOf(context, country);
  if (!c) return false;
  Dialog dialog(context, *c, parent);
  dialog.exec();
  return dialog.Changed();
}

}  // namespace

bool OpenFixtureLists(EditorContext& context, QWidget* parent, int country) {
  return RunCountryDialog<CDlgFixturelist>(context, parent, country);
}

bool OpenFrameworkCalendar(EditorContext& context, QWidget* parent, int country) {
  return RunCountryDialog<CDlgCalender>(context, parent, country);
}

bool OpenLeagueComposition(EditorContext& context, QWidget* parent, int country) {
  return RunCountryDialog<CDlgLeague>(context, parent, country);
}

void RegisterCompetitionEditors(EditorCommandRegistry& registry) {
  registry.Register(EditorCommand::kGlobalRules, [](EditorContext& context, QWidget* parent, const MainSelection&) {
    if (!context.CurrentWorld()) return;
    CDlgRegelaenderung dialog(context, parent);
    dialog.exec();
  });
  registry.Register(EditorCommand::kContinentalSettings,
                    [](EditorContext& context, QWidget* parent, const MainSelection&) {
                      if (!context.CurrentWorld()) return;
                      CDlgInterComp dialog(context, parent);
                      dialog.exec();
                    });
  registry.Register(EditorCommand::kFiveYearRanking, [](EditorContext& context, QWidget* parent, const MainSelection&) {
    if (!context.CurrentWorld()) return;
    CDlg5Year dialog(context, parent);
    dialog.exec();
  });
  registry.Register(EditorCommand::kCompetitionEditor,
                    [](EditorContext& context, QWidget* parent, const MainSelection& selection) {
                      OpenFrameworkCalendar(context, parent, selection.country);
                    });
}

}  // namespace torvale
