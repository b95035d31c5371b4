#include "ui/country/dlg_land_leaguesystem.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "competition/competition_registry.h"
#include "competition/league.h"
#include "competition/league_system.h"
#include "competition/league_system_layouts.h"
#include "app/qt_text.h"
#include "ui/common/editor_context.h"
#include "ui/competition/competition_editors.h"
#include "ui/common/message_box.h"
#include "ui/common/string_format.h"
#include "ui/competition/dlg_leaguedata_change.h"
#include "ui/country/league_system_view.h"
#include "world/country.h"
#include "world/country_editing.h"

namespace torvale {

namespace {

LevelCounts CurrentLeaguesPerLevel(const CCountry& country) {
  LevelCounts counts{};
  for (int level = 0; level < kCountryLevels; ++level)
    counts[level] = std::max(0, country.EndLeague(level) - country.FirstLeague(level));
  return counts;
}

}  // namespace

CDlgLandLeaguesystem::CDlgLandLeaguesystem(EditorContext& context, QWidget* parent) : CCountryPage(context, parent) {
  auto* columns = new QHBoxLayout(this);

  auto* left = new QVBoxLayout;
  auto* layoutsBox = new QGroupBox(QStringLiteral("Ligasystem"), this);
  auto* layoutsLayout = new QVBoxLayout(layoutsBox);
  layouts_ = new QListWidget(layoutsBox);
  layouts_->setObjectName(QStringLiteral("leagueSystems"));
  for (int n = 0; n < kLeagueSystemLayoutCount; ++n)
    layouts_->addItem(QString::fromLatin1(GetLeagueSystemLayout(n)->text.data(),
                                          static_cast<qsizetype>(GetLeagueSystemLayout(n)->text.size())));
  layouts_->setMaximumWidth(140);
  connect(layouts_, &QListWidget::currentRowChanged, this, &CDlgLandLeaguesystem::ChooseLayout);
  layoutsLayout->addWidget(layouts_);
  left->addWidget(layoutsBox, 1);

  fixtures_ = new QPushButton(QString::fromUtf8("Spielpläne"), this);
  fixtures_->setObjectName(QStringLiteral("fixtureLists"));
  calendar_ = new QPushButton(QStringLiteral("Rahmenkalender"), this);
  calendar_->setObjectName(QStringLiteral("frameworkCalendar"));
  composition_ = new QPushButton(QStringLiteral("Ligazusammensetzung"), this);
  composition_->setObjectName(QStringLiteral("leagueComposition"));
  for (int which = 0; QPushButton* button : {fixtures_, calendar_, composition_}) {
    connect(button, &QPushButton::clicked, this, [this, which] { OpenCompetitionEditor(which); });
    left->addWidget(button);
    ++which;
  }
  columns->addLayout(left);

  auto* right = new QVBoxLayout;
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  view_ = new CLeagueSystemView(scroll);
  scroll->setWidget(view_);
  connect(view_, &CLeagueSystemView::leagueClicked, this, &CDlgLandLeaguesystem::EditLeague);
  right->addWidget(scroll, 1);
  clubCount_ = new QLabel(this);
  clubCount_->setObjectName(QStringLiteral("clubsInLeagueSystem"));
  clubCount_->setProperty("role", QStringLiteral("figure"));
  right->addWidget(clubCount_);
  right->addWidget(new QLabel(QString::fromUtf8("Die Größe des Spielerpools wird berechnet durch Anzahl Vereine * 25."), this));
  columns->addLayout(right, 1);
}

void CDlgLandLeaguesystem::SetCountry(CCountry& country) {
  SetCountryPointer(country);
  Refresh();
}

void CDlgLandLeaguesystem::Refresh() {
  CCountry& country = Country();
  {
    const QSignalBlocker blocker(layouts_);
    layouts_->setCurrentRow(FindLeagueSystemLayout(CurrentLeaguesPerLevel(country)));
  }
  view_->ShowCountry(country);
  clubCount_->setText(QStringLiteral("Anzahl Vereine im derzeitigen Ligasystem: %1").arg(country.ClubsInLeagueSystem()));
  const bool hasLeagues = country.LeagueCount() >= 1;
  fixtures_->setEnabled(hasLeagues);
  calendar_->setEnabled(hasLeagues);
  composition_->setEnabled(hasLeagues);
}

void CDlgLandLeaguesystem::ChooseLayout(int number) {
  const LeagueSystemLayout* layout = GetLeagueSystemLayout(number);
  if (!HasCountry() || layout == nullptr || !Country().HasCompetitions()) return;
  if (CurrentLeaguesPerLevel(Country()) == layout->leaguesPerLevel) return;
  // A stray click (or the arrow keys running down the list) must not throw away leagues with
  // their clubs unasked: the rebuild cannot be taken back.
  const std::vector<const CDBLeague*> dropped = LeaguesDroppedWithTeams(Country(), layout->leaguesPerLevel);
  if (!dropped.empty()) {
    std::string names;
    for (const CDBLeague* league : dropped) names += std::string(names.empty() ? "" : ", ") + league->Name();
    const std::string question = ToCp1252(QString::fromUtf8(
        "Mit dem Ligasystem \"%s\" entfallen die Ligen %s mitsamt ihren Vereinen. Ligasystem trotzdem ändern?"));
    if (!AskYesNo(FillText(question, {std::string(layout->text), names}), this)) {
      Refresh();
      return;
    }
  }
  CommitCountryChange(QStringLiteral("Ligasystem"), [&] {
    CCountry& country = Country();
    SetLeagueSystem(country, layout->leaguesPerLevel, KeepOfferedRules(*layout, StoredRelegationRules(country)));
  });
  Refresh();
}

void CDlgLandLeaguesystem::EditLeague(int index, int level) {
  CCountry& country = Country();
  auto* league = country.Competitions().Find<CDBLeague>(LeagueId(country.CountryNumber(), index));
  const int layoutNumber = FindLeagueSystemLayout(CurrentLeaguesPerLevel(country));
  const LeagueSystemLayout* layout = GetLeagueSystemLayout(layoutNumber);
  if (league == nullptr || layout == nullptr) return;
  CDlgLeaguedataChange dialog(Context().CurrentChanges(), country, *league, *layout, level, this);
  if (dialog.exec() == QDialog::Accepted) Refresh();
}

void CDlgLandLeaguesystem::OpenCompetitionEditor(int which) {
  // `which` follows the order of the buttons: fixture lists, framework calendar, composition.
  const int country = Country().CountryNumber();
  switch (which) {
    case 0: OpenFixtureLists(Context(), this, country); break;
    case 1: OpenFrameworkCalendar(Context(), this, country); break;
    default: OpenLeagueComposition(Context(), this, country); break;
  }
  Refresh();
}

}  // namespace torvale
