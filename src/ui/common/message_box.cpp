#include "ui/common/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <cstdio>

#include "app/qt_text.h"
#include "platform/fatal_error.h"
#include "platform/string_table.h"

namespace torvale {

namespace {

struct ButtonChoice {
  QMessageBox::StandardButton button;
  QString label;
  DialogAnswer answer;
};

std::vector<ButtonChoice> ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk: return {{QMessageBox::Ok, QStringLiteral("OK"), DialogAnswer::kOk}};
    case MessageButtons::kYesNo:
      return {{QMessageBox::Yes, QStringLiteral("&Ja"), DialogAnswer::kYes},
              {QMessageBox::No, QStringLiteral("&Nein"), DialogAnswer::kNo}};
    case MessageButtons::kYesNoCancel:
      return {{QMessageBox::Yes, QStringLiteral("&Ja"), DialogAnswer::kYes},
              {QMessageBox::No, QStringLiteral("&Nein"), DialogAnswer::kNo},
              {QMessageBox::Cancel, QStringLiteral("Abbrechen"), DialogAnswer::kCancel}};
  }
  return {};
}

DialogAnswer ShowChoices(const std::string& text, const std::vector<ButtonChoice>& choices, QWidget* parent) {
  // Work on a worker thread (an export, a build) may have something to say; boxes live on
  // the GUI thread, and the worker waits for the answer.
  if (qApp && QThread::currentThread() != qApp->thread()) {
    DialogAnswer answer = DialogAnswer::kCancel;
    QMetaObject::invokeMethod(qApp, [&] { answer = ShowChoices(text, choices, parent); },
                              Qt::BlockingQueuedConnection);
    return answer;
  }
  const QString caption = FromCp1252(LoadString(IDS_MESSAGE_CAPTION));
  const bool notice = choices.size() == 1;
  if (ScopedDialogAnswers* hook = ScopedDialogAnswers::Active()) {
    ShownDialog shown{ShownDialogKind::kMessageBox, caption, {}, FromCp1252(text), {}};
    for (const ButtonChoice& choice : choices) shown.buttons << QString(choice.label).remove('&');
    if (notice) {
      hook->RecordNotice(std::move(shown));
      return DialogAnswer::kOk;
    }
    return hook->AnswerQuestion(std::move(shown));
  }

  QMessageBox box(notice ? QMessageBox::Information : QMessageBox::Question, caption, FromCp1252(text),
                  QMessageBox::NoButton, parent);
  for (const ButtonChoice& choice : choices) box.addButton(choice.button)->setText(choice.label);
  box.setDefaultButton(choices.front().button);
  box.setEscapeButton(choices.back().button);
  box.exec();
  for (const ButtonChoice& choice : choices)
    if (box.clickedButton() == box.button(choice.button)) return choice.answer;
  return choices.back().answer;
}

}  // namespace

DialogAnswer ShowMessageBox(const std::string& text, MessageButtons buttons, QWidget* parent) {
  return ShowChoices(text, ButtonsOf(buttons), parent);
}

DialogAnswer AskThreeWay(const std::string& text, const std::string& first, const std::string& second,
                         const std::string& third, QWidget* parent) {
  return ShowChoices(text,
                     {{QMessageBox::Yes, FromCp1252(first), DialogAnswer::kYes},
                      {QMessageBox::No, FromCp1252(second), DialogAnswer::kNo},
                      {QMessageBox::Cancel, FromCp1252(third), DialogAnswer::kCancel}},
                     parent);
}

void ShowMessage(const std::string& text, QWidget* parent) { ShowMessageBox(text, MessageButtons::kOk, parent); }

bool AskYesNo(const std::string& text, QWidget* parent) {
  return ShowMessageBox(text, MessageButtons::kYesNo, parent) == DialogAnswer::kYes;
}

void InstallFatalErrorBox(FatalErrorHandler& handler) {
  handler.SetPresenter([](const std::string& title, const std::string& message) {
    // A box can only be shown from the GUI thread; a report from a service thread goes
    // to standard error instead of deadlocking the end of the program.
    if (!qApp || QThread::currentThread() != qApp->thread()) {
      std::fprintf(stderr, "%s\n%s\n", title.c_str(), message.c_str());
      return;
    }
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title),
                    QString::fromStdString(message).trimmed(), QMessageBox::Ok);
    // The program ends after this box: it must stay in front of every window.
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
  });
}

}  // namespace torvale
