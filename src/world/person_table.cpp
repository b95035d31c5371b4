#include "world/person_table.h"

#include <algorithm>

namespace torvale {

uint32_t CPersonTable::NextFreePlayerId() const {
  const uint32_t start = static_cast<uint32_t>(persons_.size()) + 1;
  uint32_t id = start;
  // Ids [takenFrom_, takenTo_) are known to be taken: a file full of repeated ids asks for a
  // free id per person, and walking the same taken ids each time would be quadratic.
  if (id >= takenFrom_ && id < takenTo_) id = takenTo_;
  for (auto it = persons_.lower_bound(id); it != persons_.end() && it->first == id; ++it) ++id;
  // Now [start, id) is taken too; it extends the known run when the two touch.
  if (start < takenFrom_ || start > takenTo_) takenFrom_ = start;
  takenTo_ = id;
  return id;
}

CPlayer* CPersonTable::CreatePlayer(uint32_t id, bool registerId) {
  auto person = std::make_unique<CPlayer>();
  CPlayer* p = person.get();
  // One search for the usual case of a free id (try_emplace leaves `person` alone when the
  // id is taken).
  bool added = id != 0 && persons_.try_emplace(id, std::move(person)).second;
  if (!added) {
    if (!registerId) return nullptr;
    id = NextFreePlayerId();
    persons_.try_emplace(id, std::move(person));
  }
  p->SetWorld(this);
  IndexPerson(id, p);
  // Filed first so that the placeholder names count the new person too.
  p->InitDefaults(kRolePlayer, 0);
  p->id = id;
  return p;
}

CPlayer* CPersonTable::FindInMap(uint32_t id) const {
  auto it = persons_.find(id);
  return it == persons_.end() ? nullptr : it->second.get();
}

void CPersonTable::IndexPerson(uint32_t id, CPlayer* person) {
  if (id < byId_.size()) {
    byId_[id] = person;
    return;
  }
  constexpr size_t kSlack = 1024;
  if (id > 2 * persons_.size() + kSlack) return;
  // Growing takes over the persons the map holds in the new range.
  const size_t from = byId_.size();
  byId_.resize(std::max<size_t>(id + 1, 2 * from), nullptr);
  for (auto it = persons_.lower_bound(static_cast<uint32_t>(from)); it != persons_.end() && it->first < byId_.size(); ++it)
    byId_[it->first] = it->second.get();
}

bool CPersonTable::RemovePlayer(uint32_t id) {
  if (id < byId_.size()) byId_[id] = nullptr;
  if (id >= takenFrom_ && id < takenTo_) takenFrom_ = takenTo_ = 0;
  return persons_.erase(id) > 0;
}

}  // namespace torvale
