#pragma once
// The exchange and batch tools' questions and messages as the editor's message boxes
// (caption "Editor", German buttons), answerable in tests through ScopedDialogAnswers.

#include "exchange/exchange_prompts.h"

class QWidget;

namespace torvale {

class MessageBoxPrompts final : public ExchangePrompts {
 public:
  explicit MessageBoxPrompts(QWidget* parent) : parent_(parent) {}
  bool AskYesNo(std::string_view text) override;
  PromptAnswer AskYesNoCancel(std::string_view text) override;
  void ShowMessage(std::string_view text) override;

 private:
  QWidget* parent_;
};

}  // namespace torvale
