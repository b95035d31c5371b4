#include "screenshot_session.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cstring>

namespace torvale {

namespace {

// Filled by the static registrations of the shots_*.cpp files before main runs; a function
// keeps it alive from the first registration on, whatever the files' order.
std::vector<RegisteredShots>& Registry() {
  static std::vector<RegisteredShots> registry;
  return registry;
}

}  // namespace

ShotRegistration::ShotRegistration(const char* editor, ShotFunction shots) { Registry().push_back({editor, shots}); }

std::vector<RegisteredShots> AllRegisteredShots() {
  std::vector<RegisteredShots> shots = Registry();
  std::sort(shots.begin(), shots.end(),
            [](const RegisteredShots& a, const RegisteredShots& b) { return std::strcmp(a.editor, b.editor) < 0; });
  return shots;
}

QString ScreenshotSession::Save(QWidget& widget, const QString& name, int width, int height) {
  if (width > 0 && height > 0) widget.resize(width, height);
  widget.show();
  // Two rounds: the first lays the widget out, the second paints what the layout settled on.
  for (int round = 0; round < 2; ++round) QApplication::processEvents();
  const QString file = QDir(outputFolder_).filePath(name + ".png");
  if (!widget.grab().save(file)) return {};
  saved_ << file;
  return file;
}

}  // namespace torvale
