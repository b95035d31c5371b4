#include "head_painter.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace torvale::renderer {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kHeadWidth = 220;
constexpr double kHeadHeight = 290;
constexpr double kCentreY = -10;    // the skull's centre in head units
constexpr int kTurnPeriod = 140;    // ticks for one look left and right (7 s)
constexpr int kBlinkPeriod = 73;    // ticks between blinks
constexpr int kBlinkTicks = 3;

QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

QColor WithAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

bool LongHair(uint32_t style) { return style == 2 || style == 3 || style == 4 || style == 9; }

}  // namespace

FaceShape FaceShapeFor(uint32_t face) {
  // Faces 1-7 European, 8-13 Asian, 14-19 African, 20-25 Latin; the variant within a kind
  // moves the proportions a little so that neighbouring numbers look like different people.
  FaceShape shape;
  int variant = 0;
  if (face >= 8 && face <= 13) {
    variant = static_cast<int>(face) - 8;
    shape.halfWidth = 58, shape.halfHeight = 71, shape.jaw = 0.9, shape.eyeHeight = 4.3;
    shape.noseWidth = 11, shape.lipFullness = 4.8, shape.browWeight = 3;
    shape.iris = QColor(58, 36, 22);
  } else if (face >= 14 && face <= 19) {
    variant = static_cast<int>(face) - 14;
    shape.halfWidth = 58, shape.halfHeight = 75, shape.jaw = 0.9, shape.eyeHeight = 6.6;
    shape.noseWidth = 15, shape.lipFullness = 7, shape.browWeight = 3.2;
    shape.iris = QColor(45, 28, 18);
  } else if (face >= 20 && face <= 25) {
    variant = static_cast<int>(face) - 20;
    shape.halfWidth = 56, shape.halfHeight = 75, shape.jaw = 0.83, shape.eyeHeight = 6.2;
    shape.noseWidth = 11, shape.lipFullness = 5.2, shape.browWeight = 4;
    shape.iris = QColor(80, 50, 25);
  } else {
    variant = face >= 1 && face <= 7 ? static_cast<int>(face) - 1 : 0;
    static const QColor kEuropeanIris[] = {{70, 110, 160}, {90, 70, 40}, {80, 120, 80}, {110, 120, 130},
                                           {60, 90, 140},  {100, 70, 35}, {70, 100, 90}};
    shape.iris = kEuropeanIris[variant];
  }
  shape.halfWidth += (variant % 3 - 1) * 2.5;
  shape.halfHeight += ((variant / 3) % 2) * 2.5;
  shape.jaw += (variant % 2) * 0.07;
  shape.eyeSpacing += ((variant + 1) % 3 - 1) * 1.8;
  shape.browWeight += (variant % 4 == 3) ? 1.2 : 0;
  return shape;
}

QColor SkinColourFor(uint32_t skin) {
  static const QColor kSkins[] = {{243, 208, 182}, {228, 184, 150}, {200, 144, 104},
                                  {165, 108, 70},  {122, 76, 46},   {84, 52, 32}};
  return kSkins[std::min<uint32_t>(skin, 5)];
}

QColor HairColourFor(uint32_t hair) {
  switch (hair) {
    case 1: return QColor(30, 26, 24);     // black
    case 3: return QColor(140, 106, 60);   // dark blond
    case 4: return QColor(222, 186, 110);  // blond
    case 5: return QColor(168, 70, 30);    // red
    default: return QColor(92, 58, 34);    // brown, and anything unknown
  }
}

HeadPainter::HeadPainter(const RendererAppearance& looks, const QColor& shirt)
    : shape_(FaceShapeFor(looks.numbers[kLookFace])),
      skin_(SkinColourFor(looks.numbers[kLookSkinColour])),
      hair_(HairColourFor(looks.numbers[kLookHairColour])),
      shirt_(shirt),
      hairStyle_(looks.numbers[kLookHairStyle] >= 1 && looks.numbers[kLookHairStyle] <= 10 ? looks.numbers[kLookHairStyle] : 5),
      facialHair_(looks.numbers[kLookFacialHair]) {}

QPainterPath HeadPainter::FaceOutline(double dx) const {
  const double rx = shape_.halfWidth, ry = shape_.halfHeight;
  const double chin = kCentreY + ry;
  QPainterPath path;
  path.moveTo(-rx + dx * 0.2, kCentreY);
  path.arcTo(QRectF(-rx + dx * 0.2, kCentreY - ry, 2 * rx, 2 * ry * 0.95), 180, -180);
  path.cubicTo(rx + dx * 0.2, kCentreY + 38, rx * shape_.jaw + dx * 0.5, chin - 16, rx * 0.42 + dx * 0.8, chin - 5);
  path.quadTo(dx, chin + 4, -rx * 0.42 + dx * 0.8, chin - 5);
  path.cubicTo(-rx * shape_.jaw + dx * 0.5, chin - 16, -rx + dx * 0.2, kCentreY + 38, -rx + dx * 0.2, kCentreY);
  path.closeSubpath();
  return path;
}

void HeadPainter::Paint(QPainter& painter, const QRectF& area, int phase) const {
  const double turn = std::sin(2 * kPi * phase / kTurnPeriod);  // -1 .. 1
  const double dx = 9 * turn;
  const double nod = 1.5 * std::sin(2 * kPi * phase / 97.0);
  const bool eyesClosed = phase > 0 && phase % kBlinkPeriod < kBlinkTicks;
  const double scale = std::min(area.width() / kHeadWidth, area.height() / kHeadHeight);

  painter.save();
  painter.translate(area.center().x(), area.center().y() - 10 * scale);
  painter.scale(scale, scale);
  PaintShoulders(painter);
  painter.translate(0, nod);
  PaintBackHair(painter, dx);
  PaintEars(painter, dx, turn);
  PaintFace(painter, dx, eyesClosed);
  PaintFacialHair(painter, dx);
  PaintFrontHair(painter, dx);
  painter.restore();
}

void HeadPainter::PaintShoulders(QPainter& p) const {
  // Neck with the chin's shadow, then the shirt with a crew collar.
  QPainterPath neck;
  neck.moveTo(-25, 40);
  neck.lineTo(25, 40);
  neck.quadTo(26, 80, 34, 100);
  neck.lineTo(-34, 100);
  neck.quadTo(-26, 80, -25, 40);
  QLinearGradient neckShade(0, 40, 0, 100);
  neckShade.setColorAt(0, skin_.darker(150));
  neckShade.setColorAt(0.45, skin_.darker(112));
  neckShade.setColorAt(1, skin_.darker(105));
  p.fillPath(neck, neckShade);

  QPainterPath shirt;
  shirt.moveTo(-110, 150);
  shirt.lineTo(-104, 112);
  shirt.quadTo(-96, 92, -62, 86);
  shirt.quadTo(-40, 82, -30, 80);
  shirt.quadTo(0, 104, 30, 80);
  shirt.quadTo(40, 82, 62, 86);
  shirt.quadTo(96, 92, 104, 112);
  shirt.lineTo(110, 150);
  shirt.closeSubpath();
  QLinearGradient cloth(-110, 0, 110, 0);
  cloth.setColorAt(0, shirt_.darker(140));
  cloth.setColorAt(0.35, shirt_.lighter(108));
  cloth.setColorAt(1, shirt_.darker(150));
  p.fillPath(shirt, cloth);
  QPainterPath collar;
  collar.moveTo(-31, 80);
  collar.quadTo(0, 106, 31, 80);
  p.strokePath(collar, QPen(shirt_.lightness() < 60 ? shirt_.lighter(250) : shirt_.darker(135), 5, Qt::SolidLine, Qt::RoundCap));
  p.strokePath(shirt, QPen(shirt_.darker(170), 1.2));
}

void HeadPainter::PaintBackHair(QPainter& p, double dx) const {
  const double rx = shape_.halfWidth;
  const double hx = dx * 0.3;
  if (LongHair(hairStyle_) || hairStyle_ == 10) {
    QPainterPath back;
    if (hairStyle_ == 10) {
      // The ponytail shows beside the neck as the head turns.
      back.moveTo(rx * 0.5 + hx, -40);
      back.quadTo(rx + 26 + hx, -10, rx + 10 + hx, 58);
      back.quadTo(rx + 2 + hx, 30, rx * 0.3 + hx, -30);
      back.closeSubpath();
    } else {
      const double bottom = hairStyle_ == 9 ? 96 : 74;
      back.addRoundedRect(QRectF(-rx - 14 + hx, kCentreY - shape_.halfHeight + 6, 2 * rx + 28, bottom + shape_.halfHeight - 4), 40, 40);
    }
    QLinearGradient shade(0, -80, 0, 100);
    shade.setColorAt(0, hair_.darker(120));
    shade.setColorAt(1, hair_.darker(170));
    p.fillPath(back, shade);
    if (hairStyle_ == 9) {
      QPen lock(hair_.darker(150), 8, Qt::SolidLine, Qt::RoundCap);
      p.setPen(lock);
      for (int i = -4; i <= 4; ++i) p.drawLine(QPointF(i * 15 + hx, 30), QPointF(i * 16.5 + hx, 96));
    }
  }
  if (hairStyle_ == 6) {
    QRadialGradient afro(QPointF(hx - 10, -70), rx + 30);
    afro.setColorAt(0, hair_.lighter(120));
    afro.setColorAt(1, hair_.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(afro);
    p.drawEllipse(QPointF(hx, -48), rx + 17, shape_.halfHeight * 0.78);
  }
}

void HeadPainter::PaintEars(QPainter& p, double dx, double turn) const {
  const double rx = shape_.halfWidth;
  for (double side : {-1.0, 1.0}) {
    // The ear on the side the face turns away from shows more of itself.
    const double width = 9 * (1 - 0.45 * side * turn);
    const QPointF centre(side * (rx - 2) + dx * 0.1, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(skin_.darker(108));
    p.drawEllipse(centre, width, 17);
    p.setPen(QPen(skin_.darker(135), 2));
    p.drawArc(QRectF(centre.x() - width * 0.5, centre.y() - 10, width, 20), side > 0 ? -70 * 16 : 110 * 16, 140 * 16);
  }
}

void HeadPainter::PaintFace(QPainter& p, double dx, bool eyesClosed) const {
  const QPainterPath face = FaceOutline(dx);
  QRadialGradient light(QPointF(dx * 1.4 - 12, -22), shape_.halfWidth * 1.55);
  light.setColorAt(0, skin_.lighter(112));
  light.setColorAt(0.55, skin_);
  light.setColorAt(1, skin_.darker(128));
  p.fillPath(face, light);
  p.strokePath(face, QPen(skin_.darker(140), 1.2));

  p.save();
  p.setClipPath(face);
  // Cheeks.
  p.setPen(Qt::NoPen);
  for (double side : {-1.0, 1.0}) {
    QRadialGradient blush(QPointF(side * 30 + dx, 18), 16);
    blush.setColorAt(0, QColor(220, 90, 80, 38));
    blush.setColorAt(1, QColor(220, 90, 80, 0));
    p.setBrush(blush);
    p.drawEllipse(QPointF(side * 30 + dx, 18), 16, 12);
  }

  // Eyes: sockets, whites, irises, lids.
  const double eyeY = -6;
  for (double side : {-1.0, 1.0}) {
    const QPointF c(side * shape_.eyeSpacing + dx, eyeY);
    QRadialGradient socket(c - QPointF(0, 3), 16);
    socket.setColorAt(0, WithAlpha(skin_.darker(140), 70));
    socket.setColorAt(1, WithAlpha(skin_.darker(140), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(socket);
    p.drawEllipse(c - QPointF(0, 3), 16, 12);

    if (eyesClosed) {
      p.setPen(QPen(skin_.darker(180), 2, Qt::SolidLine, Qt::RoundCap));
      p.drawArc(QRectF(c.x() - 8, c.y() - 4, 16, 8), 200 * 16, 140 * 16);
    } else {
      QPainterPath eye;
      eye.moveTo(c.x() - 8, c.y());
      eye.quadTo(c.x(), c.y() - shape_.eyeHeight * 1.25, c.x() + 8, c.y());
      eye.quadTo(c.x(), c.y() + shape_.eyeHeight, c.x() - 8, c.y());
      p.fillPath(eye, QColor(248, 246, 240));
      p.save();
      p.setClipPath(eye, Qt::IntersectClip);
      const QPointF iris(c.x() + dx * 0.25, c.y() - 0.3);
      p.setBrush(shape_.iris);
      p.drawEllipse(iris, 4.3, 4.3);
      p.setBrush(QColor(15, 12, 10));
      p.drawEllipse(iris, 2, 2);
      p.setBrush(QColor(255, 255, 255, 220));
      p.drawEllipse(iris + QPointF(-1.3, -1.4), 1, 1);
      p.restore();
      QPainterPath lid;
      lid.moveTo(c.x() - 8.5, c.y() + 0.5);
      lid.quadTo(c.x(), c.y() - shape_.eyeHeight * 1.3, c.x() + 8.5, c.y() + 0.5);
      p.strokePath(lid, QPen(QColor(40, 28, 22), 1.6, Qt::SolidLine, Qt::RoundCap));
    }
    // Brows in the hair colour, a little darker so blond brows still show.
    QPainterPath brow;
    brow.moveTo(c.x() - side * 10, c.y() - 11);
    brow.quadTo(c.x() + side * 2, c.y() - 17, c.x() + side * 11, c.y() - 12);
    p.strokePath(brow, QPen(hair_.darker(135), shape_.browWeight, Qt::SolidLine, Qt::RoundCap));
  }

  // Nose: a shadow down the far side, nostrils and a lit tip.
  const double nx = dx * 1.25;
  QPainterPath bridge;
  bridge.moveTo(nx + 4, -4);
  bridge.quadTo(nx + 6, 8, nx + shape_.noseWidth * 0.55, 16);
  p.strokePath(bridge, QPen(WithAlpha(skin_.darker(150), 150), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setPen(Qt::NoPen);
  p.setBrush(WithAlpha(skin_.darker(185), 200));
  p.drawEllipse(QPointF(nx - shape_.noseWidth * 0.33, 19), 2.8, 1.8);
  p.drawEllipse(QPointF(nx + shape_.noseWidth * 0.33, 19), 2.8, 1.8);
  p.setBrush(WithAlpha(skin_.lighter(120), 120));
  p.drawEllipse(QPointF(nx - 1, 14), shape_.noseWidth * 0.35, 3.5);

  // Mouth: lips a little redder than the skin, a calm smile.
  const QColor lip = Mix(skin_, QColor(170, 70, 70), 0.35).darker(108);
  const double my = 35, mw = 15;
  QPainterPath upper;
  upper.moveTo(dx - mw, my);
  upper.quadTo(dx - mw * 0.45, my - shape_.lipFullness, dx, my - shape_.lipFullness * 0.55);
  upper.quadTo(dx + mw * 0.45, my - shape_.lipFullness, dx + mw, my);
  upper.quadTo(dx, my + 1.5, dx - mw, my);
  QPainterPath lower;
  lower.moveTo(dx - mw, my);
  lower.quadTo(dx, my + 1.5, dx + mw, my);
  lower.quadTo(dx, my + shape_.lipFullness * 1.5, dx - mw, my);
  p.fillPath(upper, lip.darker(110));
  p.fillPath(lower, lip);
  QPainterPath line;
  line.moveTo(dx - mw, my);
  line.quadTo(dx, my + 1.8, dx + mw, my);
  p.strokePath(line, QPen(lip.darker(170), 1.3, Qt::SolidLine, Qt::RoundCap));
  p.restore();
}

void HeadPainter::PaintFacialHair(QPainter& p, double dx) const {
  if (facialHair_ < 2 || facialHair_ > 6) return;
  const QPainterPath face = FaceOutline(dx);
  const double chin = kCentreY + shape_.halfHeight;
  p.save();
  p.setClipPath(face);
  const QColor beard = hair_.darker(115);
  QPainterPath moustache;
  moustache.moveTo(dx - 17, 34);
  moustache.quadTo(dx - 10, 23, dx, 27);
  moustache.quadTo(dx + 10, 23, dx + 17, 34);
  moustache.quadTo(dx + 8, 29, dx, 31);
  moustache.quadTo(dx - 8, 29, dx - 17, 34);
  QPainterPath goatee;
  goatee.addEllipse(QPointF(dx * 0.9, chin - 8), facialHair_ == 2 ? 9 : 15, facialHair_ == 2 ? 7 : 11);
  QPainterPath mouthHole;
  mouthHole.addEllipse(QPointF(dx, 36), 14, 6);

  // Below the cheek line: where a beard grows, from ear to ear around the mouth. A full
  // beard climbs higher up the cheeks than stubble.
  auto jaw = [&](double cheek) {
    const double rx = shape_.halfWidth;
    QPainterPath path;
    path.moveTo(-rx - 6 + dx * 0.2, cheek - 8);
    path.quadTo(-rx * 0.55 + dx, cheek + 26, -18 + dx, 25);
    path.quadTo(dx, 21, 18 + dx, 25);
    path.quadTo(rx * 0.55 + dx, cheek + 26, rx + 6 + dx * 0.2, cheek - 8);
    path.lineTo(rx + 6, 120);
    path.lineTo(-rx - 6, 120);
    path.closeSubpath();
    return path.subtracted(mouthHole);
  };
  switch (facialHair_) {
    case 2: p.fillPath(goatee, WithAlpha(beard, 230)); break;
    case 3: p.fillPath(moustache, beard); break;
    case 4: {  // stubble: a shadow over the jaw, thickest at the chin
      QLinearGradient shadow(0, 4, 0, chin);
      shadow.setColorAt(0, WithAlpha(beard, 0));
      shadow.setColorAt(0.35, WithAlpha(beard, 70));
      shadow.setColorAt(1, WithAlpha(beard, 110));
      p.fillPath(jaw(4).united(moustache), shadow);
      break;
    }
    case 5: {
      QPainterPath full = moustache.united(goatee);
      full.addRect(QRectF(dx - 16, 32, 4, 14));
      full.addRect(QRectF(dx + 12, 32, 4, 14));
      p.fillPath(full.subtracted(mouthHole), WithAlpha(beard, 235));
      break;
    }
    case 6: {  // full beard from ear to ear
      QLinearGradient thick(0, -6, 0, chin);
      thick.setColorAt(0, WithAlpha(beard, 120));
      thick.setColorAt(0.3, WithAlpha(beard, 235));
      thick.setColorAt(1, beard.darker(120));
      p.fillPath(jaw(-4).united(moustache), thick);
      break;
    }
    default: break;
  }
  p.restore();
}

void HeadPainter::PaintFrontHair(QPainter& p, double dx) const {
  const double rx = shape_.halfWidth, ry = shape_.halfHeight;
  const double hx = dx * 0.35;
  // Hairline height and how far the hair stands off the skull, by style.
  double hairline = -40, thickness = 6, sideburn = 2;
  switch (hairStyle_) {
    case 1: thickness = 1.5; hairline = -42; sideburn = -6; break;
    case 6: thickness = 12; hairline = -38; break;
    case 7: thickness = 8; hairline = -38; break;
    case 8: thickness = 5; sideburn = 26; break;
    case 10: thickness = 3; hairline = -44; sideburn = -4; break;
    default: break;
  }
  QPainterPath cap;
  cap.moveTo(-rx - 1 + hx, sideburn);
  cap.lineTo(-rx - thickness * 0.5 + hx, kCentreY);
  cap.arcTo(QRectF(-rx - thickness + hx, kCentreY - ry - thickness, 2 * (rx + thickness), 2 * (ry + thickness) * 0.95), 180, -180);
  cap.lineTo(rx + 1 + hx, sideburn);
  cap.lineTo(rx - 9 + hx, sideburn);
  cap.quadTo(rx - 8 + hx, hairline + 8, rx - 22 + dx, hairline);
  cap.quadTo(dx, hairline - 9, -rx + 22 + dx, hairline);
  cap.quadTo(-rx + 8 + hx, hairline + 8, -rx + 9 + hx, sideburn);
  cap.closeSubpath();

  QLinearGradient sheen(0, kCentreY - ry - thickness, 0, hairline + 10);
  sheen.setColorAt(0, hair_.lighter(hairStyle_ == 1 ? 100 : 130));
  sheen.setColorAt(1, hair_.darker(115));
  if (hairStyle_ == 1) {
    // Shaved close: the scalp shows through.
    p.fillPath(cap, WithAlpha(hair_, 120));
    p.fillPath(cap, QBrush(WithAlpha(hair_.darker(140), 70), Qt::Dense6Pattern));
    return;
  }
  p.fillPath(cap, sheen);

  p.setPen(Qt::NoPen);
  switch (hairStyle_) {
    case 3:  // curls along the outline
    case 7:  // short twists all over
    case 6: {
      const int step = hairStyle_ == 3 ? 11 : 8;
      const double radius = hairStyle_ == 3 ? 8 : 5;
      p.setBrush(hair_.darker(125));
      for (int a = 10; a <= 170; a += step) {
        const double rad = a * kPi / 180;
        const double r = hairStyle_ == 6 ? rx + 10 : rx + thickness - 2;
        p.drawEllipse(QPointF(hx + std::cos(rad) * r, kCentreY - std::sin(rad) * (ry * 0.92 + thickness - 3)), radius, radius);
        if (hairStyle_ != 3) p.drawEllipse(QPointF(hx + std::cos(rad) * r * 0.6, kCentreY - std::sin(rad) * ry * 0.8), radius, radius);
      }
      break;
    }
    case 4: {  // fringe over the forehead
      QPainterPath fringe;
      fringe.moveTo(-rx + 10 + hx, hairline - 6);
      for (int i = 0; i <= 8; ++i) {
        const double x = -rx + 14 + i * (2 * rx - 28) / 8 + dx;
        fringe.lineTo(x, i % 2 ? hairline + 14 : hairline + 6);
      }
      fringe.lineTo(rx - 10 + hx, hairline - 6);
      fringe.closeSubpath();
      p.fillPath(fringe, hair_.darker(108));
      break;
    }
    case 5: {  // side parting with a soft quiff
      QPainterPath parting;
      parting.moveTo(-rx * 0.35 + dx, hairline - 6);
      parting.quadTo(-rx * 0.3 + hx, kCentreY - ry + 6, -rx * 0.25 + hx, kCentreY - ry - 2);
      p.strokePath(parting, QPen(hair_.darker(160), 1.5));
      QPainterPath quiff;
      quiff.moveTo(-rx * 0.3 + dx, hairline - 4);
      quiff.quadTo(rx * 0.3 + dx, hairline - 22, rx * 0.75 + hx, hairline + 2);
      p.strokePath(quiff, QPen(hair_.lighter(125), 3, Qt::SolidLine, Qt::RoundCap));
      break;
    }
    default: break;
  }
  if (LongHair(hairStyle_)) {
    // Long hair falls past the ears onto the shoulders in front.
    for (double side : {-1.0, 1.0}) {
      QPainterPath strand;
      strand.moveTo(side * (rx - 6) + hx, -30);
      strand.quadTo(side * (rx + 16) + hx, 10, side * (rx + 12) + hx, hairStyle_ == 9 ? 92 : 70);
      strand.lineTo(side * (rx - 2) + hx, hairStyle_ == 9 ? 92 : 66);
      strand.quadTo(side * (rx + 2) + hx, 10, side * (rx - 12) + hx, -30);
      strand.closeSubpath();
      p.fillPath(strand, hair_.darker(110));
    }
  }
}

}  // namespace torvale::renderer
