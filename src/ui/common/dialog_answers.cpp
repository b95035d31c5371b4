#include "ui/common/dialog_answers.h"

#include <QDialog>

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

ScopedDialogAnswers& ScopedDialogAnswers::ThenDrive(std::function<void(QDialog&)> driver) {
  drivers_.push_back(std::move(driver));
  return *this;
}

std::function<void(QDialog&)> ScopedDialogAnswers::TakeDriver() {
  if (drivers_.empty()) return {};
  auto driver = std::move(drivers_.front());
  drivers_.pop_front();
  return driver;
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

bool RunModalDialog(QDialog& dialog) {
  ScopedDialogAnswers* hook = ScopedDialogAnswers::Active();
  if (!hook) return dialog.exec() == QDialog::Accepted;
  const std::function<void(QDialog&)> driver = hook->TakeDriver();
  if (!driver) return false;
  dialog.setResult(QDialog::Rejected);
  dialog.show();
  driver(dialog);
  const bool accepted = dialog.result() == QDialog::Accepted;
  dialog.hide();
  return accepted;
}

}  // namespace torvale
