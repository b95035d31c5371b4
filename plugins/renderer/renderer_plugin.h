#pragma once
// CRendererPlugin: the interface object the editor calls. It keeps the current scene (kit or
// head), hands it to the view that draws into the editor's window and advances the animation
// on the editor's tick.

#include <QPointer>

#include "assets/render_host/renderer_plugin_interface.h"
#include "render_view.h"

namespace torvale::renderer {

class CRendererPlugin final : public IRendererPlugin {
 public:
  void Release() override;
  void SetWindow(QWidget* window) override;
  void ShowKitScreen(const RendererKitData* data, const RendererDisplaySettings* settings) override;
  void SetKit(const RendererKitWords* kit, const RendererDisplaySettings* settings) override;
  void SetAppearance(const RendererAppearanceDisplay* display, const RendererAppearance* looks) override;
  void Tick() override;
  void SetBackground(uint32_t colour) override;

 private:
  // Only slot 0 ends the object.
  ~CRendererPlugin() = default;

  void Show(const Scene& scene);

  QPointer<RenderView> view_;
  Scene scene_;
};

}  // namespace torvale::renderer
