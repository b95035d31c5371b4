#pragma once
// CDBFixturelist: the fixture grid of a league. One row per matchday, one column per pairing;
// each cell is a pair of team places (1-based positions in the league's team list), 0 for an
// empty slot. With an odd number of teams the resting team has no column.

#include <cstdint>
#include <vector>

namespace torvale {

class CDBFixturelist {
 public:
  struct Pair {
    uint8_t home = 0;
    uint8_t away = 0;
    bool operator==(const Pair&) const = default;
  };

  CDBFixturelist() = default;
  CDBFixturelist(int rows, int columns) { Rebuild(rows, columns); }

  // Replaces the grid by an empty one of the given size (negative sizes count as 0).
  void Rebuild(int rows, int columns);
  // Changes the size, keeping the pairings that still fit.
  void Resize(int rows, int columns);

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }

  // Positions outside the grid are ignored (Set) or read as an empty pair (Get).
  void SetPair(int row, int column, uint8_t home, uint8_t away);
  Pair GetPair(int row, int column) const;
  void ClearRow(int row);
  // True when no pairing has an empty home or away slot.
  bool IsComplete() const;

  bool operator==(const CDBFixturelist&) const = default;

 private:
  bool Inside(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
  }

  int rows_ = 0;
  int columns_ = 0;
  std::vector<Pair> pairs_;
};

}  // namespace torvale
