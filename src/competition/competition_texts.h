#pragma once
// German texts the competition structure gives to the nodes it creates and to matchdays.
// All are plain ASCII, so they are the same in Windows-1252.

#include <string_view>

namespace torvale {

inline constexpr std::string_view kTextCompetition = "Wettbewerb";
inline constexpr std::string_view kTextRelegation = "Relegation";
inline constexpr std::string_view kTextFirstLeague = "1. Liga";
inline constexpr std::string_view kTextNationalCup = "Nationaler Pokal";

// The label of a cup round by its round type (ROUND_* value).
std::string_view RoundTypeLabel(int roundType);

}  // namespace torvale
