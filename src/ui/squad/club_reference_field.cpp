#include "ui/squad/club_reference_field.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <algorithm>
#include <vector>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "world/club.h"

namespace torvale {

ClubReferenceField::ClubReferenceField(CWorldDatabase& world, const QString& objectName, QWidget* parent)
    : QWidget(parent), world_(world) {
  setObjectName(objectName);
  country_ = new QComboBox(this);
  country_->setObjectName(objectName + "Country");
  club_ = new QComboBox(this);
  club_->setObjectName(objectName + "Club");
  country_->addItem(QStringLiteral("keiner"), 0);
  std::vector<std::pair<QString, int>> countries;
  for (int number = kFirstCountry; number <= kLastCountry; ++number)
    if (const CCountry* country = world_.Country(number))
      countries.emplace_back(FromCp1252(country->Name(world_.Language())), number);
  std::sort(countries.begin(), countries.end(),
            [](const auto& a, const auto& b) { return QString::localeAwareCompare(a.first, b.first) < 0; });
  for (const auto& [name, number] : countries) country_->addItem(name, number);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(country_, 2);
  layout->addWidget(club_, 3);
  connect(country_, &QComboBox::currentIndexChanged, this, [this] {
    if (filling_) return;
    FillClubs(country_->currentData().toInt(), 0);
    emit edited();
  });
  connect(club_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) emit edited();
  });
}

void ClubReferenceField::FillClubs(int country, uint32_t selectClubId) {
  filling_ = true;
  club_->clear();
  const CCountry* owner = country > 0 ? world_.Country(country) : nullptr;
  if (owner) {
    std::vector<std::pair<QString, uint32_t>> clubs;
    for (const auto& entry : owner->Clubs()) {
      const CClub& club = *entry.second;
      clubs.emplace_back(FromCp1252(club.Name(world_.Language())), club.clubId);
    }
    std::sort(clubs.begin(), clubs.end(),
              [](const auto& a, const auto& b) { return QString::localeAwareCompare(a.first, b.first) < 0; });
    for (const auto& [name, id] : clubs) club_->addItem(name, id);
  }
  const uint32_t wanted = selectClubId & ~kReserveTeamBit;
  int index = club_->findData(wanted);
  if (index < 0 && wanted != 0) {
    club_->addItem(QStringLiteral("(nicht vorhanden: %1)").arg(wanted, 0, 16), wanted);
    index = club_->count() - 1;
  }
  club_->setCurrentIndex(std::max(index, 0));
  club_->setEnabled(country > 0);
  filling_ = false;
}

void ClubReferenceField::SetClubId(uint32_t clubId) {
  loaded_ = clubId;
  filling_ = true;
  const int country = clubId == 0 ? 0 : ClubCountry(clubId);
  const int index = country_->findData(country);
  country_->setCurrentIndex(std::max(index, 0));
  filling_ = false;
  FillClubs(index >= 0 ? country : 0, clubId);
}

uint32_t ClubReferenceField::ClubId() const {
  if (country_->currentData().toInt() == 0 || club_->count() == 0) return 0;
  const uint32_t chosen = club_->currentData().toUInt();
  // The reserve bit of the loaded reference stays while its club is still the one chosen.
  return chosen == (loaded_ & ~kReserveTeamBit) ? loaded_ : chosen;
}

}  // namespace torvale
