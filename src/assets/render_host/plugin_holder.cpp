#include "assets/render_host/plugin_holder.h"

#include <QFileInfo>
#include <QMessageBox>

#include "ui/common/dialog_answers.h"

namespace torvale {

void ShowRendererErrorBox(const QString& text) {
  const QString title = QStringLiteral("Error Loading DLL");
  if (ScopedDialogAnswers* hook = ScopedDialogAnswers::Active()) {
    hook->RecordNotice({ShownDialogKind::kMessageBox, title, {}, text, {QStringLiteral("OK")}});
    return;
  }
  // The message keeps the Windows line break of its format; a Qt label would show the CR.
  QMessageBox box(QMessageBox::Critical, title, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                  QMessageBox::Ok);
  box.exec();
}

CPluginHolder::~CPluginHolder() { Unload(); }

void CPluginHolder::ReleaseInterface() {
  if (plugin_) plugin_->Release();
  plugin_ = nullptr;
}

void CPluginHolder::Unload() {
  ReleaseInterface();
  entry_ = nullptr;
  if (library_.isLoaded()) library_.unload();
}

bool CPluginHolder::Load(const QString& libraryPath, const char* exportName) {
  ReleaseInterface();
  entry_ = nullptr;
  // Loading the same library again keeps it; renaming a loaded QLibrary would leak its load.
  if (!library_.isLoaded() || QFileInfo(library_.fileName()) != QFileInfo(libraryPath)) {
    if (library_.isLoaded()) library_.unload();
    library_.setFileName(libraryPath);
  }
  if (!library_.load()) {
    ShowRendererErrorBox(QStringLiteral("Could not load the DLL \"%1\".\r\nError Message \"%2\"")
                  .arg(libraryPath, library_.errorString()));
    return false;
  }
  entry_ = reinterpret_cast<RendererEntryPoint>(library_.resolve(exportName));
  if (!entry_) {
    library_.unload();
    return false;
  }
  RendererPluginHandshake handshake;
  entry_(&handshake);
  if (handshake.pluginVersion != kRendererInterfaceVersion) {
    // The object, if any, is never called, not even to release it: its slots may sit elsewhere.
    entry_ = nullptr;
    ShowRendererErrorBox(QStringLiteral("The DLL \"%1\" speaks renderer interface version %2; this editor needs version %3.")
                  .arg(libraryPath)
                  .arg(handshake.pluginVersion)
                  .arg(kRendererInterfaceVersion));
    return false;
  }
  plugin_ = handshake.plugin;
  return plugin_ != nullptr;
}

}  // namespace torvale
