#pragma once
// "Spielervergleich": two persons side by side — their abilities as bars, strength and player
// type — with the better value of each row highlighted. Each side's person is picked through
// CDlgPlayerSelect.

#include <QDialog>
#include <array>
#include <cstdint>

class QLabel;

namespace torvale {

class AbilityBars;
class EditorContext;

class CDlgPlayerCompare : public QDialog {
  Q_OBJECT
 public:
  CDlgPlayerCompare(EditorContext& context, QWidget* parent = nullptr);

  // Shows person `playerId` on side 0 (left) or 1; an id of no person empties the side.
  void SetPerson(int side, uint32_t playerId);
  uint32_t Person(int side) const { return persons_[static_cast<size_t>(side)]; }
  // The side whose strength is higher; -1 when equal or a side is empty.
  int StrongerSide() const;

 private:
  void Update();

  EditorContext& context_;
  std::array<uint32_t, 2> persons_{};
  std::array<QLabel*, 2> names_{};
  std::array<QLabel*, 2> details_{};
  std::array<QLabel*, 2> strengths_{};
  AbilityBars* bars_;
};

}  // namespace torvale
