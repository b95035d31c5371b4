#include "app/main_statistics_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace torvale {

namespace {

struct RowSpec {
  const char* label;
  const char* objectName;
};

constexpr RowSpec kRows[] = {
    {"Ligen:", "leagues"},          {"Vereine:", "clubs"},          {"Spieler:", "persons"},
    {"Ø - Spieler Stärke:", "playerStrength"}, {"Ø - Vereins Stärke:", "clubStrength"},
    {"Normal:", "talent0"},         {"Gross:", "talent1"},          {"Sehr gross:", "talent2"},
    {"Ausgezeichnet:", "talent3"},  {"Gigantisch:", "talent4"},
};

QString Count(int n) { return QLocale(QLocale::German).toString(n); }
// "%2.2f": two decimals; the game's editor shows them with a point.
QString Average(double v) { return QString::asprintf("%2.2f", v); }

QLabel* Figure(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setProperty("role", "figure");
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setMinimumWidth(90);
  return label;
}

}  // namespace

MainStatisticsPanel::MainStatisticsPanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  struct Box {
    const char* title;
    int first, end;
  };
  const Box boxes[] = {{"Statistik ( Ausgewähltes Land / Total )", kLeagues, kTalent0},
                       {"Spieler Talent ( Ausgewähltes Land / Total )", kTalent0, kRowCount}};
  for (const Box& group : boxes) {
    auto* box = new QGroupBox(QString::fromUtf8(group.title), this);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(16);
    grid->setColumnStretch(0, 1);
    if (group.first == kLeagues) {
      countryHeading_ = new QLabel(box);
      countryHeading_->setObjectName("statCountryName");
      countryHeading_->setProperty("role", "caption");
      countryHeading_->setAlignment(Qt::AlignRight);
      auto* totalHeading = new QLabel(QStringLiteral("Total"), box);
      totalHeading->setProperty("role", "caption");
      totalHeading->setAlignment(Qt::AlignRight);
      grid->addWidget(countryHeading_, 0, 1);
      grid->addWidget(totalHeading, 0, 2);
    }
    for (int row = group.first; row < group.end; ++row) {
      const RowSpec& r = kRows[row];
      const int gridRow = row - group.first + 1;
      grid->addWidget(new QLabel(QString::fromUtf8(r.label), box), gridRow, 0);
      country_[static_cast<size_t>(row)] = Figure(box, QStringLiteral("stat_%1_country").arg(r.objectName));
      total_[static_cast<size_t>(row)] = Figure(box, QStringLiteral("stat_%1_total").arg(r.objectName));
      grid->addWidget(country_[static_cast<size_t>(row)], gridRow, 1);
      grid->addWidget(total_[static_cast<size_t>(row)], gridRow, 2);
    }
    layout->addWidget(box);
  }
  layout->addStretch(1);
}

void MainStatisticsPanel::SetCountryName(const QString& name) { countryHeading_->setText(name); }

void MainStatisticsPanel::Show(const CountryStatistics& country, const CountryStatistics& total) {
  auto fill = [](std::array<QLabel*, kRowCount>& labels, const CountryStatistics& s) {
    labels[kLeagues]->setText(Count(s.leagues));
    labels[kClubs]->setText(Count(s.clubs));
    labels[kPersons]->setText(Count(s.persons));
    labels[kPlayerStrength]->setText(Average(s.AveragePlayerStrength()));
    labels[kClubStrength]->setText(Average(s.AverageClubStrength()));
    for (int t = 0; t < kShownTalentLevels; ++t)
      labels[static_cast<size_t>(kTalent0 + t)]->setText(Count(s.talents[static_cast<size_t>(t)]));
  };
  fill(country_, country);
  fill(total_, total);
}

}  // namespace torvale
