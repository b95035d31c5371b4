#pragma once
// Sorting rules shared by the person lists (search results, duplicate report, free players).
// Names are compared through a comparator the caller passes: the GUI gives the user's
// collation (QCollator over the Windows-1252 texts), tests and tools the plain order below.
// Everything else (positions, dates, strengths) compares by number here.

#include <functional>
#include <string_view>

namespace torvale {

// Three-way comparison of two Windows-1252 texts: negative, zero or positive.
using NameCompare = std::function<int(std::string_view, std::string_view)>;

// Byte order with the letters a-z taken as A-Z: the order of lists when no collation is given.
int CompareNamesIgnoringCase(std::string_view left, std::string_view right);

// A list's sort column and direction. A click on a header sorts by that column ascending,
// or turns the direction round when it already is the sort column.
struct SortOrder {
  int column = 0;
  bool ascending = true;
  friend bool operator==(const SortOrder&, const SortOrder&) = default;
};
SortOrder ClickSortColumn(SortOrder current, int column);

// -1, 0 or 1.
template <typename T>
int CompareValues(const T& left, const T& right) {
  return left < right ? -1 : (right < left ? 1 : 0);
}

// The comparison as the list applies it: descending order negates it.
inline int Directed(int comparison, bool ascending) { return ascending ? comparison : -comparison; }

}  // namespace torvale
