// The database dialogs: synchronisation with its two option dialogs.

#include <QTreeWidget>

#include "app/dlg_main_menu.h"
#include "screenshot_session.h"
#include "ui/common/editor_context.h"
#include "ui/database/dlg_database_copy.h"
#include "ui/database/dlg_database_copy_club.h"
#include "ui/database/dlg_database_copy_country.h"
#include "database/world_copy.h"
#include "exchange/world_archive.h"
#include "platform/documents_folder.h"
#include "platform/string_table.h"
#include "ui/common/dlg_longtime_operation.h"
#include "ui/database/dlg_new_database.h"
#include "ui/database/dlg_select_database.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace torvale {

namespace {

// An export half way through, as its progress dialog shows it; nothing runs.
class ShownExport final : public CLongtimeOperation {
 public:
  ShownExport() {
    SetTitle(LoadString(IDS_EXPORT_TITLE));
    SetDescription(FormatStringEntry(IDS_EXPORT_DESCRIPTION, "/home/spieler/Liga 2004.zdb"));
    SetStatus(FormatStringEntry(IDS_EXPORT_CLUB, "FC Bremen"));
    SetRange(0, 1200);
    SetPos(530);
  }

 protected:
  void Execute() override {}
};

void MakeDatabase(const QString& root, const QString& name, const QByteArray& description) {
  QDir().mkpath(root + "/" + name);
  QFile file(root + "/" + name + "/Database.txt");
  if (file.open(QIODevice::WriteOnly)) file.write(description);
}

}  // namespace

TORVALE_SCREENSHOTS(database) {
  const std::string documents = PersonalDocumentsFolder().value_or(std::string());
  const QString root = QString::fromStdString(documents) + "/database";
  MakeDatabase(root, "Bundesliga 2004", "Die Saison 2004 mit allen Transfers bis August.");
  MakeDatabase(root, "Liga Spanien", "Spanische Ligen mit neuen Spitznamen.");
  MakeDatabase(root, "Testwelt", "");
  {
    CDlgSelectDatabase open(documents, &session.MainWindow());
    open.List()->setCurrentRow(0);
    session.Save(open, "database_open");
  }
  {
    CDlgNewDatabase saveAs(*session.Context().CurrentWorld(), documents, [](CWorldDatabase&) { return false; },
                           &session.MainWindow());
    saveAs.NameField()->setText("Liga Spanien");
    session.Save(saveAs, "database_save_as");
  }
  {
    ShownExport operation;
    CDlgLongtimeOperation progress(operation, &session.MainWindow());
    session.Save(progress, "longtime_operation");
    progress.close();
  }

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
