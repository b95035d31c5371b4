#include "world/players_without_club.h"

#include <algorithm>

#include "platform/path.h"
#include "world/person_table.h"
#include "world/player.h"

namespace torvale {

namespace {

constexpr std::string_view kSection = "WITHOUT";
constexpr std::string_view kPersonSection = "PLAYER";
constexpr std::string_view kFileName = "Without.sav";

}  // namespace

bool CPlayersWithoutClub::Add(uint32_t playerId) {
  if (!persons_->FindPlayer(playerId)) return false;
  if (std::find(ids_.begin(), ids_.end(), playerId) != ids_.end()) return false;
  ids_.push_back(playerId);
  return true;
}

bool CPlayersWithoutClub::RemoveAt(size_t index) {
  if (index >= ids_.size()) return false;
  ids_.erase(ids_.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

bool CPlayersWithoutClub::Remove(uint32_t playerId) {
  auto it = std::find(ids_.begin(), ids_.end(), playerId);
  if (it == ids_.end()) return false;
  ids_.erase(it);
  return true;
}

CPlayer* CPlayersWithoutClub::At(size_t index) const {
  return index < ids_.size() ? persons_->FindPlayer(ids_[index]) : nullptr;
}

bool CPlayersWithoutClub::WriteWithout(CKLFile& file, const ClubIdMapper& clubs) const {
  std::vector<const CPlayer*> persons;
  persons.reserve(ids_.size());
  for (uint32_t id : ids_)
    if (const CPlayer* person = persons_->FindPlayer(id)) persons.push_back(person);
  if (!file.BeginSection(kSection)) return false;
  file.WriteInt(static_cast<int32_t>(persons.size()));
  for (const CPlayer* person : persons) person->WritePlayer(file, clubs);
  return file.EndSection(kSection);
}

bool CPlayersWithoutClub::ReadWithout(CKLFile& file, const PlayerReadContext& context) {
  if (!file.FindSection(kSection)) return false;
  int32_t count = 0;
  file.ReadInt(count);
  for (int32_t i = 0; i < count && file.HasSectionAhead(kPersonSection); ++i) {
    CPlayer* person = persons_->CreatePlayer(0, true);
    person->ReadPlayer(file, context);
    ids_.push_back(person->id);
  }
  file.FindSectionEnd(kSection);
  return true;
}

bool SaveWithoutFile(std::string_view folder, const CPlayersWithoutClub& list,
                     const ClubIdMapper& clubs) {
  CKLFile file;
  if (!file.OpenWrite(JoinPath(folder, kFileName))) return true;
  bool written = list.WriteWithout(file, clubs);
  return !file.Close() || !written;
}

bool LoadWithoutFile(std::string_view folder, CPlayersWithoutClub& list,
                     const PlayerReadContext& context, uint32_t dataVersion) {
  list.Clear();
  CKLFile file;
  if (!file.OpenRead(JoinPath(folder, kFileName))) return false;
  file.SetLoadedVersion(dataVersion);
  return list.ReadWithout(file, context);
}

}  // namespace torvale
