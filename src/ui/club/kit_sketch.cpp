#include "ui/club/kit_sketch.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/club/club_controls.h"

namespace torvale {

CKitSketch::CKitSketch(const CTeamColourTextFile* colours, QWidget* parent) : QWidget(parent), colours_(colours) {
  setObjectName("kitPreview");
  setMinimumSize(220, 280);
}

void CKitSketch::ShowOutfit(const KIT::Outfit& outfit) {
  outfit_ = outfit;
  update();
}

QColor CKitSketch::Colour(int index) const {
  return ScreenColour(ClubColourOnScreen(colours_, outfit_.colours[static_cast<size_t>(index)]));
}

void CKitSketch::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
  const qreal w = width(), h = height();
  const qreal cx = w / 2, unit = std::min(w / 220.0, h / 280.0);
  p.translate(cx, h / 2 - 130 * unit);
  p.scale(unit, unit);
  const QPen outline(QColor(40, 40, 40), 1.5);

  // Shirt: colour 0 the body and sleeves, 1 the pattern of its style, 2 collar and cuffs, 9 the
  // number.
  QPainterPath body;
  body.addRect(QRectF(-45, 0, 90, 120));
  p.setPen(outline);
  p.setBrush(Colour(0));
  p.drawPolygon(QPolygonF({QPointF(-45, 0), QPointF(-80, 30), QPointF(-62, 50), QPointF(-45, 35)}));
  p.drawPolygon(QPolygonF({QPointF(45, 0), QPointF(80, 30), QPointF(62, 50), QPointF(45, 35)}));
  p.drawPath(body);
  p.save();
  p.setClipPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(Colour(1));
  switch (outfit_.shirtStyle % 6) {
    case 1:  // vertical stripes
      for (int x = -45; x < 45; x += 20) p.drawRect(QRectF(x + 10, 0, 10, 120));
      break;
    case 2:  // hoops
      for (int y = 0; y < 120; y += 24) p.drawRect(QRectF(-45, y + 12, 90, 12));
      break;
    case 3:  // halves
      p.drawRect(QRectF(0, 0, 45, 120));
      break;
    case 4:  // sash
      p.drawPolygon(QPolygonF({QPointF(-45, 10), QPointF(-25, 0), QPointF(45, 100), QPointF(45, 120)}));
      break;
    case 5:  // chest band
      p.drawRect(QRectF(-45, 35, 90, 22));
      break;
    default:
      break;
  }
  p.restore();
  p.setPen(outline);
  p.setBrush(Colour(2));
  p.drawPolygon(QPolygonF({QPointF(-80, 30), QPointF(-62, 50), QPointF(-57, 44), QPointF(-75, 24)}));
  p.drawPolygon(QPolygonF({QPointF(80, 30), QPointF(62, 50), QPointF(57, 44), QPointF(75, 24)}));
  p.drawChord(QRectF(-15, -10, 30, 20), 180 * 16, 180 * 16);
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(30);
  p.setFont(font);
  p.setPen(Colour(9));
  p.drawText(QRectF(-45, 40, 90, 50), Qt::AlignCenter, "10");
  p.setPen(outline);

  // Shorts: colour 3 with a side stripe of colour 4.
  p.setBrush(Colour(3));
  p.drawPolygon(QPolygonF({QPointF(-45, 125), QPointF(45, 125), QPointF(50, 180), QPointF(5, 180), QPointF(0, 160),
                           QPointF(-5, 180), QPointF(-50, 180)}));
  p.setBrush(Colour(4));
  p.drawRect(QRectF(-49, 140, 6, 38));
  p.drawRect(QRectF(43, 140, 6, 38));

  // Socks: colour 6 with a top band of colour 7.
  for (qreal x : {-35.0, 15.0}) {
    p.setBrush(Colour(6));
    p.drawRect(QRectF(x, 190, 20, 60));
    p.setBrush(Colour(7));
    p.drawRect(QRectF(x, 190, 20, 10));
  }
}

}  // namespace torvale
