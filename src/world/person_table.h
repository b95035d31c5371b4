#pragma once
// The world's table of persons: every CPlayer of a world, keyed by its player id. The world
// owns one; clubs and countries refer to persons by id only.

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "world/player.h"

namespace torvale {

class CPersonTable {
 public:
  using Map = std::map<uint32_t, std::unique_ptr<CPlayer>>;

  // `countries` answers the first language of a nationality for new persons; it must outlive
  // the table (the world passes itself).
  explicit CPersonTable(const CountryLanguageLookup& countries) : countries_(&countries) {}
  CPersonTable(const CPersonTable&) = delete;
  CPersonTable& operator=(const CPersonTable&) = delete;

  // The first id, counting up from the number of persons + 1, that no person has.
  uint32_t NextFreePlayerId() const;

  // A new person with the defaults of a player, filed under `id`. With `registerId` an id that
  // is 0 or already taken is replaced by NextFreePlayerId(); without it such an id is refused
  // (null): filing over a taken id would destroy the person that has it.
  CPlayer* CreatePlayer(uint32_t id, bool registerId);
  CPlayer* FindPlayer(uint32_t id) {
    return id < byId_.size() ? byId_[id] : FindInMap(id);
  }
  const CPlayer* FindPlayer(uint32_t id) const {
    return id < byId_.size() ? byId_[id] : FindInMap(id);
  }
  // Removes and destroys the person; false when there is none under `id`.
  bool RemovePlayer(uint32_t id);

  size_t Count() const { return persons_.size(); }
  const Map& Persons() const { return persons_; }
  const CountryLanguageLookup& Countries() const { return *countries_; }

 private:
  CPlayer* FindInMap(uint32_t id) const;
  void IndexPerson(uint32_t id, CPlayer* person);

  const CountryLanguageLookup* countries_;
  Map persons_;
  // Every person with an id below its size, by id (null where no person has that id): clubs
  // and countries look their persons up by id all the time, and ids are dense in practice.
  // It covers ids up to about twice the number of persons, so stray large ids cost no memory;
  // those are found in the map.
  std::vector<CPlayer*> byId_;
  // A run of ids known to be taken, found by the last free-id search (empty: 0, 0).
  mutable uint32_t takenFrom_ = 0;
  mutable uint32_t takenTo_ = 0;
};

}  // namespace torvale
