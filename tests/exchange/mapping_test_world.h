#pragma once
// Worlds for the sibling-game mapping tests: countries with named clubs and persons, seen
// through the view the mapping commands walk.

#include <memory>
#include <string>
#include <string_view>

#include "exchange/sibling_mapping.h"
#include "platform/text_encoding.h"
#include "world/country_test_world.h"

namespace torvale::testing {

class MappingTestWorld final : public SiblingMappingWorld {
 public:
  CCountry* Country(int number) override {
    auto it = world.countries.find(number);
    return it == world.countries.end() ? nullptr : it->second.get();
  }
  CPersonTable& Persons() override { return world.people.Persons(); }
  int Language() const override { return language; }

  // A club of `country` (made when missing, with its amateur club); names are UTF-8.
  CClub& AddClub(int country, uint16_t number, std::string_view name, std::string_view shortName = {}) {
    if (!Country(country)) world.AddCountry(country, "Land " + std::to_string(country), "L");
    auto club = std::make_unique<CClub>(ClubBuilder(static_cast<uint8_t>(country), number).Get());
    CClub* filed = Country(country)->AddClub(std::move(club), number);
    filed->SetName(language, Utf8ToCp1252(name));
    filed->SetShortName(language, Utf8ToCp1252(shortName));
    return *filed;
  }

  CClub& AmateurClub(int country) { return *Country(country)->AmateurClub(); }

  // A person listed by `club`; names are UTF-8.
  CPlayer& AddPerson(CClub& club, std::string_view first, std::string_view surname,
                     std::string_view nickname = {}, std::string_view stageName = {}) {
    PersonBuilder builder;
    builder.Named(Utf8ToCp1252(first), Utf8ToCp1252(surname))
        .Nickname(Utf8ToCp1252(nickname))
        .StageName(Utf8ToCp1252(stageName));
    CPlayer& person = world.people.AddPerson(builder);
    club.AddPlayer(person.id);
    return person;
  }

  CountryTestWorld world;
  int language = 0;
};

}  // namespace torvale::testing
