#pragma once
// Small text helpers for persons that the editor's lists, the exports and the readers share:
// imperial height and weight, money with thousands dots, name clean-up and wildcard matching.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace torvale {

// Feet and inches, "6'0" for 183 cm.
std::string FormatHeightImperial(int cm);
// Stones and pounds, "11st 11lbs" for 75 kg; "%ist" alone when there are no whole pounds.
std::string FormatWeightImperial(int kg);
// German thousands dots, "1.234.567"; negative amounts read "- 5.000".
std::string FormatMoney(int64_t amount);

// Line breaks and tabs become blanks, leading blanks go, runs of blanks shrink to one and
// trailing blanks are cut. Returns whether anything changed.
bool CleanName(std::string& text);
// The same on a NUL-terminated text in a buffer of `size` bytes (the rest is zeroed).
bool CleanName(char* buffer, size_t size);
template <size_t N>
bool CleanName(char (&buffer)[N]) {
  return CleanName(buffer, N);
}

// "*" matches any run of characters, "?" any one character, everything else itself (case
// matters).
bool MatchWildcard(std::string_view text, std::string_view pattern);

}  // namespace torvale
