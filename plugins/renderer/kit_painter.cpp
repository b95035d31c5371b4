#include "kit_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

#include "screen_colour.h"

namespace torvale::renderer {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The kit is drawn in its own units: 220 wide, 320 high, the shirt's centre line at x = 0.
constexpr double kKitWidth = 220;
constexpr double kKitHeight = 320;
constexpr double kTurnAmplitude = 50;  // degrees either side of the front
constexpr int kTurnPeriod = 160;       // ticks for one swing to and fro (8 s)

int StyleOrPlain(uint32_t style, int count) {
  return style >= 1 && style <= static_cast<uint32_t>(count) ? static_cast<int>(style) : 1;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

QPainterPath Sleeve(double side) {
  return Polygon({{side * 56, 13}, {side * 100, 56}, {side * 79, 80}, {side * 57, 58}});
}

QPainterPath Cuff(double side) {
  return Polygon({{side * 100, 56}, {side * 79, 80}, {side * 74.5, 74.5}, {side * 95, 51}});
}

QPainterPath Torso() {
  QPainterPath path;
  path.moveTo(-22, 4);
  path.lineTo(-56, 13);
  path.lineTo(-57, 58);
  path.quadTo(-54, 100, -60, 142);
  path.quadTo(0, 150, 60, 142);
  path.quadTo(54, 100, 57, 58);
  path.lineTo(56, 13);
  path.lineTo(22, 4);
  path.quadTo(0, 14, -22, 4);
  path.closeSubpath();
  return path;
}

QPainterPath ShirtOutline() { return Torso().united(Sleeve(-1)).united(Sleeve(1)).simplified(); }

QPainterPath ShortsOutline() {
  QPainterPath path;
  path.moveTo(-58, 146);
  path.lineTo(58, 146);
  path.lineTo(66, 202);
  path.quadTo(36, 209, 6, 205);
  path.lineTo(0, 182);
  path.lineTo(-6, 205);
  path.quadTo(-36, 209, -66, 202);
  path.closeSubpath();
  return path;
}

QPainterPath ShortsLeg(double side) {
  return Polygon({{side * 0.5, 146}, {side * 58, 146}, {side * 66, 202}, {side * 6, 205}, {side * 0.5, 182}});
}

QPainterPath Sock(double centre) {
  QPainterPath path;
  path.moveTo(centre - 13, 216);
  path.lineTo(centre + 13, 216);
  path.quadTo(centre + 16, 244, centre + 11, 284);
  path.lineTo(centre - 11, 284);
  path.quadTo(centre - 16, 244, centre - 13, 216);
  path.closeSubpath();
  return path;
}

QPainterPath Boot(double centre, double side) {
  QPainterPath path;
  path.moveTo(centre - 13, 282);
  path.lineTo(centre + 13, 282);
  path.quadTo(centre + side * 24 + 4, 286, centre + side * 25, 296);
  path.quadTo(centre + side * 25, 302, centre + side * 18, 302);
  path.lineTo(centre - side * 14, 302);
  path.quadTo(centre - side * 16, 292, centre - 13, 282);
  path.closeSubpath();
  return path;
}

void Stripes(QPainter& p, const QColor& c, double width, double gap, double top = 0, double bottom = 150) {
  for (double x = -width / 2 - 6 * (width + gap); x < 120; x += width + gap) p.fillRect(QRectF(x, top, width, bottom - top), c);
}

void Hoops(QPainter& p, const QColor& c, double height, double gap, double top = 6) {
  for (double y = top; y < 150; y += height + gap) p.fillRect(QRectF(-120, y, 240, height), c);
}

void DiagonalStripes(QPainter& p, const QColor& c, double width, double angle) {
  p.save();
  p.rotate(angle);
  for (double x = -240; x < 240; x += 2 * width) p.fillRect(QRectF(x, -240, width, 480), c);
  p.restore();
}

void Chevron(QPainter& p, const QColor& c, double tipY, double height, bool inverted) {
  const double dir = inverted ? -1 : 1;
  p.fillPath(Polygon({{-80, tipY - dir * 55}, {0, tipY}, {80, tipY - dir * 55}, {80, tipY - dir * 55 + height},
                      {0, tipY + height}, {-80, tipY - dir * 55 + height}}),
             c);
}

// How far, per unit of depth, a layer behind the front moves sideways at this turn. Seen from
// behind, the drawing is mirrored, so the angle is taken from the back.
double SideShift(double turn) {
  const double radians = turn * kPi / 180;
  return std::cos(radians) >= 0 ? std::tan(radians) : -std::tan(radians - kPi);
}

// The garment's body behind its front: the outline repeated towards the back in the side's
// colour, so the turning kit shows depth instead of a cut-out card.
void Extrude(QPainter& p, const QPainterPath& outline, double depth, const QColor& side, double turn) {
  const double shift = SideShift(turn);
  if (std::abs(shift) < 0.02) return;
  constexpr int kLayers = 12;
  for (int i = kLayers; i >= 1; --i) {
    const double offset = shift * depth * i / kLayers;
    p.fillPath(outline.translated(offset, 0), side.darker(125 + 30 * i / kLayers));
  }
}

}  // namespace

KitPainter::KitPainter(const RendererKitWords& kit, const RendererDisplaySettings& settings)
    : shirt_(FromScreenColour(kit.words[kKitShirtMain])),
      shirtSecond_(FromScreenColour(kit.words[kKitShirtSecond])),
      trim_(FromScreenColour(kit.words[kKitShirtTrim])),
      shorts_(FromScreenColour(kit.words[kKitShortsMain])),
      shortsSecond_(FromScreenColour(kit.words[kKitShortsSecond])),
      socks_(FromScreenColour(kit.words[kKitSocksMain])),
      socksSecond_(FromScreenColour(kit.words[kKitSocksSecond])),
      number_(FromScreenColour(kit.words[kKitNumberColour])),
      shirtStyle_(StyleOrPlain(kit.words[kKitShirtStyle], kShirtStyleCount)),
      shortsStyle_(StyleOrPlain(kit.words[kKitShortsStyle], kShortsStyleCount)),
      socksStyle_(StyleOrPlain(kit.words[kKitSocksStyle], kSocksStyleCount)),
      settings_(settings) {}

double KitPainter::TurnDegrees(int phase) const {
  switch (settings_.mode) {
    case kKitViewFront: return 0;
    case kKitViewBack: return 180;
    default: return kTurnAmplitude * std::sin(2 * kPi * phase / kTurnPeriod);
  }
}

void KitPainter::Paint(QPainter& painter, const QRectF& area, int phase) const {
  const double turn = TurnDegrees(phase);
  const double scale = std::min(area.width() / (kKitWidth + 20), area.height() / (kKitHeight + 20));
  const QPointF centre = area.center();
  const double cosTurn = std::cos(turn * kPi / 180);

  // Shadow on the floor, below the turning kit: it does not turn, which sells the depth.
  {
    const QPointF foot(centre.x(), centre.y() + (302 - kKitHeight / 2) * scale);
    QRadialGradient shadow(foot, 80 * scale);
    shadow.setColorAt(0, QColor(0, 0, 0, 90));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.save();
    painter.translate(foot);
    painter.scale(1, 0.16);
    painter.translate(-foot);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(foot, 80 * scale * (0.6 + 0.4 * std::abs(cosTurn)), 80 * scale);
    painter.restore();
  }

  const bool back = cosTurn < 0;
  QTransform rotation;
  rotation.rotate(turn, Qt::YAxis);
  QTransform transform = QTransform::fromTranslate(0, -kKitHeight / 2);
  if (back) transform *= QTransform::fromScale(-1, 1);  // seen from behind: draw the back unmirrored
  transform *= rotation * QTransform::fromScale(scale, scale) * QTransform::fromTranslate(centre.x(), centre.y());

  painter.save();
  painter.setTransform(transform, true);
  PaintSocks(painter, turn);
  PaintShorts(painter, turn);
  PaintShirt(painter, back, turn);
  painter.restore();
}

void KitPainter::Shade(QPainter& painter, const QPainterPath& part, double turn) const {
  // A round body lit from the front left: the light slides across as the kit turns.
  const double light = std::clamp(0.32 - 0.3 * std::sin(turn * kPi / 180), 0.08, 0.6);
  QLinearGradient gradient(-110, 0, 110, 0);
  gradient.setColorAt(0, QColor(0, 0, 0, 70));
  gradient.setColorAt(std::max(0.02, light - 0.25), QColor(255, 255, 255, 20));
  gradient.setColorAt(light, QColor(255, 255, 255, 70));
  gradient.setColorAt(std::min(0.98, light + 0.3), QColor(255, 255, 255, 0));
  gradient.setColorAt(1, QColor(0, 0, 0, 95));
  painter.fillPath(part, gradient);
}

void KitPainter::MarkSelected(QPainter& painter, const QPainterPath& part, uint32_t partId) const {
  if (settings_.selectedPart != partId) return;
  painter.strokePath(part, QPen(QColor(255, 214, 40, 200), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void KitPainter::PaintShirtPattern(QPainter& p, int style) const {
  const QColor& a = shirt_;
  const QColor& b = shirtSecond_;
  const QColor& t = trim_;
  auto sleeves = [&](const QColor& c) {
    p.fillPath(Sleeve(-1), c);
    p.fillPath(Sleeve(1), c);
  };
  switch (style) {
    case 1: break;                                    // plain
    case 2: Stripes(p, b, 18, 18); break;             // vertical stripes
    case 3: Hoops(p, b, 16, 16); break;               // hoops
    case 4: p.fillRect(QRectF(0, 0, 120, 150), b); break;  // halves
    case 5: p.fillPath(Polygon({{-62, 8}, {-32, 8}, {70, 148}, {40, 148}}), b); break;  // sash
    case 6: sleeves(b); break;                        // sleeves in another colour
    case 7: Stripes(p, b, 2, 10); break;              // pinstripes
    case 8:                                           // quarters
      p.fillRect(QRectF(-120, 0, 120, 70), b);
      p.fillRect(QRectF(0, 70, 120, 80), b);
      break;
    case 9: Stripes(p, b, 9, 9); break;               // narrow stripes
    case 10: Hoops(p, b, 8, 8); break;                // narrow hoops
    case 11: p.fillPath(Polygon({{62, 8}, {32, 8}, {-70, 148}, {-40, 148}}), b); break;  // reversed sash
    case 12: p.fillRect(QRectF(-120, 42, 240, 24), b); break;  // chest band
    case 13: p.fillRect(QRectF(-14, 0, 28, 150), b); break;    // centre stripe
    case 14: Chevron(p, b, 62, 20, false); break;     // chevron
    case 15: p.fillRect(QRectF(-120, 0, 240, 32), b); break;   // shoulder yoke
    case 16:                                          // side panels
      p.fillRect(QRectF(-120, 0, 80, 150), b);
      p.fillRect(QRectF(40, 0, 80, 150), b);
      break;
    case 17:                                          // checks
      for (int row = 0; row < 8; ++row)
        for (int col = -6; col < 6; ++col)
          if ((row + col) % 2 == 0) p.fillRect(QRectF(col * 20, row * 20, 20, 20), b);
      break;
    case 18: DiagonalStripes(p, b, 12, 30); break;    // diagonal stripes
    case 19: {                                        // fade from top to bottom
      QLinearGradient fade(0, 10, 0, 145);
      fade.setColorAt(0, a);
      fade.setColorAt(1, b);
      p.fillRect(QRectF(-120, 0, 240, 150), fade);
      break;
    }
    case 20: p.fillRect(QRectF(-120, 0, 240, 70), b); break;   // upper half
    case 21:                                          // twin centre stripes
      p.fillRect(QRectF(-20, 0, 12, 150), b);
      p.fillRect(QRectF(8, 0, 12, 150), b);
      break;
    case 22:                                          // cross
      p.fillRect(QRectF(-30, 0, 22, 150), b);
      p.fillRect(QRectF(-120, 56, 240, 22), b);
      break;
    case 23: Stripes(p, b, 18, 18); sleeves(b); break;
    case 24: Hoops(p, b, 16, 16); sleeves(b); break;
    case 25: p.fillRect(QRectF(0, 0, 120, 150), b); p.fillPath(Sleeve(-1), b); p.fillPath(Sleeve(1), a); break;
    case 26: Stripes(p, b, 2, 10); sleeves(b); break;
    case 27: p.fillPath(Polygon({{-62, 8}, {-32, 8}, {70, 148}, {40, 148}}), b); sleeves(b); break;
    case 28: p.fillRect(QRectF(-120, 70, 240, 40), b); break;  // broad hoop at the waist
    case 29:                                          // stripes down the sleeves
      for (double side : {-1.0, 1.0}) {
        p.save();
        p.setClipPath(Sleeve(side), Qt::IntersectClip);
        DiagonalStripes(p, b, 5, side * 45);
        p.restore();
      }
      break;
    case 30:                                          // piping from shoulder to hem
      for (double x : {-44.0, 40.0}) p.fillRect(QRectF(x, 0, 4, 150), b);
      p.fillPath(Cuff(-1), b);
      p.fillPath(Cuff(1), b);
      break;
    case 31:                                          // twin chest hoops
      p.fillRect(QRectF(-120, 46, 240, 7), b);
      p.fillRect(QRectF(-120, 60, 240, 7), b);
      break;
    case 32:                                          // stripes edged in the trim colour
      Stripes(p, t, 22, 14);
      Stripes(p, b, 16, 20);
      break;
    case 33:                                          // three-colour hoops
      Hoops(p, b, 12, 24, 6);
      Hoops(p, t, 12, 24, 18);
      break;
    case 34:                                          // harlequin diamonds
      for (int row = -1; row < 10; ++row)
        for (int col = -3; col < 4; ++col) {
          const double cx = col * 44 + (row % 2 ? 22 : 0), cy = row * 18;
          p.fillPath(Polygon({{cx, cy - 18}, {cx + 22, cy}, {cx, cy + 18}, {cx - 22, cy}}), b);
        }
      break;
    case 35: p.fillRect(QRectF(-46, 0, 26, 150), b); break;  // off-centre band
    case 36: Chevron(p, b, 36, 20, true); break;      // inverted chevron
    case 37: Hoops(p, b, 12, 12, 76); break;          // hoops below the chest
    case 38:                                          // stripes fading towards the hem
      for (int i = 0; i < 14; ++i) {
        QColor faded = b;
        faded.setAlphaF(1.0 - i / 14.0);
        Stripes(p, faded, 14, 14, i * 10, i * 10 + 10);
      }
      break;
    case 39:                                          // yoke over stripes
      Stripes(p, b, 12, 12);
      p.fillRect(QRectF(-120, 0, 240, 30), t);
      break;
    case 40:                                          // bib around the neck
      p.fillPath(Polygon({{-46, 0}, {46, 0}, {30, 52}, {0, 66}, {-30, 52}}), b);
      break;
    case 41:                                          // side stripes, sleeve to hem
      for (double side : {-1.0, 1.0}) {
        p.fillRect(QRectF(side > 0 ? 44 : -52, 50, 8, 100), b);
        p.fillPath(Polygon({{side * 56, 13}, {side * 62, 13}, {side * 100, 52}, {side * 96, 56}}), b);
      }
      break;
    case 42:                                          // dots
      for (int row = 0; row < 10; ++row)
        for (int col = -7; col < 8; ++col)
          p.fillPath([&] {
            QPainterPath dot;
            dot.addEllipse(QPointF(col * 15 + (row % 2) * 7.5, row * 15 + 6), 3.6, 3.6);
            return dot;
          }(), b);
      break;
    default: break;
  }
}

void KitPainter::PaintShirt(QPainter& painter, bool back, double turn) const {
  const QPainterPath outline = ShirtOutline();
  const QColor seam = SeamColour(shirt_);
  Extrude(painter, outline, 26, shirt_, turn);

  // Inside of the back seen through the neck opening.
  painter.fillPath(Polygon({{-22, 4}, {-12, -1}, {12, -1}, {22, 4}, {0, 14}}), shirt_.darker(190));

  painter.save();
  painter.setClipPath(outline);
  painter.fillRect(QRectF(-120, -10, 240, 170), shirt_);
  PaintShirtPattern(painter, shirtStyle_);
  painter.fillPath(Cuff(-1), trim_);
  painter.fillPath(Cuff(1), trim_);
  painter.fillRect(QRectF(-120, 138, 240, 12), QColor(0, 0, 0, 28));  // the hem's fold

  if (!back) {
    // V-neck in the trim colour.
    painter.fillPath(Polygon({{-23, 3}, {0, 34}, {23, 3}, {16, 5}, {0, 24}, {-16, 5}}), trim_);
    // Club crest on the heart side and the maker's mark opposite.
    QPainterPath crest;
    crest.moveTo(-38, 34);
    crest.lineTo(-22, 34);
    crest.lineTo(-22, 44);
    crest.quadTo(-23, 52, -30, 56);
    crest.quadTo(-37, 52, -38, 44);
    crest.closeSubpath();
    painter.fillPath(crest, trim_);
    painter.strokePath(crest, QPen(seam, 1.2));
    painter.fillPath(Polygon({{-34, 40}, {-26, 40}, {-26, 46}, {-30, 51}, {-34, 46}}), shirt_ == trim_ ? seam : shirt_);
    QPainterPath mark;
    mark.moveTo(22, 44);
    mark.quadTo(28, 52, 38, 38);
    mark.quadTo(30, 47, 22, 44);
    painter.fillPath(mark, trim_ == shirt_ ? seam : trim_);
  } else {
    // Round back collar and the shirt number.
    painter.strokePath([] {
      QPainterPath collar;
      collar.moveTo(-22, 4);
      collar.quadTo(0, 10, 22, 4);
      return collar;
    }(), QPen(trim_, 5));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(58);
    QPainterPath digits;
    const QString text = QString::number(settings_.shirtNumber);
    digits.addText(0, 0, font, text);
    digits.translate(-digits.boundingRect().center().x(), 92 - digits.boundingRect().center().y());
    painter.fillPath(digits, number_);
    painter.strokePath(digits, QPen(number_ == shirt_ ? seam : SeamColour(number_), 1.2));
  }
  // Fabric folds under the arms and across the belly.
  QPen fold(QColor(0, 0, 0, 30), 3, Qt::SolidLine, Qt::RoundCap);
  painter.setPen(fold);
  painter.drawLine(QPointF(-52, 66), QPointF(-34, 92));
  painter.drawLine(QPointF(52, 66), QPointF(36, 96));
  painter.drawLine(QPointF(-20, 118), QPointF(18, 122));
  Shade(painter, outline, turn);
  painter.restore();

  QPen edge(seam, 1.6);
  painter.strokePath(outline, edge);
  painter.strokePath(Sleeve(-1), QPen(seam, 0.9));
  painter.strokePath(Sleeve(1), QPen(seam, 0.9));
  MarkSelected(painter, outline, kKitPartShirt);
}

void KitPainter::PaintShorts(QPainter& p, double turn) const {
  const QPainterPath outline = ShortsOutline();
  const QColor& a = shorts_;
  const QColor& b = shortsSecond_;
  const QColor seam = SeamColour(a);
  Extrude(p, outline, 24, a, turn);
  p.save();
  p.setClipPath(outline);
  p.fillRect(QRectF(-80, 140, 160, 80), a);
  auto sideStripe = [&](double width, double offset) {
    for (double side : {-1.0, 1.0})
      p.fillPath(Polygon({{side * (58 - offset - width), 146}, {side * (58 - offset), 146},
                          {side * (66 - offset), 206}, {side * (66 - offset - width), 206}}),
                 b);
  };
  switch (shortsStyle_) {
    case 1: break;
    case 2: sideStripe(8, 0); break;
    case 3: p.fillRect(QRectF(-80, 196, 160, 14), b); break;
    case 4: sideStripe(4, 0); sideStripe(4, 8); break;
    case 5: p.fillPath(ShortsLeg(1), b); break;
    case 6: sideStripe(20, 0); break;
    case 7: sideStripe(6, 0); p.fillRect(QRectF(-80, 198, 160, 12), b); break;
    case 8: p.fillRect(QRectF(-80, 146, 160, 10), b); break;
    case 9: sideStripe(2, 3); break;
    case 10: Stripes(p, b, 6, 10, 146, 210); break;
    case 11: for (double y = 150; y < 210; y += 14) p.fillRect(QRectF(-80, y, 160, 7), b); break;
    case 12:
      for (double side : {-1.0, 1.0}) p.fillPath(Polygon({{side * 30, 206}, {side * 66, 170}, {side * 68, 186}, {side * 46, 206}}), b);
      break;
    case 13: p.fillRect(QRectF(-80, 146, 160, 10), b); p.fillRect(QRectF(-80, 198, 160, 12), b); break;
    default: break;
  }
  p.fillRect(QRectF(-80, 146, 160, 9), QColor(0, 0, 0, 35));  // waistband
  p.setPen(QPen(QColor(0, 0, 0, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(-30, 160), QPointF(-24, 196));
  p.drawLine(QPointF(30, 160), QPointF(24, 196));
  Shade(p, outline, turn);
  p.restore();
  p.strokePath(outline, QPen(seam, 1.6));
  p.drawLine(QPointF(0, 156), QPointF(0, 182));
  MarkSelected(p, outline, kKitPartShorts);
}

void KitPainter::PaintSocks(QPainter& p, double turn) const {
  const QColor& a = socks_;
  const QColor& b = socksSecond_;
  QPainterPath both;
  for (double side : {-1.0, 1.0}) {
    const double centre = side * 27;
    const QPainterPath sock = Sock(centre);
    Extrude(p, sock, 14, a, turn);
    both.addPath(sock);
    p.save();
    p.setClipPath(sock);
    p.fillRect(QRectF(centre - 20, 210, 40, 80), a);
    switch (socksStyle_) {
      case 2: p.fillRect(QRectF(centre - 20, 216, 40, 14), b); break;
      case 3: for (double y = 220; y < 284; y += 16) p.fillRect(QRectF(centre - 20, y, 40, 8), b); break;
      case 4:
        p.fillRect(QRectF(centre - 20, 222, 40, 4), b);
        p.fillRect(QRectF(centre - 20, 230, 40, 4), b);
        break;
      default: break;
    }
    p.fillRect(QRectF(centre - 20, 216, 40, 4), QColor(0, 0, 0, 40));  // the turned-over top
    Shade(p, sock, turn);
    p.restore();
    p.strokePath(sock, QPen(SeamColour(a), 1.4));

    // Boots: black with a white flash, toes turned outwards.
    const QPainterPath boot = Boot(centre, side);
    Extrude(p, boot, 14, QColor(40, 40, 44), turn);
    QLinearGradient leather(0, 282, 0, 302);
    leather.setColorAt(0, QColor(60, 60, 64));
    leather.setColorAt(1, QColor(12, 12, 14));
    p.fillPath(boot, leather);
    p.strokePath(Polygon({{centre - side * 4, 290}, {centre + side * 14, 286}}), QPen(QColor(235, 235, 235), 2.2));
  }
  MarkSelected(p, both, kKitPartSocks);
}

}  // namespace torvale::renderer
