#include "database/world_copy.h"

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "competition/competition_records.h"
#include "competition/competition_registry.h"
#include "storage/record_stream.h"
#include "database/world_database.h"

namespace torvale {

namespace {

constexpr uint32_t kClubKeyMask = 0x00FFFFFFu & ~kReserveTeamBit;
uint32_t ClubKey(uint32_t clubId) { return clubId & kClubKeyMask; }

template <typename T>
void Take(T& to, const T& from) {
  if constexpr (std::is_array_v<T>) {
    static_assert(std::is_trivially_copyable_v<T>);
    std::memcpy(&to, &from, sizeof(T));
  } else {
    to = from;
  }
}

const CClub* FindClubNamed(const CCountry& country, std::string_view name) {
  for (const auto& [id, club] : country.Clubs())
    if (club->Number() != kAmateurClubNumber && club->Name(0) == name) return club.get();
  return nullptr;
}

bool SameStadium(const CStadium& a, const CStadium& b) {
  return std::strcmp(a.name, b.name) == 0 && std::strcmp(a.town, b.town) == 0;
}

// The stadium of `country` with the same name and town; 0 when there is none.
int FindStadiumLike(const CCountry& country, const CStadium& stadium) {
  for (const auto& [number, candidate] : country.Stadiums())
    if (SameStadium(candidate, stadium)) return number;
  return 0;
}

// One copy from a source world into a target world: what the copied data refers to is looked
// up again in the target world.
class CopyContext final : public ClubIdMapper {
 public:
  CopyContext(const CWorldDatabase& source, CWorldDatabase& target) : source_(source), target_(target) {}

  const CWorldDatabase& Source() const { return source_; }
  CWorldDatabase& Target() { return target_; }

  // References to `sourceClub` go to `targetClub`: the clubs this copy creates or writes.
  void BindClub(uint32_t sourceClub, uint32_t targetClub) { clubs_[ClubKey(sourceClub)] = ClubKey(targetClub); }
  // References into the source country go to the target country (a country copied onto
  // another number).
  void BindCountry(int sourceCountry, int targetCountry) { countries_[sourceCountry] = targetCountry; }

  // A club reference of the source world in the target world: the bound club, else the club of
  // the same name in the same country, else 0. The reserve-team bit stays.
  uint32_t SavedClubId(uint32_t reference) const override {
    if (reference == 0) return 0;
    const uint32_t reserve = reference & kReserveTeamBit;
    if (auto bound = clubs_.find(ClubKey(reference)); bound != clubs_.end()) return bound->second | reserve;
    const int sourceCountry = ClubCountry(reference);
    auto translated = countries_.find(sourceCountry);
    const int targetCountry = translated == countries_.end() ? sourceCountry : translated->second;
    const CCountry* into = target_.Country(targetCountry);
    if (!into) return 0;
    if (ClubNumber(reference) == kAmateurClubNumber)
      return MakeClubId(static_cast<uint32_t>(targetCountry), kAmateurClubNumber) | reserve;
    const CCountry* from = source_.Country(sourceCountry);
    const CClub* club = from ? from->FindClub(reference) : nullptr;
    const CClub* twin = club ? FindClubNamed(*into, club->Name(0)) : nullptr;
    return twin ? twin->clubId | reserve : 0;
  }

  // A club number of the source club's country (friends and rivals) as a number of the target
  // club's country; 0 when the club has no counterpart there.
  uint32_t MapClubNumber(const CClub& from, uint32_t number, const CClub& to) const {
    if (number == 0) return 0;
    const uint32_t mapped = SavedClubId(MakeClubId(from.CountryId(), number));
    return ClubCountry(mapped) == to.CountryId() ? ClubNumber(mapped) : 0;
  }

  // A stadium number of `from` as a number of `to`'s list: the stadium of the same name and
  // town, which is added when the list lacks it (0 when the list is full).
  static int32_t MapStadium(const CCountry& from, int32_t number, CCountry& to) {
    const CStadium* stadium = number > 0 ? from.FindStadium(number) : nullptr;
    if (!stadium) return 0;
    if (int existing = FindStadiumLike(to, *stadium)) return existing;
    return to.AddStadium(*stadium);
  }

  // A new person of the target world with the data of `person`; club references mapped.
  CPlayer& CopyPerson(const CPlayer& person) {
    CPlayer* copy = target_.Persons().CreatePlayer(0, true);
    const uint32_t id = copy->id;
    static_cast<PlayerFields&>(*copy) = person;
    copy->id = id;
    for (uint32_t* reference : {&copy->firstClub, &copy->lastClub, &copy->favouriteClub, &copy->secondClubPreference,
                                &copy->loanedTo, &copy->neverMovesTo})
      *reference = SavedClubId(*reference);
    personIds_[person.id] = id;
    return *copy;
  }

  // Favourite players name persons by id: a person copied along keeps its favourite, any other
  // id would name a stranger in the target world.
  void FinishPersons() {
    for (const auto& [from, to] : personIds_) {
      CPlayer* person = target_.Persons().FindPlayer(to);
      if (!person || person->favouritePlayer == 0) continue;
      auto favourite = personIds_.find(static_cast<uint32_t>(person->favouritePlayer));
      person->favouritePlayer = favourite == personIds_.end() ? 0 : static_cast<int32_t>(favourite->second);
    }
  }

  std::set<uint32_t> NewPersons() const {
    std::set<uint32_t> ids;
    for (const auto& [from, to] : personIds_) ids.insert(to);
    return ids;
  }

 private:
  const CWorldDatabase& source_;
  CWorldDatabase& target_;
  std::map<uint32_t, uint32_t> clubs_;
  std::map<int, int> countries_;
  std::map<uint32_t, uint32_t> personIds_;
};

// Removes a person from the target world altogether.
void DestroyPerson(CWorldDatabase& world, uint32_t id) {
  if (CPlayersWithoutClub* without = world.PlayersWithoutClub()) without->Remove(id);
  world.Persons().RemovePlayer(id);
}

// ---------------------------------------------------------------- club parts

// "Spielerdaten ...": which of the three groups a person of a club belongs to.
uint32_t PersonGroup(const CPlayer& person) {
  if (person.role != kRolePlayer) return kCopyClubOfficials;
  return person.team == 0 ? kCopyClubFirstTeam : kCopyClubReserveTeam;
}

void CopyClubParts(CopyContext& copy, const CCountry& fromCountry, const CClub& from, CCountry& toCountry, CClub& to,
                   uint32_t mask) {
  // "Allgemein": who the club is. Its names and their grammar in every language, town, fans,
  // mascot, founding year, prestige, the start-of-game points deduction, its ids in the sibling
  // game, and its friend and rivals (mapped to the clubs of the same name in the target).
  if (mask & kCopyClubGeneral) {
    Take(to.siblingId, from.siblingId);
    Take(to.secondSiblingId, from.secondSiblingId);
    Take(to.names, from.names);
    Take(to.shortNames, from.shortNames);
    Take(to.nameArticles, from.nameArticles);
    Take(to.fanNameArticles, from.fanNameArticles);
    Take(to.secondFanNameArticles, from.secondFanNameArticles);
    Take(to.sentenceForms, from.sentenceForms);
    Take(to.abbreviations, from.abbreviations);
    Take(to.towns, from.towns);
    Take(to.fansName, from.fansName);
    Take(to.secondFansName, from.secondFansName);
    Take(to.mascot, from.mascot);
    Take(to.foundingYear, from.foundingYear);
    Take(to.prestige, from.prestige);
    Take(to.pointsDeduction, from.pointsDeduction);
    to.fanFriendship = copy.MapClubNumber(from, from.fanFriendship, to);
    to.archRival1 = copy.MapClubNumber(from, from.archRival1, to);
    to.archRival2 = copy.MapClubNumber(from, from.archRival2, to);
  }
  // "Finanzen": the money the club starts with and whether it is a public company.
  if (mask & kCopyClubFinances) {
    Take(to.startingAssets, from.startingAssets);
    Take(to.publicCompany, from.publicCompany);
  }
  // "Anschrift + Lokale Presse": address, phone, website, fan sites, local newspaper.
  if (mask & kCopyClubAddress) {
    Take(to.address, from.address);
    Take(to.phone, from.phone);
    Take(to.website, from.website);
    Take(to.fanSites, from.fanSites);
    Take(to.localNewspaper, from.localNewspaper);
  }
  // "Zuschauerinteresse": the three spectator figures.
  if (mask & kCopyClubSpectators) {
    Take(to.spectatorsMidTable, from.spectatorsMidTable);
    Take(to.spectatorsBigMatch, from.spectatorsBigMatch);
    Take(to.seasonTickets, from.seasonTickets);
  }
  // "Wappen und Vereinsfarben": badge file and the three club colours.
  if (mask & kCopyClubBadge) {
    Take(to.badgeFile, from.badgeFile);
    Take(to.clubColours, from.clubColours);
  }
  // "Trikot": both kits and the ready-made kit.
  if (mask & kCopyClubKit) Take(to.kit, from.kit);
  // "Stadion": home and alternative venue. Venues are numbers of the country's stadium list,
  // so the target country's stadium of the same name and town is taken, and added when the
  // list lacks it.
  if (mask & kCopyClubStadium) {
    to.homeStadium = CopyContext::MapStadium(fromCountry, from.homeStadium, toCountry);
    to.alternativeStadium = CopyContext::MapStadium(fromCountry, from.alternativeStadium, toCountry);
  }
  // "Ortsangabe": the club's place on the map and its town picture.
  if (mask & kCopyClubLocation) {
    Take(to.latitude, from.latitude);
    Take(to.longitude, from.longitude);
    Take(to.cityGraphic, from.cityGraphic);
  }
  // "Stadionumgebung": the facilities around the ground (club centre to research).
  if (mask & kCopyClubSurroundings) Take(to.facilities, from.facilities);
  // "Bevorzugte Transfers": where the club likes to sign players and where its youth is from.
  if (mask & kCopyClubTransfers) {
    Take(to.preferredCountries, from.preferredCountries);
    Take(to.youthOrigin, from.youthOrigin);
  }
  // "Historische Daten": first-league statistics, titles, record results and the last
  // season's flags. A country has one cup winner and one finalist, so taking those flags
  // takes them from the target country's other clubs.
  if (mask & kCopyClubHistory) {
    Take(to.leaguePoints, from.leaguePoints);
    Take(to.leagueGames, from.leagueGames);
    Take(to.leagueGoals, from.leagueGoals);
    Take(to.leagueGoalsAgainst, from.leagueGoalsAgainst);
    Take(to.leagueTableLeads, from.leagueTableLeads);
    Take(to.titles, from.titles);
    Take(to.records, from.records);
    to.seasonFlags = 0;
    std::vector<CClub*> countryClubs;
    for (const auto& [id, club] : toCountry.Clubs()) countryClubs.push_back(club.get());
    for (int team : {kFirstTeam, kReserveTeam}) {
      if (from.Promoted(team)) to.SetPromoted(team, true);
      if (from.Relegated(team)) to.SetRelegated(team, true);
      if (from.CupWinner(team)) MarkCountryCupWinner(countryClubs, to, team);
      if (from.CupFinalist(team)) MarkCountryCupFinalist(countryClubs, to, team);
    }
  }
  // "Spielerdaten 1. Mannschaft / 2. Mannschaft / Trainer und Präsidenten": the persons of the
  // chosen groups replace the target club's persons of those groups. They become new persons
  // of the target world; the replaced ones leave it.
  const uint32_t groups = mask & (kCopyClubFirstTeam | kCopyClubReserveTeam | kCopyClubOfficials);
  if (groups == 0) return;
  CWorldDatabase& world = copy.Target();
  std::vector<uint32_t> leaving;
  for (uint32_t id : to.PlayerIds()) {
    const CPlayer* person = world.Persons().FindPlayer(id);
    if (!person || (PersonGroup(*person) & groups)) leaving.push_back(id);
  }
  for (uint32_t id : leaving) {
    to.RemovePlayer(id);
    DestroyPerson(world, id);
  }
  for (uint32_t id : from.PlayerIds()) {
    const CPlayer* person = copy.Source().Persons().FindPlayer(id);
    if (!person || !(PersonGroup(*person) & groups)) continue;
    if (to.PlayerIds().size() >= static_cast<size_t>(kMaxClubPersons)) break;
    to.AddPlayer(copy.CopyPerson(*person).id);
  }
}

bool BelongsTo(const CWorldDatabase& world, const CCountry& country) {
  return world.Country(country.CountryNumber()) == &country;
}

bool BelongsTo(const CWorldDatabase& world, const CClub& club) {
  const CCountry* country = world.Country(club.CountryId());
  return country && country->FindClub(club.clubId) == &club;
}

// ---------------------------------------------------------------- country parts

// "Allgemeine Informationen": every country-wide setting: federation, president, reporters,
// languages, newspaper, notes, climate, transfer rules, card and suspension rules, winter
// break, youth appearance, titles, the national coach, the 5-year ranking and the values kept
// for the master build. The sponsors and the staff on the job market, which have no box (nor
// page) of their own, go with them. Not the country's identity (number, names and continent
// come from the country index) and not the league system, which belongs to the clubs and
// fixtures.
void CopyGeneral(const CCountry& source, CCountry& target) {
  for (const auto& [number, sponsor] : std::map<int, CSponsor>(target.Sponsors())) target.RemoveSponsor(number);
  for (const auto& [number, sponsor] : source.Sponsors()) target.AddSponsor(sponsor);
  for (const auto& [number, staff] : std::map<int, CStaffMember>(target.Staff())) target.RemoveStaff(number);
  for (const auto& [number, staff] : source.Staff()) target.AddStaff(staff);
  const CountryFields kept = target;
  static_cast<CountryFields&>(target) = source;
  target.names = kept.names;
  Take(target.shortNames, kept.shortNames);
  target.countryId = kept.countryId;
  target.continent = kept.continent;
  target.continentByte = kept.continentByte;
  target.reserveLevel = kept.reserveLevel;
  target.leagueSystemOption = kept.leagueSystemOption;
  target.tieBreakRules = kept.tieBreakRules;
  target.foreignPlayerLimits = kept.foreignPlayerLimits;
  target.relegationRules = kept.relegationRules;
  target.cupFinalStadium = kept.cupFinalStadium;
  target.leagueCount = kept.leagueCount;
  target.firstLeague = kept.firstLeague;
  target.endLeague = kept.endLeague;
  target.levelValuesA = kept.levelValuesA;
  target.levelValuesB = kept.levelValuesB;
  target.nationalCupMode = kept.nationalCupMode;
  target.leagueCupMode = kept.leagueCupMode;
  target.superCupMode = kept.superCupMode;
}

// The league-system settings that go with the competitions.
void CopyLeagueSettings(const CCountry& source, CCountry& target) {
  target.reserveLevel = source.reserveLevel;
  target.leagueSystemOption = source.leagueSystemOption;
  target.tieBreakRules = source.tieBreakRules;
  target.foreignPlayerLimits = source.foreignPlayerLimits;
  target.relegationRules = source.relegationRules;
  target.leagueCount = source.leagueCount;
  target.firstLeague = source.firstLeague;
  target.endLeague = source.endLeague;
  target.levelValuesA = source.levelValuesA;
  target.levelValuesB = source.levelValuesB;
  // The modes describe the cups copied with the competitions; setting them through the
  // country would build fresh cups instead.
  target.nationalCupMode = source.nationalCupMode;
  target.leagueCupMode = source.leagueCupMode;
  target.superCupMode = source.superCupMode;
  target.cupFinalStadium = CopyContext::MapStadium(source, source.cupFinalStadium, target);
}

// The source country's competitions written as the country file holds them, with club
// references and (for another country number) the competition ids of the target, and read
// into the target world in place of the target country's competitions.
void CopyCompetitions(CopyContext& copy, const CCountry& source, CCountry& target) {
  const CompetitionRegistry& registry = copy.Source().Competitions();
  const int from = source.CountryNumber();
  const int to = target.CountryNumber();
  std::vector<const CDBCompetition*> nodes;
  std::set<CompetitionId> playOffs;
  for (int i = 0; i < source.LeagueCount(); ++i) {
    const CDBCompetition* league = registry.FindCompetition(MakeCompetitionId(from, CompKind::LEAGUE, i));
    if (!league) continue;
    nodes.push_back(league);
    playOffs.insert(league->GetSuccessor(0));
  }
  for (CompetitionId id : playOffs) {
    const CDBCompetition* node = id != 0 ? registry.FindCompetition(id) : nullptr;
    if (node && node->Kind() != CompKind::LEAGUE) nodes.push_back(node);
  }
  for (int kind : {CompKind::FA_CUP, CompKind::LE_CUP, CompKind::CONFERENCE_CUP, CompKind::CHALLENGE_SHIELD,
                   CompKind::SUPERCUP})
    if (const CDBCompetition* cup = registry.FindCompetition(MakeCompetitionId(from, kind, 0))) nodes.push_back(cup);

  CKLFile out;
  out.OpenWriteToMemory();
  out.BeginSection("COMPETITION");
  out.WriteInt(static_cast<int32_t>(nodes.size()));
  int counter = 0;
  for (const CDBCompetition* node : nodes) WriteCompetitionSection(node, out, "COMP", counter, from == to ? -1 : to, copy);
  out.EndSection("COMPETITION");
  CKLFile in;
  in.OpenReadFromMemory(out.TakeWritten());
  ReadCountryCompetitions(in, copy.Target().Competitions(), to);
}

// After the target country's clubs were replaced: every other reference of the target world
// to one of the old clubs goes to the new club of the same name, or becomes 0.
void RemapReplacedClubs(CopyContext& copy, int country, const std::map<uint32_t, std::string>& oldNames) {
  CWorldDatabase& world = copy.Target();
  const CCountry& owner = *world.Country(country);
  auto remap = [&](uint32_t reference) -> uint32_t {
    if (reference == 0 || ClubCountry(reference) != country || ClubNumber(reference) == kAmateurClubNumber)
      return reference;
    auto old = oldNames.find(ClubKey(reference));
    const CClub* twin = old == oldNames.end() ? nullptr : FindClubNamed(owner, old->second);
    return twin ? twin->clubId | (reference & kReserveTeamBit) : 0;
  };
  const std::set<uint32_t> fresh = copy.NewPersons();
  for (const auto& [id, person] : world.Persons().Persons()) {
    if (fresh.contains(id)) continue;
    for (uint32_t* reference : {&person->firstClub, &person->lastClub, &person->favouriteClub,
                                &person->secondClubPreference, &person->loanedTo, &person->neverMovesTo})
      *reference = remap(*reference);
  }
  for (int n = kFirstCountry; n <= kLastCountry; ++n)
    if (CCountry* other = world.Country(n))
      for (CPlayerPoolEntry& entry : other->PlayerPool())
        entry.preferredClub = static_cast<int32_t>(remap(static_cast<uint32_t>(entry.preferredClub)));
  CGlobalRules& rules = world.Rules();
  for (uint32_t& holder : rules.titleHolders) holder = remap(holder);
  for (uint32_t& club : rules.furtherClubs) club = remap(club);
}

// "Vereine / Spielpläne übernehmen": the target country takes the source's clubs (under the
// same numbers, with all their parts and persons), its league system settings and all its
// competitions with their fixtures and calendars. The numbers are kept so that every club
// reference inside the competitions stays valid.
void CopyClubsAndFixtures(CopyContext& copy, const CCountry& source, CCountry& target) {
  CWorldDatabase& world = copy.Target();
  std::map<uint32_t, std::string> oldNames;
  std::vector<uint32_t> oldClubs;
  for (const auto& [id, club] : target.Clubs()) {
    for (uint32_t person : club->PlayerIds()) DestroyPerson(world, person);
    if (club->Number() == kAmateurClubNumber) continue;
    oldNames[id] = std::string(club->Name(0));
    oldClubs.push_back(id);
  }
  for (uint32_t id : oldClubs) target.RemoveClub(id);
  CClub& amateur = target.CreateAmateurClub();
  amateur.playerCount = 0;
  amateur.players.fill(0);

  // Bind every club before copying any, so that references between them map onto the copies.
  std::vector<std::pair<const CClub*, CClub*>> pairs;
  for (const auto& [id, club] : source.Clubs()) {
    CClub* copyOf = club->Number() == kAmateurClubNumber ? &amateur
                                                         : target.AddClub(std::make_unique<CClub>(), club->Number());
    if (!copyOf) continue;
    copy.BindClub(id, copyOf->clubId);
    pairs.emplace_back(club.get(), copyOf);
  }
  for (auto [from, to] : pairs) CopyClubParts(copy, source, *from, target, *to, kCopyEverything);
  // The amateur club stands for the country and carries its names.
  target.CreateAmateurClub();

  CopyLeagueSettings(source, target);
  CopyCompetitions(copy, source, target);
  RemapReplacedClubs(copy, target.CountryNumber(), oldNames);
}

// "Stadienliste": the target's list becomes the source's. Whatever in the target referred to
// the old list (clubs, the cup final, the final venues of the rules) is moved to the stadium
// of the same name and town in the new list, or to none.
void CopyStadiums(const CCountry& source, CCountry& target, CWorldDatabase& world) {
  const std::map<int, CStadium> old = target.Stadiums();
  for (const auto& [number, stadium] : old) target.RemoveStadium(number);
  for (const auto& [number, stadium] : source.Stadiums()) target.AddStadium(stadium);
  auto remap = [&](int32_t number) -> int32_t {
    auto it = old.find(number);
    return it == old.end() ? 0 : FindStadiumLike(target, it->second);
  };
  for (const auto& [id, club] : target.Clubs()) {
    club->homeStadium = remap(club->homeStadium);
    club->alternativeStadium = remap(club->alternativeStadium);
  }
  target.cupFinalStadium = remap(target.cupFinalStadium);
  const auto country = static_cast<uint32_t>(target.CountryNumber());
  for (uint32_t& venue : world.Rules().finalVenues)
    if (venue >> 16 == country) {
      const int32_t mapped = remap(static_cast<int32_t>(venue & 0xFFFF));
      venue = mapped ? (country << 16) | static_cast<uint32_t>(mapped) : 0;
    }
}

// "Schiedsrichter": the target's referees become the source's.
void CopyReferees(const CCountry& source, CCountry& target) {
  const std::map<int, CReferee> old = target.Referees();
  for (const auto& [number, referee] : old) target.RemoveReferee(number);
  for (const auto& [number, referee] : source.Referees()) target.AddReferee(referee);
}

// "Jugendspieler": the target's player pool becomes the source's; the clubs the young players
// prefer are mapped by name.
void CopyYouth(CopyContext& copy, const CCountry& source, CCountry& target) {
  std::vector<CPlayerPoolEntry>& pool = target.PlayerPool();
  pool = source.PlayerPool();
  for (CPlayerPoolEntry& entry : pool)
    entry.preferredClub = static_cast<int32_t>(copy.SavedClubId(static_cast<uint32_t>(entry.preferredClub)));
}

// "Sonstige Trainer/Manager": the target's additional managers are replaced by copies of the
// source's, as new persons.
void CopyManagers(CopyContext& copy, const CCountry& source, CCountry& target) {
  const std::set<uint32_t> old = target.AdditionalManagers();
  for (uint32_t id : old) target.RemoveAdditionalManager(id);
  for (uint32_t id : source.AdditionalManagers())
    if (const CPlayer* person = copy.Source().Persons().FindPlayer(id))
      target.AddAdditionalManager(copy.CopyPerson(*person).id);
}

}  // namespace

bool CopyCountry(const CWorldDatabase& sourceWorld, const CCountry& source, CWorldDatabase& targetWorld,
                 CCountry& target, uint32_t mask) {
  if (&sourceWorld == &targetWorld || !BelongsTo(sourceWorld, source) || !BelongsTo(targetWorld, target)) return false;
  CopyContext copy(sourceWorld, targetWorld);
  copy.BindCountry(source.CountryNumber(), target.CountryNumber());
  // Stadiums first: the clubs copied next find their venues in the new list by name.
  if (mask & kCopyCountryStadiums) CopyStadiums(source, target, targetWorld);
  // Clubs before the other parts: the references in those map onto the clubs copied here.
  if (mask & kCopyCountryClubsAndFixtures) CopyClubsAndFixtures(copy, source, target);
  if (mask & kCopyCountryGeneral) CopyGeneral(source, target);
  if (mask & kCopyCountryReferees) CopyReferees(source, target);
  if (mask & kCopyCountryYouth) CopyYouth(copy, source, target);
  if (mask & kCopyCountryManagers) CopyManagers(copy, source, target);
  copy.FinishPersons();
  // With its clubs and settings copied the country is the user's new one: its file may be
  // written even if the old one could not be read.
  constexpr uint32_t kWholeCountry = kCopyCountryClubsAndFixtures | kCopyCountryGeneral;
  if ((mask & kWholeCountry) == kWholeCountry) targetWorld.MarkCountryReplaced(target.CountryNumber());
  return true;
}

bool CopyClub(const CWorldDatabase& sourceWorld, const CClub& source, CWorldDatabase& targetWorld, CClub& target,
              uint32_t mask) {
  if (&sourceWorld == &targetWorld || !BelongsTo(sourceWorld, source) || !BelongsTo(targetWorld, target)) return false;
  CopyContext copy(sourceWorld, targetWorld);
  copy.BindClub(source.clubId, target.clubId);
  CopyClubParts(copy, *sourceWorld.Country(source.CountryId()), source, *targetWorld.Country(target.CountryId()),
                target, mask);
  copy.FinishPersons();
  return true;
}

CClub* CopyClubIntoCountry(const CWorldDatabase& sourceWorld, const CClub& source, CWorldDatabase& targetWorld,
                           CCountry& target, uint32_t mask) {
  if (&sourceWorld == &targetWorld || !BelongsTo(sourceWorld, source) || !BelongsTo(targetWorld, target))
    return nullptr;
  CClub* onto = nullptr;
  for (const auto& [id, club] : target.Clubs())
    if (club->Name(0) == source.Name(0)) {
      onto = club.get();
      break;
    }
  if (!onto) {
    onto = target.AddNewClub(std::make_unique<CClub>());
    mask = kCopyEverything;
  }
  if (!onto) return nullptr;
  CopyClub(sourceWorld, source, targetWorld, *onto, mask);
  return onto;
}

int CopyContinent(const CWorldDatabase& sourceWorld, CWorldDatabase& targetWorld, uint32_t continent, uint32_t mask) {
  int copied = 0;
  for (int n = kFirstCountry; n <= kLastCountry; ++n) {
    const CCountry* source = sourceWorld.Country(n);
    CCountry* target = targetWorld.Country(n);
    if (source && target && source->continent == continent &&
        CopyCountry(sourceWorld, *source, targetWorld, *target, mask))
      ++copied;
  }
  return copied;
}

}  // namespace torvale
