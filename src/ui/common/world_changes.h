#pragma once
// WorldChanges: the one door every change of an open world goes through. Each open world has
// one (EditorContext::ChangesOf); an editor never changes the world past it.
//
//   changes.Commit(ChangeScope::Country(14), tr("Verein bearbeiten"), [&](CWorldDatabase& w) {
//     *w.Country(14)->FindClub(id) = editedCopy;   // the change itself, applied at once
//   });
//
// A dialog that changes the world directly while it is open (the squad editor's person pages)
// brackets its work in BeginTransaction / EndTransaction instead; Commits inside a
// transaction belong to it: only parts the transaction did not name yet are announced.
//
// Before a change is applied, aboutToChange(scope) is sent (undo snapshots exactly the parts
// the scope names there); after it, changed(scope, text) (the main window refills its lists,
// undo records the step). modifiedChanged follows IsModified, which the caption's trailing
// " *" shows; MarkSaved is called after a successful save.

#include <QObject>
#include <QString>
#include <bitset>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <set>
#include <span>

#include "database/world_database.h"

namespace torvale {

// Which parts of a world a change touches. The finer the scope, the smaller the undo step;
// but a scope that misses a part the change touched leaves that part changed after an undo,
// so a committer names everything it may touch and takes the bigger part when unsure.
struct ChangeScope {
  std::bitset<kCountrySlots> countries;         // everything of the country
  std::bitset<kCountrySlots> countrySettings;   // the country's own fields and its competitions only
  std::set<uint32_t> clubs;                      // single clubs with their persons (bit 24 cleared)
  bool rules = false;               // the global rules
  bool playersWithoutClub = false;  // the players without club
  bool settings = false;            // language, folder, starting selection and the other settings
  bool wholeWorld = false;          // everything, the folder too: an import or a restore of the database

  static ChangeScope Country(int number);
  static ChangeScope Countries(std::initializer_list<int> numbers);
  static ChangeScope CountrySettings(int number);
  // One club (a reserve team's id names its club) with the persons it lists.
  static ChangeScope Club(uint32_t clubId);
  // Every club, list and country that lists one of the persons: what deleting or re-listing
  // them touches (a person may be in a national squad and in the free list besides its club).
  static ChangeScope ListingPersons(const CWorldDatabase& world, std::span<const uint32_t> personIds);
  static ChangeScope Rules();
  static ChangeScope PlayersWithoutClub();
  static ChangeScope Settings();
  // Every country and the players without club: a command over every club's persons (a
  // person a club lists may be listed by the free list or a national squad too).
  static ChangeScope AllCountries();
  static ChangeScope WholeWorld();

  ChangeScope& operator|=(const ChangeScope& other);
  // Whether the change may have touched country `number` (its settings, a club of it or all
  // of it; always for the whole world).
  bool Touches(int number) const;
  // Whether every part `other` names is named here too.
  bool Covers(const ChangeScope& other) const;
  bool IsEmpty() const;
  friend bool operator==(const ChangeScope&, const ChangeScope&) = default;
};

class WorldChanges : public QObject {
  Q_OBJECT
 public:
  explicit WorldChanges(CWorldDatabase& world, QObject* parent = nullptr);

  CWorldDatabase& World() const { return world_; }

  // Applies one change at once. The bool form may decline (return false: nothing was changed);
  // then changeDropped follows aboutToChange instead of changed, and the world stays unmodified
  // by it. Returns whether the change was applied.
  void Commit(const ChangeScope& scope, const QString& text, const std::function<void(CWorldDatabase&)>& apply);
  bool CommitIf(const ChangeScope& scope, const QString& text, const std::function<bool(CWorldDatabase&)>& apply);

  // For dialogs that change the world while open. Transactions nest; the outermost one sends
  // the signals. EndTransaction(false) says nothing was changed after all.
  void BeginTransaction(const ChangeScope& scope, const QString& text);
  void EndTransaction(bool changed = true);
  bool InTransaction() const { return depth_ > 0; }

  // Widens an open transaction by parts it did not name yet, before the dialog touches them
  // (the squad editor, when a person of another club joins its list and may be edited).
  void WidenTransaction(const ChangeScope& scope);

  bool IsModified() const { return modified_; }
  // After a successful save, or a load: what is in memory is what is on disk.
  void MarkSaved();
  // Undo and redo set it from the history: back at the saved state nothing is unsaved.
  void SetModified(bool modified);

 signals:
  void aboutToChange(const torvale::ChangeScope& scope);
  void changed(const torvale::ChangeScope& scope, const QString& text);
  void changeDropped(const torvale::ChangeScope& scope);
  void modifiedChanged(bool modified);
  // After every MarkSaved: the undo history marks its clean point.
  void saved();

 private:

  CWorldDatabase& world_;
  bool modified_ = false;
  int depth_ = 0;
  ChangeScope transactionScope_;
  QString transactionText_;
  bool transactionChanged_ = false;
};

// A transaction that ends with the scope, for dialogs with several ways out.
class ScopedWorldTransaction {
 public:
  ScopedWorldTransaction(WorldChanges& changes, const ChangeScope& scope, const QString& text)
      : changes_(changes) {
    changes_.BeginTransaction(scope, text);
  }
  ScopedWorldTransaction(const ScopedWorldTransaction&) = delete;
  ScopedWorldTransaction& operator=(const ScopedWorldTransaction&) = delete;
  ~ScopedWorldTransaction() { changes_.EndTransaction(changed_); }
  // Call when the dialog ends without having changed anything.
  void Unchanged() { changed_ = false; }

 private:
  WorldChanges& changes_;
  bool changed_ = true;
};

}  // namespace torvale

Q_DECLARE_METATYPE(torvale::ChangeScope)
