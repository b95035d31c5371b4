#pragma once
// The competition tree: every league, cup, play-off, international round and team pool is a
// node derived from CDBCompetition. Nodes live in the world's CompetitionRegistry and refer to
// one another only by CompetitionId, so a node can be replaced or deleted without dangling
// pointers; the registry links each node back to itself when it is filed.
//
// The virtual operations keep the slots of the game's node objects in their order: text
// record, calendar, consistency, team lookup, matchday count and money. Which file defines
// what: the common data, links and base behaviour here (competition_tree.cpp); text records in
// competition_records.cpp; calendar operations in calendar_operations.cpp; leagues in
// league.h, cups in cup.h, rounds and pools in competition_round.h.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "competition/competition_id.h"
#include "competition/competition_keywords.h"

namespace torvale {

class CKLFile;
class CMasterWriter;
class ClubIdMapper;
class CompetitionRegistry;

class CDBCompetition {
 public:
  static constexpr int kNameSize = 128;
  static constexpr int kShortNameSize = 20;
  static constexpr int kShortNameChars = 16;
  // The game reads names into short buffers: leagues and cups keep 29 characters, rounds 127
  // (reading a record cuts them there too).
  static constexpr size_t kGameNameChars = 29;
  static constexpr size_t kGameRoundNameChars = 127;
  static constexpr int kDays = 400;
  // Leagues play within the calendar year of days 0-364; cups and rounds may use every day.
  static constexpr int kLastLeagueDay = 364;
  static constexpr int kLastCupDay = kDays - 1;
  static constexpr int kMaxLinks = 10;
  static constexpr int kMoneyValues = 4;

  CDBCompetition(const CDBCompetition&) = delete;
  CDBCompetition& operator=(const CDBCompetition&) = delete;

  // 1.
  virtual ~CDBCompetition();
  // 2. True when this node or any successor plays on the day.
  virtual int IsActiveOnDay(int day) const;
  // 3. Reads the kind-specific record and the common tail (the type and id lines are read by
  // the group reader that created the node).
  virtual void ReadText(CKLFile& file);
  // 4. Writes type line, id line, kind-specific record and common tail. `countryOverride`
  // (-1 for none) replaces the country of every id written; club references go through
  // `clubs` so that they match the numbering the saved file will be reloaded with.
  virtual void WriteText(CKLFile& file, int countryOverride, const ClubIdMapper& clubs) const;
  // 5. The node's record in the game's master file (competition_master.cpp); the same
  // override and club numbering as the text record.
  virtual void WriteMaster(CMasterWriter& writer, int countryOverride, const ClubIdMapper& clubs) const;
  // 6. The text of a matchday (from 1): its number, or a cup's round name.
  virtual std::string MatchdayLabel(int matchday) const;
  // 7. Problem bits (see the league and cup checks); the base passes on its first successor's.
  virtual uint32_t CheckConsistency(int limit) const;
  // 8. Position of a team in the node's team list, -1 when absent. Nodes without a team list
  // answer 0: to the game a cup or play-off is open to every team.
  virtual int FindTeam(uint32_t team) const;
  // 9-15. Calendar operations on the day table.
  virtual int AddMatchday(int day);
  virtual int PreviousMatchday(int day) const;
  virtual int SameLevelQuery(int day) const;
  virtual int MatchdayOnDay(int day) const;
  virtual int MatchdayOnDayOrSameLevel(int day) const;
  virtual int RemoveMatchday(int day);
  // 16. Matchdays this node needs.
  virtual int MatchdayCount() const = 0;
  // 17-20. Money values. Cups pass their whole 4 x 8 round table through SetMoney/GetMoney.
  virtual void SetMoney(std::span<const int32_t> values);
  virtual void SetMoneyValue(int i, int32_t value);
  virtual void GetMoney(std::span<int32_t> values) const;
  virtual int32_t GetMoneyValue(int i) const;

  // ---- common data ----
  const char* Name() const { return name_.data(); }
  void SetName(std::string_view name);
  const char* ShortName() const { return shortName_.data(); }
  // Keeps at most 16 characters.
  void SetShortName(std::string_view name);
  CompetitionId Id() const { return id_; }
  void SetId(CompetitionId id) { id_ = id; }
  int Country() const { return CompetitionCountry(id_); }
  int Kind() const { return CompetitionKindOf(id_); }
  int32_t RuleStart() const { return ruleStart_; }
  void SetRuleStart(int32_t start) { ruleStart_ = start; }
  // Matchday number on a season day (0 for none, also for days outside 0-399).
  int DayMatchday(int day) const;
  void SetDayMatchday(int day, int matchday);
  void ClearDays() { days_.fill(0); }
  int8_t GetRoundType() const { return roundType_; }
  void SetRoundType(int8_t type) { roundType_ = type; }
  int NodeTypeValue() const { return nodeType_; }
  CompetitionId Owner() const { return owner_; }
  void SetOwner(CompetitionId owner) { owner_ = owner; }
  CompetitionId Previous() const { return previous_; }
  void SetPrevious(CompetitionId id) { previous_ = id; }
  CompetitionId Next() const { return next_; }
  void SetNext(CompetitionId id) { next_ = id; }
  int32_t Level() const { return level_; }
  void SetLevel(int32_t level) { level_ = level; }

  // ---- links ----
  // Appending to a full list (10 ids) does nothing; duplicates are not looked for. With
  // `backLink` the other node (when registered) gets this node in its mirror list.
  void AddPredecessor(CompetitionId id, bool backLink);
  void AddSuccessor(CompetitionId id, bool backLink);
  // Remove the first occurrence and close the gap.
  void RemovePredecessor(CompetitionId id);
  void RemoveSuccessor(CompetitionId id);
  int PredecessorCount() const;
  int SuccessorCount() const;
  CompetitionId GetPredecessor(int i) const;
  CompetitionId GetSuccessor(int i) const;
  CDBCompetition* GetSuccessorNode(int i) const;
  CDBCompetition* GetPredecessorNode(int i) const;
  void ClearLinks();

  // The registry this node is filed in (set by the registry), null before.
  CompetitionRegistry* Registry() const { return registry_; }
  CDBCompetition* FindNode(CompetitionId id) const;

 protected:
  explicit CDBCompetition(int nodeType);

  // True when the matchday on the last marked day before day 399 is the last one the node
  // needs (cups and rounds report 0x20000 otherwise).
  bool AllMatchdaysPlaced() const;

  // Record pieces shared by the node kinds.
  void WriteHeader(CKLFile& file, std::string_view typeLine, int countryOverride) const;
  void WriteCommonTail(CKLFile& file, int countryOverride) const;
  void WriteMasterTail(CMasterWriter& writer, int countryOverride) const;
  // Marked days from 0 to `lastDay`, ascending, cut or padded with 0 to MatchdayCount entries.
  void WriteMasterDays(CMasterWriter& writer, int lastDay) const;
  void ReadCommonTail(CKLFile& file);
  // Name lines of league, cup and round records: the name (cut to `maxNameChars`) and, in
  // files new enough to have one, the short name; else the first 16 characters of the name.
  void ReadNames(CKLFile& file, size_t maxNameChars);
  void WriteNames(CKLFile& file) const;
  // The "MATCHDAYS" section: every marked day of `lastDay` and before, padded with "0," to
  // MatchdayCount entries; reading marks at most `maxMarked` days from 1 to `lastDay`.
  void WriteMatchdaySection(CKLFile& file, int lastDay) const;
  void ReadMatchdaySection(CKLFile& file, int lastDay, int maxMarked);

  std::array<char, kNameSize> name_{};
  std::array<char, kShortNameSize> shortName_{};
  int32_t ruleStart_ = -1;
  CompetitionId id_ = 0;
  std::array<int32_t, kDays> days_{};
  int8_t roundType_ = -1;
  int32_t nodeType_ = 0;
  CompetitionId owner_ = 0;
  CompetitionId previous_ = 0;
  CompetitionId next_ = 0;
  std::array<CompetitionId, kMaxLinks> predecessors_{};
  std::array<CompetitionId, kMaxLinks> successors_{};
  std::array<int32_t, kMoneyValues> money_{};
  int32_t level_ = -1;

 private:
  friend class CompetitionRegistry;
  CompetitionRegistry* registry_ = nullptr;
};

// One per country: the top of the country's competitions and the ids of its national cups.
class CDBRoot final : public CDBCompetition {
 public:
  explicit CDBRoot(int country);

  int MatchdayCount() const override { return 0; }
  void WriteText(CKLFile& file, int countryOverride, const ClubIdMapper& clubs) const override;

  int CountryNumber() const { return country_; }
  // Looks the five national cups up in the registry again; call after every change of the
  // cup set.
  void RefreshCupIds();
  // Id of the national cup of that kind (FA_CUP, LE_CUP, CHALLENGE_SHIELD, CONFERENCE_CUP,
  // SUPERCUP), 0 when the country has none.
  CompetitionId CupId(int kind) const;

 private:
  uint8_t country_ = 0;
  CompetitionId superCup_ = 0;
  CompetitionId faCup_ = 0;
  CompetitionId leCup_ = 0;
  CompetitionId challengeShield_ = 0;
  CompetitionId conferenceCup_ = 0;
};

// Common base of the league classes; it adds nothing but keeps the game's class layout.
class CDBLeagueBase : public CDBCompetition {
 protected:
  CDBLeagueBase() : CDBCompetition(NodeType::DB_LEAGUE) {}
};

}  // namespace torvale
