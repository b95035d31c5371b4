#pragma once
// WorldHistory: the undo history of one open world, fed by the world's change door. Before a
// change (aboutToChange) it keeps the parts the scope names; a transaction that names more
// parts as it goes adds them before they change. After the change (changed) it keeps the same
// parts again and pushes one step with the change's text. A declined change leaves nothing; a
// change that left its parts as they were is no step either (but the world counts as edited).
//
// A whole-world change (load, import, restore, mapping, a batch over the world) clears the
// history instead of keeping it: a snapshot of every country costs tens of megabytes twice
// per step, and such changes reach into what no snapshot part holds (the calendars, the name
// pool, the id maps). Steps before it could then no longer be put back exactly.
//
// The history lives as long as its world (EditorContext owns both). Saving marks the clean
// point: the world counts as unsaved exactly while the history stands elsewhere.

#include <QObject>
#include <QUndoStack>
#include <optional>

#include "database/world_snapshot.h"
#include "ui/common/world_changes.h"

namespace torvale {

class WorldHistory : public QObject {
  Q_OBJECT
 public:
  static constexpr int kStepLimit = 100;

  explicit WorldHistory(WorldChanges& changes, QObject* parent = nullptr);

  QUndoStack& Stack() { return stack_; }
  const QUndoStack& Stack() const { return stack_; }
  // Not while a dialog holds a transaction open: its parts are in the middle of a change.
  bool CanUndo() const;
  bool CanRedo() const;
  void Undo();
  void Redo();

  // Bytes the steps hold in memory, and in their temporary files.
  size_t MemoryBytes() const;
  size_t TempFileBytes() const;

  // Puts a snapshot back as a change of `scope` that the history does not record (the steps
  // call it).
  // False when the snapshot could not be read back (the world is unchanged then).
  bool Restore(const ChangeScope& scope, const WorldSnapshot& snapshot, const QString& text);

 private:
  void AboutToChange(const ChangeScope& scope);
  void Changed(const ChangeScope& scope, const QString& text);
  void Forget();
  void StartOver();

  WorldChanges& changes_;
  QUndoStack stack_;
  std::optional<WorldSnapshot> before_;
  bool beforeIncomplete_ = false;  // a part could not be kept as it was before the change
  bool restoring_ = false;
};

}  // namespace torvale
