#pragma once
// A world built in code for tests: persons (and the lists and countries they refer to) made
// with a small fluent builder, so tests do not depend on database files.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "storage/record_stream.h"
#include "world/club.h"
#include "world/person_table.h"
#include "world/player.h"
#include "world/sibling_lookup.h"

namespace torvale::testing {

// Builds one person; starts from the defaults of a new player.
class PersonBuilder {
 public:
  PersonBuilder();

  PersonBuilder& Named(std::string_view firstName, std::string_view surname);
  PersonBuilder& Nickname(std::string_view nickname);
  PersonBuilder& StageName(std::string_view stageName);
  PersonBuilder& Born(int year, int month, int day);
  PersonBuilder& Role(int8_t role) { return Set(person_.role, role); }
  PersonBuilder& Nationality(uint8_t country) { return Set(person_.nationality, country); }
  PersonBuilder& Position(uint8_t mainPosition) { return Set(person_.mainPosition, mainPosition); }
  PersonBuilder& Foot(uint8_t foot) { return Set(person_.foot, foot); }
  PersonBuilder& Talent(uint8_t talent) { return Set(person_.talent, talent); }
  PersonBuilder& Ratings(uint8_t goalkeeper, uint8_t defence, uint8_t midfield, uint8_t attack) {
    return Set(person_.ratings, {goalkeeper, defence, midfield, attack});
  }
  PersonBuilder& Languages(uint8_t first, uint8_t second = 0, uint8_t third = 0, uint8_t fourth = 0) {
    return Set(person_.languages, {first, second, third, fourth});
  }
  PersonBuilder& AllAbilities(uint8_t value) {
    person_.abilities.fill(value);
    return *this;
  }
  PersonBuilder& Ability(int ability, uint8_t value) {
    return Set(person_.abilities.at(static_cast<size_t>(ability)), value);
  }
  PersonBuilder& Character(int trait, uint8_t value) {
    return Set(person_.character.at(static_cast<size_t>(trait)), value);
  }
  PersonBuilder& Experience(uint8_t league, uint8_t international) {
    person_.leagueExperience = league;
    return Set(person_.internationalExperience, international);
  }

  const CPlayer& Get() const { return person_; }
  CPlayer Build() const { return person_; }

 private:
  template <typename Field>
  PersonBuilder& Set(Field& field, const std::type_identity_t<Field>& value) {
    field = value;
    return *this;
  }

  CPlayer person_;
};

// Builds one club and the persons it lists; the persons are created when the club is added to
// a TestWorld.
class ClubBuilder {
 public:
  // Named "Club <number>" in every language, its youth from its own country.
  ClubBuilder(uint8_t country, uint16_t number);

  ClubBuilder& Named(std::string_view name);  // every language
  ClubBuilder& ShortName(std::string_view shortName);
  ClubBuilder& Town(std::string_view town);
  ClubBuilder& Person(const PersonBuilder& person);
  // `count` persons like `like`, told apart by a running number after the surname.
  ClubBuilder& Persons(int count, const PersonBuilder& like);

  const CClub& Get() const { return club_; }
  const std::vector<PersonBuilder>& PersonsToAdd() const { return persons_; }

 private:
  CClub club_;
  std::vector<PersonBuilder> persons_;
};

// The sibling game's lists as a test sets them up.
class FakeSiblingLists final : public SiblingGameLookup {
 public:
  std::map<std::string, SiblingClubEntry, std::less<>> clubs;
  std::map<std::string, uint32_t, std::less<>> playerIds;   // by full name or nickname
  std::map<std::string, uint16_t, std::less<>> starHeads;   // by "first surname"

  std::optional<SiblingClubEntry> FindSiblingClub(std::string_view clubName) const override;
  uint32_t SiblingPlayerId(std::string_view firstName, std::string_view surname,
                           std::string_view nickname, std::string_view stageName) const override;
  uint16_t StarHead(std::string_view fullName) const override;
};

// Countries (by their first language), the person table and everything reading needs.
class TestWorld final : public CountryLanguageLookup {
 public:
  TestWorld();

  void SetFirstLanguage(uint8_t country, uint8_t language) { firstLanguages_[country] = language; }
  uint8_t FirstLanguage(uint8_t country) const override;

  CPersonTable& Persons() { return persons_; }
  // Files a copy of the built person under `id` (a free id when 0 or taken).
  CPlayer& AddPerson(const PersonBuilder& builder, uint32_t id = 0);

  // Files a copy of the built club under its id (replacing a club of that id), creates its
  // persons in the person table and lists them.
  CClub& AddClub(const ClubBuilder& builder);
  CClub* FindClub(uint32_t clubId);

  FakeSiblingLists& SiblingLists() { return sibling_; }
  // Reading context over this world's countries and lists, ages taken on the base date.
  PlayerReadContext ReadContext();
  std::minstd_rand& Random() { return random_; }

 private:
  std::map<uint8_t, uint8_t> firstLanguages_;
  FakeSiblingLists sibling_;
  std::minstd_rand random_{20030706};
  CPersonTable persons_{*this};
  std::map<uint32_t, std::unique_ptr<CClub>> clubs_;
};

// The text a writer produces on a stream in memory.
template <typename WriteFn>
std::string WriteToText(WriteFn&& write) {
  CKLFile file;
  file.OpenWriteToMemory();
  write(file);
  return file.TakeWritten();
}

// The "VERSION" section for an arbitrary version number, as older editions wrote it.
void WriteVersionNumber(CKLFile& file, uint32_t version);

}  // namespace torvale::testing
