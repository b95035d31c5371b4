#include "world/person_table.h"

#include <algorithm>

namespace torvale {

uint32_t CPersonTable::NextFreePlayerId() const {
  uint32_t id = static_cast<uint32_t>(persons_.size()) + 1;
  // Ids are dense in practice, so the walk from (count + 1) is short; it can only pass as
  // many taken ids as there are persons.
  for (auto it = persons_.lower_bound(id); it != persons_.end() && it->first == id; ++it) ++id;
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
  return persons_.erase(id) > 0;
}

}  // namespace torvale
