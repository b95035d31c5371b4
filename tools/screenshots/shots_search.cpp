// The person search and the transfer dialogs.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTreeWidget>

#include "app/dlg_main_menu.h"
#include "database/world_database.h"
#include "persons/person_search.h"
#include "screenshot_session.h"
#include "ui/common/editor_context.h"
#include "ui/search/dlg_choose_club.h"
#include "ui/search/dlg_fast_transfer.h"
#include "ui/search/dlg_nationalteam.h"
#include "ui/search/dlg_player_compare.h"
#include "ui/search/dlg_player_search.h"
#include "ui/search/dlg_player_select.h"
#include "ui/search/dlg_search_result.h"
#include "ui/search/search_result_model.h"
#include "world/club.h"
#include "world/country.h"

namespace torvale {
namespace {

// The first regular clubs of a country of the sample world.
std::vector<uint32_t> RegularClubs(const CWorldDatabase& world, int country, size_t count) {
  std::vector<uint32_t> ids;
  for (const auto& [id, club] : world.Country(country)->Clubs()) {
    if (club->Number() != kAmateurClubNumber && ids.size() < count) ids.push_back(club->clubId);
  }
  return ids;
}

void WaitWhile(const std::function<bool()>& busy) {
  QElapsedTimer timer;
  timer.start();
  while (busy() && timer.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace

TORVALE_SCREENSHOTS(search) {
  EditorContext& context = session.Context();
  QWidget* parent = &session.MainWindow();
  const CWorldDatabase& world = *context.CurrentWorld();

  PersonSearchTexts texts{"", "", "M*"};
  CDlgPlayerSearch search(texts, parent);
  session.Save(search, "search_dialog");
  search.close();

  CDlgSearchResult result(context, PersonSearchPatterns::FromTexts(texts), parent);
  result.show();
  WaitWhile([&] { return result.SearchRunning(); });
  result.View().selectRow(2);
  session.Save(result, "search_result");
  result.close();

  const std::vector<uint32_t> clubs = RegularClubs(world, 14, 2);
  CDlgChooseClub choose(world, context.CurrentLanguage(), parent);
  if (!clubs.empty()) choose.Preselect(clubs.front() | kReserveTeamBit);
  session.Save(choose, "choose_club");
  choose.close();

  CDlgPlayerSelect select(context, parent);
  select.findChild<QLineEdit*>("surnameEdit")->setText(QStringLiteral("S*"));
  select.Search();
  WaitWhile([&] { return select.SearchRunning(); });
  session.Save(select, "player_select");
  select.close();

  CDlgFastTransfer transfer(context, parent);
  if (clubs.size() == 2) {
    transfer.SetClub(0, clubs[0]);
    transfer.SetClub(1, clubs[1]);
    transfer.List(0).topLevelItem(0)->setSelected(true);
  }
  session.Save(transfer, "fast_transfer");
  transfer.close();

  CDlgNationalteam national(context, parent);
  national.SetCountry(14);
  session.Save(national, "national_teams");
  national.close();

  CDlgPlayerCompare compare(context, parent);
  if (clubs.size() == 2) {
    compare.SetPerson(0, world.Country(14)->FindClub(clubs[0])->PlayerIds().front());
    compare.SetPerson(1, world.Country(14)->FindClub(clubs[1])->PlayerIds().front());
  }
  session.Save(compare, "player_compare");
  compare.close();
}

}  // namespace torvale
