// The main() of the GUI test programs: widgets need a QApplication, which must exist before
// the first test and outlive the last one. Tests run on the offscreen platform unless the
// caller chose another, so they need no display (the build lists the tests, too).

#include <QApplication>
#include <gtest/gtest.h>

#include "ui/theme/editor_theme.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  // Widgets are tested in the look users see: the theme changes sizes and fonts.
  torvale::ApplyEditorTheme(app);
  return RUN_ALL_TESTS();
}
