#include "render_view.h"

#include <QEvent>
#include <QPainter>
#include <QRadialGradient>

#include "head_painter.h"
#include "kit_painter.h"
#include "screen_colour.h"

namespace torvale::renderer {

RenderView::RenderView(QWidget* window) : QWidget(window) {
  setObjectName(QStringLiteral("RendererView"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  // The window is the editor's; it changes size and parent, the view follows its inside.
  window->installEventFilter(this);
  setGeometry(window->contentsRect());
  show();
}

bool RenderView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
    setGeometry(parentWidget()->contentsRect());
  return QWidget::eventFilter(watched, event);
}

void RenderView::SetScene(const Scene& scene) {
  scene_ = scene;
  update();
}

bool RenderView::Animated() const {
  if (scene_.kind == Scene::Kit) return scene_.kitSettings.mode == kKitViewTurning;
  if (scene_.kind == Scene::Head) return scene_.animate;
  return false;
}

void RenderView::Advance(int phase) {
  scene_.phase = phase;
  if (Animated()) update();
}

void RenderView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF area = rect();

  // The background colour as a lit studio wall: a soft spot behind the subject.
  const QColor base = FromClearColour(scene_.background);
  QRadialGradient wall(area.center() - QPointF(0, area.height() * 0.1), std::max(area.width(), area.height()) * 0.75);
  wall.setColorAt(0, base.lighter(118));
  wall.setColorAt(1, base.darker(135));
  painter.fillRect(area, wall);

  if (scene_.kind == Scene::Kit) {
    KitPainter(scene_.kit, scene_.kitSettings).Paint(painter, area, scene_.phase);
  } else if (scene_.kind == Scene::Head) {
    HeadPainter(scene_.looks, FromScreenColour(scene_.headShirt)).Paint(painter, area, scene_.animate ? scene_.phase : 0);
  }
}

}  // namespace torvale::renderer
