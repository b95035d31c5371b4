#pragma once
// "Schnelle Transfers": two clubs side by side; the persons selected on one side move to the
// other with the transfer rules of the person search (a full club takes nobody, shirt number
// 0, contract from 2003). Each move of a selection is one change of the world.

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace torvale {

class EditorContext;

class CDlgFastTransfer : public QDialog {
  Q_OBJECT
 public:
  CDlgFastTransfer(EditorContext& context, QWidget* parent = nullptr);

  // Shows club `clubId` (bit 24: persons move into its reserve team) on side 0 (left) or 1.
  void SetClub(int side, uint32_t clubId);
  uint32_t Club(int side) const { return clubs_[static_cast<size_t>(side)]; }
  QTreeWidget& List(int side) { return *lists_[static_cast<size_t>(side)]; }
  // Moves the selected persons of side `from` to the other side's club; returns how many moved.
  int MoveSelected(int from);
  // How "Verein wählen" asks for a club (CDlgChooseClub unless replaced).
  void SetClubChooser(std::function<uint32_t(QWidget*, uint32_t)> chooser) { chooseClub_ = std::move(chooser); }

 private:
  void Refill(int side);
  void UpdateButtons();

  EditorContext& context_;
  std::array<uint32_t, 2> clubs_{};
  std::array<QLabel*, 2> titles_{};
  std::array<QTreeWidget*, 2> lists_{};
  std::array<QPushButton*, 2> moveButtons_{};
  QLabel* status_;
  std::function<uint32_t(QWidget*, uint32_t)> chooseClub_;
};

}  // namespace torvale
