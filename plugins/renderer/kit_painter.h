#pragma once
// KitPainter: draws a football kit — shirt, shorts and socks with boots — in its styles and
// colours, as a garment set on a stand turning in front of the viewer.

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include "assets/render_host/renderer_plugin_interface.h"

namespace torvale::renderer {

class KitPainter {
 public:
  KitPainter(const RendererKitWords& kit, const RendererDisplaySettings& settings);

  // Draws the kit into `area` at animation step `phase` (50 ms each).
  void Paint(QPainter& painter, const QRectF& area, int phase) const;

  // The turn in degrees at `phase`: to and fro around the front, or held front or back.
  double TurnDegrees(int phase) const;

 private:
  void PaintShirt(QPainter& painter, bool back, double turn) const;
  void PaintShirtPattern(QPainter& painter, int style) const;
  void PaintShorts(QPainter& painter, double turn) const;
  void PaintSocks(QPainter& painter, double turn) const;
  void Shade(QPainter& painter, const QPainterPath& part, double turn) const;
  void MarkSelected(QPainter& painter, const QPainterPath& part, uint32_t partId) const;

  QColor shirt_, shirtSecond_, trim_, shorts_, shortsSecond_, socks_, socksSecond_, number_;
  int shirtStyle_, shortsStyle_, socksStyle_;
  RendererDisplaySettings settings_;
};

}  // namespace torvale::renderer
