#include "database/save_error_reporter.h"

#include "platform/string_table.h"
#include "platform/text_encoding.h"

namespace torvale {

void StreamSaveErrorReporter::ReportSaveError(int messageId) {
  std::fprintf(stream_, "%s\n", Cp1252ToUtf8(LoadString(messageId)).c_str());
  std::fflush(stream_);
}

void StreamSaveErrorReporter::ReportFilesNotWritten(const std::vector<std::string>& files) {
  std::fprintf(stream_, "%s\n", Cp1252ToUtf8(FilesNotWrittenMessage(files)).c_str());
  std::fflush(stream_);
}

std::string FilesNotWrittenMessage(const std::vector<std::string>& files) {
  std::string text =
      "Diese Dateien konnten beim Laden nicht gelesen werden und wurden deshalb nicht "
      "\xFC" "berschrieben:";
  for (size_t i = 0; i < files.size(); ++i) text += (i ? ", " : " ") + files[i];
  return text;
}

}  // namespace torvale
