#include "ui/competition/club_drop_list.h"

#include <QDropEvent>

namespace torvale {

CClubDropList::CClubDropList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
}

std::vector<uint32_t> CClubDropList::SelectedClubs() const {
  std::vector<uint32_t> clubs;
  for (int i = 0; i < count(); ++i) {
    if (item(i)->isSelected()) clubs.push_back(item(i)->data(Qt::UserRole).toUInt());
  }
  return clubs;
}

void CClubDropList::dragEnterEvent(QDragEnterEvent* event) {
  if (qobject_cast<CClubDropList*>(event->source())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void CClubDropList::dragMoveEvent(QDragMoveEvent* event) {
  if (qobject_cast<CClubDropList*>(event->source())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void CClubDropList::dropEvent(QDropEvent* event) {
  auto* source = qobject_cast<CClubDropList*>(event->source());
  if (!source) {
    event->ignore();
    return;
  }
  const QModelIndex at = indexAt(event->position().toPoint());
  const int row = at.isValid() ? at.row() : count();
  // The lists are refilled from the world afterwards, so Qt must not move the items itself.
  event->setDropAction(Qt::CopyAction);
  event->accept();
  emit clubsDropped(source, source->SelectedClubs(), row);
}

}  // namespace torvale
