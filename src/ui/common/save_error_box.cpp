#include "ui/common/save_error_box.h"

#include "platform/string_table.h"
#include "ui/common/message_box.h"

namespace torvale {

void SaveErrorBox::ReportSaveError(int messageId) { ShowMessage(LoadString(messageId), parent_); }

void SaveErrorBox::ReportFilesNotWritten(const std::vector<std::string>& files) {
  ShowMessage(FilesNotWrittenMessage(files), parent_);
}

}  // namespace torvale
