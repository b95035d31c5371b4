#include "ui/common/save_error_box.h"

#include "platform/string_table.h"
#include "ui/common/message_box.h"

namespace torvale {

void SaveErrorBox::ReportSaveError(int messageId) { ShowMessage(LoadString(messageId), parent_); }

}  // namespace torvale
