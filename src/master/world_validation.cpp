#include "master/world_validation.h"

#include <array>
#include <unordered_map>
#include <utility>

#include "assets/badge_lookup.h"
#include "competition/competition_registry.h"
#include "competition/competition_round.h"
#include "competition/league.h"
#include "competition/league_checks.h"
#include "database/world_database.h"
#include "master/master_records.h"
#include "persons/duplicate_players.h"
#include "persons/squad_rules.h"
#include "platform/string_table.h"
#include "platform/text_encoding.h"
#include "world/fixed_text.h"

namespace torvale {

namespace {

constexpr int IDS_NO_COMPLETE_COUNTRY = 618;

// Who lists a person: a club, a country's additional managers or the players without club.
struct Listing {
  int country = 0;
  uint32_t clubId = 0;  // 0 for the lists that are not clubs
  int count = 0;
};

// Listings by person id. Ids are dense in practice, so most live in a vector; stray large ids
// go to a map.
class ListingIndex {
 public:
  explicit ListingIndex(const CPersonTable& persons) : dense_(persons.Count() * 2 + 1024) {}

  Listing& operator[](uint32_t id) { return id < dense_.size() ? dense_[id] : sparse_[id]; }
  const Listing* Find(uint32_t id) const {
    if (id < dense_.size()) return &dense_[id];
    auto it = sparse_.find(id);
    return it == sparse_.end() ? nullptr : &it->second;
  }

 private:
  std::vector<Listing> dense_;
  std::unordered_map<uint32_t, Listing> sparse_;
};

std::string Text(const char* utf8) { return Utf8ToCp1252(utf8); }

// Replaces each "%s" of the (UTF-8) format in turn by one of the Windows-1252 arguments.
std::string Format(const char* utf8Format, std::initializer_list<std::string_view> arguments) {
  const std::string format = Utf8ToCp1252(utf8Format);
  std::string out;
  size_t from = 0;
  auto argument = arguments.begin();
  for (size_t at = format.find("%s"); at != std::string::npos; at = format.find("%s", from)) {
    out.append(format, from, at - from);
    if (argument != arguments.end()) out += *argument++;
    from = at + 2;
  }
  out.append(format, from);
  return out;
}

std::string Number(uint32_t value) { return std::to_string(value); }

std::string PersonName(const CPlayer& person) {
  std::string name(FixedText(person.firstName));
  if (!name.empty()) name += ' ';
  name += FixedText(person.surname);
  if (name.empty()) name = Text("(ohne Namen)");
  return name + " (Nr. " + Number(person.id) + ")";
}

class Validator {
 public:
  Validator(const CWorldDatabase& world, const ValidationOptions& options)
      : world_(world), options_(options), listings_(world.Persons()) {}

  ValidationReport Run() {
    CheckLoadReport();
    for (int n = kFirstCountry; n <= kLastCountry; ++n)
      if (const CCountry* country = world_.Country(n)) CheckCountry(*country);
    CheckCompleteCountries();
    CheckDuplicates();
    CheckPersonsOfNoCountry();
    CheckUnlistedPersons();
    CheckRules();
    ValidationReport report;
    for (auto& bucket : byCountry_)
      for (ValidationFinding& finding : bucket) report.findings.push_back(std::move(finding));
    return report;
  }

 private:
  ValidationFinding& Add(FindingSeverity severity, FindingKind kind, int country, std::string text,
                         uint32_t clubId = 0, uint32_t personId = 0, uint32_t code = 0) {
    ValidationFinding finding;
    finding.severity = severity;
    finding.kind = kind;
    finding.code = code;
    finding.country = country;
    finding.clubId = clubId;
    finding.personId = personId;
    finding.text = std::move(text);
    auto& bucket = byCountry_[static_cast<size_t>(country >= kFirstCountry && country <= kLastCountry ? country : 0)];
    bucket.push_back(std::move(finding));
    return bucket.back();
  }

  // ---------------------------------------------------------------- the files

  // What loading met, file by file, under the country whose file it is. The game is built
  // from the world as loaded: what an unreadable or damaged file held does not reach it
  // (and a save keeps only what was read), so those are errors. A missing file leaves an
  // empty country, the standard rules or no free players, which the game accepts, and a
  // repair kept what the file meant: warnings.
  void CheckLoadReport() {
    for (const LoadProblem& problem : world_.LastLoadReport().problems) {
      const bool lost = problem.kind == LoadProblemKind::kUnreadable || problem.kind == LoadProblemKind::kDamaged;
      std::string where = Text("Datei ") + problem.file;
      if (problem.line != 0) where += ", Zeile " + Number(static_cast<uint32_t>(problem.line));
      Add(lost ? FindingSeverity::kError : FindingSeverity::kWarning, FindingKind::kLoadProblem,
          CountryOfDatabaseFile(problem.file),
          Format("%s (%s): %s", {where, LoadProblemKindText(problem.kind), problem.text}), 0, 0,
          static_cast<uint32_t>(problem.kind));
    }
  }

  // ---------------------------------------------------------------- a country

  void CheckCountry(const CCountry& country) {
    const int n = country.CountryNumber();
    CheckPlayable(country);
    CheckCompetitions(country);
    for (const auto& [id, club] : country.Clubs()) {
      const std::string name = country.ClubName(id);
      CheckClub(country, *club, name);
      CheckClubPersons(country, *club, name);
    }
    for (uint32_t id : country.AdditionalManagers()) {
      Listing& listing = listings_[id];
      NoteListing(listing, n, 0, id);
      if (const CPlayer* person = world_.Persons().FindPlayer(id)) CheckPersonReferences(n, 0, *person);
    }
    if (country.cupFinalStadium != 0 && !country.FindStadium(country.cupFinalStadium))
      Add(FindingSeverity::kWarning, FindingKind::kMissingStadium, n,
          Format("Das Endspielstadion Nr. %s gibt es nicht.", {Number(static_cast<uint32_t>(country.cupFinalStadium))}));
  }

  void CheckPlayable(const CCountry& country) {
    if (country.LeagueCount() < 1) return;  // no league system: the country is not meant to be played
    const uint32_t problems = country.PlayabilityProblems();
    if (problems == 0) {
      playable_.push_back(&country);
      return;
    }
    static constexpr std::pair<uint32_t, const char*> kReasons[] = {
        {kPlayableNoCompetitions, "es hat keine Wettbewerbe"},
        {kPlayableTooFewClubs, "weniger als 10 Vereine"},
        {kPlayableNoLeague, "es fehlt die 1. Liga"},
        {kPlayableFirstLeagueTooSmall, "die 1. Liga hat weniger als 10 Mannschaften"},
        {kPlayableClubCheckFails, "ein Verein besteht die Vereinsprüfung nicht"},
        {kPlayableCompetitionProblem, "ein Wettbewerb meldet Fehler"},
    };
    std::string reasons;
    for (const auto& [bit, text] : kReasons)
      if (problems & bit) reasons += (reasons.empty() ? "" : ", ") + Text(text);
    Add(FindingSeverity::kError, FindingKind::kCountryNotPlayable, country.CountryNumber(),
        Format("Das Land wird im Spiel nicht angeboten: %s.", {reasons}), 0, 0, problems);
  }

  void CheckCompetitions(const CCountry& country) {
    const int n = country.CountryNumber();
    country.ForEachCheckedCompetition([&](const CDBCompetition& node) {
      const uint32_t problems = node.CheckConsistency(country.ReserveLevel());
      for (uint32_t bit = 1; bit != 0; bit <<= 1) {
        if (!(problems & bit)) continue;
        for (int id : ConsistencyMessages(bit))
          Add(FindingSeverity::kError, FindingKind::kCompetition, n,
              Format("Wettbewerb %s: %s", {node.Name(), LoadString(id)}), 0, 0, bit);
      }
    });
    if (!country.HasCompetitions()) return;
    country.Competitions().ForEach([&](CDBCompetition& node) {
      if (node.Country() != n) return;
      CheckCompetitionName(n, node);
      if (const auto* league = dynamic_cast<const CDBLeague*>(&node)) {
        for (int i = 0; i < league->TeamCount(); ++i) CheckTeam(n, node, league->GetTeam(i));
      } else if (const auto* pool = dynamic_cast<const CDBPool*>(&node)) {
        for (int i = 0; i < pool->teamCount && i < CDBPool::kMaxTeams; ++i)
          CheckTeam(n, node, pool->teams[static_cast<size_t>(i)]);
      }
    });
  }

  void CheckCompetitionName(int country, const CDBCompetition& node) {
    const size_t limit = dynamic_cast<const CDBRound*>(&node) ? CDBCompetition::kGameRoundNameChars
                                                               : CDBCompetition::kGameNameChars;
    const std::string_view name = node.Name();
    if (name.size() > limit)
      Add(FindingSeverity::kWarning, FindingKind::kNameTooLong, country,
          Format("Der Name des Wettbewerbs %s ist länger als %s Zeichen und wird gekürzt.",
                 {name, Number(static_cast<uint32_t>(limit))}));
  }

  void CheckTeam(int country, const CDBCompetition& node, uint32_t team) {
    if (ClubNumber(team) == 0 || world_.SavedClubId(team) != 0) return;
    Add(FindingSeverity::kError, FindingKind::kMissingClub, country,
        Format("Wettbewerb %s: Der Verein Nr. %s des Landes Nr. %s existiert nicht.",
               {node.Name(), Number(ClubNumber(team)), Number(ClubCountry(team))}),
        team & ~kReserveTeamBit);
  }

  // ---------------------------------------------------------------- a club

  void CheckClub(const CCountry& country, const CClub& club, const std::string& name) {
    const int n = country.CountryNumber();
    const uint32_t result = club.Check();
    for (int bit = 0; bit < kClubCheckBits; ++bit)
      if (result & (1u << bit))
        Add(FindingSeverity::kError, FindingKind::kClubCheck, n,
            Format("Verein %s: %s", {name, ClubCheckMessage(bit)}), club.clubId, 0, 1u << bit);
    if (club.Number() != kAmateurClubNumber) CheckSquadOf(n, club, name);

    if (options_.badges) {
      for (const std::string& line : MissingBadgeLines(*options_.badges, {{name, std::string(FixedText(club.badgeFile))}}))
        Add(FindingSeverity::kWarning, FindingKind::kMissingBadge, n, line, club.clubId);
    }

    // Friends and rivals are clubs of the same country, by number.
    for (uint32_t number : {club.fanFriendship, club.archRival1, club.archRival2}) {
      if (ClubNumber(number) == 0 || country.FindClub(MakeClubId(country.countryId, ClubNumber(number)))) continue;
      Add(FindingSeverity::kWarning, FindingKind::kMissingClub, n,
          Format("Verein %s: Der Fanfreund oder Erzrivale Nr. %s existiert nicht.", {name, Number(ClubNumber(number))}),
          club.clubId);
    }
    for (int32_t stadium : {club.homeStadium, club.alternativeStadium}) {
      if (stadium == 0 || country.FindStadium(stadium)) continue;
      Add(FindingSeverity::kWarning, FindingKind::kMissingStadium, n,
          Format("Verein %s: Das Stadion Nr. %s gibt es nicht.", {name, Number(static_cast<uint32_t>(stadium))}),
          club.clubId);
    }
    CheckClubNames(n, club, name);
  }

  // The squad editor's check on OK. The amateur club stands for the country's lower football
  // and has no squad of its own. Two bits have no line in the editor; they get one here.
  void CheckSquadOf(int country, const CClub& club, const std::string& name) {
    const uint32_t result = CheckSquad(club, world_.Persons());
    static constexpr std::pair<uint32_t, const char*> kUnworded[] = {
        {kSquadReserveCoaches, "Es darf nur ein Trainer in der zweiten Mannschaft vorhanden sein."},
        {kSquadReserveManagers, "Es darf nur ein Manager in der zweiten Mannschaft vorhanden sein."},
    };
    for (uint32_t bit = 1; bit != 0 && bit <= result; bit <<= 1) {
      if (!(result & bit)) continue;
      std::vector<std::string> lines = SquadProblemLines(bit, 0);
      for (const auto& [unworded, text] : kUnworded)
        if (bit == unworded) lines.push_back(Text(text));
      for (const std::string& line : lines)
        Add(FindingSeverity::kWarning, FindingKind::kSquadCheck, country, Format("Verein %s: %s", {name, line}),
            club.clubId, 0, bit);
    }
  }

  void CheckClubNames(int country, const CClub& club, const std::string& name) {
    auto tooLong = [&](const char* label, const char* text, size_t size, size_t limit) {
      if (strnlen(text, size) <= limit) return;
      Add(FindingSeverity::kWarning, FindingKind::kNameTooLong, country,
          Format("Verein %s: %s \"%s\" ist länger als %s Zeichen und wird gekürzt.",
                 {name, Text(label), std::string_view(text, strnlen(text, size)), Number(static_cast<uint32_t>(limit))}),
          club.clubId);
    };
    for (int language = 0; language < kClubLanguages; ++language) {
      tooLong("Name", club.names[language], sizeof club.names[language], kClubNameChars);
      tooLong("Abkürzung", club.shortNames[language], sizeof club.shortNames[language], kClubShortNameChars);
      tooLong("Kürzel", club.abbreviations[language], sizeof club.abbreviations[language], kClubAbbreviationChars);
      tooLong("Ort", club.towns[language], sizeof club.towns[language], kClubTownChars);
    }
  }

  void CheckClubPersons(const CCountry& country, const CClub& club, const std::string& name) {
    const int n = country.CountryNumber();
    for (uint32_t id : club.PlayerIds()) {
      const CPlayer* person = world_.Persons().FindPlayer(id);
      if (!person) {
        Add(FindingSeverity::kError, FindingKind::kMissingPerson, n,
            Format("Verein %s führt die Person Nr. %s, die es nicht gibt.", {name, Number(id)}), club.clubId, id);
        continue;
      }
      NoteListing(listings_[id], n, club.clubId, id);
      CheckPersonReferences(n, club.clubId, *person);
    }
  }

  // ---------------------------------------------------------------- persons

  // Each person is written once per listing; a second listing becomes a second person on the
  // next load.
  void NoteListing(Listing& listing, int country, uint32_t clubId, uint32_t personId) {
    if (++listing.count == 1) {
      listing.country = country;
      listing.clubId = clubId;
      return;
    }
    const CPlayer* person = world_.Persons().FindPlayer(personId);
    Add(FindingSeverity::kWarning, FindingKind::kPersonListedTwice, country,
        Format("%s steht bei %s und bei %s; beim Laden entstehen daraus zwei Personen.",
               {person ? PersonName(*person) : Number(personId), ListName(listing.country, listing.clubId),
                ListName(country, clubId)}),
        clubId, personId);
  }

  // Who lists a person, for the texts: a club, the additional managers of a country, or the
  // players without club.
  std::string ListName(int country, uint32_t clubId) const {
    const CCountry* owner = world_.Country(country);
    if (!owner) return Text("den Spielern ohne Verein");
    if (clubId == 0) return Format("den weiteren Managern von %s", {owner->Name(world_.Language())});
    return Format("Verein %s", {owner->ClubName(clubId)});
  }

  void CheckPersonReferences(int country, uint32_t clubId, const CPlayer& person) {
    for (uint32_t reference : {person.firstClub, person.lastClub, person.favouriteClub, person.secondClubPreference,
                               person.loanedTo, person.neverMovesTo}) {
      if (ClubNumber(reference) == 0 || world_.SavedClubId(reference) != 0) continue;
      Add(FindingSeverity::kWarning, FindingKind::kMissingClub, country,
          Format("%s verweist auf den Verein Nr. %s des Landes Nr. %s, den es nicht gibt.",
                 {PersonName(person), Number(ClubNumber(reference)), Number(ClubCountry(reference))}),
          clubId, person.id);
    }
  }

  void CheckPersonsOfNoCountry() {
    const CPlayersWithoutClub* free = world_.PlayersWithoutClub();
    if (!free) return;
    for (size_t i = 0; i < free->Count(); ++i) {
      const uint32_t id = free->IdAt(i);
      NoteListing(listings_[id], 0, 0, id);
      if (const CPlayer* person = free->At(i)) CheckPersonReferences(0, 0, *person);
    }
  }

  // The duplicate report over the whole world, with its filter "Nur Spieler mit gleichem
  // Geburtsdatum anzeigen": common names meet often in football; the same name born on the
  // same day is a person entered twice.
  void CheckDuplicates() {
    const std::vector<DuplicateIndexEntry> index = BuildDuplicateIndex(world_, CompareNamesIgnoringCase);
    DuplicateFilter sameBirthDate;
    sameBirthDate.sameBirthDate = true;
    for (const DuplicatePair& pair : FindDuplicatePairs(index, sameBirthDate)) {
      // One person listed by two clubs is reported as listed twice.
      if (pair.first.playerId == pair.second.playerId) continue;
      DuplicateRow row;
      if (!MakeDuplicateRow(world_, pair, row)) continue;
      ValidationFinding& finding = Add(
          FindingSeverity::kWarning, FindingKind::kDuplicatePerson, pair.first.country,
          Format("%s steht doppelt in der Welt: bei %s und bei %s.", {row.name, row.clubTexts[0], row.clubTexts[1]}),
          pair.first.clubId, pair.first.playerId);
      finding.otherPersonId = pair.second.playerId;
    }
  }

  void CheckUnlistedPersons() {
    for (const auto& [id, person] : world_.Persons().Persons()) {
      const Listing* listing = listings_.Find(id);
      if (listing && listing->count > 0) continue;
      Add(FindingSeverity::kWarning, FindingKind::kUnlistedPerson, 0,
          Format("%s gehört zu keinem Verein und steht in keiner Liste; beim Speichern geht die Person verloren.",
                 {PersonName(*person)}),
          0, id);
    }
  }

  // ---------------------------------------------------------------- the world

  void CheckCompleteCountries() {
    bool any = false;
    for (const CCountry* country : playable_) {
      if (IsCountryComplete(*country, options_.masterFlags)) {
        any = true;
        continue;
      }
      Add(FindingSeverity::kWarning, FindingKind::kNotOnConsoleList, country->CountryNumber(),
          Text("Das Land ist spielbar, wird aber in der Konsolenfassung nicht angeboten."));
    }
    if (!any)
      Add(FindingSeverity::kError, FindingKind::kNoCompleteCountry, 0, LoadString(IDS_NO_COMPLETE_COUNTRY));
  }

  void CheckRules() {
    const CGlobalRules& rules = world_.Rules();
    auto missingClub = [&](uint32_t club, const char* what) {
      if (ClubNumber(club) == 0 || world_.SavedClubId(club) != 0) return;
      Add(FindingSeverity::kWarning, FindingKind::kMissingClub, 0,
          Format("Regeln: %s ist der Verein Nr. %s des Landes Nr. %s, den es nicht gibt.",
                 {Text(what), Number(ClubNumber(club)), Number(ClubCountry(club))}));
    };
    for (uint32_t holder : rules.titleHolders) missingClub(holder, "Ein Titelverteidiger");
    for (uint32_t club : rules.furtherClubs) missingClub(club, "Ein weiterer Verein");
    for (uint32_t venue : rules.finalVenues) {
      const int country = static_cast<int>(venue >> 16);
      const auto stadium = static_cast<int32_t>(venue & 0xFFFF);
      if (venue == 0 || world_.SavedStadiumPosition(country, stadium) != 0) continue;
      Add(FindingSeverity::kWarning, FindingKind::kMissingStadium, 0,
          Format("Regeln: Das Endspielstadion Nr. %s des Landes Nr. %s gibt es nicht.",
                 {Number(static_cast<uint32_t>(stadium)), Number(static_cast<uint32_t>(country))}));
    }
  }

  const CWorldDatabase& world_;
  const ValidationOptions& options_;
  ListingIndex listings_;
  std::vector<const CCountry*> playable_;
  std::array<std::vector<ValidationFinding>, kCountrySlots> byCountry_;
};

}  // namespace

int ValidationReport::ErrorCount() const {
  int count = 0;
  for (const ValidationFinding& finding : findings) count += finding.severity == FindingSeverity::kError;
  return count;
}

int ValidationReport::WarningCount() const {
  return static_cast<int>(findings.size()) - ErrorCount();
}

ValidationReport ValidateWorld(const CWorldDatabase& world, const ValidationOptions& options) {
  return Validator(world, options).Run();
}

std::string FormatValidationReport(const CWorldDatabase& world, const ValidationReport& report) {
  std::string out;
  int heading = -1;
  for (const ValidationFinding& finding : report.findings) {
    if (finding.country != heading) {
      heading = finding.country;
      const CCountry* country = world.Country(heading);
      out += country ? std::string(country->Name(world.Language())) : Text("Welt");
      out += '\n';
    }
    out += finding.severity == FindingSeverity::kError ? "  Fehler:  " : "  Warnung: ";
    out += finding.text;
    out += '\n';
  }
  return out + FindingCountText(report.ErrorCount(), report.WarningCount()) + '\n';
}

std::string FindingCountText(int errors, int warnings) {
  return std::to_string(errors) + " Fehler, " + std::to_string(warnings) + (warnings == 1 ? " Warnung" : " Warnungen");
}

}  // namespace torvale
