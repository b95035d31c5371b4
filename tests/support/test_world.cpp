#include "support/test_world.h"

#include <string>

#include "world/fixed_text.h"
#include "world/strength.h"

namespace torvale::testing {

PersonBuilder::PersonBuilder() { person_.InitDefaults(kRolePlayer, 0); }

PersonBuilder& PersonBuilder::Named(std::string_view firstName, std::string_view surname) {
  SetFixedText(person_.firstName, firstName);
  SetFixedText(person_.surname, surname);
  return *this;
}

PersonBuilder& PersonBuilder::Nickname(std::string_view nickname) {
  SetFixedText(person_.nickname, nickname);
  return *this;
}

PersonBuilder& PersonBuilder::StageName(std::string_view stageName) {
  SetFixedText(person_.stageName, stageName);
  return *this;
}

PersonBuilder& PersonBuilder::Born(int year, int month, int day) {
  person_.birthDate = DATE::FromCivil(year, month, day);
  return *this;
}

ClubBuilder::ClubBuilder(uint8_t country, uint16_t number) {
  club_.clubId = MakeClubId(country, number);
  Named("Club " + std::to_string(number));
  club_.youthOrigin = country;
}

ClubBuilder& ClubBuilder::Named(std::string_view name) {
  for (int language = 0; language < kClubLanguages; ++language) club_.SetName(language, name);
  return *this;
}

ClubBuilder& ClubBuilder::ShortName(std::string_view shortName) {
  for (int language = 0; language < kClubLanguages; ++language)
    club_.SetShortName(language, shortName);
  return *this;
}

ClubBuilder& ClubBuilder::Town(std::string_view town) {
  for (int language = 0; language < kClubLanguages; ++language) club_.SetTown(language, town);
  return *this;
}

ClubBuilder& ClubBuilder::Person(const PersonBuilder& person) {
  persons_.push_back(person);
  return *this;
}

ClubBuilder& ClubBuilder::Persons(int count, const PersonBuilder& like) {
  const std::string surname(FixedText(like.Get().surname));
  for (int i = 1; i <= count; ++i) {
    PersonBuilder person = like;
    person.Named(FixedText(like.Get().firstName), surname + " " + std::to_string(i));
    persons_.push_back(person);
  }
  return *this;
}

std::optional<SiblingClubEntry> FakeSiblingLists::FindSiblingClub(std::string_view clubName) const {
  auto it = clubs.find(clubName);
  if (it == clubs.end()) return std::nullopt;
  return it->second;
}

uint32_t FakeSiblingLists::SiblingPlayerId(std::string_view firstName, std::string_view surname,
                                           std::string_view nickname,
                                           std::string_view stageName) const {
  std::string fullName(firstName);
  fullName += ' ';
  fullName += surname;
  for (std::string_view key : {std::string_view(fullName), nickname, stageName}) {
    if (key.empty()) continue;
    if (auto it = playerIds.find(key); it != playerIds.end()) return it->second;
  }
  return 0;
}

uint16_t FakeSiblingLists::StarHead(std::string_view fullName) const {
  auto it = starHeads.find(fullName);
  return it == starHeads.end() ? 0 : it->second;
}

TestWorld::TestWorld() = default;

uint8_t TestWorld::FirstLanguage(uint8_t country) const {
  auto it = firstLanguages_.find(country);
  return it == firstLanguages_.end() ? 0 : it->second;
}

CPlayer& TestWorld::AddPerson(const PersonBuilder& builder, uint32_t id) {
  CPlayer* person = persons_.CreatePlayer(id, true);
  const uint32_t filedId = person->id;
  static_cast<PlayerFields&>(*person) = builder.Get();
  person->id = filedId;
  return *person;
}

CClub& TestWorld::AddClub(const ClubBuilder& builder) {
  auto club = std::make_unique<CClub>(builder.Get());
  club->SetWorld(&persons_);
  for (const PersonBuilder& person : builder.PersonsToAdd()) club->AddPlayer(AddPerson(person).id);
  CClub& filed = *club;
  clubs_[filed.clubId] = std::move(club);
  return filed;
}

CClub* TestWorld::FindClub(uint32_t clubId) {
  auto it = clubs_.find(clubId);
  return it == clubs_.end() ? nullptr : it->second.get();
}

PlayerReadContext TestWorld::ReadContext() {
  return PlayerReadContext{sibling_, *this, random_, BaseDate()};
}

void WriteVersionNumber(CKLFile& file, uint32_t version) {
  file.BeginSection("VERSION");
  file.WriteInt(static_cast<int32_t>(version));
  file.EndSection("VERSION");
}

}  // namespace torvale::testing
