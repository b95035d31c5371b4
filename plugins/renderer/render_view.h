#pragma once
// RenderView: the plug-in's drawing surface, a child filling the window the editor handed over.
// It draws the current scene — a kit or a head — over the background colour.

#include <QWidget>
#include <cstdint>

#include "assets/render_host/renderer_plugin_interface.h"

namespace torvale::renderer {

struct Scene {
  enum Kind { Empty, Kit, Head };
  Kind kind = Empty;
  uint32_t background = 0x00C0C0C0;
  RendererKitWords kit;
  RendererDisplaySettings kitSettings;
  RendererAppearance looks;
  bool animate = true;
  uint32_t headShirt = 0x00FFFFFF;
  int phase = 0;  // ticks since the scene began
};

class RenderView : public QWidget {
  Q_OBJECT
 public:
  explicit RenderView(QWidget* window);

  void SetScene(const Scene& scene);
  // The animation moves on; held scenes do not repaint.
  void Advance(int phase);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Animated() const;

  Scene scene_;
};

}  // namespace torvale::renderer
