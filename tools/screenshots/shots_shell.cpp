// The main window and the shared dialogs.

#include <QTableView>

#include "app/dlg_main_menu.h"
#include "app/editor_splash.h"

#include <QLabel>
#include "screenshot_session.h"
#include "ui/common/dlg_error_message.h"
#include "ui/common/dlg_error_single.h"
#include "ui/controls/my_list_box.h"
#include "ui/controls/spin_edit_ctrl.h"

namespace torvale {

TORVALE_SCREENSHOTS(shell) {
  DlgMainMenu& window = session.MainWindow();
  session.Save(window, "main_window", 1280, 800);
  window.SetClubOrder(ClubOrder::kStrength);
  session.Save(window, "main_window_by_strength", 1280, 800);
  window.SetClubOrder(ClubOrder::kName);

  QLabel splash;
  splash.setPixmap(EditorSplashPicture());
  session.Save(splash, "splash");

  CDlgErrorMessage message(&window, QString::fromUtf8("Die folgenden Länder sind korrekt initialisiert"),
                           "Deutschland\nEngland\nSpanien\nItalien", "OK", "Egal");
  session.Save(message, "error_message");
  message.close();

  CDlgErrorSingle single(&window, QStringLiteral("Achtung"),
                         QString::fromUtf8("Der Verein FC Beispiel benutzt ein nicht vorhandenes Wappen mit dem "
                                           "Dateinamen 14/beispiel.tga."));
  session.Save(single, "error_single");
  single.close();
}

}  // namespace torvale
