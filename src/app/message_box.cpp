#include "app/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <cstdio>

#include "app/qt_text.h"
#include "platform/fatal_error.h"
#include "platform/string_table.h"

namespace torvale {

void ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, FromCp1252(LoadString(IDS_MESSAGE_CAPTION)), FromCp1252(text),
                  QMessageBox::Ok);
  box.exec();
}

void InstallFatalErrorBox(FatalErrorHandler& handler) {
  handler.SetPresenter([](const std::string& title, const std::string& message) {
    // A box can only be shown from the GUI thread; a report from a service thread goes
    // to standard error instead of deadlocking the end of the program.
    if (!qApp || QThread::currentThread() != qApp->thread()) {
      std::fprintf(stderr, "%s\n%s\n", title.c_str(), message.c_str());
      return;
    }
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title),
                    QString::fromStdString(message).trimmed(), QMessageBox::Ok);
    // The program ends after this box: it must stay in front of every window.
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
  });
}

}  // namespace torvale
