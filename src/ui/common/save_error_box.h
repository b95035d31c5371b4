#pragma once
// The editor's side of save failures: the message goes into a message box with the editor's
// caption. The core only calls the SaveErrorReporter interface; hand a SaveErrorBox to
// CWorldDatabase::Save or to an export. A report from a worker thread is shown on the GUI
// thread while the worker waits.

#include "database/save_error_reporter.h"

class QWidget;

namespace torvale {

class SaveErrorBox final : public SaveErrorReporter {
 public:
  explicit SaveErrorBox(QWidget* parent = nullptr) : parent_(parent) {}
  void ReportSaveError(int messageId) override;

 private:
  QWidget* parent_;
};

}  // namespace torvale
