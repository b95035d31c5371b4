// The person lists: the duplicate report, the players without club and the print preview of
// the duplicate report, on the sample installation with a few doubles and free players added.

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "app/dlg_main_menu.h"
#include "platform/string_table.h"
#include "screenshot_session.h"
#include "ui/common/editor_context.h"
#include "ui/lists/dlg_player_without_club.h"
#include "ui/lists/player_double.h"
#include "ui/lists/report_list.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/players_without_club.h"

namespace torvale {

namespace {

// Copies the names of a few persons of one club onto persons of another, so the report has
// pairs to show.
void MakeDoubles(CWorldDatabase& world, int country) {
  CCountry* land = world.Country(country);
  if (!land) return;
  std::vector<CClub*> clubs;
  for (const auto& [id, club] : land->Clubs())
    if (club->Number() != kAmateurClubNumber && club->PlayerIds().size() >= 6) clubs.push_back(club.get());
  for (size_t c = 0; c + 1 < clubs.size() && c < 6; c += 2) {
    for (size_t i = 0; i < 3; ++i) {
      const CPlayer* source = world.Persons().FindPlayer(clubs[c]->PlayerIds()[i]);
      CPlayer* copy = world.Persons().FindPlayer(clubs[c + 1]->PlayerIds()[i]);
      if (!source || !copy) continue;
      std::ranges::copy(source->firstName, copy->firstName);
      std::ranges::copy(source->surname, copy->surname);
      if (i == 0) copy->birthDate = source->birthDate;
    }
  }
}

}  // namespace

TORVALE_SCREENSHOTS(person_lists) {
  EditorContext& context = session.Context();
  CWorldDatabase* world = context.CurrentWorld();
  if (!world) return;
  constexpr int kGermany = 14;
  MakeDoubles(*world, kGermany);

  CPlayerDouble report(context.CurrentChanges(), context.CurrentLanguage(), kGermany, 0, &session.MainWindow());
  session.Save(report, "lists_duplicates");

  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, &session.MainWindow());
  SetUpListPreview(preview, report.List().Contents(LoadString(IDS_DUPLICATE_PLAYERS_TITLE)),
                   DuplicateReportPrintSettings());
  session.Save(preview, "lists_print_preview");
  preview.close();
  report.close();

  CDlgPlayerWithoutClub freePlayers(context.CurrentChanges(), [](QWidget*) { return 0u; }, &session.MainWindow());
  session.Save(freePlayers, "lists_free_players");
  freePlayers.close();
}

}  // namespace torvale
