#include "ui/common/dialog_answers.h"

namespace torvale {

namespace {

// Set only while a test's hook lives; the GUI runs on one thread.
ScopedDialogAnswers* g_active = nullptr;

}  // namespace

ScopedDialogAnswers::ScopedDialogAnswers() : previous_(g_active) { g_active = this; }

ScopedDialogAnswers::~ScopedDialogAnswers() { g_active = previous_; }

ScopedDialogAnswers* ScopedDialogAnswers::Active() { return g_active; }

ScopedDialogAnswers& ScopedDialogAnswers::Then(DialogAnswer answer) {
  answers_.push_back(answer);
  return *this;
}

ScopedDialogAnswers& ScopedDialogAnswers::ThenChoose(const QString& choice) {
  choices_.push_back(choice);
  return *this;
}

QStringList ScopedDialogAnswers::Texts() const {
  QStringList texts;
  for (const ShownDialog& shown : shown_) texts << shown.text;
  return texts;
}

DialogAnswer ScopedDialogAnswers::AnswerQuestion(ShownDialog shown) {
  const bool yesNo = shown.buttons.contains(QStringLiteral("Ja"));
  shown_.push_back(std::move(shown));
  if (!answers_.empty()) {
    DialogAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  if (default_) return *default_;
  return yesNo ? DialogAnswer::kYes : DialogAnswer::kOk;
}

void ScopedDialogAnswers::RecordNotice(ShownDialog shown) { shown_.push_back(std::move(shown)); }

std::optional<QString> ScopedDialogAnswers::AnswerChoice(ShownDialog shown) {
  shown_.push_back(std::move(shown));
  if (choices_.empty()) return std::nullopt;
  QString choice = choices_.front();
  choices_.pop_front();
  return choice;
}

}  // namespace torvale
