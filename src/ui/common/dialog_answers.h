#pragma once
// The test hook of the editor's modal questions. Every message box, error dialog, input box
// and file choice of the editor asks ScopedDialogAnswers::Active() first; while a
// ScopedDialogAnswers object lives, nothing is shown: the object records what would have been
// shown and answers it. GUI tests therefore never block on a modal box:
//
//   ScopedDialogAnswers answers;
//   answers.Then(DialogAnswer::kNo);              // the next question is answered "No"
//   window.Trigger(...);
//   EXPECT_EQ(answers.Shown().at(0).text, "...");
//
// Questions (Yes/No, Yes/No/Cancel, OK/Abbruch) take the queued answers in order and, when
// the queue is empty, the default (the first button: OK or Yes). Boxes with a single OK
// button are recorded but take nothing from the queue. Input boxes and file choices take the
// queued choices (ThenChoose); with none queued they are cancelled. Whole dialogs an editor
// runs with RunModalDialog are handed to the queued drivers (ThenDrive): the dialog is shown
// without a modal loop, the driver fills it and clicks its buttons, and the dialog's result
// counts; with no driver queued the dialog is cancelled.

#include <QString>
#include <QStringList>
#include <functional>
#include <deque>
#include <optional>
#include <vector>

class QDialog;

namespace torvale {

enum class DialogAnswer { kOk, kYes, kNo, kCancel };

enum class ShownDialogKind { kMessageBox, kErrorMessage, kErrorSingle, kInputBox, kFileChoice };

struct ShownDialog {
  ShownDialogKind kind = ShownDialogKind::kMessageBox;
  QString caption;
  QString heading;
  QString text;
  QStringList buttons;
};

class ScopedDialogAnswers {
 public:
  ScopedDialogAnswers();
  ScopedDialogAnswers(const ScopedDialogAnswers&) = delete;
  ScopedDialogAnswers& operator=(const ScopedDialogAnswers&) = delete;
  ~ScopedDialogAnswers();

  // The hook in force, or null when dialogs are really shown.
  static ScopedDialogAnswers* Active();

  // Queues the answer of the next question.
  ScopedDialogAnswers& Then(DialogAnswer answer);
  // Queues the text of the next input box or the path of the next file choice.
  ScopedDialogAnswers& ThenChoose(const QString& choice);
  // Queues the driver of the next dialog run with RunModalDialog.
  ScopedDialogAnswers& ThenDrive(std::function<void(QDialog&)> driver);
  void SetDefault(DialogAnswer answer) { default_ = answer; }

  const std::vector<ShownDialog>& Shown() const { return shown_; }
  // The texts of everything shown, in order (for a quick EXPECT).
  QStringList Texts() const;
  void Clear() { shown_.clear(); }

  // Called by the dialogs themselves.
  DialogAnswer AnswerQuestion(ShownDialog shown);
  void RecordNotice(ShownDialog shown);
  std::optional<QString> AnswerChoice(ShownDialog shown);
  // The next driver; empty when none is queued.
  std::function<void(QDialog&)> TakeDriver();

 private:
  ScopedDialogAnswers* previous_;
  std::deque<DialogAnswer> answers_;
  std::deque<QString> choices_;
  std::deque<std::function<void(QDialog&)>> drivers_;
  std::optional<DialogAnswer> default_;
  std::vector<ShownDialog> shown_;
};

// Runs a dialog modally, or hands it to the test hook's driver; true when it was accepted.
bool RunModalDialog(QDialog& dialog);

}  // namespace torvale
