#include "platform/unicode_path.h"

#include "platform/documents_folder.h"
#include "platform/pc/file.h"
#include "platform/text_encoding.h"

namespace torvale {

bool PathHasUnicode(std::string_view working_directory, std::string_view documents_folder) {
  return !IsRepresentableInCp1252(working_directory) || !IsRepresentableInCp1252(documents_folder);
}

bool PathHasUnicode() {
  std::string working = GetWorkingDirectory().value_or(std::string());
  std::string documents = PersonalDocumentsFolder().value_or(std::string());
  return PathHasUnicode(working, documents);
}

}  // namespace torvale
