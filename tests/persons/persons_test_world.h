#pragma once
// A world of 206 countries (the sample installation's index) with clubs and persons added by
// the tests of the person lists.

#include <memory>
#include <string_view>

#include "database/world_database.h"
#include "support/test_database.h"
#include "world/fixed_text.h"

namespace torvale::testing {

class PersonsTestWorld {
 public:
  PersonsTestWorld() : world_(tables_.NewWorld()) {}

  CWorldDatabase& World() { return *world_; }

  CClub& Club(int country, uint16_t number, std::string_view name = {}) {
    CCountry& c = *world_->Country(country);
    CClub* club = c.FindClub(MakeClubId(static_cast<uint32_t>(country), number));
    if (!club) club = c.AddClub(std::make_unique<CClub>(), number);
    if (!name.empty())
      for (int language = 0; language < kClubLanguages; ++language) club->SetName(language, name);
    return *club;
  }

  CPlayer& Person(std::string_view first, std::string_view surname, CClub* club = nullptr,
                  int8_t role = kRolePlayer) {
    return AddPerson(*world_, first, surname, role, 14, club);
  }

  CPlayer& FreePerson(std::string_view first, std::string_view surname) {
    CPlayer& person = Person(first, surname);
    world_->PlayersWithoutClub()->Add(person.id);
    return person;
  }

  // Fills the club up to `count` persons with numbered players.
  void FillClub(CClub& club, int count) {
    for (int i = static_cast<int>(club.PlayerIds().size()); i < count; ++i)
      Person("Fill", "Player " + std::to_string(i), &club);
  }

 private:
  TestDatabaseEnvironment tables_;
  std::unique_ptr<CWorldDatabase> world_;
};

}  // namespace torvale::testing
