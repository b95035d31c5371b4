#pragma once
// HeadPainter: draws a player's head and shoulders from the five appearance numbers — skin,
// face kind, hair colour and style, facial hair — turning gently and blinking now and then.

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include "assets/render_host/renderer_plugin_interface.h"

namespace torvale::renderer {

// The proportions of one face kind.
struct FaceShape {
  double halfWidth = 56;   // of the skull
  double halfHeight = 74;
  double jaw = 0.85;       // jaw width relative to the skull
  double eyeSpacing = 22;  // from the centre line to each eye
  double eyeHeight = 6.5;
  double noseWidth = 10;
  double lipFullness = 4.5;
  double browWeight = 3.5;
  QColor iris;
};

FaceShape FaceShapeFor(uint32_t face);
QColor SkinColourFor(uint32_t skin);
QColor HairColourFor(uint32_t hair);

class HeadPainter {
 public:
  HeadPainter(const RendererAppearance& looks, const QColor& shirt);

  void Paint(QPainter& painter, const QRectF& area, int phase) const;

 private:
  QPainterPath FaceOutline(double dx) const;
  void PaintShoulders(QPainter& p) const;
  void PaintBackHair(QPainter& p, double dx) const;
  void PaintEars(QPainter& p, double dx, double turn) const;
  void PaintFace(QPainter& p, double dx, bool eyesClosed) const;
  void PaintFacialHair(QPainter& p, double dx) const;
  void PaintFrontHair(QPainter& p, double dx) const;

  FaceShape shape_;
  QColor skin_, hair_, shirt_;
  uint32_t hairStyle_, facialHair_;
};

}  // namespace torvale::renderer
