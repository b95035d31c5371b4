#include "app/save_error_box.h"

#include "app/message_box.h"
#include "platform/string_table.h"

namespace torvale {

void SaveErrorBox::ReportSaveError(int messageId) { ShowMessage(LoadString(messageId)); }

}  // namespace torvale
