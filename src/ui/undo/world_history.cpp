#include "ui/undo/world_history.h"

#include "ui/undo/undo_parts.h"
#include "ui/undo/world_undo_step.h"

namespace torvale {

WorldHistory::WorldHistory(WorldChanges& changes, QObject* parent) : QObject(parent), changes_(changes) {
  stack_.setUndoLimit(kStepLimit);
  connect(&changes_, &WorldChanges::aboutToChange, this, &WorldHistory::AboutToChange);
  connect(&changes_, &WorldChanges::changed, this, &WorldHistory::Changed);
  connect(&changes_, &WorldChanges::changeDropped, this, &WorldHistory::Forget);
  connect(&changes_, &WorldChanges::saved, this, [this] { stack_.setClean(); });
  connect(&stack_, &QUndoStack::cleanChanged, this, [this](bool clean) { changes_.SetModified(!clean); });
}

bool WorldHistory::CanUndo() const { return !changes_.InTransaction() && stack_.canUndo(); }
bool WorldHistory::CanRedo() const { return !changes_.InTransaction() && stack_.canRedo(); }

void WorldHistory::Undo() {
  if (CanUndo()) stack_.undo();
}

void WorldHistory::Redo() {
  if (CanRedo()) stack_.redo();
}

size_t WorldHistory::MemoryBytes() const {
  size_t bytes = 0;
  for (int i = 0; i < stack_.count(); ++i)
    if (const auto* step = dynamic_cast<const WorldUndoStep*>(stack_.command(i))) bytes += step->MemoryBytes();
  return bytes;
}

void WorldHistory::Restore(const ChangeScope& scope, const WorldSnapshot& snapshot, const QString& text) {
  restoring_ = true;
  changes_.Commit(scope, text, [&snapshot](CWorldDatabase& world) { snapshot.Restore(world); });
  restoring_ = false;
}

void WorldHistory::AboutToChange(const ChangeScope& scope) {
  if (restoring_) return;
  if (scope.wholeWorld) {
    beforeIncomplete_ = true;
    return;
  }
  const std::vector<WorldPart> parts = SnapshotPartsOf(scope);
  WorldSnapshot captured = WorldSnapshot::Capture(changes_.World(), parts);
  if (!before_) {
    before_ = std::move(captured);
  } else if (!before_->Absorb(std::move(captured))) {
    beforeIncomplete_ = true;
  }
}

void WorldHistory::Changed(const ChangeScope& scope, const QString& text) {
  if (restoring_) return;
  if (scope.wholeWorld || beforeIncomplete_ || !before_) {
    StartOver();
    return;
  }
  WorldSnapshot before = std::move(*before_);
  Forget();
  WorldSnapshot after = WorldSnapshot::Capture(changes_.World(), before.Parts());
  // Nothing changed after all (a calendar day clicked off and on again): no step to take back.
  // The world stays marked unsaved as the door marked it; that is what the user did.
  if (after.SameState(before)) return;
  stack_.push(new WorldUndoStep(*this, scope, text, std::move(before), std::move(after)));
}

void WorldHistory::Forget() {
  before_.reset();
  beforeIncomplete_ = false;
}

void WorldHistory::StartOver() {
  Forget();
  const bool unsaved = changes_.IsModified();
  stack_.clear();
  // What is in memory now was never saved: no step of the new history reaches a saved state.
  if (unsaved) stack_.resetClean();
  changes_.SetModified(unsaved);
}

}  // namespace torvale
