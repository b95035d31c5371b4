// "Datenbank prüfen" on the sample installation with a few things broken in three countries
// (a club without its club centre, a badge that does not exist, a rival that does
// not exist, a short name the game would cut): all findings, and only the errors. What was
// broken is put back afterwards.

#include <QComboBox>
#include <cstring>

#include "app/dlg_main_menu.h"
#include "screenshot_session.h"
#include "ui/common/editor_context.h"
#include "ui/validation/dlg_validation_report.h"
#include "world/club.h"
#include "world/country.h"

namespace torvale {

namespace {

CClub* RegularClub(CWorldDatabase& world, int country, int which) {
  CCountry* land = world.Country(country);
  if (!land) return nullptr;
  for (const auto& [id, club] : land->Clubs())
    if (club->Number() != kAmateurClubNumber && which-- == 0) return club.get();
  return nullptr;
}

}  // namespace

TORVALE_SCREENSHOTS(validation_report) {
  EditorContext& context = session.Context();
  CWorldDatabase* world = context.CurrentWorld();
  if (!world) return;
  CClub* noCentre = RegularClub(*world, 14, 3);
  CClub* noBadge = RegularClub(*world, 17, 1);
  CClub* noRival = RegularClub(*world, 12, 2);
  CClub* longName = RegularClub(*world, 14, 5);
  if (!noCentre || !noBadge || !noRival || !longName) return;
  const CClub originals[] = {*noCentre, *noBadge, *noRival, *longName};

  noCentre->facilities[kClubCentre] = 0;
  std::strncpy(noBadge->badgeFile, "Badge180/verloren.tga", sizeof noBadge->badgeFile - 1);
  noRival->archRival1 = 97;
  std::strncpy(longName->shortNames[0], "Borussia Sp", sizeof longName->shortNames[0]);

  {
    CDlgValidationReport report(context, 0, &session.MainWindow());
    session.Save(report, "validation_report", 1000, 660);
    report.findChild<QComboBox*>("severityFilter")->setCurrentIndex(1);
    session.Save(report, "validation_report_errors", 1000, 660);
    report.close();
  }
  *noCentre = originals[0];
  *noBadge = originals[1];
  *noRival = originals[2];
  *longName = originals[3];
}

}  // namespace torvale
