#include "app/interim_main_window.h"

#include "app/qt_text.h"
#include "platform/string_table.h"

namespace torvale {

InterimMainWindow::InterimMainWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(FromCp1252(LoadString(IDS_MESSAGE_CAPTION)));
  resize(800, 600);
}

}  // namespace torvale
