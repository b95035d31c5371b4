#pragma once
// Shirt numbers within a squad: the game gives every player of a team his own number, so the
// shirt-number table marks the players who share one. Officials wear no number, and 0 is no
// number at all; the first and the reserve team number their players separately.

#include <cstdint>
#include <span>
#include <vector>

namespace torvale {

class CPersonTable;

// The ids (in list order) of the players whose number another player of the same team wears.
std::vector<uint32_t> PlayersSharingShirtNumber(std::span<const uint32_t> ids, const CPersonTable& persons);

}  // namespace torvale
