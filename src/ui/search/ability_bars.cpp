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
  const int barWidth = (width() - kLabelWidth) / 2 - 12;
  const int centreLeft = barWidth + 6;
  const int centreRight = centreLeft + kLabelWidth;
  for (int row = 0; row < kAbilityCount; ++row) {
    const int y = 2 + row * kRowHeight;
    const QRect label(centreLeft, y, kLabelWidth, kRowHeight);
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawText(label, Qt::AlignCenter, AbilityLabel(row));
    std::array<int, 2> values{-1, -1};
    for (size_t s = 0; s < 2; ++s) {
      if (sides_[s]) values[s] = (*sides_[s])[static_cast<size_t>(row)];
    }
    for (size_t s = 0; s < 2; ++s) {
      if (values[s] < 0) continue;
      const bool better = values[1 - s] >= 0 && values[s] > values[1 - s];
      const int length = barWidth * std::min(values[s], kBarScale) / kBarScale;
      const QRect bar = s == 0 ? QRect(centreLeft - 4 - length, y + 4, length, kRowHeight - 8)
                               : QRect(centreRight + 4, y + 4, length, kRowHeight - 8);
      const QColor colour = better ? QColor(0x2e, 0xa0, 0x43) : pal.color(QPalette::Mid);
      painter.setPen(Qt::NoPen);
      painter.setBrush(colour);
      painter.drawRoundedRect(bar, 3, 3);
      painter.setPen(better ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::WindowText));
      const QRect number = s == 0 ? QRect(centreLeft - 4 - barWidth, y, barWidth - 6, kRowHeight)
                                  : QRect(centreRight + 10, y, barWidth, kRowHeight);
      QFont font = painter.font();
      font.setBold(better);
      painter.setFont(font);
      painter.setPen(pal.color(QPalette::WindowText));
      painter.drawText(number, (s == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, QString::number(values[s]));
      font.setBold(false);
      painter.setFont(font);
    }
  }
}

}  // namespace torvale
