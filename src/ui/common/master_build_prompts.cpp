#include "ui/common/master_build_prompts.h"

#include <QApplication>
#include <QMetaObject>
#include <QThread>
#include <string>

#include "ui/common/dlg_error_message.h"
#include "ui/common/dlg_error_single.h"

namespace torvale {

namespace {

// Runs `show` on the GUI thread; a worker blocks until the dialog has been answered.
template <typename Show>
void OnGuiThread(Show show) {
  if (QThread::currentThread() == qApp->thread()) {
    show();
  } else {
    QMetaObject::invokeMethod(qApp, show, Qt::BlockingQueuedConnection);
  }
}

}  // namespace

void DialogMasterBuildPrompts::ShowSingle(std::string_view heading, std::string_view text) {
  OnGuiThread([&] { CDlgErrorSingle::Show(parent_, std::string(heading), std::string(text)); });
}

bool DialogMasterBuildPrompts::AskMessage(std::string_view heading, std::string_view text) {
  bool ok = false;
  OnGuiThread([&] { ok = CDlgErrorMessage::Ask(parent_, std::string(heading), std::string(text)); });
  return ok;
}

}  // namespace torvale
