#pragma once
// CDlgShirtNo: the squad's shirt numbers in one table — number, name, position and team of
// every player the club lists — with the players who share a number within their team marked.
// Numbers are written into the persons as they are typed; "Abbrechen" gives every player his
// number from before.

#include <QDialog>
#include <cstdint>
#include <map>
#include <vector>

class QLabel;
class QTableWidget;

namespace torvale {

class CWorldDatabase;

class CDlgShirtNo : public QDialog {
  Q_OBJECT
 public:
  CDlgShirtNo(CWorldDatabase& world, std::vector<uint32_t> squad, QWidget* parent);

  QTableWidget* Table() const { return table_; }
  // Sets a player's number as typing it in the table would.
  void SetNumber(uint32_t playerId, int number);
  // The players marked as sharing a number.
  std::vector<uint32_t> MarkedPlayers() const { return marked_; }

  void reject() override;

 private:
  void Fill();
  void MarkShared();

  CWorldDatabase& world_;
  std::vector<uint32_t> players_;  // the squad's players in table order
  std::map<uint32_t, uint8_t> original_;
  std::vector<uint32_t> marked_;
  QTableWidget* table_;
  QLabel* status_;
};

}  // namespace torvale
