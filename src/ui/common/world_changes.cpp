#include "ui/common/world_changes.h"

#include <algorithm>
#include <unordered_set>

#include "world/club.h"
#include "world/country.h"
#include "world/players_without_club.h"

namespace torvale {

ChangeScope ChangeScope::Country(int number) {
  ChangeScope scope;
  if (number >= 0 && number < kCountrySlots) scope.countries.set(static_cast<size_t>(number));
  return scope;
}

ChangeScope ChangeScope::Countries(std::initializer_list<int> numbers) {
  ChangeScope scope;
  for (int number : numbers) scope |= Country(number);
  return scope;
}

ChangeScope ChangeScope::CountrySettings(int number) {
  ChangeScope scope;
  if (number >= 0 && number < kCountrySlots) scope.countrySettings.set(static_cast<size_t>(number));
  return scope;
}

ChangeScope ChangeScope::Club(uint32_t clubId) {
  ChangeScope scope;
  if (clubId != 0) scope.clubs.insert(clubId & ~kReserveTeamBit);
  return scope;
}

ChangeScope ChangeScope::ListingPersons(const CWorldDatabase& world, std::span<const uint32_t> personIds) {
  ChangeScope scope;
  const std::unordered_set<uint32_t> wanted(personIds.begin(), personIds.end());
  auto anyWanted = [&wanted](const auto& ids) {
    return std::any_of(ids.begin(), ids.end(), [&wanted](uint32_t id) { return wanted.contains(id); });
  };
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry* country = world.Country(n);
    if (!country) continue;
    // A country's additional managers are listed by the country itself, not by a club.
    if (anyWanted(country->AdditionalManagers())) {
      scope |= Country(n);
      continue;
    }
    for (const auto& [id, club] : country->Clubs())
      if (anyWanted(club->PlayerIds())) scope |= Club(id);
  }
  if (const CPlayersWithoutClub* list = world.PlayersWithoutClub()) {
    for (size_t i = 0; i < list->Count() && !scope.playersWithoutClub; ++i)
      if (wanted.contains(list->IdAt(i))) scope.playersWithoutClub = true;
  }
  return scope;
}

namespace {

ChangeScope ScopeOf(bool ChangeScope::*part) {
  ChangeScope scope;
  scope.*part = true;
  return scope;
}

}  // namespace

ChangeScope ChangeScope::Rules() { return ScopeOf(&ChangeScope::rules); }
ChangeScope ChangeScope::PlayersWithoutClub() { return ScopeOf(&ChangeScope::playersWithoutClub); }
ChangeScope ChangeScope::Settings() { return ScopeOf(&ChangeScope::settings); }
ChangeScope ChangeScope::WholeWorld() { return ScopeOf(&ChangeScope::wholeWorld); }

ChangeScope ChangeScope::AllCountries() {
  ChangeScope scope = PlayersWithoutClub();
  for (int n = kFirstCountry; n <= kLastCountry; ++n) scope.countries.set(static_cast<size_t>(n));
  return scope;
}

ChangeScope& ChangeScope::operator|=(const ChangeScope& other) {
  countries |= other.countries;
  countrySettings |= other.countrySettings;
  clubs.insert(other.clubs.begin(), other.clubs.end());
  rules = rules || other.rules;
  playersWithoutClub = playersWithoutClub || other.playersWithoutClub;
  settings = settings || other.settings;
  wholeWorld = wholeWorld || other.wholeWorld;
  return *this;
}

bool ChangeScope::Touches(int number) const {
  if (wholeWorld) return true;
  if (number < 0 || number >= kCountrySlots) return false;
  const auto slot = static_cast<size_t>(number);
  if (countries.test(slot) || countrySettings.test(slot)) return true;
  return std::any_of(clubs.begin(), clubs.end(), [number](uint32_t id) { return ClubCountry(id) == number; });
}

bool ChangeScope::Covers(const ChangeScope& other) const {
  if (wholeWorld) return true;
  if (other.wholeWorld) return false;
  const bool clubsCovered = std::all_of(other.clubs.begin(), other.clubs.end(), [this](uint32_t id) {
    const int country = ClubCountry(id);
    return clubs.contains(id) || (country >= 0 && country < kCountrySlots && countries.test(static_cast<size_t>(country)));
  });
  return (other.countries & ~countries).none() && (other.countrySettings & ~(countrySettings | countries)).none() &&
         clubsCovered && (rules || !other.rules) && (playersWithoutClub || !other.playersWithoutClub) &&
         (settings || !other.settings);
}

bool ChangeScope::IsEmpty() const {
  return countries.none() && countrySettings.none() && clubs.empty() && !rules && !playersWithoutClub && !settings &&
         !wholeWorld;
}

WorldChanges::WorldChanges(CWorldDatabase& world, QObject* parent) : QObject(parent), world_(world) {
  qRegisterMetaType<ChangeScope>();
}

void WorldChanges::Commit(const ChangeScope& scope, const QString& text,
                          const std::function<void(CWorldDatabase&)>& apply) {
  CommitIf(scope, text, [&](CWorldDatabase& world) {
    apply(world);
    return true;
  });
}

bool WorldChanges::CommitIf(const ChangeScope& scope, const QString& text,
                            const std::function<bool(CWorldDatabase&)>& apply) {
  if (InTransaction()) {
    // The transaction's snapshot was taken at its start; parts it did not name are announced
    // now, before they change.
    if (!transactionScope_.Covers(scope)) {
      ChangeScope widened = transactionScope_;
      widened |= scope;
      emit aboutToChange(scope);
      transactionScope_ = widened;
    }
    const bool applied = apply(world_);
    transactionChanged_ = transactionChanged_ || applied;
    return applied;
  }
  emit aboutToChange(scope);
  if (!apply(world_)) {
    emit changeDropped(scope);
    return false;
  }
  SetModified(true);
  emit changed(scope, text);
  return true;
}

void WorldChanges::BeginTransaction(const ChangeScope& scope, const QString& text) {
  if (depth_++ > 0) {
    if (!transactionScope_.Covers(scope)) {
      emit aboutToChange(scope);
      transactionScope_ |= scope;
    }
    return;
  }
  transactionScope_ = scope;
  transactionText_ = text;
  transactionChanged_ = false;
  emit aboutToChange(scope);
}

void WorldChanges::EndTransaction(bool changed) {
  if (depth_ == 0) return;
  transactionChanged_ = transactionChanged_ || changed;
  if (--depth_ > 0) return;
  if (!transactionChanged_) {
    emit changeDropped(transactionScope_);
    return;
  }
  SetModified(true);
  emit this->changed(transactionScope_, transactionText_);
}

void WorldChanges::WidenTransaction(const ChangeScope& scope) {
  if (!InTransaction() || transactionScope_.Covers(scope)) return;
  emit aboutToChange(scope);
  transactionScope_ |= scope;
}

void WorldChanges::MarkSaved() {
  SetModified(false);
  emit saved();
}

void WorldChanges::SetModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit modifiedChanged(modified_);
}

}  // namespace torvale
