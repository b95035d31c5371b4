#pragma once
// The spoken languages that countries and persons refer to by number (0 = none).

#include <string>

namespace torvale {

constexpr int kLanguageCount = 58;

// The German name of language n as Windows-1252; empty for a number outside the list.
std::string LanguageName(int n);

}  // namespace torvale
