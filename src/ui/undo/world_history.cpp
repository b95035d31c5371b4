#include "ui/undo/world_history.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

#include "ui/undo/undo_parts.h"
#include "ui/undo/world_undo_step.h"

namespace torvale {

namespace {

// Steps that name more than one country keep only the countries the change really touched,
// and steps that still hold this much text keep it in a temporary file, so that a hundred
// imports or commands over the world do not hold the world a hundred times in memory.
constexpr size_t kTempFileFrom = 2 * 1024 * 1024;

bool NamesManyCountries(const ChangeScope& scope) { return scope.wholeWorld || scope.countries.count() > 1; }

// Capturing every country takes a moment on a big world.
class WaitCursor {
 public:
  explicit WaitCursor(bool wanted) : shown_(wanted && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    if (shown_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() {
    if (shown_) QGuiApplication::restoreOverrideCursor();
  }

 private:
  bool shown_;
};

}  // namespace

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

size_t WorldHistory::TempFileBytes() const {
  size_t bytes = 0;
  for (int i = 0; i < stack_.count(); ++i)
    if (const auto* step = dynamic_cast<const WorldUndoStep*>(stack_.command(i))) bytes += step->TempFileBytes();
  return bytes;
}

bool WorldHistory::Restore(const ChangeScope& scope, const WorldSnapshot& snapshot, const QString& text) {
  WaitCursor wait(NamesManyCountries(scope));
  restoring_ = true;
  const bool restored =
      changes_.CommitIf(scope, text, [&snapshot](CWorldDatabase& world) { return snapshot.Restore(world); });
  restoring_ = false;
  // The step's temporary file could not be read back: the world is as it was, but no step
  // of this history can be trusted any more. The stack is cleared once the step has returned.
  if (!restored) QTimer::singleShot(0, this, [this] { StartOver(); });
  return restored;
}

void WorldHistory::AboutToChange(const ChangeScope& scope) {
  if (restoring_) return;
  const std::vector<WorldPart> parts = SnapshotPartsOf(scope);
  WaitCursor wait(NamesManyCountries(scope));
  WorldSnapshot captured = NamesManyCountries(scope) ? WorldSnapshot::CaptureUnpacked(changes_.World(), parts)
                                                     : WorldSnapshot::Capture(changes_.World(), parts);
  if (!before_) {
    before_ = std::move(captured);
  } else if (!before_->Absorb(std::move(captured))) {
    beforeIncomplete_ = true;
  }
}

void WorldHistory::Changed(const ChangeScope& scope, const QString& text) {
  if (restoring_) return;
  if (beforeIncomplete_ || !before_) {
    StartOver();
    return;
  }
  WorldSnapshot before = std::move(*before_);
  Forget();
  const bool many = NamesManyCountries(scope);
  WaitCursor wait(many);
  WorldSnapshot after = many ? WorldSnapshot::CaptureUnpacked(changes_.World(), before.Parts())
                             : WorldSnapshot::Capture(changes_.World(), before.Parts());
  // Nothing changed after all (a calendar day clicked off and on again): no step to take back.
  // The world stays marked unsaved as the door marked it; that is what the user did.
  if (after.SameState(before)) return;
  if (many) {
    WorldSnapshot::DropUnchanged(before, after);
    before.PackTexts();
    after.PackTexts();
  }
  if (before.MemoryBytes() + after.MemoryBytes() >= kTempFileFrom) {
    // Without a temporary file the step stays in memory: still correct, only bigger.
    before.MoveTextsToTempFile();
    after.MoveTextsToTempFile();
  }
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
