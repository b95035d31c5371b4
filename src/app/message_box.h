#pragma once
// The editor's plain message boxes: caption "Editor", one OK button.

#include <string>

namespace torvale {

class FatalErrorHandler;

// Shows `text` (Windows-1252) in a modal box with the editor's caption and waits for OK.
void ShowMessage(const std::string& text);
// Makes fatal platform errors show a system-modal error box before the process ends.
void InstallFatalErrorBox(FatalErrorHandler& handler);

}  // namespace torvale
