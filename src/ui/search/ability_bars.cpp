#include "ui/search/ability_bars.h"

#include <QPainter>
#include <algorithm>

namespace torvale {
namespace {

const char* const kAbilityNames[kAbilityCount] = {
    "Passspiel", "Kopfball", "Schussstärke", "Schussgenauigkeit", "Antritt", "Schnelligkeit",
    "Def. Zweikampf", "Off. Zweikampf", "Technik", "Flanken", "Reflexe", "Flugparaden",
    "Strafraumbeherrschung", "Eins gegen eins", "Abstöße", "Abwürfe"};

// Abilities run from 1 to 10; older files may hold more, which then fill the bar.
constexpr int kBarScale = 10;
constexpr int kRowHeight = 24;
constexpr int kLabelWidth = 170;

}  // namespace

QString AbilityLabel(int ability) {
  return ability >= 0 && ability < kAbilityCount ? QString::fromUtf8(kAbilityNames[ability]) : QString();
}

AbilityBars::AbilityBars(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("abilityBars"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void AbilityBars::SetAbilities(int side, std::optional<Abilities> abilities) {
  if (side < 0 || side > 1) return;
  sides_[static_cast<size_t>(side)] = abilities;
  update();
}

QSize AbilityBars::sizeHint() const { return {kLabelWidth + 2 * 220, kAbilityCount * kRowHeight + 4}; }

void AbilityBars::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette& pal = palette();
  constexpr int kNumberWidth = 28;
  const int barWidth = std::max(20, (width() - kLabelWidth) / 2 - kNumberWidth - 8);
  const int centreLeft = kNumberWidth + 4 + barWidth + 4;
  const int centreRight = centreLeft + kLabelWidth;
  QFont plain = painter.font();
  QFont bold = plain;
  bold.setBold(true);
  for (int row = 0; row < kAbilityCount; ++row) {
    const int y = 2 + row * kRowHeight;
    painter.setFont(plain);
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawText(QRect(centreLeft, y, kLabelWidth, kRowHeight), Qt::AlignCenter, AbilityLabel(row));
    std::array<int, 2> values{-1, -1};
    for (size_t s = 0; s < 2; ++s) {
      if (sides_[s]) values[s] = (*sides_[s])[static_cast<size_t>(row)];
    }
    for (size_t s = 0; s < 2; ++s) {
      if (values[s] < 0) continue;
      const bool better = values[1 - s] >= 0 && values[s] > values[1 - s];
      const int length = barWidth * std::clamp(values[s], 0, kBarScale) / kBarScale;
      const QRect track = s == 0 ? QRect(centreLeft - 4 - barWidth, y + 5, barWidth, kRowHeight - 10)
                                 : QRect(centreRight + 4, y + 5, barWidth, kRowHeight - 10);
      const QRect bar = s == 0 ? QRect(centreLeft - 4 - length, y + 5, length, kRowHeight - 10)
                               : QRect(centreRight + 4, y + 5, length, kRowHeight - 10);
      painter.setPen(Qt::NoPen);
      painter.setBrush(pal.color(QPalette::Midlight));
      painter.drawRoundedRect(track, 3, 3);
      painter.setBrush(better ? QColor(0x2e, 0xa0, 0x43) : pal.color(QPalette::Mid));
      painter.drawRoundedRect(bar, 3, 3);
      const QRect number = s == 0 ? QRect(0, y, kNumberWidth, kRowHeight)
                                  : QRect(centreRight + 8 + barWidth, y, kNumberWidth, kRowHeight);
      painter.setFont(better ? bold : plain);
      painter.setPen(better ? QColor(0x2e, 0xa0, 0x43) : pal.color(QPalette::WindowText));
      painter.drawText(number, (s == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, QString::number(values[s]));
    }
  }
}

}  // namespace torvale
