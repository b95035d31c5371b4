#include "ui/club/dlg_club_hist.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "app/qt_text.h"
#include "ui/club/club_controls.h"
#include "world/club_editing.h"
#include "world/record_result.h"

namespace torvale {

namespace {
constexpr const char* kStatistics[] = {"Punkte", "Spiele", "Tore", "Gegentore", "Tabellenführungen"};
constexpr const char* kStatisticNames[] = {"leaguePoints", "leagueGames", "leagueGoals", "leagueGoalsAgainst",
                                           "leagueTableLeads"};
// In the order of the club's title lists.
constexpr const char* kTitles[kTitleListCount] = {"Meisterschaften",   "Pokalsiege",
                                                  "Supercupsiege",     "Ligapokalsiege",
                                                  "Meisterpokal",      "Europapokalsiege",
                                                  "Klub-Weltmeisterschaften", "Weltpokal"};
constexpr const char* kRecords[kRecordCount] = {"Rekordheimsieg", "Rekordheimniederlage", "Rekordauswärtssieg",
                                                "Rekordauswärtsniederlage", "Rekordzuschauerzahl"};
constexpr int kSeasonMax = std::numeric_limits<int16_t>::max();

int32_t* StatisticField(CClub& club, size_t i) {
  int32_t* fields[] = {&club.leaguePoints, &club.leagueGames, &club.leagueGoals, &club.leagueGoalsAgainst,
                       &club.leagueTableLeads};
  return fields[i];
}
}  // namespace

CDlgClubHist::CDlgClubHist(CClub& club, const ClubEditorContext& context, QWidget* parent)
    : CClubPage(club, context, parent) {
  setObjectName("CDlgClubHist");
  auto* left = new QVBoxLayout;
  left->addWidget(MakeStatisticsGroup());
  left->addWidget(MakeRecordGroup());
  left->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(MakeTitleGroup());
  right->addStretch();
  layout->addLayout(right, 1);
}

QWidget* CDlgClubHist::MakeStatisticsGroup() {
  auto* form = new QFormLayout;
  for (size_t i = 0; i < statistics_.size(); ++i) {
    auto* spin = new QSpinBox;
    spin->setObjectName(kStatisticNames[i]);
    spin->setRange(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    spin->setMaximumWidth(120);
    form->addRow(QString::fromUtf8(kStatistics[i]), spin);
    statistics_[i] = spin;
  }
  return MakeGroup("Statistiken 1.Liga", form);
}

QWidget* CDlgClubHist::MakeTitleGroup() {
  auto* form = new QVBoxLayout;
  for (size_t i = 0; i < titles_.size(); ++i) {
    auto* field = new QLineEdit;
    field->setObjectName(QString("titles%1").arg(i));
    field->setPlaceholderText("1950,1951");
    form->addWidget(new QLabel(QString::fromUtf8(kTitles[i]) + QString::fromUtf8(" (Format: \"1950,1951\")")));
    form->addWidget(field);
    titles_[i] = field;
  }
  return MakeGroup("Erfolge", form);
}

QWidget* CDlgClubHist::MakeRecordGroup() {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("gegen"), 0, 2);
  grid->addWidget(new QLabel("Saison"), 0, 3);
  for (int r = 0; r < kRecordCount; ++r) {
    const auto i = static_cast<size_t>(r);
    scores_[i] = new QLineEdit;
    scores_[i]->setObjectName(QString("recordScore%1").arg(r));
    if (r == kRecordAttendance) {
      scores_[i]->setValidator(new QIntValidator(0, std::numeric_limits<int32_t>::max(), scores_[i]));
      scores_[i]->setMaximumWidth(90);
    } else {
      scores_[i]->setPlaceholderText("3:0");
      scores_[i]->setMaximumWidth(60);
    }
    opponents_[i] = new QLineEdit;
    opponents_[i]->setObjectName(QString("recordOpponent%1").arg(r));
    seasons_[i] = new QLineEdit;
    seasons_[i]->setObjectName(QString("recordSeason%1").arg(r));
    seasons_[i]->setValidator(new QIntValidator(0, kSeasonMax, seasons_[i]));
    seasons_[i]->setMaximumWidth(60);
    grid->addWidget(new QLabel(QString::fromUtf8(kRecords[i])), r + 1, 0);
    grid->addWidget(scores_[i], r + 1, 1);
    grid->addWidget(opponents_[i], r + 1, 2);
    grid->addWidget(seasons_[i], r + 1, 3);
  }
  grid->setColumnStretch(2, 1);
  return MakeGroup("Rekordresultate", grid);
}

void CDlgClubHist::LoadPage() {
  CClub& club = Club();
  for (size_t i = 0; i < statistics_.size(); ++i) statistics_[i]->setValue(*StatisticField(club, i));
  for (size_t i = 0; i < titles_.size(); ++i) ShowText(titles_[i], club.titles[i]);
  for (size_t i = 0; i < kRecordCount; ++i) {
    const RECORD& record = club.records[i];
    ShowText(scores_[i], i == kRecordAttendance ? FormatRecordAttendance(record) : FormatRecordScore(record));
    ShowText(opponents_[i], record.opponent);
    seasons_[i]->setText(record.season == 0 ? QString() : QString::number(record.season));
  }
}

bool CDlgClubHist::StorePage() {
  CClub& club = Club();
  // Check every list before storing anything, so a refused page leaves the copy as it was. A
  // list the user did not edit is kept as the file had it, even in a form of its own.
  std::array<std::string, kTitleListCount> lists = club.titles;
  for (size_t i = 0; i < titles_.size(); ++i) {
    if (!titles_[i]->isModified()) continue;
    const TitleListParse parsed = ParseTitleList(TypedText(titles_[i]));
    if (!parsed.ok) {
      TellClubEditorUser(this, QString::fromUtf8("Die Liste \"%1\" ist nicht im Format \"1950,1951\" geschrieben: "
                                                 "\"%2\" ist keine Jahreszahl zwischen %3 und %4.")
                                   .arg(QString::fromUtf8(kTitles[i]), FromCp1252(parsed.badPart))
                                   .arg(kTitleYearMin)
                                   .arg(kTitleYearMax));
      titles_[i]->setFocus();
      return false;
    }
    lists[i] = parsed.normalised;
  }
  club.titles = lists;
  for (size_t i = 0; i < statistics_.size(); ++i) *StatisticField(club, i) = statistics_[i]->value();
  for (size_t i = 0; i < kRecordCount; ++i) {
    RECORD& record = club.records[i];
    if (i == kRecordAttendance)
      ParseRecordAttendance(TypedText(scores_[i]), record);
    else
      ParseRecordScore(TypedText(scores_[i]), record);
    record.opponent = TypedText(opponents_[i]);
    record.season = static_cast<int16_t>(TypedNumber(seasons_[i]));
  }
  return true;
}

}  // namespace torvale
