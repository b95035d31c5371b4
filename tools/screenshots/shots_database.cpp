// The database dialogs: synchronisation with its two option dialogs.

#include <QTreeWidget>

#include "app/dlg_main_menu.h"
#include "screenshot_session.h"
#include "ui/common/editor_context.h"
#include "ui/database/dlg_database_copy.h"
#include "ui/database/dlg_database_copy_club.h"
#include "ui/database/dlg_database_copy_country.h"
#include "database/world_copy.h"

namespace torvale {

TORVALE_SCREENSHOTS(database) {
  EditorContext& context = session.Context();
  CWorldDatabase* opened = context.OpenGameDatabase();
  {
    CDlgDatabaseCopy copy(context, &session.MainWindow());
    for (int side = 0; side < 2; ++side) {
      QTreeWidgetItem* europe = copy.Tree(side)->topLevelItem(0);
      europe->setExpanded(true);
      for (int i = 0; i < europe->childCount(); ++i)
        if (europe->child(i)->text(0) == "Deutschland") europe->child(i)->setExpanded(true);
    }
    session.Save(copy, "database_copy", 760, 560);
  }
  {
    CDlgDatabaseCopyCountry country(&session.MainWindow(), kCopyEverything);
    session.Save(country, "database_copy_country");
  }
  {
    CDlgDatabaseCopyClub club(&session.MainWindow(), kCopyEverything & ~kCopyClubHistory);
    session.Save(club, "database_copy_club");
  }
  context.CloseWorld(opened);
  session.MainWindow().Refresh();
}

}  // namespace torvale
