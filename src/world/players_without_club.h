#pragma once
// The world's players without club: persons of the world's person table that belong to no
// club, in the order the user and the files keep them. On disk they are the one "WITHOUT"
// section of "Without.sav" in the database folder.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "storage/record_stream.h"

namespace torvale {

class CPersonTable;
class CPlayer;
class ClubIdMapper;
struct PlayerReadContext;

class CPlayersWithoutClub {
 public:
  // The list names persons of `persons`, which must outlive it (the world owns both).
  explicit CPlayersWithoutClub(CPersonTable& persons) : persons_(&persons) {}

  // Appends the person. False for an id the person table does not know and for a person
  // listed already (a second entry would be saved, and reloaded, as a second person).
  bool Add(uint32_t playerId);
  // False when there is no such position / no entry with that id (the first one goes).
  bool RemoveAt(size_t index);
  bool Remove(uint32_t playerId);
  size_t Count() const { return ids_.size(); }
  // The listed person; null for a position past the end or a person that no longer exists.
  CPlayer* At(size_t index) const;
  uint32_t IdAt(size_t index) const { return index < ids_.size() ? ids_[index] : 0; }
  // Empties the list; the persons stay in the table.
  void Clear() { ids_.clear(); }

  // The "WITHOUT" section: the number of persons, then each one's "PLAYER" section. Entries
  // whose person no longer exists are left out of the count as well, so the count always
  // matches the sections that follow.
  bool WriteWithout(CKLFile& file, const ClubIdMapper& clubs) const;
  // Reads the section: every person becomes a new person of the table with the next free
  // player id and is appended. Reading stops at the persons the file really holds, however
  // large its count. False (and nothing read) when the section is missing.
  bool ReadWithout(CKLFile& file, const PlayerReadContext& context);

 private:
  CPersonTable* persons_;
  std::vector<uint32_t> ids_;
};

// "%s/Without.sav" of a database folder.
// True when writing failed (the file could not be created); the old file is then unchanged.
bool SaveWithoutFile(std::string_view folder, const CPlayersWithoutClub& list,
                     const ClubIdMapper& clubs);
// Empties the list and reads the file. False when the file or its section is missing.
// The file has no version section of its own: it is written together with "Rules.sav", whose
// version (`dataVersion`, see LoadRulesFile) therefore tells how its persons are laid out.
bool LoadWithoutFile(std::string_view folder, CPlayersWithoutClub& list,
                     const PlayerReadContext& context,
                     uint32_t dataVersion = CKLFile::kWrittenVersion);

}  // namespace torvale
