#pragma once
// The editor's small questions that want more than a button: a line of text and a file name.
// Like the message boxes they ask ScopedDialogAnswers first, so tests answer them with
// ThenChoose(...) (nothing queued: cancelled).
//
//   if (auto file = ChooseOpenFile(this, kZdbFilterEntry, "zdb")) Import(*file);

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace torvale {

// An input box; the typed text (Windows-1252) on OK, none on cancel.
std::optional<std::string> AskText(QWidget* parent, const QString& title, const QString& prompt,
                                   const QString& proposal, int maxLength);

// The file dialogs. `mfcFilter` is a filter in the game editor's form
// ("Text (*.txt)|*.txt|All (*.*)|*.*||"); `defaultSuffix` is added to a name typed without one.
// ChooseOpenFile accepts only existing files; ChooseSaveFile asks before replacing one.
std::optional<QString> ChooseOpenFile(QWidget* parent, const QString& mfcFilter, const QString& defaultSuffix,
                                      const QString& caption = {});
std::optional<QString> ChooseSaveFile(QWidget* parent, const QString& mfcFilter, const QString& defaultSuffix,
                                      const QString& caption = {});

// "Text (*.txt)|*.txt|All (*.*)|*.*||" as Qt's "Text (*.txt);;All (*)": each description keeps
// its words and shows the pattern that is really used.
QString QtFileFilter(const QString& mfcFilter);

}  // namespace torvale
