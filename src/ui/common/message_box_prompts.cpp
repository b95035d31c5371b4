#include "ui/common/message_box_prompts.h"

#include <string>

#include "ui/common/message_box.h"

namespace torvale {

bool MessageBoxPrompts::AskYesNo(std::string_view text) { return torvale::AskYesNo(std::string(text), parent_); }

PromptAnswer MessageBoxPrompts::AskYesNoCancel(std::string_view text) {
  switch (ShowMessageBox(std::string(text), MessageButtons::kYesNoCancel, parent_)) {
    case DialogAnswer::kYes:
    case DialogAnswer::kOk: return PromptAnswer::kYes;
    case DialogAnswer::kNo: return PromptAnswer::kNo;
    case DialogAnswer::kCancel: return PromptAnswer::kCancel;
  }
  return PromptAnswer::kCancel;
}

void MessageBoxPrompts::ShowMessage(std::string_view text) { torvale::ShowMessage(std::string(text), parent_); }

}  // namespace torvale
