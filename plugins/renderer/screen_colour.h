#pragma once
// The editor's colours arrive as Windows screen colours (0x00BBGGRR), the background as a
// clear colour (0xAARRGGBB, alpha ignored).

#include <QColor>
#include <cstdint>

namespace torvale::renderer {

inline QColor FromScreenColour(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline QColor FromClearColour(uint32_t c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// A colour's edge or seam: darker for light colours, lighter for very dark ones so that a
// black kit still shows its shape.
inline QColor SeamColour(const QColor& c) { return c.lightness() < 40 ? QColor(90, 90, 90) : c.darker(165); }

}  // namespace torvale::renderer
