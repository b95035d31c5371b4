#include "ui/search/dlg_choose_club.h"

#include <QCollator>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "database/world_statistics.h"
#include "world/club.h"
#include "world/country.h"

namespace torvale {
namespace {

const char* const kContinentNames[kContinentCount] = {"Europa", "Südamerika", "Nordamerika", "Afrika", "Asien", "Ozeanien"};

bool CollatedNameLess(std::string_view left, std::string_view right) {
  thread_local QCollator collator = [] {
    QCollator c;
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
  }();
  return collator.compare(FromCp1252(left), FromCp1252(right)) < 0;
}

int ItemId(const QListWidgetItem* item) { return item ? item->data(Qt::UserRole).toInt() : 0; }

void SelectById(QListWidget& list, qint64 id) {
  for (int i = 0; i < list.count(); ++i) {
    if (list.item(i)->data(Qt::UserRole).toLongLong() == id) {
      list.setCurrentRow(i);
      list.scrollToItem(list.item(i), QAbstractItemView::PositionAtCenter);
      return;
    }
  }
}

}  // namespace

CDlgChooseClub::CDlgChooseClub(const CWorldDatabase& world, int language, QWidget* parent)
    : QDialog(parent), world_(world), language_(language) {
  setObjectName(QStringLiteral("CDlgChooseClub"));
  setWindowTitle(QString::fromUtf8("HALVEX Torvale - Verein auswählen"));

  continent_ = new QComboBox(this);
  continent_->setObjectName(QStringLiteral("continentCombo"));
  for (const char* name : kContinentNames) continent_->addItem(QString::fromUtf8(name));
  countries_ = new QListWidget(this);
  countries_->setObjectName(QStringLiteral("countryList"));
  clubs_ = new QListWidget(this);
  clubs_->setObjectName(QStringLiteral("clubList"));
  firstTeam_ = new QRadioButton(QStringLiteral("&1. Mannschaft"), this);
  firstTeam_->setObjectName(QStringLiteral("firstTeamRadio"));
  firstTeam_->setChecked(true);
  reserveTeam_ = new QRadioButton(QStringLiteral("&2. Mannschaft"), this);
  reserveTeam_->setObjectName(QStringLiteral("reserveTeamRadio"));

  auto label = [this](const char* text, QWidget* buddy) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    l->setBuddy(buddy);
    return l;
  };
  auto* grid = new QGridLayout;
  grid->addWidget(label("&Kontinent", continent_), 0, 0);
  grid->addWidget(continent_, 1, 0);
  grid->addWidget(label("L&and", countries_), 2, 0);
  grid->addWidget(countries_, 3, 0);
  grid->addWidget(label("&Verein", clubs_), 0, 1);
  grid->addWidget(clubs_, 1, 1, 3, 1);
  auto* teams = new QHBoxLayout;
  teams->addWidget(firstTeam_);
  teams->addWidget(reserveTeam_);
  teams->addStretch();
  grid->addLayout(teams, 4, 1);
  grid->setColumnStretch(1, 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("okButton"));
  buttons->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancelButton"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  resize(620, 520);

  connect(continent_, &QComboBox::currentIndexChanged, this, &CDlgChooseClub::FillCountries);
  connect(countries_, &QListWidget::currentRowChanged, this, &CDlgChooseClub::FillClubs);
  connect(clubs_, &QListWidget::currentRowChanged, ok, [this, ok] { ok->setEnabled(ChosenClub() != 0); });
  connect(clubs_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (ChosenClub() != 0) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  FillCountries();
  ok->setEnabled(false);
}

void CDlgChooseClub::FillCountries() {
  countries_->clear();
  for (int number : CountriesOfContinent(world_, continent_->currentIndex(), language_)) {
    const CCountry* country = world_.Country(number);
    auto* item = new QListWidgetItem(FromCp1252(country->Name(language_)), countries_);
    item->setData(Qt::UserRole, number);
  }
  if (countries_->count() > 0) countries_->setCurrentRow(0);
  FillClubs();
}

void CDlgChooseClub::FillClubs() {
  clubs_->clear();
  const CCountry* country = world_.Country(ItemId(countries_->currentItem()));
  if (!country) return;
  std::vector<ClubListRow> rows = ClubListRows(*country, language_);
  SortClubList(rows, ClubOrder::kName, CollatedNameLess);
  for (const ClubListRow& row : rows) {
    // The national pseudo-club draws its squad from the other clubs: nobody transfers there.
    if (ClubNumber(row.clubId) == kAmateurClubNumber) continue;
    auto* item = new QListWidgetItem(FromCp1252(row.name), clubs_);
    item->setData(Qt::UserRole, static_cast<qint64>(row.clubId));
  }
}

void CDlgChooseClub::Preselect(uint32_t clubId) {
  const uint32_t plain = clubId & ~kReserveTeamBit;
  const CCountry* country = world_.Country(ClubCountry(plain));
  if (!country || !country->FindClub(plain)) return;
  continent_->setCurrentIndex(static_cast<int>(country->continent));
  SelectById(*countries_, country->countryId);
  SelectById(*clubs_, plain);
  (clubId & kReserveTeamBit ? reserveTeam_ : firstTeam_)->setChecked(true);
}

uint32_t CDlgChooseClub::ChosenClub() const {
  const QListWidgetItem* item = clubs_->currentItem();
  if (!item) return 0;
  const auto clubId = static_cast<uint32_t>(item->data(Qt::UserRole).toLongLong());
  return reserveTeam_->isChecked() ? clubId | kReserveTeamBit : clubId;
}

}  // namespace torvale
