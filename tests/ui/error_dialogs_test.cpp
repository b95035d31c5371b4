#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>

#include "ui/common/dlg_error_message.h"
#include "ui/common/dlg_error_single.h"
#include "ui/common/message_box.h"

namespace torvale {

namespace {

// Clicks the button named `button` of the first visible dialog of type T once it is shown.
template <typename T>
void ClickWhenShown(const char* button, QString* heading = nullptr, QString* text = nullptr, QString* caption = nullptr) {
  QTimer::singleShot(0, [=] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<T*>(w); dialog && dialog->isVisible()) {
        if (heading) *heading = dialog->template findChild<QLabel*>("heading")->text();
        if (text) *text = dialog->template findChild<QPlainTextEdit*>("text")->toPlainText();
        if (caption) *caption = dialog->windowTitle();
        dialog->template findChild<QPushButton*>(button)->click();
        return;
      }
    std::abort();  // a dialog that never showed would leave the test waiting forever
  });
}

}  // namespace

TEST(ErrorDialogs, TheCallerLearnsWhichButtonOfTheRealDialogWasPressed) {
  QString heading, text, caption;
  ClickWhenShown<CDlgErrorMessage>("ok", &heading, &text, &caption);
  EXPECT_TRUE(CDlgErrorMessage::Ask(nullptr, "Kopf", "Zeile 1\nZeile 2"));
  EXPECT_EQ(caption, "VQ 2004 Editor Hinweis");
  EXPECT_EQ(heading, "Kopf");
  EXPECT_EQ(text, "Zeile 1\nZeile 2");

  ClickWhenShown<CDlgErrorMessage>("cancel");
  EXPECT_FALSE(CDlgErrorMessage::Ask(nullptr, "Kopf", "Text", "OK", "Egal"));

  ClickWhenShown<CDlgErrorSingle>("ok", nullptr, nullptr, &caption);
  CDlgErrorSingle::Show(nullptr, "Kopf", "Text");
  EXPECT_EQ(caption, "HALVEX Torvale - Achtung!");
}

TEST(ErrorDialogs, TheTestHookAnswersEveryKindOfBoxAndRecordsItsTexts) {
  ScopedDialogAnswers answers;
  answers.Then(DialogAnswer::kNo).Then(DialogAnswer::kCancel);
  ShowMessage("nur zur Info");  // takes no answer from the queue
  EXPECT_FALSE(AskYesNo("Wirklich?"));
  EXPECT_FALSE(CDlgErrorMessage::Ask(nullptr, "Kopf", "Liste", "OK", "Egal"));
  EXPECT_EQ(ShowMessageBox("Speichern?", MessageButtons::kYesNoCancel), DialogAnswer::kYes);  // the default
  CDlgErrorSingle::Show(nullptr, "Achtung", "Wappen fehlen");

  ASSERT_EQ(answers.Shown().size(), 5u);
  EXPECT_EQ(answers.Texts(),
            (QStringList{"nur zur Info", "Wirklich?", "Liste", "Speichern?", "Wappen fehlen"}));
  EXPECT_EQ(answers.Shown()[0].caption, "Editor");
  EXPECT_EQ(answers.Shown()[1].buttons, (QStringList{"Ja", "Nein"}));
  EXPECT_EQ(answers.Shown()[2].buttons, (QStringList{"OK", "Egal"}));
  EXPECT_EQ(answers.Shown()[2].heading, "Kopf");
  EXPECT_EQ(answers.Shown()[3].buttons, (QStringList{"Ja", "Nein", "Abbrechen"}));
  EXPECT_EQ(answers.Shown()[4].kind, ShownDialogKind::kErrorSingle);

  // Hooks nest: the inner one answers while it lives.
  {
    ScopedDialogAnswers inner;
    inner.SetDefault(DialogAnswer::kNo);
    EXPECT_FALSE(AskYesNo("innen"));
    EXPECT_EQ(inner.Shown().size(), 1u);
  }
  EXPECT_TRUE(AskYesNo("aussen"));
  EXPECT_EQ(answers.Shown().size(), 6u);
}

}  // namespace torvale
