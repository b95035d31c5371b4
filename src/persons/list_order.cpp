#include "persons/list_order.h"

#include <algorithm>

namespace torvale {

namespace {
unsigned char UpperAscii(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}
}  // namespace

int CompareNamesIgnoringCase(std::string_view left, std::string_view right) {
  const size_t n = std::min(left.size(), right.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char a = UpperAscii(left[i]);
    const unsigned char b = UpperAscii(right[i]);
    if (a != b) return a < b ? -1 : 1;
  }
  return CompareValues(left.size(), right.size());
}

SortOrder ClickSortColumn(SortOrder current, int column) {
  if (current.column == column) return {column, !current.ascending};
  return {column, true};
}

}  // namespace torvale
