// The club editor: its five pages, the badge chooser, the kit colour picker and the new-club
// dialog, on the first club of Germany.

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QTabWidget>

#include "app/dlg_main_menu.h"
#include "assets/render_host/render_manager.h"
#include "screenshot_session.h"
#include "ui/club/club_editor.h"
#include "ui/club/club_editor_context.h"
#include "ui/club/dlg_club_badge_manage.h"
#include "ui/club/dlg_club_parent.h"
#include "ui/club/dlg_club_shirts_color.h"
#include "ui/club/dlg_new_club.h"
#include "ui/common/editor_context.h"
#include "world/fixed_text.h"

namespace torvale {

TORVALE_SCREENSHOTS(club_editor) {
  EditorContext& context = session.Context();
  DlgMainMenu& window = session.MainWindow();
  constexpr int kGermany = 14;
  // The plug-in of the installation draws the kit, as in the editor.
  SetRenderManagerSetup({&window, QDir::current().filePath("Renderer.dll")});
  ScopedRenderManager renderer;
  const ClubEditorContext clubContext = MakeClubEditorContext(context, kGermany, &*renderer);
  if (!clubContext.country || clubContext.country->Clubs().empty()) return;
  const CClub& club = *clubContext.country->Clubs().begin()->second;

  CDlgClubParent editor(club, clubContext, &window);
  static constexpr const char* kPages[] = {"club_general", "club_badge", "club_shirts", "club_stadium",
                                           "club_history"};
  for (int page = 0; page < 5; ++page) {
    editor.Tabs()->setCurrentIndex(page);
    // Let the plug-in turn the kit a little before the picture is taken.
    if (page == 2) {
      QEventLoop turning;
      QTimer::singleShot(400, &turning, &QEventLoop::quit);
      turning.exec();
    }
    session.Save(editor, kPages[page]);
  }
  editor.close();

  std::vector<std::string> countryNames(kCountrySlots);
  for (int id = kFirstCountry; id <= kLastCountry; ++id)
    if (const CCountry* country = clubContext.world->Country(id))
      countryNames[static_cast<size_t>(id)] = country->Name(0);
  CDlgClubBadgeManage chooser(clubContext.badges, countryNames, std::string(FixedText(club.badgeFile)), &window);
  session.Save(chooser, "club_badge_chooser");
  chooser.close();

  CDlgClubShirtsColor colours(&context.TextTables().teamColours, club.clubColours[0], &window);
  session.Save(colours, "club_shirt_colour");
  colours.close();

  CDlgNewClub newClub(&window);
  session.Save(newClub, "club_new");
  newClub.close();
}

}  // namespace torvale
