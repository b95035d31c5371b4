#include "exchange/kit_colours.h"

#include <cmath>
#include <iterator>

#include "exchange/text_data_file.h"

namespace torvale {

std::optional<int> FindTeamColour(const CTeamColourTextFile& list, uint32_t number) {
  for (int i = 0; i < list.Count(); ++i)
    if (list.GetId(i) == number) return i;
  return std::nullopt;
}

namespace {

// A well-spread hue per number (golden angle), fairly saturated: distinct neighbours, stable
// across runs, and never the grey that would pass for a real kit colour.
uint32_t StandInColour(uint32_t number) {
  const double hue = std::fmod(number * 137.508, 360.0) / 60.0;
  const double s = 0.65, v = 0.85;
  const double c = v * s;
  const double x = c * (1 - std::fabs(std::fmod(hue, 2.0) - 1));
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(hue)) {
    case 0: r = c, g = x; break;
    case 1: r = x, g = c; break;
    case 2: g = c, b = x; break;
    case 3: g = x, b = c; break;
    case 4: r = x, b = c; break;
    default: r = c, b = x; break;
  }
  const double m = v - c;
  auto byte = [m](double part) { return static_cast<uint32_t>(std::lround((part + m) * 255)); };
  return byte(r) | (byte(g) << 8) | (byte(b) << 16);
}

}  // namespace

uint32_t KitScreenColour(const CTeamColourTextFile* list, uint32_t number) {
  if (number == 0) return 0;
  if (list)
    if (const auto index = FindTeamColour(*list, number)) return list->GetColour(*index) & 0x00FFFFFF;
  return StandInColour(number);
}

std::string KitColourName(const CTeamColourTextFile* list, uint32_t number) {
  if (list)
    if (const auto index = FindTeamColour(*list, number)) return std::string(list->GetText(*index));
  return "Farbe " + std::to_string(number);
}

KitPreviewWords MakeKitPreviewWords(const KIT::Outfit& outfit, const CTeamColourTextFile* list) {
  KitPreviewWords words{};
  words[0] = outfit.shirtStyle;
  words[1] = outfit.shortsStyle;
  words[2] = outfit.socksStyle;
  // Shirt main, second and trim; shorts and socks main and second; the shirt number.
  static constexpr size_t kColourSource[] = {0, 1, 2, 3, 4, 6, 7, 9};
  for (size_t i = 0; i < std::size(kColourSource); ++i)
    words[3 + i] = KitScreenColour(list, outfit.colours[kColourSource[i]]);
  words[11] = outfit.colours[10];
  return words;
}

bool KitPreviewChanges::Changed(const KitPreviewWords& words, int selectedStyle, int displayMode) {
  if (sent_ && sent_->words == words && sent_->style == selectedStyle && sent_->mode == displayMode) return false;
  sent_ = Sent{words, selectedStyle, displayMode};
  return true;
}

}  // namespace torvale
