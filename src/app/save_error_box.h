#pragma once
// The editor's side of save failures: the message goes into a message box with the editor's
// caption. The core only calls the SaveErrorReporter interface.

#include "database/save_error_reporter.h"

namespace torvale {

class SaveErrorBox final : public SaveErrorReporter {
 public:
  void ReportSaveError(int messageId) override;
};

}  // namespace torvale
