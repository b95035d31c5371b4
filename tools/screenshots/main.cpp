// torvale-screenshots OUTDIR [--install FOLDER] [EDITOR...]: opens the main window and every
// registered dialog on a private copy of the sample installation, offscreen, and saves one
// PNG each into OUTDIR. With editor names, only those editors' screenshots are made.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/dlg_main_menu.h"
#include "screenshot_session.h"
#include "ui/common/editor_context.h"
#include "ui/theme/editor_theme.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: torvale-screenshots OUTDIR [--install FOLDER] [EDITOR...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::string install = TORVALE_SAMPLE_INSTALL;
  QStringList only;
  for (int i = 2; i < argc; ++i) {
    if (std::string(argv[i]) == "--install" && i + 1 < argc) {
      install = argv[++i];
    } else {
      only << QString::fromLocal8Bit(argv[i]);
    }
  }
  const QString outputFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  if (!QDir().mkpath(outputFolder)) return Usage();

  // The editor writes into its installation (the pristine archive, saves); the sample stays
  // untouched, and the user's documents folder is a private one.
  QTemporaryDir scratch;
  if (!scratch.isValid()) return 1;
  const std::string copy = scratch.filePath("install").toStdString();
  std::error_code error;
  std::filesystem::copy(install, copy, std::filesystem::copy_options::recursive, error);
  if (error) {
    std::fprintf(stderr, "cannot copy %s: %s\n", install.c_str(), error.message().c_str());
    return 1;
  }
  qputenv("HOME", scratch.filePath("home").toLocal8Bit());
  qunsetenv("XDG_CONFIG_HOME");
  std::filesystem::current_path(copy);

  QApplication app(argc, argv);
  torvale::ApplyEditorTheme(app);
  auto context = torvale::EditorContext::FromInstallFolder(copy);
  torvale::DlgMainMenu window(*context, torvale::MainMenuStart{false, {}, false});
  window.resize(1280, 800);
  window.show();
  window.Initialise();

  torvale::ScreenshotSession session(*context, window, outputFolder);
  for (const torvale::RegisteredShots& shots : torvale::AllRegisteredShots()) {
    if (!only.isEmpty() && !only.contains(QString::fromLatin1(shots.editor))) continue;
    shots.shots(session);
  }
  for (const QString& file : session.Saved()) std::printf("%s\n", file.toLocal8Bit().constData());
  return session.Saved().isEmpty() ? 1 : 0;
}
