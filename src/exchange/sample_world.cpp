#include "exchange/sample_world.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "competition/cup_national.h"
#include "platform/path.h"
#include "storage/record_stream.h"
#include "world/fixed_text.h"
#include "world/strength.h"

namespace torvale {

namespace {

constexpr int kIndexLinesPerCountry = 6;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// The first field goes to every language; the k-th further field replaces language k. Empty
// fields between two commas do not count.
std::array<std::string, kCountryLanguages> SplitIndexNames(const std::string& line) {
  std::array<std::string, kCountryLanguages> names;
  int field = 0;
  size_t start = 0;
  while (start <= line.size() && field < kCountryLanguages) {
    size_t end = line.find(',', start);
    if (end == std::string::npos) end = line.size();
    std::string name = line.substr(start, end - start);
    if (!name.empty()) {
      if (field == 0) names.fill(name);
      else names[static_cast<size_t>(field)] = name;
      ++field;
    }
    start = end + 1;
  }
  return names;
}

std::string CountryFileName(std::string_view folder, int number) {
  return JoinPath(folder, "Country" + std::to_string(number) + ".sav");
}

bool SamePerson(const CPlayer* a, const CPlayer* b) {
  if (!a || !b) return a == b;
  PlayerFields left = *a;
  left.id = b->id;
  return left == static_cast<const PlayerFields&>(*b);
}

// Club persons keep their ids across a save and a reload; compare them through both tables.
bool SameClubPersons(const CCountry& a, const CCountry& b, const CPersonTable& personsA,
                     const CPersonTable& personsB) {
  for (const auto& [id, club] : a.Clubs()) {
    const CClub* other = b.FindClub(id);
    if (!other) return false;
    const auto mine = club->PlayerIds();
    const auto theirs = other->PlayerIds();
    if (mine.size() != theirs.size()) return false;
    for (size_t i = 0; i < mine.size(); ++i)
      if (!SamePerson(personsA.FindPlayer(mine[i]), personsB.FindPlayer(theirs[i]))) return false;
  }
  return true;
}

}  // namespace

SampleWorld::SampleWorld(const CupAllocationTable& allocations) : allocations_(&allocations) {
  competitions_.SetCupAllocations(allocations_);
}

SampleWorld::~SampleWorld() {
  // Countries refer to the registry and the person table; they go first.
  for (auto& country : countries_) country.reset();
}

CountryContext SampleWorld::MakeCountryContext() {
  CountryContext context;
  context.competitions = &competitions_;
  context.persons = &persons_;
  context.cupAllocations = allocations_;
  context.countries = this;
  context.sibling = &noSibling_;
  context.random = &random_;
  return context;
}

PlayerReadContext SampleWorld::MakePlayerReadContext() {
  return PlayerReadContext{noSibling_, *this, random_, BaseDate()};
}

bool SampleWorld::CreateCountries(std::string_view countryIndexPath) {
  std::string text;
  const bool haveIndex = ReadWholeFile(countryIndexPath, text);
  const std::vector<std::string> lines = SplitLines(text);
  auto line = [&](int country, int i) -> std::string {
    const size_t at = static_cast<size_t>((country - 1) * kIndexLinesPerCountry + i);
    return at < lines.size() ? lines[at] : std::string();
  };
  for (int n = kSampleFirstCountry; n <= kSampleLastCountry; ++n) {
    auto country = std::make_unique<CCountry>(static_cast<uint32_t>(n));
    country->SetContext(MakeCountryContext());
    const auto names = SplitIndexNames(line(n, 0));
    const auto shortNames = SplitIndexNames(line(n, 1));
    for (int language = 0; language < kCountryLanguages; ++language) {
      country->SetName(language, names[static_cast<size_t>(language)]);
      country->SetShortName(language, shortNames[static_cast<size_t>(language)]);
    }
    country->continent = static_cast<uint32_t>(std::atoi(line(n, 2).c_str()));
    country->languages[0] = static_cast<uint8_t>(std::atoi(line(n, 3).c_str()));
    country->SetFallbackLanguage(country->languages[0]);
    country->languages[1] = static_cast<uint8_t>(std::atoi(line(n, 4).c_str()));
    country->continentByte = static_cast<uint8_t>(std::atoi(line(n, 5).c_str()));
    ResetCountryCompetitions(competitions_, n);
    country->CreateAmateurClub();
    countries_[static_cast<size_t>(n)] = std::move(country);
  }
  return haveIndex;
}

bool SampleWorld::Save(std::string_view folder) const {
  bool ok = true;
  for (int n = kSampleFirstCountry; n <= kSampleLastCountry; ++n) {
    CKLFile file;
    if (!file.OpenWrite(CountryFileName(folder, n), "w")) {
      ok = false;
      continue;
    }
    const bool written = Country(n).WriteCountry(file);
    ok = file.Close() && written && ok;
  }
  // Both helpers answer true when writing failed.
  if (SaveRulesFile(folder, rules_, *this, *this)) ok = false;
  if (SaveWithoutFile(folder, withoutClub_, *this)) ok = false;
  return ok;
}

bool SampleWorld::Load(std::string_view folder) {
  for (int n = kSampleFirstCountry; n <= kSampleLastCountry; ++n) {
    CKLFile file;
    if (!file.OpenRead(CountryFileName(folder, n), "r")) continue;
    Country(n).ReadCountry(file);
    file.Close();
  }
  uint32_t version = CKLFile::kWrittenVersion;
  const bool haveRules = LoadRulesFile(folder, rules_, &version);
  rules_.ResolveAfterLoad(*this, *this);
  const bool haveWithout = LoadWithoutFile(folder, withoutClub_, MakePlayerReadContext(), version);
  return haveRules && haveWithout;
}

bool SampleWorld::SameData(const SampleWorld& other) const {
  for (int n = kSampleFirstCountry; n <= kSampleLastCountry; ++n) {
    if (!Country(n).SameData(other.Country(n))) return false;
    if (!SameClubPersons(Country(n), other.Country(n), persons_, other.persons_)) return false;
  }
  if (!(static_cast<const GlobalRulesFields&>(rules_) == other.rules_)) return false;
  if (withoutClub_.Count() != other.withoutClub_.Count()) return false;
  for (size_t i = 0; i < withoutClub_.Count(); ++i)
    if (!SamePerson(withoutClub_.At(i), other.withoutClub_.At(i))) return false;
  return true;
}

const CCountry* SampleWorld::FindCountry(int countryId) const {
  if (countryId < kSampleFirstCountry || countryId > kSampleLastCountry) return nullptr;
  return countries_[static_cast<size_t>(countryId)].get();
}

uint8_t SampleWorld::FirstLanguage(uint8_t countryId) const {
  const CCountry* country = FindCountry(countryId);
  return country ? country->languages[0] : 0;
}

uint32_t SampleWorld::SavedClubId(uint32_t clubId) const {
  const CCountry* country = FindCountry(ClubCountry(clubId));
  return country ? country->SavedClubId(clubId) : 0;
}

int SampleWorld::StadiumCount(int country) const {
  const CCountry* c = FindCountry(country);
  return c ? static_cast<int>(c->Stadiums().size()) : 0;
}

int32_t SampleWorld::SavedStadiumPosition(int country, int32_t number) const {
  const CCountry* c = FindCountry(country);
  if (!c || !c->Stadiums().contains(number)) return 0;
  return c->SavedStadiumPosition(number);
}

}  // namespace torvale
