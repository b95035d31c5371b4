#include "ui/common/save_error_box.h"

#include "platform/string_table.h"
#include "ui/common/message_box.h"

namespace torvale {

// An export saves on its worker thread: ShowMessage hands the box to the GUI thread.
void SaveErrorBox::ReportSaveError(int messageId) { ShowMessage(LoadString(messageId), parent_); }

}  // namespace torvale
