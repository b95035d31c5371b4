#pragma once
// The editor's message boxes: every box has the caption "Editor" (string-table entry 899) and
// German buttons. Dialogs never build a QMessageBox themselves; they call ShowMessageBox (or
// the two short forms), which tests answer through ScopedDialogAnswers. Texts are
// Windows-1252, like everything from the string table and the world.
//
//   if (AskYesNo(FormatString(859, world.Name()), this)) ...

#include <string>

#include "ui/common/dialog_answers.h"

class QWidget;

namespace torvale {

class FatalErrorHandler;

enum class MessageButtons { kOk, kYesNo, kYesNoCancel };

// Shows `text` modally and returns the button pressed (kOk, kYes, kNo or kCancel; closing the
// box counts as its last button). Called from a worker thread, the box is shown on the GUI
// thread and the worker waits for it.
DialogAnswer ShowMessageBox(const std::string& text, MessageButtons buttons = MessageButtons::kOk,
                            QWidget* parent = nullptr);
// An OK box.
void ShowMessage(const std::string& text, QWidget* parent = nullptr);
// A Yes/No question; true for Yes.
bool AskYesNo(const std::string& text, QWidget* parent = nullptr);
// A question whose three buttons say what they do ("Bericht anzeigen", "Trotzdem einbinden",
// "Abbrechen"; Windows-1252). Answers kYes for the first, kNo for the second and kCancel for
// the third or for closing the box; tests answer it like a Yes/No/Cancel question.
DialogAnswer AskThreeWay(const std::string& text, const std::string& first, const std::string& second,
                         const std::string& third, QWidget* parent = nullptr);

// Makes fatal platform errors show a system-modal error box before the process ends.
void InstallFatalErrorBox(FatalErrorHandler& handler);

}  // namespace torvale
