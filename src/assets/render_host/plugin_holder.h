#pragma once
// CPluginHolder: the renderer library, its entry point and the interface object it handed
// out. Loading releases the old interface first (slot 0) and frees a different library loaded
// before; a library that cannot be loaded is reported in an error box, a library without the
// export fails silently, and a plug-in of another interface version is refused with a message
// rather than called through a vtable it does not have.

#include <QLibrary>
#include <QString>

#include "assets/render_host/renderer_plugin_interface.h"

namespace torvale {

// The loader's error box, titled "Error Loading DLL" rather than with the editor's caption.
// Like every box of the editor it is answered by ScopedDialogAnswers in tests.
void ShowRendererErrorBox(const QString& text);

class CPluginHolder {
 public:
  CPluginHolder() = default;
  ~CPluginHolder();
  CPluginHolder(const CPluginHolder&) = delete;
  CPluginHolder& operator=(const CPluginHolder&) = delete;

  // Loads `libraryPath`, calls its export `exportName` and keeps the interface it returns.
  bool Load(const QString& libraryPath, const char* exportName);
  // Slot 0 on the interface, if there is one; the library stays loaded.
  void ReleaseInterface();
  // Releases the interface and frees the library.
  void Unload();

  IRendererPlugin* Interface() const { return plugin_; }

 private:
  QLibrary library_;
  RendererEntryPoint entry_ = nullptr;
  IRendererPlugin* plugin_ = nullptr;
};

}  // namespace torvale
