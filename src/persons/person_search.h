#pragma once
// The person search: finds players and officials anywhere in a world by first name, surname
// and nickname or stage name, with "*" (any run) and "?" (any one character) as wildcards.
// Texts and names are compared after folding accents (ligatures as two letters) and upper-
// casing a to z, so "o*" finds "Özil" and "MULLER" finds "Müller".
//
// How the search dialogs use it:
//   1. The application keeps one PersonSearchTexts for the whole run; CDlgPlayerSearch edits
//      it (at most kSearchTextChars characters per field) so the next search shows them again.
//   2. CDlgSearchResult makes PersonSearchPatterns::FromTexts(texts) and starts a worker
//      thread that calls RunPersonSearch(world, patterns, sink, cancel). The sink is called on
//      the worker thread with the hits found since its last call, at most every 50 ms and
//      once more at the end (`final`); it forwards them to the GUI thread (a queued signal
//      carrying the vector) and never touches a widget itself.
//   3. To stop (before a restart, when the dialog closes) the dialog sets `cancel` and joins
//      the worker; the walk looks at the flag before every person and returns at once.
//   4. Rows: MakeSearchResultRow gives the seven columns' texts and sort keys of a hit;
//      CompareSearchResultRows orders two rows by a column, names through the caller's
//      collation; ClickSortColumn (list_order.h) turns header clicks into the sort order.
//   5. Commands on a row (only while no worker runs and with commands allowed):
//      "Spieler transferieren" / "Spieler holen": TransferPerson(world, row.hit.playerId,
//      row.hit.clubId, chosen or target club) (world_persons.h); on kMoved the row's club id
//      becomes the chosen club's (bit 24 cleared) and the changed flag is set; kClubFull and
//      kUnchanged are silent. "Spieler löschen": ReleaseToPlayersWithoutClub(world, id,
//      row.hit.clubId) (false, nothing done, for a person without club). Afterwards the search
//      is run again.
//
// The world must not change while a walk runs: the result dialog is modal and refuses its
// commands while the worker is busy.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "persons/list_order.h"
#include "world/date.h"

namespace torvale {

class CPlayer;
class CWorldDatabase;

// Longest search text; the prepared pattern lives in a buffer of one more byte.
constexpr size_t kSearchTextChars = 127;

// The three search texts as the user typed them (Windows-1252).
struct PersonSearchTexts {
  std::string firstName;
  std::string nickname;  // nickname or stage name
  std::string surname;
};

// Accent-folded (ligatures as two letters), cut to kSearchTextChars characters and upper-
// cased (a to z only): the form both search texts and names are compared in.
std::string PrepareSearchText(std::string_view text);

// The prepared patterns; an empty one is no criterion.
struct PersonSearchPatterns {
  std::string firstName;
  std::string nickname;
  std::string surname;

  static PersonSearchPatterns FromTexts(const PersonSearchTexts& texts);
  bool Empty() const { return firstName.empty() && nickname.empty() && surname.empty(); }
};

// All set criteria hold: the first name matches; the nickname matches or, failing that, the
// stage name does (an empty name never matches); the surname matches.
bool MatchesPerson(const CPlayer& person, const PersonSearchPatterns& patterns);

// One hit: the person and its club (0 for a player without club).
struct SearchHit {
  uint32_t playerId = 0;
  uint32_t clubId = 0;
  friend bool operator==(const SearchHit&, const SearchHit&) = default;
};

// Receives the hits in batches on the worker thread.
class PersonSearchSink {
 public:
  virtual ~PersonSearchSink() = default;
  // `hits` are the hits found since the previous call (possibly none). `final` is set on the
  // last call of a walk that was not cancelled.
  virtual void DeliverBatch(std::vector<SearchHit> hits, bool final) = 0;
};

enum class SearchOutcome { kCompleted, kCancelled };

// Walks the world: countries 1 to 206, their clubs in club order, each club's persons in list
// order, then the players without club in list order. With all patterns empty nothing is
// walked and an empty final batch is delivered. Batches go out when a hit is found and more
// than `batchInterval` has passed since the last one, and at the end. A cancelled walk
// delivers nothing more.
SearchOutcome RunPersonSearch(const CWorldDatabase& world, const PersonSearchPatterns& patterns,
                              PersonSearchSink& sink, const std::atomic<bool>& cancel,
                              std::chrono::milliseconds batchInterval = std::chrono::milliseconds(50));

// Columns of the result list.
enum SearchResultColumn : int {
  kSearchFirstName = 0,  // "Vorname" (889)
  kSearchSurname,        // "Nachname" (891)
  kSearchStageName,      // "Künstlername" (893)
  kSearchPosition,       // "Pos" (864)
  kSearchBirthDate,      // "Geburtstag" (852)
  kSearchClub,           // "Verein" (851)
  kSearchCountry,        // "Land" (894)
  kSearchColumnCount
};

// What a result row shows (Windows-1252), with the raw values it sorts by.
struct SearchResultRow {
  SearchHit hit;
  std::string firstName;
  std::string surname;
  std::string stageName;
  std::string position;     // main position, or the role of an official
  std::string birthDate;    // "dd.mm.yyyy"
  std::string clubName;     // empty without club
  std::string countryName;  // the club's country; empty without club
  int positionKey = 0;      // PositionOrRoleKey
  DATE birthDay;

  // The text of one column.
  const std::string& Text(int column) const;
};

// The row of a hit; false when its person no longer exists.
bool MakeSearchResultRow(const CWorldDatabase& world, const SearchHit& hit, SearchResultRow& row);

// The order of two rows by `column`: first name then surname; surname then first name;
// stage name; position (players by main position, before officials by role); birth date
// (earlier first); club name; country name. Names compare through `names`.
int CompareSearchResultRows(const SearchResultRow& left, const SearchResultRow& right, int column,
                            const NameCompare& names);

}  // namespace torvale
