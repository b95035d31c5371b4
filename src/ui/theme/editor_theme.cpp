#include "ui/theme/editor_theme.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>

// The resource initialiser must be named outside any namespace; the theme lives in a static
// library, whose resources are not registered on their own.
static void InitThemeResources() { Q_INIT_RESOURCE(theme); }

namespace torvale {

namespace {

// Deep pitch green for what is selected and for headings; the lighter tones keep dark text
// readable over the background picture.
constexpr QRgb kAccent = 0x1f6b3a;
constexpr QRgb kWindow = 0xe6eee4;
constexpr QRgb kBase = 0xffffff;
constexpr QRgb kAlternateBase = 0xf1f6ef;
constexpr QRgb kText = 0x1b2320;
constexpr QRgb kDisabledText = 0x8a948d;

QPalette EditorPalette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(kWindow));
  p.setColor(QPalette::WindowText, QColor(kText));
  p.setColor(QPalette::Base, QColor(kBase));
  p.setColor(QPalette::AlternateBase, QColor(kAlternateBase));
  p.setColor(QPalette::Text, QColor(kText));
  p.setColor(QPalette::Button, QColor(0xf4f7f2));
  p.setColor(QPalette::ButtonText, QColor(kText));
  p.setColor(QPalette::Highlight, QColor(kAccent));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::ToolTipBase, QColor(0xfffbe6));
  p.setColor(QPalette::ToolTipText, QColor(kText));
  p.setColor(QPalette::Link, QColor(kAccent));
  p.setColor(QPalette::PlaceholderText, QColor(kDisabledText));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, QColor(kDisabledText));
  p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0xa9b8ad));
  return p;
}

// The skinned look: every dialog shows the background picture; group boxes draw a two-tone
// frame with the caption set into the top line; texts stay on the picture (no fill).
const char* kStyleSheet = R"css(
QDialog, QMainWindow {
  background-color: #e6eee4;
  background-image: url(:/torvale/theme/background.png);
  background-position: top left;
}
QGroupBox {
  border: 1px solid #9aa99d;
  border-bottom-color: #ffffff;
  border-right-color: #ffffff;
  border-radius: 4px;
  margin-top: 1.1em;
  padding: 6px 6px 4px 6px;
  background-color: rgba(255, 255, 255, 70);
}
QGroupBox::title {
  subcontrol-origin: margin;
  left: 10px;
  padding: 0 4px;
  color: #134526;
  font-weight: bold;
}
QLabel[role="heading"] { color: #134526; font-size: 12pt; font-weight: bold; }
QLabel[role="caption"] { color: #42504a; }
QLabel[role="figure"] { color: #1b2320; font-weight: bold; }
QPushButton {
  padding: 4px 12px;
  border: 1px solid #7f9384;
  border-radius: 3px;
  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfefc, stop:1 #dfe8dc);
}
QPushButton:hover { border-color: #1f6b3a; }
QPushButton:pressed, QPushButton:checked {
  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #cfe0d2, stop:1 #e7efe5);
}
QPushButton:default { border: 2px solid #1f6b3a; }
QPushButton:disabled { color: #8a948d; border-color: #b9c3bb; }
QListView, QTreeView, QTableView, QPlainTextEdit, QTextEdit {
  border: 1px solid #9aa99d;
  selection-background-color: #1f6b3a;
  selection-color: #ffffff;
}
QHeaderView::section {
  background-color: #134526;
  color: #ffffff;
  padding: 3px 6px;
  border: none;
  border-right: 1px solid #2c7a47;
}
QMenuBar { background-color: #134526; color: #ffffff; }
QMenuBar::item { padding: 4px 10px; background: transparent; }
QMenuBar::item:selected { background-color: #2c7a47; }
QMenuBar::item:disabled { color: #8fb29b; }
QMenu { background-color: #fbfdfa; border: 1px solid #7f9384; }
QMenu::item { padding: 4px 24px 4px 20px; }
QMenu::item:selected { background-color: #1f6b3a; color: #ffffff; }
QMenu::item:disabled { color: #9aa49d; }
QMenu::separator { height: 1px; background: #c7d2c9; margin: 3px 8px; }
QToolTip { border: 1px solid #7f9384; }
)css";

}  // namespace

QColor EditorAccentColour() { return QColor(kAccent); }

QColor EditorErrorColour() { return QColor(0xb3261e); }
QColor EditorWarningColour() { return QColor(0x8a5a00); }

QIcon EditorSeverityIcon(bool error) {
  // A referee's card, slightly tilted, drawn at the sizes lists and headers ask for.
  QIcon icon;
  for (int size : {16, 24, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size / 2.0, size / 2.0);
    painter.rotate(12);
    const QRectF card(-size * 0.28, -size * 0.40, size * 0.56, size * 0.80);
    painter.setPen(QPen(QColor(error ? 0x7a1712 : 0x8a6a00), size / 16.0));
    painter.setBrush(error ? QColor(0xe0342b) : QColor(0xf6c915));
    painter.drawRoundedRect(card, size * 0.07, size * 0.07);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void ApplyEditorTheme(QApplication& app) {
  InitThemeResources();
  app.setStyle(QStyleFactory::create("Fusion"));
  app.setPalette(EditorPalette());
  app.setStyleSheet(QString::fromLatin1(kStyleSheet));
}

}  // namespace torvale
