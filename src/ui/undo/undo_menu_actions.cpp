#include "ui/undo/undo_menu_actions.h"

#include <QAction>

#include "ui/undo/world_history.h"

namespace torvale {

namespace {

// A step's text names clubs and persons, which may hold an ampersand of their own.
QString MenuText(const QString& verb, const QString& what) {
  if (what.isEmpty()) return verb;
  return verb + QStringLiteral(": ") + QString(what).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

UndoMenuActions::UndoMenuActions(QObject* parent) : QObject(parent) {
  undo_ = new QAction(this);
  undo_->setObjectName(QStringLiteral("undoAction"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_ = new QAction(this);
  redo_->setObjectName(QStringLiteral("redoAction"));
  redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  connect(undo_, &QAction::triggered, this, [this] {
    if (history_) history_->Undo();
  });
  connect(redo_, &QAction::triggered, this, [this] {
    if (history_) history_->Redo();
  });
  Update();
}

void UndoMenuActions::Follow(WorldHistory* history) {
  for (const QMetaObject::Connection& connection : connections_) disconnect(connection);
  connections_.clear();
  history_ = history;
  if (history) {
    QUndoStack* stack = &history->Stack();
    connections_.push_back(connect(stack, &QUndoStack::indexChanged, this, [this] { Update(); }));
    connections_.push_back(connect(stack, &QUndoStack::cleanChanged, this, [this] { Update(); }));
    connections_.push_back(connect(history, &QObject::destroyed, this, [this] { Update(); }));
  }
  Update();
}

void UndoMenuActions::Update() {
  const bool canUndo = history_ && history_->CanUndo();
  const bool canRedo = history_ && history_->CanRedo();
  undo_->setEnabled(canUndo);
  undo_->setText(MenuText(QString::fromUtf8("&Rückgängig"), canUndo ? history_->Stack().undoText() : QString()));
  redo_->setEnabled(canRedo);
  redo_->setText(MenuText(QStringLiteral("&Wiederholen"), canRedo ? history_->Stack().redoText() : QString()));
}

}  // namespace torvale
