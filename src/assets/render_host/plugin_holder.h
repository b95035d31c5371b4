#pragma once
// CPluginHolder: the renderer library, its entry point and the interface object it handed
// out. Loading releases the old interface first (slot 0) and frees a different library loaded
// before; a library that cannot be loaded is reported in an error box, a library without the
// export fails silently, and a plug-in of another interface version is refused with a message
// rather than called through a vtable it does not have.

#include <QLibrary>
#include <QString>
#include <functional>

#include "assets/render_host/renderer_plugin_interface.h"

namespace torvale {

// Shows an error box (title, text). Tests answer it instead of a real modal box.
using RendererErrorPresenter = std::function<void(const QString& title, const QString& text)>;

// The box the editor shows when no presenter was given.
void ShowRendererErrorBox(const QString& title, const QString& text);

class CPluginHolder {
 public:
  explicit CPluginHolder(RendererErrorPresenter showError = {});
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
  void ShowError(const QString& text) const;

  RendererErrorPresenter showError_;
  QLibrary library_;
  RendererEntryPoint entry_ = nullptr;
  IRendererPlugin* plugin_ = nullptr;
};

}  // namespace torvale
