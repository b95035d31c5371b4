#include "database/save_error_reporter.h"

#include "platform/string_table.h"
#include "platform/text_encoding.h"

namespace torvale {

void StreamSaveErrorReporter::ReportSaveError(int messageId) {
  std::fprintf(stream_, "%s\n", Cp1252ToUtf8(LoadString(messageId)).c_str());
  std::fflush(stream_);
}

}  // namespace torvale
