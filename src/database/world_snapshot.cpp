#include "database/world_snapshot.h"

#include <algorithm>
#include <atomic>
#include <set>
#include <thread>
#include <unordered_map>
#include <unordered_set>

#include "competition/competition_records.h"
#include "competition/international_competitions.h"
#include "database/world_database.h"
#include "storage/pack.h"
#include "storage/record_stream.h"
#include "world/club_id_mapper.h"
#include "world/global_rules.h"
#include "world/person_table.h"
#include "world/players_without_club.h"
#include "world/stadium.h"

namespace torvale {

namespace {

// Final venues as memory holds them.
class IdentityStadiumReferences final : public StadiumReferenceLookup {
 public:
  int StadiumCount(int) const override { return 0; }
  int32_t SavedStadiumPosition(int, int32_t number) const override { return number; }
};

uint32_t ClubKeyOf(uint32_t clubId) { return clubId & ~kReserveTeamBit; }

CClub* FindClub(CWorldDatabase& world, uint32_t clubId) {
  CCountry* country = world.Country(ClubCountry(clubId));
  return country ? country->FindClub(clubId) : nullptr;
}

const CClub* FindClub(const CWorldDatabase& world, uint32_t clubId) {
  const CCountry* country = world.Country(ClubCountry(clubId));
  return country ? country->FindClub(clubId) : nullptr;
}

// A whole country is about a megabyte of text and packs to a fraction of it; a club's few
// kilobytes are kept as they are.
constexpr size_t kPackFrom = 64 * 1024;

// The part's record text, unpacked.
template <typename WriteFn>
std::string RecordText(WriteFn write) {
  CKLFile file;
  file.OpenWriteToMemory();
  write(file);
  return file.TakeWritten();
}

// Record text never starts with a packed block's marker byte.
bool IsPacked(const std::string& text) {
  return text.size() > 2 && static_cast<uint8_t>(text[1]) == kPackMarker;
}

// The text packed when it is large.
std::string PackedText(std::string text) {
  if (text.size() < kPackFrom || IsPacked(text)) return text;
  std::string packed(PACK_packedBound(text.size()), '\0');
  const size_t length = PACK_pack(reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                                  reinterpret_cast<uint8_t*>(packed.data()), packed.size(), true);
  if (length == 0) return text;
  packed.resize(length);
  packed.shrink_to_fit();
  return packed;
}

void OpenText(CKLFile& file, const std::string& text) {
  if (IsPacked(text)) {
    const auto* block = reinterpret_cast<const uint8_t*>(text.data());
    std::string unpacked(PACK_size(block, text.size()), '\0');
    unpacked.resize(PACK_unpack(block, text.size(), reinterpret_cast<uint8_t*>(unpacked.data()), unpacked.size()));
    file.OpenReadFromMemory(std::move(unpacked));
  } else {
    file.OpenReadFromMemory(text);
  }
  file.SetLoadedVersion(CKLFile::kWrittenVersion);
}

// Ids of the persons a country lists: club by club in map order, then its additional managers.
std::vector<uint32_t> CountryPersons(const CCountry& country) {
  std::vector<uint32_t> ids;
  for (const auto& [id, club] : country.Clubs())
    ids.insert(ids.end(), club->PlayerIds().begin(), club->PlayerIds().end());
  ids.insert(ids.end(), country.AdditionalManagers().begin(), country.AdditionalManagers().end());
  return ids;
}

std::vector<uint32_t> WithoutClubPersons(const CPlayersWithoutClub& list) {
  std::vector<uint32_t> ids;
  for (size_t i = 0; i < list.Count(); ++i) ids.push_back(list.IdAt(i));
  return ids;
}

}  // namespace

struct WorldSnapshot::Captured {
  std::string text;                   // the part's record, references unconverted; packed when large
  std::vector<uint32_t> personIds;    // the persons the part lists, in listing order
  bool present = true;                // a club or list that existed
  // A country's settings as memory holds them (some are not in the record, and reading
  // clamps others), and its numbering.
  CountryFields countrySettings;
  uint8_t fallbackLanguage = 0;
  CCountry::Numbering numbering;
  // The world's small settings.
  StartingSelection selection;
  std::array<uint8_t, 12> spareA = {};
  std::array<uint8_t, 12> spareB = {};
  uint8_t language = 0;
  // The world's frame: the folder as chosen, the files it could not read and what its load
  // met, the calendars.
  std::string folder;
  std::set<std::string> unreadableFiles;
  LoadReport loadReport;
  std::vector<int32_t> calendars;
  // Where the text went when it was moved into the snapshot's temporary file.
  bool inTempFile = false;
  long tempOffset = 0;
  size_t tempLength = 0;

  bool operator==(const Captured&) const = default;
};

WorldPart WorldPart::Club(uint32_t clubId) {
  return {WorldPartKind::kClub, ClubCountry(clubId), ClubKeyOf(clubId)};
}

std::vector<WorldPart> WholeWorldParts() {
  std::vector<WorldPart> parts;
  for (int n = kFirstCountry; n <= kLastCountry; ++n) parts.push_back(WorldPart::Country(n));
  parts.push_back(WorldPart::Rules());
  parts.push_back(WorldPart::PlayersWithoutClub());
  parts.push_back(WorldPart::Settings());
  // Last: restoring it marks the countries whose files were unreadable, after they are read.
  parts.push_back(WorldPart::Frame());
  return parts;
}

WorldSnapshot::WorldSnapshot() = default;
WorldSnapshot::WorldSnapshot(WorldSnapshot&&) noexcept = default;
WorldSnapshot& WorldSnapshot::operator=(WorldSnapshot&&) noexcept = default;
WorldSnapshot::~WorldSnapshot() = default;

// ---------------------------------------------------------------- capture

WorldSnapshot WorldSnapshot::Capture(const CWorldDatabase& world, std::span<const WorldPart> parts) {
  WorldSnapshot snapshot = CaptureUnpacked(world, parts);
  snapshot.PackTexts();
  return snapshot;
}

void WorldSnapshot::PackTexts() {
  std::vector<std::string*> large;
  for (Captured& c : captured_)
    if (c.text.size() >= kPackFrom && !IsPacked(c.text)) large.push_back(&c.text);
  if (large.empty()) return;
  std::atomic<size_t> next{0};
  auto packNext = [&large, &next] {
    for (size_t i = next++; i < large.size(); i = next++) *large[i] = PackedText(std::move(*large[i]));
  };
  const size_t threads = std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), large.size());
  std::vector<std::thread> helpers;
  for (size_t t = 1; t < threads; ++t) helpers.emplace_back(packNext);
  packNext();
  for (std::thread& helper : helpers) helper.join();
}

WorldSnapshot WorldSnapshot::CaptureUnpacked(const CWorldDatabase& world, std::span<const WorldPart> parts) {
  WorldSnapshot snapshot;
  auto countryCaptured = [&parts](int country) {
    return std::any_of(parts.begin(), parts.end(), [country](const WorldPart& p) {
      return p.kind == WorldPartKind::kCountry && p.country == country;
    });
  };
  for (WorldPart part : parts) {
    if (part.kind == WorldPartKind::kClub) part = WorldPart::Club(part.clubId);
    if ((part.kind == WorldPartKind::kClub || part.kind == WorldPartKind::kCountrySettings) &&
        countryCaptured(part.country))
      continue;
    if (std::find(snapshot.parts_.begin(), snapshot.parts_.end(), part) != snapshot.parts_.end()) continue;

    Captured captured;
    switch (part.kind) {
      case WorldPartKind::kCountry: {
        const CCountry* country = world.Country(part.country);
        if (!country) continue;
        captured.text = RecordText([country](CKLFile& file) { country->WriteCountryAsIs(file); });
        captured.personIds = CountryPersons(*country);
        captured.countrySettings = *country;
        captured.fallbackLanguage = country->FallbackLanguage();
        captured.numbering = country->CurrentNumbering();
        break;
      }
      case WorldPartKind::kCountrySettings: {
        const CCountry* country = world.Country(part.country);
        if (!country) continue;
        captured.text = RecordText([&world, country](CKLFile& file) {
          WriteCountryCompetitions(file, world.Competitions(), country->CountryNumber(), country->LeagueCount(),
                                   IdentityClubIdMapper());
        });
        captured.countrySettings = *country;
        captured.fallbackLanguage = country->FallbackLanguage();
        break;
      }
      case WorldPartKind::kClub: {
        const CClub* club = FindClub(world, part.clubId);
        captured.present = club != nullptr;
        if (!club) break;
        const IdentityClubIdMapper clubs;
        const IdentityStadiumPositions stadiums;
        captured.text = RecordText([&](CKLFile& file) {
          club->WriteClub(file, ClubNumber(part.clubId), ClubWriteContext{clubs, stadiums});
        });
        captured.personIds.assign(club->PlayerIds().begin(), club->PlayerIds().end());
        break;
      }
      case WorldPartKind::kRules:
        captured.text = RecordText([&world](CKLFile& file) {
          world.Rules().WriteRules(file, IdentityClubIdMapper(), IdentityStadiumReferences());
        });
        break;
      case WorldPartKind::kPlayersWithoutClub: {
        const CPlayersWithoutClub* list = world.PlayersWithoutClub();
        captured.present = list != nullptr;
        if (!list) break;
        captured.text = RecordText([list](CKLFile& file) { list->WriteWithout(file, IdentityClubIdMapper()); });
        captured.personIds = WithoutClubPersons(*list);
        break;
      }
      case WorldPartKind::kSettings:
        captured.selection = world.Selection();
        captured.spareA = world.SpareBytesA();
        captured.spareB = world.SpareBytesB();
        captured.language = world.Language();
        break;
      case WorldPartKind::kFrame:
        captured.folder = world.AccessFolder();
        captured.unreadableFiles = world.UnreadableFiles();
        captured.loadReport = world.LastLoadReport();
        for (int i = 0; i < kFrameworkCalendarCount; ++i) {
          const auto calendar = world.Calendars().GetFrameworkCalendar(i);
          captured.calendars.insert(captured.calendars.end(), calendar.begin(), calendar.end());
        }
        break;
    }
    snapshot.parts_.push_back(part);
    snapshot.captured_.push_back(std::move(captured));
  }
  return snapshot;
}

bool WorldSnapshot::Absorb(WorldSnapshot&& later) {
  auto holds = [this](WorldPartKind kind, int country) {
    return std::any_of(parts_.begin(), parts_.end(),
                       [&](const WorldPart& p) { return p.kind == kind && p.country == country; });
  };
  for (const WorldPart& part : later.parts_)
    if (part.kind == WorldPartKind::kCountry &&
        (holds(WorldPartKind::kClub, part.country) || holds(WorldPartKind::kCountrySettings, part.country)))
      return false;
  for (size_t i = 0; i < later.parts_.size(); ++i) {
    const WorldPart& part = later.parts_[i];
    if (std::find(parts_.begin(), parts_.end(), part) != parts_.end()) continue;
    if ((part.kind == WorldPartKind::kClub || part.kind == WorldPartKind::kCountrySettings) &&
        holds(WorldPartKind::kCountry, part.country))
      continue;
    parts_.push_back(part);
    captured_.push_back(std::move(later.captured_[i]));
  }
  return true;
}

void WorldSnapshot::DropUnchanged(WorldSnapshot& before, WorldSnapshot& after) {
  WorldSnapshot keptBefore;
  WorldSnapshot keptAfter;
  for (size_t i = 0; i < before.parts_.size(); ++i) {
    const auto found = std::find(after.parts_.begin(), after.parts_.end(), before.parts_[i]);
    const size_t j = static_cast<size_t>(found - after.parts_.begin());
    if (found != after.parts_.end() && before.captured_[i] == after.captured_[j]) continue;
    keptBefore.parts_.push_back(before.parts_[i]);
    keptBefore.captured_.push_back(std::move(before.captured_[i]));
    if (found == after.parts_.end()) continue;
    keptAfter.parts_.push_back(after.parts_[j]);
    keptAfter.captured_.push_back(std::move(after.captured_[j]));
  }
  before = std::move(keptBefore);
  after = std::move(keptAfter);
}

bool WorldSnapshot::MoveTextsToTempFile() {
  if (tempFile_) return true;
  std::shared_ptr<std::FILE> file(std::tmpfile(), [](std::FILE* f) {
    if (f) std::fclose(f);
  });
  if (!file) return false;
  for (const Captured& c : captured_)
    if (!c.text.empty() && std::fwrite(c.text.data(), 1, c.text.size(), file.get()) != c.text.size()) return false;
  if (std::fflush(file.get()) != 0) return false;
  long offset = 0;
  for (Captured& c : captured_) {
    if (c.text.empty()) continue;
    c.inTempFile = true;
    c.tempOffset = offset;
    c.tempLength = c.text.size();
    offset += static_cast<long>(c.text.size());
    std::string().swap(c.text);
  }
  tempFile_ = std::move(file);
  return true;
}

size_t WorldSnapshot::TempFileBytes() const {
  size_t bytes = 0;
  for (const Captured& c : captured_) bytes += c.tempLength;
  return bytes;
}

size_t WorldSnapshot::MemoryBytes() const {
  size_t bytes = sizeof(*this) + parts_.capacity() * sizeof(WorldPart) + captured_.capacity() * sizeof(Captured);
  for (const Captured& c : captured_) {
    bytes += c.text.capacity() + c.personIds.capacity() * sizeof(uint32_t);
    bytes += c.numbering.clubs.capacity() * sizeof(uint16_t);
    for (const auto* list : {&c.numbering.referees, &c.numbering.sponsors, &c.numbering.staff, &c.numbering.stadiums})
      bytes += list->capacity() * sizeof(int);
    for (const std::string& name : c.countrySettings.names) bytes += name.capacity();
    bytes += c.folder.capacity() + c.calendars.capacity() * sizeof(int32_t);
    for (const std::string& name : c.unreadableFiles) bytes += name.capacity() + 4 * sizeof(void*);
    for (const LoadProblem& problem : c.loadReport.problems)
      bytes += sizeof problem + problem.file.capacity() + problem.text.capacity();
    bytes += c.countrySettings.nationalNewspaper.capacity() + c.countrySettings.notes.capacity();
  }
  return bytes;
}

bool WorldSnapshot::SameState(const WorldSnapshot& other) const {
  return parts_ == other.parts_ && captured_ == other.captured_;
}

// ---------------------------------------------------------------- restore

namespace {

// What restoring does in three steps over all parts, so that a person moved between two
// parts finds its id free whichever part is read first.
class Restorer {
 public:
  explicit Restorer(CWorldDatabase& world) : world_(world), persons_(world.Persons()) {}

  // 1. Every part lets go of its persons (they leave the person table).
  void Clear(const WorldPart& part) {
    switch (part.kind) {
      case WorldPartKind::kCountry:
        if (CCountry* country = world_.Country(part.country)) country->Reset();
        break;
      case WorldPartKind::kClub:
        if (CClub* club = FindClub(world_, part.clubId)) {
          for (uint32_t id : club->PlayerIds()) persons_.RemovePlayer(id);
          club->playerCount = 0;
          club->players.fill(0);
        }
        break;
      case WorldPartKind::kPlayersWithoutClub:
        if (CPlayersWithoutClub* list = world_.PlayersWithoutClub()) {
          for (size_t i = 0; i < list->Count(); ++i) persons_.RemovePlayer(list->IdAt(i));
          list->Clear();
        }
        break;
      case WorldPartKind::kCountrySettings:
      case WorldPartKind::kRules:
      case WorldPartKind::kSettings:
      case WorldPartKind::kFrame:
        break;
    }
  }

  // 2. Persons the parts listed when captured that the change took out of every list (they
  // stay in the table until a save drops them) would hold the ids the parts need back.
  void RemoveUnlisted(const std::vector<uint32_t>& wanted) {
    std::vector<uint32_t> present;
    for (uint32_t id : wanted)
      if (persons_.FindPlayer(id)) present.push_back(id);
    if (present.empty()) return;
    const std::unordered_set<uint32_t> listed = ListedAnywhere();
    for (uint32_t id : present) {
      if (!listed.contains(id))
        persons_.RemovePlayer(id);
      else
        keptOutside_.insert(id);
    }
  }

  // 3. Every part reads its record back.
  void Read(const WorldPart& part, const WorldSnapshot::Captured& captured, const std::string& text);

  // 4. Persons that reading gave other ids than they had get theirs back.
  void GiveIdsBack(const WorldPart& part, const std::vector<uint32_t>& wanted) {
    const std::vector<uint32_t> now = CurrentPersons(part);
    if (now.size() != wanted.size()) return;
    for (size_t i = 0; i < now.size(); ++i)
      if (now[i] != wanted[i]) moves_.push_back({part, i, now[i], wanted[i]});
  }
  void MovePersons();

 private:
  struct Move {
    WorldPart part;
    size_t position;  // in the part's listing order
    uint32_t from, to;
  };

  std::unordered_set<uint32_t> ListedAnywhere() const {
    std::unordered_set<uint32_t> listed;
    for (int n = kFirstCountry; n <= kLastCountry; ++n)
      if (const CCountry* country = world_.Country(n))
        for (uint32_t id : CountryPersons(*country)) listed.insert(id);
    if (const CPlayersWithoutClub* list = world_.PlayersWithoutClub())
      for (uint32_t id : WithoutClubPersons(*list)) listed.insert(id);
    return listed;
  }

  std::vector<uint32_t> CurrentPersons(const WorldPart& part) const {
    switch (part.kind) {
      case WorldPartKind::kCountry:
        if (const CCountry* country = world_.Country(part.country)) return CountryPersons(*country);
        break;
      case WorldPartKind::kClub:
        if (const CClub* club = FindClub(world_, part.clubId))
          return {club->PlayerIds().begin(), club->PlayerIds().end()};
        break;
      case WorldPartKind::kPlayersWithoutClub:
        if (const CPlayersWithoutClub* list = world_.PlayersWithoutClub()) return WithoutClubPersons(*list);
        break;
      default:
        break;
    }
    return {};
  }

  bool IsManagerMove(const Move& move) const;
  void Relist(const Move& move, uint32_t id);

  CWorldDatabase& world_;
  CPersonTable& persons_;
  // Wanted ids whose persons a list outside the restored parts still holds.
  std::unordered_set<uint32_t> keptOutside_;
  std::vector<Move> moves_;
  std::vector<uint32_t> withoutClubIds_;
};

void Restorer::Read(const WorldPart& part, const WorldSnapshot::Captured& captured, const std::string& text) {
  switch (part.kind) {
    case WorldPartKind::kCountry: {
      CCountry* country = world_.Country(part.country);
      if (!country) return;
      // The settings go in before reading too: the amateur club is named after the country.
      static_cast<CountryFields&>(*country) = captured.countrySettings;
      country->SetFallbackLanguage(captured.fallbackLanguage);
      CKLFile file;
      OpenText(file, text);
      country->ReadCountry(file);
      country->RestoreNumbering(captured.numbering);
      static_cast<CountryFields&>(*country) = captured.countrySettings;
      return;
    }
    case WorldPartKind::kCountrySettings: {
      CCountry* country = world_.Country(part.country);
      if (!country) return;
      CKLFile file;
      OpenText(file, text);
      ReadCountryCompetitions(file, world_.Competitions(), part.country);
      static_cast<CountryFields&>(*country) = captured.countrySettings;
      country->SetFallbackLanguage(captured.fallbackLanguage);
      return;
    }
    case WorldPartKind::kClub: {
      CCountry* country = world_.Country(part.country);
      if (!country) return;
      if (!captured.present) {
        country->RemoveClub(part.clubId);
        return;
      }
      auto read = std::make_unique<CClub>();
      read->clubId = part.clubId;
      read->SetWorld(&persons_);
      const PlayerReadContext players = world_.MakePlayerReadContext();
      CKLFile file;
      OpenText(file, text);
      read->ReadClub(file, ClubNumber(part.clubId), ClubReadContext{players, world_.Language(), 0});
      if (CClub* club = country->FindClub(part.clubId)) {
        // The club object stays: editors may hold it.
        static_cast<ClubFields&>(*club) = *read;
      } else {
        country->AddClub(std::move(read), ClubNumber(part.clubId));
      }
      return;
    }
    case WorldPartKind::kRules: {
      CGlobalRules rules;
      CKLFile file;
      OpenText(file, text);
      rules.ReadRules(file);
      world_.Rules() = rules;
      return;
    }
    case WorldPartKind::kPlayersWithoutClub: {
      CPlayersWithoutClub* list = world_.PlayersWithoutClub();
      if (!list || !captured.present) return;
      CKLFile file;
      OpenText(file, text);
      list->ReadWithout(file, world_.MakePlayerReadContext());
      return;
    }
    case WorldPartKind::kSettings:
      world_.Selection() = captured.selection;
      world_.SpareBytesA() = captured.spareA;
      world_.SpareBytesB() = captured.spareB;
      world_.SetLanguage(captured.language);
      return;
    case WorldPartKind::kFrame: {
      world_.SetFolder(captured.folder);
      world_.RestoreLoadState(captured.unreadableFiles, captured.loadReport);
      auto day = captured.calendars.begin();
      for (int i = 0; i < kFrameworkCalendarCount && captured.calendars.end() - day >= kCalendarDays; ++i) {
        const auto calendar = world_.Calendars().GetFrameworkCalendar(i);
        std::copy(day, day + kCalendarDays, calendar.begin());
        day += kCalendarDays;
      }
      return;
    }
  }
}

void Restorer::MovePersons() {
  // Every person leaves the table and its list first, so that two persons exchanging ids
  // both get theirs.
  std::vector<PlayerFields> fields;
  fields.reserve(moves_.size());
  for (const Move& move : moves_) {
    const CPlayer* person = persons_.FindPlayer(move.from);
    fields.push_back(person ? static_cast<const PlayerFields&>(*person) : PlayerFields{});
    persons_.RemovePlayer(move.from);
    if (IsManagerMove(move)) world_.Country(move.part.country)->RemoveAdditionalManager(move.from);
  }
  CPlayersWithoutClub* list = world_.PlayersWithoutClub();
  if (list) withoutClubIds_ = WithoutClubPersons(*list);
  for (size_t i = 0; i < moves_.size(); ++i) {
    // A person two restored parts list (a national squad and the club) is read once by each;
    // the first copy has the id back, the others list it again instead of keeping a copy.
    if (persons_.FindPlayer(moves_[i].to) && !keptOutside_.contains(moves_[i].to)) {
      Relist(moves_[i], moves_[i].to);
      continue;
    }
    // An id another person took meanwhile (outside the restored parts) keeps a fresh one.
    CPlayer* person = persons_.CreatePlayer(moves_[i].to, true);
    const uint32_t id = person->id;
    static_cast<PlayerFields&>(*person) = fields[i];
    person->id = id;
    Relist(moves_[i], id);
  }
  if (list) {
    list->Clear();
    for (uint32_t id : withoutClubIds_) list->Add(id);
  }
  moves_.clear();
}

bool Restorer::IsManagerMove(const Move& move) const {
  if (move.part.kind != WorldPartKind::kCountry) return false;
  size_t listedByClubs = 0;
  for (const auto& [clubId, club] : world_.Country(move.part.country)->Clubs()) listedByClubs += club->PlayerIds().size();
  return move.position >= listedByClubs;
}

void Restorer::Relist(const Move& move, uint32_t id) {
  switch (move.part.kind) {
    case WorldPartKind::kCountry: {
      CCountry* country = world_.Country(move.part.country);
      size_t position = move.position;
      for (const auto& [clubId, club] : country->Clubs()) {
        const size_t listed = club->PlayerIds().size();
        if (position < listed) {
          club->players[position] = id;
          return;
        }
        position -= listed;
      }
      country->AddAdditionalManager(id);
      return;
    }
    case WorldPartKind::kClub:
      FindClub(world_, move.part.clubId)->players[move.position] = id;
      return;
    case WorldPartKind::kPlayersWithoutClub:
      // The list takes only persons that exist: it is rebuilt once all are back.
      withoutClubIds_[move.position] = id;
      return;
    default:
      return;
  }
}

}  // namespace

bool WorldSnapshot::Restore(CWorldDatabase& world) const {
  // Texts kept in the temporary file are read back before anything changes: a file that
  // cannot be read leaves the world as it is.
  std::vector<std::string> fromFile(captured_.size());
  for (size_t i = 0; i < captured_.size(); ++i) {
    const Captured& c = captured_[i];
    if (!c.inTempFile) continue;
    fromFile[i].resize(c.tempLength);
    if (!tempFile_ || std::fseek(tempFile_.get(), c.tempOffset, SEEK_SET) != 0 ||
        std::fread(fromFile[i].data(), 1, c.tempLength, tempFile_.get()) != c.tempLength)
      return false;
  }
  Restorer restorer(world);
  for (const WorldPart& part : parts_) restorer.Clear(part);
  std::vector<uint32_t> wanted;
  for (const Captured& captured : captured_) wanted.insert(wanted.end(), captured.personIds.begin(), captured.personIds.end());
  restorer.RemoveUnlisted(wanted);
  for (size_t i = 0; i < parts_.size(); ++i)
    restorer.Read(parts_[i], captured_[i], captured_[i].inTempFile ? fromFile[i] : captured_[i].text);
  for (size_t i = 0; i < parts_.size(); ++i) restorer.GiveIdsBack(parts_[i], captured_[i].personIds);
  restorer.MovePersons();
  return true;
}

}  // namespace torvale
