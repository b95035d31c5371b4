#pragma once
// Towns and club-name patterns of the sample world's playable countries, by country number.
// Texts are UTF-8 here and converted to Windows-1252 where they are used; towns of countries
// whose letters Windows-1252 lacks are written the way foreign papers spell them.

#include <span>
#include <string_view>

namespace torvale {

struct SampleCountryTowns {
  int country = 0;
  std::span<const std::string_view> towns;
  // Club-name patterns; "%" stands for the town.
  std::span<const std::string_view> patterns;
  std::string_view stadiumWord;  // "Stadion", "Stadium", ...
};

// The towns of a playable sample country; null for other countries.
const SampleCountryTowns* FindSampleTowns(int country);

}  // namespace torvale
