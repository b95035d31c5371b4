#pragma once
// UndoMenuActions: the "Rückgängig" and "Wiederholen" items of a menu, following the history
// of the world the window shows: "&Rückgängig: <what>" while there is a step to take back,
// plain and greyed "&Rückgängig" when there is none (the same for "&Wiederholen"). Ctrl+Z
// takes back; Ctrl+Y and Ctrl+Shift+Z redo.

#include <QObject>
#include <QPointer>

class QAction;

namespace torvale {

class WorldHistory;

class UndoMenuActions : public QObject {
  Q_OBJECT
 public:
  explicit UndoMenuActions(QObject* parent);

  QAction* UndoAction() const { return undo_; }
  QAction* RedoAction() const { return redo_; }

  // The history the items act on; null for none. Closing the world ends its history, and the
  // items grey.
  void Follow(WorldHistory* history);
  // Re-reads the texts and states (a dialog's transaction holds the history back).
  void Update();

 private:
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QPointer<WorldHistory> history_;
  QList<QMetaObject::Connection> connections_;
};

}  // namespace torvale
