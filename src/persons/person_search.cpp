#include "persons/person_search.h"

#include "database/world_database.h"
#include "exchange/accent_folding.h"
#include "persons/person_texts.h"
#include "persons/world_persons.h"
#include "world/fixed_text.h"
#include "world/player_format.h"

namespace torvale {

namespace {

using Clock = std::chrono::steady_clock;

// Folds and upper-cases into `buffer` (kSearchTextChars + 1 bytes), cutting what does not fit.
std::string_view PrepareInto(std::string_view text, char* buffer) {
  size_t size = 0;
  for (char c : text) {
    for (char plain : FoldedCharacter(static_cast<unsigned char>(c))) {
      if (size == kSearchTextChars) return {buffer, size};
      buffer[size++] = plain >= 'a' && plain <= 'z' ? static_cast<char>(plain - 'a' + 'A') : plain;
    }
  }
  return {buffer, size};
}

bool PreparedMatches(std::string_view name, const std::string& pattern) {
  char buffer[kSearchTextChars + 1];
  return MatchWildcard(PrepareInto(name, buffer), pattern);
}

// Collects hits and hands them on whenever the interval since the last delivery has passed.
class BatchDelivery {
 public:
  BatchDelivery(PersonSearchSink& sink, std::chrono::milliseconds interval)
      : sink_(sink), interval_(interval), last_(Clock::now()) {}

  void Add(uint32_t playerId, uint32_t clubId) {
    pending_.push_back({playerId, clubId});
    const auto now = Clock::now();
    if (now - last_ > interval_) Deliver(false, now);
  }
  void Finish() { Deliver(true, Clock::now()); }

 private:
  void Deliver(bool final, Clock::time_point now) {
    sink_.DeliverBatch(std::move(pending_), final);
    pending_ = {};
    last_ = now;
  }

  PersonSearchSink& sink_;
  std::chrono::milliseconds interval_;
  Clock::time_point last_;
  std::vector<SearchHit> pending_;
};

}  // namespace

std::string PrepareSearchText(std::string_view text) {
  char buffer[kSearchTextChars + 1];
  return std::string(PrepareInto(text, buffer));
}

PersonSearchPatterns PersonSearchPatterns::FromTexts(const PersonSearchTexts& texts) {
  return {PrepareSearchText(texts.firstName), PrepareSearchText(texts.nickname),
          PrepareSearchText(texts.surname)};
}

bool MatchesPerson(const CPlayer& person, const PersonSearchPatterns& patterns) {
  if (!patterns.firstName.empty() && !PreparedMatches(FixedText(person.firstName), patterns.firstName))
    return false;
  if (!patterns.nickname.empty()) {
    const std::string_view nickname = FixedText(person.nickname);
    const std::string_view stageName = FixedText(person.stageName);
    const bool nicknameMatches = !nickname.empty() && PreparedMatches(nickname, patterns.nickname);
    if (!nicknameMatches && (stageName.empty() || !PreparedMatches(stageName, patterns.nickname))) return false;
  }
  return patterns.surname.empty() || PreparedMatches(FixedText(person.surname), patterns.surname);
}

SearchOutcome RunPersonSearch(const CWorldDatabase& world, const PersonSearchPatterns& patterns,
                              PersonSearchSink& sink, const std::atomic<bool>& cancel,
                              std::chrono::milliseconds batchInterval) {
  BatchDelivery delivery(sink, batchInterval);
  if (patterns.Empty()) {
    delivery.Finish();
    return SearchOutcome::kCompleted;
  }
  const CPersonTable& persons = world.Persons();
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry* country = world.Country(n);
    if (!country) continue;
    for (const auto& [id, club] : country->Clubs()) {
      for (uint32_t playerId : club->PlayerIds()) {
        if (cancel.load(std::memory_order_relaxed)) return SearchOutcome::kCancelled;
        const CPlayer* person = persons.FindPlayer(playerId);
        if (person && MatchesPerson(*person, patterns)) delivery.Add(playerId, club->clubId);
      }
    }
  }
  if (const CPlayersWithoutClub* freeList = world.PlayersWithoutClub()) {
    for (size_t i = 0; i < freeList->Count(); ++i) {
      if (cancel.load(std::memory_order_relaxed)) return SearchOutcome::kCancelled;
      const CPlayer* person = persons.FindPlayer(freeList->IdAt(i));
      if (person && MatchesPerson(*person, patterns)) delivery.Add(person->id, 0);
    }
  }
  delivery.Finish();
  return SearchOutcome::kCompleted;
}

const std::string& SearchResultRow::Text(int column) const {
  switch (column) {
    case kSearchFirstName: return firstName;
    case kSearchSurname: return surname;
    case kSearchStageName: return stageName;
    case kSearchPosition: return position;
    case kSearchBirthDate: return birthDate;
    case kSearchClub: return clubName;
    default: return countryName;
  }
}

bool MakeSearchResultRow(const CWorldDatabase& world, const SearchHit& hit, SearchResultRow& row) {
  const CPlayer* person = world.Persons().FindPlayer(hit.playerId);
  if (!person) return false;
  row.hit = hit;
  row.firstName = FixedText(person->firstName);
  row.surname = FixedText(person->surname);
  row.stageName = FixedText(person->stageName);
  row.position = PositionOrRoleText(*person);
  row.positionKey = PositionOrRoleKey(*person);
  row.birthDay = person->birthDate;
  row.birthDate = BirthDateText(person->birthDate);
  const bool hasClub = FindWorldClub(world, hit.clubId) != nullptr;
  row.clubName = hasClub ? WorldClubName(world, hit.clubId) : std::string();
  row.countryName = hasClub ? WorldCountryName(world, ClubCountry(hit.clubId)) : std::string();
  return true;
}

int CompareSearchResultRows(const SearchResultRow& left, const SearchResultRow& right, int column,
                            const NameCompare& names) {
  switch (column) {
    case kSearchFirstName:
      if (int c = names(left.firstName, right.firstName)) return c;
      return names(left.surname, right.surname);
    case kSearchSurname:
      if (int c = names(left.surname, right.surname)) return c;
      return names(left.firstName, right.firstName);
    case kSearchStageName: return names(left.stageName, right.stageName);
    case kSearchPosition: return CompareValues(left.positionKey, right.positionKey);
    case kSearchBirthDate: return CompareValues(left.birthDay.jdn, right.birthDay.jdn);
    case kSearchClub: return names(left.clubName, right.clubName);
    case kSearchCountry: return names(left.countryName, right.countryName);
    default: return 0;
  }
}

}  // namespace torvale
