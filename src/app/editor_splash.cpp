#include "app/editor_splash.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QSplashScreen>
#include <QTimer>

namespace torvale {

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 300;

void DrawPitchLines(QPainter& p) {
  p.setPen(QPen(QColor(255, 255, 255, 70), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(20, 20, kWidth - 40, kHeight - 40);
  p.drawLine(kWidth / 2, 20, kWidth / 2, kHeight - 20);
  p.drawEllipse(QPoint(kWidth / 2, kHeight / 2), 52, 52);
  p.drawRect(20, kHeight / 2 - 70, 70, 140);
  p.drawRect(kWidth - 90, kHeight / 2 - 70, 70, 140);
}

}  // namespace

QPixmap EditorSplashPicture() {
  QPixmap picture(kWidth, kHeight);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient grass(0, 0, 0, kHeight);
  grass.setColorAt(0, QColor(0x1f, 0x6b, 0x3a));
  grass.setColorAt(1, QColor(0x0f, 0x3b, 0x20));
  p.fillRect(picture.rect(), grass);
  for (int x = 0; x < kWidth; x += 80) p.fillRect(x, 0, 40, kHeight, QColor(255, 255, 255, 10));
  DrawPitchLines(p);

  p.setPen(Qt::white);
  QFont title = p.font();
  title.setPointSize(30);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRect(0, 70, kWidth, 60), Qt::AlignCenter, QStringLiteral("TORVALE"));
  QFont subtitle = p.font();
  subtitle.setPointSize(14);
  subtitle.setBold(false);
  p.setFont(subtitle);
  p.drawText(QRect(0, 130, kWidth, 30), Qt::AlignCenter, QStringLiteral("Datenbank Editor"));
  subtitle.setPointSize(9);
  p.setFont(subtitle);
  p.setPen(QColor(255, 255, 255, 190));
  p.drawText(QRect(0, kHeight - 60, kWidth, 20), Qt::AlignCenter,
             QString::fromUtf8("Länder · Vereine · Spieler · Wettbewerbe"));
  return picture;
}

void ShowEditorSplash(QWidget* over, int milliseconds) {
  auto* splash = new QSplashScreen(EditorSplashPicture(), Qt::WindowStaysOnTopHint);
  splash->setObjectName("splash");
  splash->setAttribute(Qt::WA_DeleteOnClose);
  if (over) splash->move(over->geometry().center() - splash->rect().center());
  splash->show();
  QTimer::singleShot(milliseconds, splash, &QWidget::close);
}

}  // namespace torvale
