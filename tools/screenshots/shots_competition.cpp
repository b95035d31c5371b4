// The competition editors: framework calendar, fixture lists, league composition, global rules,
// continental settings and the 5-year ranking.

#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "app/dlg_main_menu.h"
#include "database/world_database.h"
#include "screenshot_session.h"
#include "ui/common/editor_context.h"
#include "ui/competition/dlg_5year.h"
#include "ui/competition/dlg_5year_change.h"
#include "ui/competition/dlg_calender.h"
#include "ui/competition/dlg_fixturelist.h"
#include "ui/competition/dlg_inter_comp.h"
#include "ui/competition/dlg_league.h"
#include "ui/competition/dlg_regelaenderung.h"
#include "world/country.h"

namespace torvale {

namespace {

// The country with the deepest league system (five levels where the installation has one).
int DeepestCountry(const CWorldDatabase& world) {
  int best = 14;
  int bestLevels = 0;
  for (int n = 1; n <= kLastCountry; ++n) {
    const CCountry* c = world.Country(n);
    if (!c || !c->HasCompetitions()) continue;
    int levels = 0;
    for (int level = 0; level < 5; ++level) levels += c->EndLeague(level) > c->FirstLeague(level) ? 1 : 0;
    if (levels > bestLevels) {
      best = n;
      bestLevels = levels;
    }
  }
  return best;
}

}  // namespace

TORVALE_SCREENSHOTS(competition) {
  EditorContext& context = session.Context();
  CWorldDatabase& world = *context.CurrentWorld();
  QWidget* parent = &session.MainWindow();
  CCountry& deepest = *world.Country(DeepestCountry(world));
  CCountry& germany = *world.Country(14);
  {
    CDlgCalender calendar(context, deepest, parent);
    session.Save(calendar, "competition_calendar", 1260, 780);
    calendar.findChild<QRadioButton*>("modeSameLevel")->setChecked(true);
    calendar.findChild<QPushButton*>("month_Januar")->click();
    session.Save(calendar, "competition_calendar_january", 1260, 780);
    calendar.reject();
  }
  {
    CDlgFixturelist fixtures(context, germany, parent);
    session.Save(fixtures, "competition_fixture_list");
    fixtures.reject();
  }
  {
    CDlgLeague composition(context, germany, parent);
    session.Save(composition, "competition_league_composition");
    composition.reject();
  }
  {
    CDlgRegelaenderung rules(context, parent);
    session.Save(rules, "competition_global_rules");
    rules.reject();
  }
  {
    CDlgInterComp inter(context, parent);
    session.Save(inter, "competition_continental_europe");
    inter.findChild<QTabWidget*>("pages")->setCurrentIndex(1);
    session.Save(inter, "competition_continental_south_america");
    inter.reject();
  }
  {
    CDlg5Year ranking(context, parent);
    session.Save(ranking, "competition_five_year_ranking");
    ranking.reject();
    CDlg5YearChange change(context, 14, parent);
    session.Save(change, "competition_five_year_change");
    change.reject();
  }
}

}  // namespace torvale
