#include "ui/undo/world_undo_step.h"

#include "ui/undo/world_history.h"

namespace torvale {

WorldUndoStep::WorldUndoStep(WorldHistory& history, ChangeScope scope, const QString& text, WorldSnapshot before,
                             WorldSnapshot after)
    : QUndoCommand(text), history_(history), scope_(std::move(scope)), before_(std::move(before)),
      after_(std::move(after)) {}

void WorldUndoStep::undo() {
  history_.Restore(scope_, before_, QString::fromUtf8("Rückgängig: %1").arg(text()));
  applied_ = false;
}

void WorldUndoStep::redo() {
  if (applied_) return;
  history_.Restore(scope_, after_, QStringLiteral("Wiederholen: %1").arg(text()));
  applied_ = true;
}

size_t WorldUndoStep::TempFileBytes() const { return before_.TempFileBytes() + after_.TempFileBytes(); }

size_t WorldUndoStep::MemoryBytes() const {
  return sizeof(*this) + before_.MemoryBytes() + after_.MemoryBytes() + static_cast<size_t>(text().capacity()) * 2;
}

}  // namespace torvale
