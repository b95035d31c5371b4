#include "competition/fixture_list.h"

#include <algorithm>
#include <utility>

namespace torvale {

void CDBFixturelist::Rebuild(int rows, int columns) {
  rows_ = std::max(rows, 0);
  columns_ = std::max(columns, 0);
  pairs_.assign(static_cast<size_t>(rows_) * static_cast<size_t>(columns_), Pair{});
}

void CDBFixturelist::Resize(int rows, int columns) {
  CDBFixturelist resized(rows, columns);
  for (int r = 0; r < std::min(rows_, resized.rows_); ++r) {
    for (int c = 0; c < std::min(columns_, resized.columns_); ++c) {
      const Pair p = GetPair(r, c);
      resized.SetPair(r, c, p.home, p.away);
    }
  }
  *this = std::move(resized);
}

void CDBFixturelist::SetPair(int row, int column, uint8_t home, uint8_t away) {
  if (!Inside(row, column)) return;
  pairs_[static_cast<size_t>(row) * static_cast<size_t>(columns_) + static_cast<size_t>(column)] =
      Pair{home, away};
}

CDBFixturelist::Pair CDBFixturelist::GetPair(int row, int column) const {
  if (!Inside(row, column)) return Pair{};
  return pairs_[static_cast<size_t>(row) * static_cast<size_t>(columns_) +
                static_cast<size_t>(column)];
}

void CDBFixturelist::ClearRow(int row) {
  for (int c = 0; c < columns_; ++c) SetPair(row, c, 0, 0);
}

bool CDBFixturelist::IsComplete() const {
  return std::none_of(pairs_.begin(), pairs_.end(),
                      [](const Pair& p) { return p.home == 0 || p.away == 0; });
}

}  // namespace torvale
