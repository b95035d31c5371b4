#pragma once
// The start picture: shown over the main window for a few seconds while the editor starts,
// then it goes by itself. It does not hold the start up; clicking it closes it early.

class QWidget;
class QPixmap;

namespace torvale {

constexpr int kSplashMilliseconds = 5000;

void ShowEditorSplash(QWidget* over, int milliseconds = kSplashMilliseconds);
// The picture itself (a pitch at night with the editor's name), for the screenshots.
QPixmap EditorSplashPicture();

}  // namespace torvale
