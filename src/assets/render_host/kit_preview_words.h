#pragma once
// The twelve words the kit page sends to the renderer for one kit of a club: the three style
// numbers, then the kit's colour numbers turned into screen colours through the club colour
// list ("TeamColour.txt"), then one colour number passed on as stored.

#include "assets/render_host/renderer_plugin_interface.h"
#include "world/club.h"

namespace torvale {

class CTeamColourTextFile;

// Screen colour (0x00BBGGRR) of a club colour number: the colour of the list entry with that
// id. A number the list does not know shows as neutral grey, so that a kit still reads as a kit
// when the database's colour list is shorter than its kits assume.
uint32_t ClubColourToScreen(uint32_t colourNumber, const CTeamColourTextFile& colours);
constexpr uint32_t kUnknownClubColour = 0x00808080;

// The kit's colour numbers come in four groups of three: shirt (main, second, trim), shorts
// (main, second, -), socks (main, second, -), lettering (number, stored word, -). The preview
// draws the first two of shorts and socks.
RendererKitWords MakeKitPreviewWords(const KIT::Outfit& outfit, const CTeamColourTextFile& colours);

}  // namespace torvale
