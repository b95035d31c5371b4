// The country editor: every page of "Land Einstellungen" and the record editors, on
// Deutschland; the league system drawing also for a country with five levels.

#include <QTabWidget>

#include "app/dlg_main_menu.h"
#include "competition/competition_registry.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "competition/league_system_layouts.h"
#include "database/world_database.h"
#include "screenshot_session.h"
#include "ui/common/dialog_answers.h"
#include "ui/common/editor_context.h"
#include "ui/competition/dlg_leaguedata_change.h"
#include "ui/country/dlg_land_leaguesystem.h"
#include "ui/country/dlg_land_parent.h"
#include "ui/country/dlg_manag_all.h"
#include "ui/country/dlg_playerpool.h"
#include "ui/country/dlg_referees.h"
#include "ui/country/dlg_stadiumlist.h"
#include "world/country.h"
#include "world/player.h"

namespace torvale {

namespace {
constexpr int kGermany = 14;
constexpr int kSpain = 45;
constexpr int kFiveLevelLayout = 30;  // "1-1-1-2-4"
}  // namespace

TORVALE_SCREENSHOTS(country_editor) {
  EditorContext& context = session.Context();
  CWorldDatabase& world = *context.CurrentWorld();
  CCountry& germany = *world.Country(kGermany);
  {
    CDlgLandParent dialog(context, kGermany, &session.MainWindow());
    const char* names[] = {"country_general", "country_league_system", "country_cup", "country_youth_pool",
                           "country_referees", "country_stadiums", "country_managers", "country_youth_looks"};
    for (int page = 0; page < CDlgLandParent::kPageCount; ++page) {
      dialog.Tabs()->setCurrentIndex(page);
      session.Save(dialog, names[page], 1240, 760);
    }
    dialog.close();
  }

  CStadium stadium = germany.Stadiums().empty() ? CStadium{} : germany.Stadiums().begin()->second;
  CDlgStadium stadiumEditor(stadium, context.StadiumModels(), &session.MainWindow());
  session.Save(stadiumEditor, "country_stadium_editor");
  stadiumEditor.close();

  CReferee referee = germany.Referees().empty() ? CReferee{} : germany.Referees().begin()->second;
  CDlgRefereeChange refereeEditor(referee, &session.MainWindow());
  session.Save(refereeEditor, "country_referee_editor");
  refereeEditor.close();

  CPlayerPoolEntry entry;
  for (const CPlayerPoolEntry& e : germany.PlayerPool())
    if (e.InUse()) {
      entry = e;
      break;
    }
  CDlgPlayerpoolEntry poolEditor(entry, world, germany, &session.MainWindow());
  session.Save(poolEditor, "country_pool_editor");
  poolEditor.close();

  CPlayer manager;
  manager.InitDefaults(kRoleManager, kGermany);
  if (!germany.AdditionalManagers().empty())
    if (const CPlayer* person = world.Persons().FindPlayer(*germany.AdditionalManagers().begin())) manager = *person;
  CDlgManagerEdit managerEditor(manager, world, context.CurrentLanguage(), &session.MainWindow());
  session.Save(managerEditor, "country_manager_editor");
  managerEditor.close();

  if (auto* league = world.Competitions().Find<CDBLeague>(LeagueId(kGermany, 0))) {
    const int layout = FindLeagueSystemLayout({germany.EndLeague(0) - germany.FirstLeague(0),
                                               germany.EndLeague(1) - germany.FirstLeague(1),
                                               germany.EndLeague(2) - germany.FirstLeague(2),
                                               germany.EndLeague(3) - germany.FirstLeague(3),
                                               germany.EndLeague(4) - germany.FirstLeague(4)});
    if (const LeagueSystemLayout* found = GetLeagueSystemLayout(layout)) {
      CDlgLeaguedataChange leagueData(context.CurrentChanges(), germany, *league, *found, 0, &session.MainWindow());
      session.Save(leagueData, "league_data");
      leagueData.close();
    }
  }

  // A country with five levels: the drawing must stay readable. (Nothing may wait for a click.)
  ScopedDialogAnswers answers;
  CDlgLandParent spain(context, kSpain, &session.MainWindow());
  spain.Tabs()->setCurrentIndex(CDlgLandParent::kLeagueSystem);
  static_cast<CDlgLandLeaguesystem*>(spain.PageAt(CDlgLandParent::kLeagueSystem))->ChooseLayout(kFiveLevelLayout);
  session.Save(spain, "country_league_system_five_levels", 1240, 760);
  spain.close();
}

}  // namespace torvale
