#include "world/player_format.h"

#include <cstdio>
#include <cstring>

namespace torvale {

std::string FormatHeightImperial(int cm) {
  const int feet = static_cast<int>(cm * 0.0328084);
  const int inches = static_cast<int>((cm - feet * 30.48) * 0.39370078);
  char text[32];
  std::snprintf(text, sizeof text, "%i'%i", feet, inches);
  return text;
}

std::string FormatWeightImperial(int kg) {
  const int stones = static_cast<int>(kg * 0.15752994);
  const int pounds = static_cast<int>((kg - stones * 6.348) * 2.2046227);
  char text[48];
  if (pounds < 1)
    std::snprintf(text, sizeof text, "%ist", stones);
  else
    std::snprintf(text, sizeof text, "%ist %ilbs", stones, pounds);
  return text;
}

std::string FormatMoney(int64_t amount) {
  // Formatted from the magnitude, so the most negative amount cannot overflow on negation.
  const uint64_t n = amount < 0 ? 0 - static_cast<uint64_t>(amount) : static_cast<uint64_t>(amount);
  char text[48];
  if (n >= 1000000)
    std::snprintf(text, sizeof text, "%llu.%03llu.%03llu",
                  static_cast<unsigned long long>(n / 1000000),
                  static_cast<unsigned long long>(n / 1000 % 1000),
                  static_cast<unsigned long long>(n % 1000));
  else if (n >= 1000)
    std::snprintf(text, sizeof text, "%llu.%03llu", static_cast<unsigned long long>(n / 1000),
                  static_cast<unsigned long long>(n % 1000));
  else
    std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(n));
  return amount < 0 ? std::string("- ") + text : std::string(text);
}

bool CleanName(std::string& text) {
  std::string clean;
  clean.reserve(text.size());
  for (char c : text) {
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    if (c == ' ' && (clean.empty() || clean.back() == ' ')) continue;
    clean.push_back(c);
  }
  if (!clean.empty() && clean.back() == ' ') clean.pop_back();
  if (clean == text) return false;
  text = std::move(clean);
  return true;
}

bool CleanName(char* buffer, size_t size) {
  if (size == 0) return false;
  std::string text(buffer, strnlen(buffer, size));
  if (!CleanName(text)) return false;
  // Cleaning only ever shortens the text, so it fits where it came from.
  std::memcpy(buffer, text.data(), text.size());
  std::memset(buffer + text.size(), 0, size - text.size());
  return true;
}

bool MatchWildcard(std::string_view text, std::string_view pattern) {
  // Greedy scan that backtracks only to the last '*': linear in practice and never
  // exponential, whatever the pattern.
  size_t t = 0, p = 0;
  size_t starP = std::string_view::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && pattern[p] == text[t]))) {
      ++t;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starT = t;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      t = ++starT;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace torvale
