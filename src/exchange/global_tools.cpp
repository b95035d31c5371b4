#include "exchange/global_tools.h"

#include <string>

#include "platform/path.h"

namespace torvale {

namespace {

std::string InstallFile(std::string_view installFolder, std::string_view file) {
  return installFolder.empty() ? std::string(file) : JoinPath(installFolder, file);
}

}  // namespace

std::optional<SiblingClubEntry> VelaListLookup::FindSiblingClub(std::string_view clubName) const {
  const VelaClubEntry* entry = clubs_.Find(clubName);
  if (!entry) return std::nullopt;
  return SiblingClubEntry{entry->id, entry->secondNumber};
}

uint32_t VelaListLookup::SiblingPlayerId(std::string_view firstName, std::string_view surname,
                                         std::string_view nickname, std::string_view stageName) const {
  return players_.FindPlayerId(firstName, surname, nickname, stageName);
}

uint16_t VelaListLookup::StarHead(std::string_view fullName) const {
  const StarHeadEntry* entry = players_.FindStarHead(fullName);
  return entry ? entry->faceId : 0;
}

void CGlobalTools::Init(std::string_view installFolder, CQZBig::MessageSink badgeMessages) {
  clubs_.Load(InstallFile(installFolder, kVelaClubListFile));
  players_.LoadPlayerIds(InstallFile(installFolder, kVelaPlayerListFile));
  players_.LoadStarHeads(InstallFile(installFolder, kVelaStarHeadListFile));

  badges_.SetMessageSink(std::move(badgeMessages));
  badges_.Open(InstallFile(installFolder, kBadgeArchiveFile), true);

  names_.Load(installFolder);
}

}  // namespace torvale
