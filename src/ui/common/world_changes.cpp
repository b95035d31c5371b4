#include "ui/common/world_changes.h"

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

ChangeScope& ChangeScope::operator|=(const ChangeScope& other) {
  countries |= other.countries;
  rules = rules || other.rules;
  playersWithoutClub = playersWithoutClub || other.playersWithoutClub;
  settings = settings || other.settings;
  wholeWorld = wholeWorld || other.wholeWorld;
  return *this;
}

bool ChangeScope::Touches(int number) const {
  return wholeWorld || (number >= 0 && number < kCountrySlots && countries.test(static_cast<size_t>(number)));
}

bool ChangeScope::Covers(const ChangeScope& other) const {
  if (wholeWorld) return true;
  if (other.wholeWorld) return false;
  return (other.countries & ~countries).none() && (rules || !other.rules) &&
         (playersWithoutClub || !other.playersWithoutClub) && (settings || !other.settings);
}

bool ChangeScope::IsEmpty() const {
  return countries.none() && !rules && !playersWithoutClub && !settings && !wholeWorld;
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

void WorldChanges::MarkSaved() { SetModified(false); }

void WorldChanges::SetModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit modifiedChanged(modified_);
}

}  // namespace torvale
