// The squad editor: its lists, every person page, the officials' pages and the shirt numbers.

#include <QDir>
#include <QTableView>

#include "app/dlg_main_menu.h"
#include "assets/render_host/render_manager.h"
#include "database/world_database.h"
#include "screenshot_session.h"
#include "ui/common/editor_context.h"
#include "ui/squad/dlg_playerlist_club.h"
#include "ui/squad/dlg_shirt_no.h"
#include "ui/squad/squad_list_view.h"
#include "world/club.h"

namespace torvale {

namespace {

// The first club of Germany with a full squad: the sample's best-known league.
uint32_t ShowcaseClub(CWorldDatabase& world) {
  CCountry* germany = world.Country(14);
  if (!germany) return 0;
  for (const auto& entry : germany->Clubs())
    if (entry.second->Number() != kAmateurClubNumber && entry.second->CountPlayers(kFirstTeam) >= 14)
      return entry.second->clubId;
  return 0;
}

}  // namespace

TORVALE_SCREENSHOTS(squad_editor) {
  CWorldDatabase& world = *session.Context().CurrentWorld();
  const uint32_t clubId = ShowcaseClub(world);
  if (clubId == 0) return;
  // The installation's own plug-in (the working folder is the installation) draws the head.
  SetRenderManagerSetup({&session.MainWindow(), QDir::current().filePath(QStringLiteral("Renderer.dll"))});
  CDlgPlayerlistClub dialog(session.Context(), clubId, SquadPickers{}, &session.MainWindow());
  dialog.List(CDlgPlayerlistClub::kFirstTeamTab)->Table()->selectRow(3);
  const QStringList pages = {QStringLiteral("Allgemeine Information"), QStringLiteral("Position"),
                             QString::fromUtf8("Fähigkeiten"), QStringLiteral("Charakter"),
                             QStringLiteral("Aussehen"), QStringLiteral("Historische Daten")};
  const QStringList names = {QStringLiteral("general"), QStringLiteral("position"), QStringLiteral("abilities"),
                             QStringLiteral("character"), QStringLiteral("look"), QStringLiteral("history")};
  for (int i = 0; i < pages.size(); ++i) {
    dialog.SetPageTab(pages[i]);
    session.Save(dialog, "squad_player_" + names[i], 1280, 800);
  }
  dialog.SetTeamTab(CDlgPlayerlistClub::kReserveTeamTab);
  dialog.SetPageTab(QStringLiteral("Position"));
  session.Save(dialog, "squad_reserve_team", 1280, 800);
  dialog.SetTeamTab(CDlgPlayerlistClub::kOfficialsTab);
  session.Save(dialog, "squad_official_general", 1280, 800);
  dialog.SetPageTab(QString::fromUtf8("Fähigkeiten"));
  session.Save(dialog, "squad_official_abilities", 1280, 800);

  const CClub* club = world.Country(ClubCountry(clubId))->FindClub(clubId);
  std::vector<uint32_t> ids(club->PlayerIds().begin(), club->PlayerIds().end());
  CDlgShirtNo shirts(world, ids, &dialog);
  if (ids.size() > 2) shirts.SetNumber(ids[2], world.Persons().FindPlayer(ids[1])->shirtNumber);  // one shared number
  session.Save(shirts, "squad_shirt_numbers");
  shirts.reject();
  dialog.reject();
}

}  // namespace torvale
