#pragma once
// CDlgLandLeaguesystem: the country editor's page "Ligasystem". The list of league system
// layouts ("-", "1", "1-1", ...) rebuilds the country's leagues when another one is chosen;
// the drawing shows the current system, and a league's label opens its "Ligadaten". The
// buttons open the competition editors of the country; they need at least one league.
// Every change here is committed at once, so leaving the page stores nothing more.

#include "ui/country/country_page.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace torvale {

class CLeagueSystemView;

class CDlgLandLeaguesystem : public CCountryPage {
  Q_OBJECT
 public:
  CDlgLandLeaguesystem(EditorContext& context, QWidget* parent);

  void SetCountry(CCountry& country) override;

  // Applies layout `number` (0-32) to the country as one committed change.
  void ChooseLayout(int number);
  // Opens "Ligadaten" for league `index` of `level`.
  void EditLeague(int index, int level);

 private:
  void Refresh();
  void OpenCompetitionEditor(int which);

  QListWidget* layouts_ = nullptr;
  CLeagueSystemView* view_ = nullptr;
  QLabel* clubCount_ = nullptr;
  QPushButton* fixtures_ = nullptr;
  QPushButton* calendar_ = nullptr;
  QPushButton* composition_ = nullptr;
};

}  // namespace torvale
