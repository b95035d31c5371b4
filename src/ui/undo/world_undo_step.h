#pragma once
// WorldUndoStep: one committed change of a world in its undo history — the parts the change
// touched as they were before it and as it left them. Undo puts back the first, redo the
// second; the history does the restoring (through the world's change door, so the main
// window refills its lists) without recording it again.

#include <QUndoCommand>

#include "database/world_snapshot.h"
#include "ui/common/world_changes.h"

namespace torvale {

class WorldHistory;

class WorldUndoStep : public QUndoCommand {
 public:
  WorldUndoStep(WorldHistory& history, ChangeScope scope, const QString& text, WorldSnapshot before,
                WorldSnapshot after);

  void undo() override;
  // The stack calls it when the step is pushed: the change is in the world already then.
  void redo() override;

  size_t MemoryBytes() const;
  size_t TempFileBytes() const;

 private:
  WorldHistory& history_;
  ChangeScope scope_;
  WorldSnapshot before_;
  WorldSnapshot after_;
  bool applied_ = true;
};

}  // namespace torvale
