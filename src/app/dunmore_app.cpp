#include "app/dunmore_app.h"

#include <clocale>
#include <cstdio>
#include <optional>

#include "app/check_mode.h"
#include "app/exit_status.h"
#include "app/install_dir.h"
#include "app/dlg_main_menu.h"
#include "app/master_mode.h"
#include "assets/render_host/render_manager.h"
#include "ui/common/message_box.h"
#include "platform/full_installation.h"
#include "platform/platform_library.h"
#include "platform/string_table.h"
#include "platform/text_encoding.h"
#include "platform/unicode_path.h"
#include "ui/common/editor_context.h"
#include "ui/theme/editor_theme.h"

namespace torvale {

CDunmoreApp::CDunmoreApp() : instance_lock_(RuntimeFolder(), kEditorMutexName) {}

CDunmoreApp::~CDunmoreApp() {
  qt_.reset();
  instance_lock_.Release();
}

void CDunmoreApp::Tell(int string_id) const {
  if (qt_) {
    ShowMessage(LoadString(string_id));
  } else {
    std::fprintf(stderr, "%s\n", Cp1252ToUtf8(LoadString(string_id)).c_str());
  }
}

int CDunmoreApp::Run(int& argc, char** argv) {
  // The mode decides how start-up problems are shown, so the tokens are read first; they
  // take effect only once the platform services are up.
  const CommandLineOptions options = ParseCommandLine(argc, argv);

  switch (instance_lock_.TryAcquire()) {
    case SingleInstanceLock::Result::kAcquired:
      break;
    case SingleInstanceLock::Result::kHeldByOther:
      return kExitAnotherCopyRunning;  // silently: the running copy is the one the user wants
    case SingleInstanceLock::Result::kCannotCreate:
      std::fprintf(stderr, "Cannot create the lock file %s\n", instance_lock_.FilePath().c_str());
      return kExitEnvironmentRefused;
  }

  const bool windowless = options.master_mode || options.check_mode;
  if (!windowless) {
    qt_ = std::make_unique<QApplication>(argc, argv);
    InstallFatalErrorBox(fatal_);
  }

  ReadInstallDir(LoadString(IDS_PRODUCT_NAME));
  if (PathHasUnicode()) {
    Tell(IDS_UNICODE_FOLDER);
    return kExitEnvironmentRefused;
  }
  if (!HasFullInstallation()) {
    Tell(IDS_NEEDS_FULL_INSTALLATION);
    return kExitEnvironmentRefused;
  }

  PlatformLibrary platform(fatal_);
  if (!platform.Start()) return kExitFatalError;  // only when a report was vetoed
  int status = options.master_mode  ? RunMasterMode(options)
               : options.check_mode ? RunCheckMode(options)
                                    : RunInteractive(options);
  platform.Stop();
  return status;
}

int CDunmoreApp::RunInteractive(const CommandLineOptions& options) {
  // Sorted name lists follow the user's language.
  std::setlocale(LC_COLLATE, "");
  ApplyEditorTheme(*qt_);
  qt_->setWindowIcon(EditorIcon());
  qt_->setDesktopFileName(QStringLiteral("torvale-editor"));
  EditorContext context;
  context.SetExpertMode(options.ExpertMode);
  // The main window's use of the renderer plug-in: taken when its start-up asks for the
  // plug-in, given back once the window has closed (the render window lives under it).
  std::optional<ScopedRenderManager> renderer;
  MainMenuStart start;
  start.rendererLoaded = [&renderer] {
    if (!renderer) renderer.emplace();
    return (*renderer)->IsLoaded();
  };
  DlgMainMenu window(context, start);
  SetRenderManagerSetup({&window, {}});
  window.show();
  window.Initialise();
  window.exec();
  renderer.reset();
  return kExitOk;
}

}  // namespace torvale
