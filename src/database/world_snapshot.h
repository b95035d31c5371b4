#pragma once
// Snapshots of parts of a world, for undo and redo: the state of one country (its settings,
// clubs, persons, lists and competitions), of a country's settings and competitions alone
// (what the calendar and the league system change), one club (with its persons), the global
// rules, the players without club or the world's small settings, kept as the record text
// their own writers produce. Only the parts a change touches are kept, never the whole
// world; the smallest part that covers a change keeps the undo history small (a whole
// country is about a megabyte of text, a club some ten kilobytes).
//
// A save renumbers clubs and list entries 1, 2, 3, ... and reading gives some persons new
// ids; a snapshot must not, or references from the rest of the world would point elsewhere
// after an undo. So the text is written with every club reference and stadium number as
// memory holds it, and the numbers and person ids that the text does not carry are kept
// beside it. Restoring gives each part back its objects' numbers and its persons' ids, and
// removes the persons the change created there, so that a save after the restore writes the
// same files as a save before the change.
//
// The caller names every part the change touches: a person moved from a club of country A
// to country B needs both; a person moved to the players without club needs that list too.
// A change of the whole world (an import reads another folder into it) names every country,
// the rules, the list, the settings and the frame (WholeWorldParts).

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "world/country.h"

namespace torvale {

class CWorldDatabase;

enum class WorldPartKind : uint8_t {
  kCountry,           // everything of the country
  kCountrySettings,   // the country's own fields and its competitions; not its clubs, persons and lists
  kClub,              // one club with its persons
  kRules,
  kPlayersWithoutClub,
  kSettings,          // the world's starting selection, spare bytes and language
  kFrame,             // the folder, the last load's unreadable files and report, the framework calendars
};

struct WorldPart {
  WorldPartKind kind = WorldPartKind::kSettings;
  int country = 0;      // kCountry, kCountrySettings; for kClub the club's country
  uint32_t clubId = 0;  // kClub (bit 24 ignored)

  static WorldPart Country(int number) { return {WorldPartKind::kCountry, number, 0}; }
  static WorldPart CountrySettings(int number) { return {WorldPartKind::kCountrySettings, number, 0}; }
  static WorldPart Club(uint32_t clubId);
  static WorldPart Rules() { return {WorldPartKind::kRules, 0, 0}; }
  static WorldPart PlayersWithoutClub() { return {WorldPartKind::kPlayersWithoutClub, 0, 0}; }
  static WorldPart Settings() { return {WorldPartKind::kSettings, 0, 0}; }
  static WorldPart Frame() { return {WorldPartKind::kFrame, 0, 0}; }

  friend bool operator==(const WorldPart&, const WorldPart&) = default;
};

// Every part of a world: what an import or a load into the open world replaces.
std::vector<WorldPart> WholeWorldParts();

class WorldSnapshot {
 public:
  WorldSnapshot();
  WorldSnapshot(WorldSnapshot&&) noexcept;
  WorldSnapshot& operator=(WorldSnapshot&&) noexcept;
  ~WorldSnapshot();

  // Captures the parts (a part named twice is kept once; a club or the settings of a
  // captured country add nothing). A club that does not exist is captured as absent: restoring removes it.
  static WorldSnapshot Capture(const CWorldDatabase& world, std::span<const WorldPart> parts);
  // The same with the large texts left unpacked: a change over many countries compares the
  // two sides first (DropUnchanged) and packs only what it keeps (PackTexts).
  static WorldSnapshot CaptureUnpacked(const CWorldDatabase& world, std::span<const WorldPart> parts);
  // Packs the large texts, on every processor: packing is most of the time a capture takes.
  void PackTexts();

  // Puts every part back as captured. Persons the parts list now are removed first (those
  // the change created with them), then the captured persons come back under their ids. A
  // country or list that is absent from the world is skipped. False, and nothing changed,
  // when texts kept in the temporary file cannot be read back.
  bool Restore(CWorldDatabase& world) const;

  // Adds the parts of `later` that this snapshot does not hold yet: a change that names more
  // parts as it goes captures each before it touches it, and one restore must put them all
  // back together (a person moved between two parts finds its id free only then). False, and
  // nothing added, when `later` holds a whole country of which this snapshot holds a club or
  // the settings already: those changed before the country was captured.
  bool Absorb(WorldSnapshot&& later);

  const std::vector<WorldPart>& Parts() const { return parts_; }
  // Drops the parts that `before` and `after` hold in the same state: a command over the
  // whole world that changed a few countries keeps only those. Both must hold the same parts.
  static void DropUnchanged(WorldSnapshot& before, WorldSnapshot& after);

  // Moves the record texts into an anonymous temporary file (the system removes it when the
  // snapshot goes, even after a crash), so that a snapshot of many countries holds little
  // memory. False, and the texts stay in memory, when the file cannot be written.
  bool MoveTextsToTempFile();

  // Bytes held in memory, for the undo stack's budget, and bytes kept in the temporary file.
  size_t MemoryBytes() const;
  size_t TempFileBytes() const;
  // The same parts in the same state: a change that left them so needs no undo step.
  bool SameState(const WorldSnapshot& other) const;

  // What is kept of one part (world_snapshot.cpp).
  struct Captured;

 private:
  std::vector<WorldPart> parts_;
  std::vector<Captured> captured_;
  std::shared_ptr<std::FILE> tempFile_;  // the texts MoveTextsToTempFile moved out
};

}  // namespace torvale
