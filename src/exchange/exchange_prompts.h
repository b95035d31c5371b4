#pragma once
// The questions and messages of the exchange and batch tools. The core never opens a window:
// the editor answers these with its message boxes (caption "Editor", German buttons), tests
// answer them in code. Texts are Windows-1252.

#include <string_view>

namespace torvale {

enum class PromptAnswer { kYes, kNo, kCancel };

class ExchangePrompts {
 public:
  virtual ~ExchangePrompts() = default;
  // A Yes/No question; true for Yes.
  virtual bool AskYesNo(std::string_view text) = 0;
  // A Yes/No/Cancel question.
  virtual PromptAnswer AskYesNoCancel(std::string_view text) = 0;
  // A message with an OK button.
  virtual void ShowMessage(std::string_view text) = 0;
};

}  // namespace torvale
