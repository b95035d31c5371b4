#pragma once
// Worlds for the sibling-game mapping tests: the 206 countries of a new world, with clubs and
// persons named in the test (UTF-8, stored as Windows-1252 like all world text).

#include <memory>
#include <string_view>

#include "platform/text_encoding.h"
#include "database/world_database.h"
#include "support/test_database.h"
#include "world/fixed_text.h"

namespace torvale::testing {

class MappingTestWorld {
 public:
  MappingTestWorld() : world_(environment_.NewWorld()) {}

  CWorldDatabase& World() { return *world_; }
  CWorldDatabase* Get() { return world_.get(); }

  CClub& AddClub(int country, uint16_t number, std::string_view name, std::string_view shortName = {}) {
    CClub* club = world_->Country(country)->AddClub(std::make_unique<CClub>(), number);
    club->SetName(world_->Language(), Utf8ToCp1252(name));
    club->SetShortName(world_->Language(), Utf8ToCp1252(shortName));
    return *club;
  }

  CClub& AmateurClub(int country) { return *world_->Country(country)->AmateurClub(); }

  CPlayer& AddPerson(CClub& club, std::string_view first, std::string_view surname,
                     std::string_view nickname = {}, std::string_view stageName = {}) {
    CPlayer& person = testing::AddPerson(*world_, Utf8ToCp1252(first), Utf8ToCp1252(surname), kRolePlayer, 14, &club);
    SetFixedText(person.nickname, Utf8ToCp1252(nickname));
    SetFixedText(person.stageName, Utf8ToCp1252(stageName));
    return person;
  }

 private:
  TestDatabaseEnvironment environment_;
  std::unique_ptr<CWorldDatabase> world_;
};

}  // namespace torvale::testing
