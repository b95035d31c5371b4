#pragma once
// CRenderManager: the editor's side of the renderer plug-in. It owns the plug-in library and
// interface and the render window the plug-in draws into. The window lives under the main
// window and moves into a screen while that screen shows a preview: the kit page of the club
// editor and the appearance page of the squad editor share it, one screen at a time.
//
// How a screen uses it:
//   ScopedRenderManager renderer;                           // a member: one use of the manager
//   if (renderer->IsLoaded()) {                             // when the page opens
//     renderer->Attach(ui->previewPlaceholder);             //   takes the placeholder's place
//     renderer->ShowKitScreen(kitData, settings);           //   kit page: slot 2 ...
//     renderer->SetBackground(kKitScreenBackground);        //   ... and slot 6
//   }
//   renderer->SetKit(words, settings);                      // on every change (sent only when new)
//   renderer->Attach(nullptr);                              // when the page closes
// The appearance page calls SetAppearance and SetBackground(kAppearanceScreenBackground)
// instead. The 50 ms tick (slot 5) runs by itself while the window is visible.

#include <QFrame>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <optional>

#include "assets/render_host/plugin_holder.h"
#include "assets/render_host/renderer_plugin_interface.h"

namespace torvale {

constexpr uint32_t kKitScreenBackground = 0x00C0C0C0;
constexpr uint32_t kAppearanceScreenBackground = 0xFF2020C0;
constexpr int kRenderTickMs = 50;
constexpr int kRenderWindowId = 66600;  // the window's control id, kept as its object name's number

struct RenderManagerSetup {
  QWidget* home = nullptr;            // the main window: the render window's parent while detached
  QString libraryPath;                // empty: "Renderer.dll" in the program's folder
};

class CRenderManager : public QObject {
  Q_OBJECT
 public:
  explicit CRenderManager(RenderManagerSetup setup = {});
  ~CRenderManager() override;

  // The plug-in was loaded and has its window. Without it no slot is ever called.
  bool IsLoaded() const { return loaded_; }
  // The window currently stands in a screen.
  bool IsAttached() const { return attached_; }
  QWidget* Window() const { return window_; }
  bool IsTicking() const { return tick_.isActive(); }

  // With a placeholder: the window takes its place (in its layout, or at its geometry),
  // the placeholder is hidden and the window shown. With none: the placeholder comes back,
  // the window goes back under the main window, hidden.
  void Attach(QWidget* placeholder);

  // Slot 2; forgets the kit sent last, so the next SetKit is always sent.
  void ShowKitScreen(const RendererKitData& data, const RendererDisplaySettings& settings);
  // Slot 3, only when the kit or the settings differ from those sent last. Returns whether sent.
  bool SetKit(const RendererKitWords& kit, const RendererDisplaySettings& settings);
  // Slot 4.
  void SetAppearance(const RendererAppearanceDisplay& display, const RendererAppearance& looks);
  // Slot 6.
  void SetBackground(uint32_t colour);

  // "Renderer.dll" in the folder of the running program.
  static QString DefaultLibraryPath();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LoadPlugin(const QString& libraryPath);
  void OnTick();
  void RestorePlaceholder();

  QPointer<QWidget> home_;
  QPointer<QFrame> window_;
  CPluginHolder holder_;
  QTimer tick_;
  bool loaded_ = false;
  bool attached_ = false;
  QPointer<QWidget> placeholder_;
  bool placeholderInLayout_ = false;
  std::optional<std::pair<RendererKitWords, RendererDisplaySettings>> lastKit_;
};

// The one manager all screens share. The first Get creates it (loading the plug-in), every Get
// counts a use, every Release drops one, and the last Release destroys it.
CRenderManager* GetRenderManager();
void ReleaseRenderManager();
// One use of the shared manager for the lifetime of the object: a member of each screen that
// shows a preview.
class ScopedRenderManager {
 public:
  ScopedRenderManager() : manager_(GetRenderManager()) {}
  ~ScopedRenderManager() { ReleaseRenderManager(); }
  ScopedRenderManager(const ScopedRenderManager&) = delete;
  ScopedRenderManager& operator=(const ScopedRenderManager&) = delete;

  CRenderManager* operator->() const { return manager_; }
  CRenderManager& operator*() const { return *manager_; }

 private:
  CRenderManager* manager_;
};

// How the shared manager is made; the editor's start sets the main window as home before the
// first Get, tests point it at their own libraries.
void SetRenderManagerSetup(RenderManagerSetup setup);

}  // namespace torvale
