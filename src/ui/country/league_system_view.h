#pragma once
// CLeagueSystemView: the drawing of a country's league system — one clickable label per
// league, level by level from the top, and between two levels the relegation link: lines
// from every league of the upper level to every league of the lower one, joined on a bar
// that carries the rule's text (and the play-off it builds).

#include <QString>
#include <QWidget>
#include <vector>

class QPushButton;

namespace torvale {

class CCountry;

class CLeagueSystemView : public QWidget {
  Q_OBJECT
 public:
  explicit CLeagueSystemView(QWidget* parent = nullptr);

  // Redraws the labels from the country's leagues and level rules.
  void ShowCountry(const CCountry& country);
  // The label of league `index`; null when there is none.
  QPushButton* LeagueLabel(int index) const;

 signals:
  void leagueClicked(int leagueIndex, int level);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Level {
    std::vector<QPushButton*> labels;
    QString ruleBelow;  // empty: no link drawn to the next level
  };
  void Clear();

  std::vector<Level> levels_;
  std::vector<QPushButton*> byIndex_;
  QWidget* canvas_ = nullptr;
};

}  // namespace torvale
