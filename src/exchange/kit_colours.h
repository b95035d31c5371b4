#pragma once
// Kit and club colours as the screens show them. Clubs store colour numbers; "TeamColour.txt"
// names the numbers it knows and gives each a Windows screen colour (0x00BBGGRR). Kits may
// carry numbers the list does not name (older files, other tools): they keep their number and
// get a stable stand-in colour, so a kit is never shown blank or silently recoloured.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "world/club.h"

namespace torvale {

class CTeamColourTextFile;

// The index of the entry whose id is `number`; none when the list does not name it.
std::optional<int> FindTeamColour(const CTeamColourTextFile& list, uint32_t number);

// The screen colour (0x00BBGGRR) of a colour number: the list's colour, else a stand-in that
// depends only on the number. Number 0 ("no colour") is black.
uint32_t KitScreenColour(const CTeamColourTextFile* list, uint32_t number);

// The name the screens give a colour number: the list's text, else "Farbe <n>" (Windows-1252).
std::string KitColourName(const CTeamColourTextFile* list, uint32_t number);

// The twelve words that describe one outfit to the renderer plug-in: the three style numbers,
// eight colours as screen colours (shirt main, second and trim; shorts and socks main and
// second; the shirt number) and the second lettering colour number as stored.
using KitPreviewWords = std::array<uint32_t, 12>;
KitPreviewWords MakeKitPreviewWords(const KIT::Outfit& outfit, const CTeamColourTextFile* list);

// Remembers what was last handed to the plug-in, so that the preview is only redrawn when the
// kit shown, the selected style or the display mode really changed.
class KitPreviewChanges {
 public:
  // True (and remembered) when any of the three differs from the last accepted call.
  bool Changed(const KitPreviewWords& words, int selectedStyle, int displayMode);
  void Forget() { sent_.reset(); }

 private:
  struct Sent {
    KitPreviewWords words;
    int style;
    int mode;
  };
  std::optional<Sent> sent_;
};

}  // namespace torvale
