#include "ui/search/dlg_nationalteam.h"

#include <QCollator>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "persons/national_team.h"
#include "persons/person_texts.h"
#include "persons/world_persons.h"
#include "ui/common/editor_context.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"

namespace torvale {
namespace {

// Long lists of candidates are cut: nobody scrolls past the best few hundred of a country.
constexpr int kShownCandidates = 400;

QTreeWidget* PersonTree(QWidget* parent, const char* name) {
  auto* tree = new QTreeWidget(parent);
  tree->setObjectName(QLatin1String(name));
  tree->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Pos."), QStringLiteral("Verein"), QString::fromUtf8("Stärke")});
  tree->setRootIsDecorated(false);
  tree->setAlternatingRowColors(true);
  tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  tree->header()->setSectionResizeMode(2, QHeaderView::Stretch);
  tree->header()->setStretchLastSection(false);
  return tree;
}

void AddPersonItem(QTreeWidget& tree, const CWorldDatabase& world, const CPlayer& person, uint32_t clubId) {
  auto* item = new QTreeWidgetItem(&tree);
  item->setText(0, FromCp1252(std::string(person.surname) + ", " + person.firstName));
  item->setText(1, FromCp1252(PositionOrRoleText(person)));
  item->setText(2, FromCp1252(WorldClubName(world, clubId)));
  item->setText(3, QString::number(person.Strength(), 'f', 1));
  item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
  item->setData(0, Qt::UserRole, static_cast<qint64>(person.id));
}

std::vector<uint32_t> SelectedIds(const QTreeWidget& tree) {
  std::vector<uint32_t> ids;
  for (const QTreeWidgetItem* item : tree.selectedItems()) ids.push_back(static_cast<uint32_t>(item->data(0, Qt::UserRole).toLongLong()));
  return ids;
}

}  // namespace

CDlgNationalteam::CDlgNationalteam(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("CDlgNationalteam"));
  setWindowTitle(QStringLiteral("HALVEX Torvale - Nationalmannschaften"));
  const CWorldDatabase& world = *context.CurrentWorld();
  const int language = context.CurrentLanguage();

  country_ = new QComboBox(this);
  country_->setObjectName(QStringLiteral("countryCombo"));
  std::vector<std::pair<QString, int>> countries;
  for (int number = 1; number <= kLastCountry; ++number) {
    const CCountry* country = world.Country(number);
    if (country && country->countryId != 0) countries.emplace_back(FromCp1252(country->Name(language)), number);
  }
  QCollator collator;
  std::sort(countries.begin(), countries.end(), [&](const auto& a, const auto& b) { return collator.compare(a.first, b.first) < 0; });
  for (const auto& [name, number] : countries) country_->addItem(name, number);

  candidates_ = PersonTree(this, "candidateList");
  squad_ = PersonTree(this, "squadList");
  squadTitle_ = new QLabel(this);
  auto* callUp = new QPushButton(QString::fromUtf8("&Berufen →"), this);
  callUp->setObjectName(QStringLiteral("callUpButton"));
  auto* drop = new QPushButton(QString::fromUtf8("← &Streichen"), this);
  drop->setObjectName(QStringLiteral("dropButton"));

  auto* top = new QHBoxLayout;
  auto* countryLabel = new QLabel(QStringLiteral("&Land"), this);
  countryLabel->setBuddy(country_);
  top->addWidget(countryLabel);
  top->addWidget(country_, 1);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QString::fromUtf8("Spieler der Nationalität (stärkste zuerst)"), this), 0, 0);
  grid->addWidget(candidates_, 1, 0);
  auto* middle = new QVBoxLayout;
  middle->addStretch();
  middle->addWidget(callUp);
  middle->addWidget(drop);
  middle->addStretch();
  grid->addLayout(middle, 1, 1);
  grid->addWidget(squadTitle_, 0, 2);
  grid->addWidget(squad_, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 1);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QString::fromUtf8("Schließen"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("closeButton"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(grid, 1);
  layout->addWidget(buttons);
  resize(1150, 640);

  connect(country_, &QComboBox::currentIndexChanged, this, &CDlgNationalteam::Refill);
  connect(callUp, &QPushButton::clicked, this, &CDlgNationalteam::CallUpSelected);
  connect(drop, &QPushButton::clicked, this, &CDlgNationalteam::DropSelected);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  Refill();
}

void CDlgNationalteam::SetCountry(int country) {
  const int index = country_->findData(country);
  if (index >= 0) country_->setCurrentIndex(index);
}

int CDlgNationalteam::Country() const { return country_->currentData().toInt(); }

void CDlgNationalteam::Refill() {
  candidates_->clear();
  squad_->clear();
  const CWorldDatabase& world = *context_.CurrentWorld();
  const int number = Country();
  const CCountry* country = world.Country(number);
  const CClub* squad = country ? country->FindClub(MakeClubId(static_cast<uint32_t>(number), kAmateurClubNumber)) : nullptr;
  if (!squad) {
    squadTitle_->setText(QString::fromUtf8("Dieses Land hat keine Nationalmannschaft."));
    return;
  }
  int shown = 0;
  for (uint32_t id : NationalTeamCandidates(world, number)) {
    if (squad->HasPlayer(id)) continue;
    if (shown++ == kShownCandidates) break;
    AddPersonItem(*candidates_, world, *world.Persons().FindPlayer(id), FindPersonClub(world, id));
  }
  for (uint32_t id : squad->PlayerIds()) {
    if (const CPlayer* person = world.Persons().FindPlayer(id)) AddPersonItem(*squad_, world, *person, FindPersonClub(world, id));
  }
  squadTitle_->setText(QString::fromUtf8("Nationalkader: %1 Spieler").arg(squad_->topLevelItemCount()));
}

int CDlgNationalteam::CallUpSelected() {
  return CommitSquadChange(*candidates_, "%1 Spieler berufen", &CallUpNationalPlayer);
}

int CDlgNationalteam::DropSelected() { return CommitSquadChange(*squad_, "%1 Spieler gestrichen", &DropNationalPlayer); }

int CDlgNationalteam::CommitSquadChange(const QTreeWidget& list, const char* text,
                                        bool (*change)(CWorldDatabase&, int, uint32_t)) {
  const std::vector<uint32_t> ids = SelectedIds(list);
  const int number = Country();
  int changed = 0;
  // The squad lives in the country's amateur club; its persons stay listed by their own clubs,
  // which are kept with it so that an undo finds every person where it was.
  WorldChanges& changes = context_.CurrentChanges();
  ChangeScope scope = ChangeScope::ListingPersons(changes.World(), ids);
  scope |= ChangeScope::Club(MakeClubId(static_cast<uint32_t>(number), kAmateurClubNumber));
  changes.CommitIf(scope, QString::fromUtf8(text).arg(ids.size()),
                                     [&](CWorldDatabase& world) {
                                       for (uint32_t id : ids) changed += change(world, number, id) ? 1 : 0;
                                       return changed > 0;
                                     });
  Refill();
  return changed;
}

}  // namespace torvale
