#include "ui/competition/dlg_international_competition.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "database/world_database.h"
#include "ui/competition/reference_picker.h"
#include "world/global_rules.h"

namespace torvale {

namespace {

constexpr int kEurope = 0;
// The page's cups in the order of its name fields.
constexpr std::array<int, 3> kNamedEuropeanCups = {kChampionsCup, kEuropeanCup, kIntertotoCup};
// The two cups with a title holder and a final venue.
constexpr std::array<int, 2> kHeldCups = {kChampionsCup, kEuropeanCup};

}  // namespace

CDlgInternationalCompetition::CDlgInternationalCompetition(CGlobalRules& rules, const CWorldDatabase& world,
                                                           QWidget* parent)
    : QWidget(parent), rules_(rules), language_(world.Language()) {
  setObjectName(QStringLiteral("CDlgInternationalCompetition"));
  const char* cupLabels[] = {"Meisterrunde", "Europapokal", "Intertoto-Cup"};
  const char* cupKeys[] = {"championsCup", "europeanCup", "intertotoCup"};
  auto* namesBox = new QGroupBox(QStringLiteral("Namen"), this);
  auto* namesForm = new QFormLayout(namesBox);
  for (size_t i = 0; i < kNamedEuropeanCups.size(); ++i) {
    names_[i] = AddCupNameFields(*namesForm, namesBox, rules, kNamedEuropeanCups[i], language_,
                                 QString::fromUtf8(cupLabels[i]), QString::fromLatin1(cupKeys[i]));
  }

  const char* holderLabels[] = {"Titelverteidiger Meisterrunde", "Titelverteidiger Europapokal"};
  const char* venueLabels[] = {"Endspielort Meisterrunde", "Endspielort Europapokal"};
  auto* holdersBox = new QGroupBox(QStringLiteral("Titelverteidiger und Endspielorte"), this);
  auto* holdersForm = new QFormLayout(holdersBox);
  for (size_t i = 0; i < kHeldCups.size(); ++i) {
    const int cup = kHeldCups[i];
    holders_[i] = new CReferencePicker(world, CReferencePicker::Kind::kClub, kEurope, holdersBox);
    holders_[i]->setObjectName(QString::fromLatin1(cupKeys[i]) + QStringLiteral("Holder"));
    venues_[i] = new CReferencePicker(world, CReferencePicker::Kind::kStadium, kEurope, holdersBox);
    venues_[i]->setObjectName(QString::fromLatin1(cupKeys[i]) + QStringLiteral("Venue"));
    venues_[i]->SetValue(rules.finalVenues[static_cast<size_t>(cup)]);
    holdersForm->addRow(QString::fromUtf8(holderLabels[i]), holders_[i]);
    holdersForm->addRow(QString::fromUtf8(venueLabels[i]), venues_[i]);
    connect(holders_[i], &CReferencePicker::valueChanged, this, [this, cup](uint32_t club) {
      rules_.ChooseTitleHolder(cup, club);
      ShowHolders();
    });
    connect(venues_[i], &CReferencePicker::valueChanged, this,
            [this, cup](uint32_t venue) { rules_.finalVenues[static_cast<size_t>(cup)] = venue; });
  }
  ShowHolders();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(namesBox);
  layout->addWidget(holdersBox);
  layout->addStretch();
}

void CDlgInternationalCompetition::ShowHolders() {
  for (size_t i = 0; i < kHeldCups.size(); ++i) {
    const QSignalBlocker block(holders_[i]);
    holders_[i]->SetValue(rules_.TitleHolder(kHeldCups[i]));
  }
}

void CDlgInternationalCompetition::Store() {
  for (size_t i = 0; i < kNamedEuropeanCups.size(); ++i) {
    StoreCupNameFields(names_[i], rules_, kNamedEuropeanCups[i], language_);
  }
}

}  // namespace torvale
