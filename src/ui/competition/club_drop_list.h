#pragma once
// A club list of the league composition: its entries carry club references and can be dragged
// to the other lists of the dialog. A drop is not carried out by the list itself; it reports
// which clubs came from which list and where they landed, and the dialog asks the league.

#include <QListWidget>
#include <cstdint>
#include <vector>

namespace torvale {

class CClubDropList : public QListWidget {
  Q_OBJECT
 public:
  explicit CClubDropList(QWidget* parent = nullptr);

  // The club references of the selected entries, in list order.
  std::vector<uint32_t> SelectedClubs() const;

 signals:
  // `row` is where the clubs were dropped (the count for the end of the list).
  void clubsDropped(CClubDropList* source, std::vector<uint32_t> clubs, int row);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};

}  // namespace torvale
