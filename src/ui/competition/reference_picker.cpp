#include "ui/competition/reference_picker.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "world/club.h"
#include "world/country.h"

namespace torvale {

namespace {

int CountryOf(CReferencePicker::Kind kind, uint32_t reference) {
  return kind == CReferencePicker::Kind::kClub ? ClubCountry(reference) : static_cast<int>(reference >> 16);
}

}  // namespace

CReferencePicker::CReferencePicker(const CWorldDatabase& world, Kind kind, int continent, QWidget* parent)
    : QWidget(parent), world_(world), kind_(kind) {
  countries_ = new QComboBox(this);
  countries_->setObjectName(QStringLiteral("country"));
  items_ = new QComboBox(this);
  items_->setObjectName(kind == Kind::kClub ? QStringLiteral("club") : QStringLiteral("stadium"));
  items_->setMinimumContentsLength(22);
  countries_->addItem(QStringLiteral("(keiner)"), 0);
  for (int n = 1; n <= kLastCountry; ++n) {
    const CCountry* c = world.Country(n);
    if (!c || static_cast<int>(c->continent) != continent) continue;
    countries_->addItem(FromCp1252(std::string(c->Name(world.Language()))), n);
  }
  connect(countries_, &QComboBox::currentIndexChanged, this, [this](int index) {
    FillItems(countries_->itemData(index).toInt());
    emit valueChanged(Value());
  });
  connect(items_, &QComboBox::currentIndexChanged, this, [this] { emit valueChanged(Value()); });
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(countries_);
  layout->addWidget(items_, 1);
}

void CReferencePicker::FillItems(int country) {
  const QSignalBlocker block(items_);
  items_->clear();
  const CCountry* c = country > 0 ? world_.Country(country) : nullptr;
  if (!c) return;
  if (kind_ == Kind::kClub) {
    for (const auto& [id, club] : c->Clubs()) {
      if (ClubNumber(id) == kAmateurClubNumber) continue;
      items_->addItem(FromCp1252(c->ClubName(id)), id);
    }
  } else {
    for (const auto& [number, stadium] : c->Stadiums()) {
      items_->addItem(FromCp1252(std::string(stadium.name)), (static_cast<uint32_t>(country) << 16) | static_cast<uint32_t>(number));
    }
  }
  items_->model()->sort(0);
}

uint32_t CReferencePicker::Value() const {
  return items_->count() ? items_->currentData().toUInt() : 0;
}

void CReferencePicker::SetValue(uint32_t reference) {
  const QSignalBlocker blockCountries(countries_);
  int row = reference ? countries_->findData(CountryOf(kind_, reference)) : 0;
  if (row < 0) row = 0;
  countries_->setCurrentIndex(row);
  FillItems(countries_->itemData(row).toInt());
  const QSignalBlocker blockItems(items_);
  const int item = items_->findData(reference);
  if (item >= 0) items_->setCurrentIndex(item);
}

}  // namespace torvale
