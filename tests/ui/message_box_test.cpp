#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>

#include "ui/common/message_box.h"
#include "platform/fatal_error.h"
#include "platform/string_table.h"

namespace torvale {

namespace {

// The message box on screen; a box that is not found would leave the test waiting forever,
// so callers fail loudly instead.
QMessageBox* VisibleMessageBox() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
  return nullptr;
}

}  // namespace

TEST(MessageBox, ShowsTheTextUnderTheEditorCaptionWithOneOkButton) {
  QString title, text;
  int buttons = 0;
  QTimer::singleShot(0, [&] {
    QMessageBox* box = VisibleMessageBox();
    if (!box) std::abort();
    title = box->windowTitle();
    text = box->text();
    buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  ShowMessage(LoadString(IDS_NEEDS_FULL_INSTALLATION));
  EXPECT_EQ(title, "Editor");
  EXPECT_EQ(text, QString::fromUtf8("Der Editor benötigt die Vollinstallation des Spiels und kann deswegen nicht "
                                    "gestartet werden."));
  EXPECT_EQ(buttons, 1);
}

TEST(FatalErrorBoxDeathTest, ShowsTheAbortBoxInFrontOfEverythingThenEnds) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        FatalErrorHandler handler;
        InstallFatalErrorBox(handler);
        QTimer::singleShot(0, [] {
          QMessageBox* box = VisibleMessageBox();
          if (!box) std::abort();
          fprintf(stderr, "BOX [%s] [%s] modal=%d\n", box->windowTitle().toUtf8().constData(),
                  box->text().toUtf8().constData(), box->windowModality() == Qt::ApplicationModal);
          box->button(QMessageBox::Ok)->click();
        });
        handler.Report("platform/pc/nfile.cpp", 12, "FILESYS_init - out of memory\n");
      },
      testing::ExitedWithCode(kFatalErrorExitStatus),
      "BOX \\[Abort from file \"platform/pc/nfile.cpp\", line 12\\] \\[FILESYS_init - out of memory\\] modal=1");
}

}  // namespace torvale
