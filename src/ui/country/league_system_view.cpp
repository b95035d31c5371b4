#include "ui/country/league_system_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt_text.h"
#include "competition/competition_registry.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "competition/relegation_rules.h"
#include "platform/string_table.h"
#include "ui/theme/editor_theme.h"
#include "world/country.h"

namespace torvale {

namespace {

// Room between two levels for the link and its rule text.
constexpr int kLinkHeight = 46;

QString RuleText(int rule) {
  const int id = RelegationRuleTextId(rule);
  return id != 0 ? FromCp1252(LoadString(id)) : QStringLiteral("Regel %1").arg(rule);
}

// The play-off a rule adds to the season, for the link's text.
QString PlayOffText(int rule) {
  if (IsEnglishRelegationRule(rule)) return QStringLiteral(" (Relegationsturnier der unteren Liga)");
  if (rule == REL_RULE_SCOTLAND) return QStringLiteral(" (Meisterrunde / Abstiegsrunde)");
  if (rule == REL_RULE_SWITZERLAND) return QStringLiteral(" (Auf-/Abstiegsrunde)");
  return {};
}

}  // namespace

CLeagueSystemView::CLeagueSystemView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("leagueSystemView"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  setMinimumSize(480, 300);
}

void CLeagueSystemView::Clear() {
  levels_.clear();
  byIndex_.clear();
  if (canvas_ != nullptr) {
    // A label may be the sender of the click that led here; it goes when the event is done.
    canvas_->hide();
    canvas_->deleteLater();
  }
  canvas_ = new QWidget(this);
  layout()->addWidget(canvas_);
  auto* column = new QVBoxLayout(canvas_);
  column->setSpacing(kLinkHeight);
  column->setContentsMargins(8, 8, 8, 8);
}

void CLeagueSystemView::ShowCountry(const CCountry& country) {
  Clear();
  auto* column = static_cast<QVBoxLayout*>(canvas_->layout());
  byIndex_.assign(kCountryMaxLeagues, nullptr);
  if (!country.HasCompetitions()) return;
  const LevelRules rules = StoredRelegationRules(country);
  for (int level = 0; level < kCountryLevels; ++level) {
    const std::vector<CDBLeague*> leagues = LeaguesOfLevel(country, level);
    if (leagues.empty()) break;
    Level drawn;
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    auto* levelText = new QLabel(QStringLiteral("%1. Ebene").arg(level + 1), canvas_);
    levelText->setProperty("role", QStringLiteral("caption"));
    levelText->setFixedWidth(56);
    row->addWidget(levelText);
    row->addStretch();
    for (CDBLeague* league : leagues) {
      const int index = CompetitionIndex(league->Id());
      auto* label = new QPushButton(canvas_);
      label->setObjectName(QStringLiteral("league%1").arg(index));
      label->setText(QStringLiteral("%1\n%2 Vereine").arg(FromCp1252(league->Name())).arg(league->NumberOfTeams()));
      label->setToolTip(QStringLiteral("%1. Liga: Ligadaten bearbeiten").arg(level + 1));
      label->setProperty("role", QStringLiteral("league"));
      // Many leagues on one level share the width; one alone stands wider.
      label->setMinimumWidth(leagues.size() > 4 ? 60 : 140);
      label->setMaximumWidth(220);
      label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
      connect(label, &QPushButton::clicked, this, [this, index, level] { emit leagueClicked(index, level); });
      row->addWidget(label, 1);
      drawn.labels.push_back(label);
      if (index >= 0 && index < kCountryMaxLeagues) byIndex_[index] = label;
    }
    row->addStretch();
    column->addLayout(row);
    drawn.ruleBelow = RuleText(rules[level]) + PlayOffText(rules[level]);
    levels_.push_back(std::move(drawn));
  }
  // The lowest level has nobody to relegate to.
  if (!levels_.empty()) levels_.back().ruleBelow.clear();
  column->addStretch();
  canvas_->show();
  update();
}

QPushButton* CLeagueSystemView::LeagueLabel(int index) const {
  return index >= 0 && index < static_cast<int>(byIndex_.size()) ? byIndex_[index] : nullptr;
}

void CLeagueSystemView::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor accent = EditorAccentColour();
  // Labels sit on the canvas; the links are drawn in this widget's coordinates.
  auto box = [this](const QPushButton* label) { return QRect(label->mapTo(this, QPoint(0, 0)), label->size()); };
  for (size_t k = 0; k + 1 < levels_.size(); ++k) {
    const Level& upper = levels_[k];
    const Level& lower = levels_[k + 1];
    if (upper.labels.empty() || lower.labels.empty()) continue;
    int upperBottom = 0;
    int lowerTop = height();
    int left = width();
    int right = 0;
    for (QPushButton* label : upper.labels) {
      upperBottom = std::max(upperBottom, box(label).bottom());
      left = std::min(left, box(label).center().x());
      right = std::max(right, box(label).center().x());
    }
    for (QPushButton* label : lower.labels) {
      lowerTop = std::min(lowerTop, box(label).top());
      left = std::min(left, box(label).center().x());
      right = std::max(right, box(label).center().x());
    }
    const int bar = (upperBottom + lowerTop) / 2;
    painter.setPen(QPen(accent, 2));
    for (QPushButton* label : upper.labels) painter.drawLine(box(label).center().x(), upperBottom, box(label).center().x(), bar);
    for (QPushButton* label : lower.labels) painter.drawLine(box(label).center().x(), bar, box(label).center().x(), lowerTop);
    painter.drawLine(left, bar, right, bar);

    // The rule on the bar, on a plate so the lines do not cross the text.
    const QString text = QString::fromUtf8("▼ ") + upper.ruleBelow + QString::fromUtf8(" ▲");
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    QRect plate = painter.fontMetrics().boundingRect(text).adjusted(-8, -3, 8, 3);
    plate.moveCenter(QPoint((left + right) / 2, bar));
    painter.setPen(QPen(accent, 1));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(plate, 6, 6);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(plate, Qt::AlignCenter, text);
  }
}

}  // namespace torvale
