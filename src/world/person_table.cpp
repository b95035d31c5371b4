#include "world/person_table.h"

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
  // Filed first so that the placeholder names count the new person too.
  p->InitDefaults(kRolePlayer, 0);
  p->id = id;
  return p;
}

CPlayer* CPersonTable::FindPlayer(uint32_t id) {
  auto it = persons_.find(id);
  return it == persons_.end() ? nullptr : it->second.get();
}

const CPlayer* CPersonTable::FindPlayer(uint32_t id) const {
  auto it = persons_.find(id);
  return it == persons_.end() ? nullptr : it->second.get();
}

bool CPersonTable::RemovePlayer(uint32_t id) { return persons_.erase(id) > 0; }

}  // namespace torvale
