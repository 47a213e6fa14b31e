#pragma once
// The in-game panel: its layout "PUL\\DATA\\kontrolx.mex" and the textures kontnie (lamps
// off, plates), kont (lamps on, the delivery bar), zegar (digits, clock face) and komp
// (compass). Texture rectangles here count t upwards, as the panel is drawn.

#include <vector>

#include "collectible_textures.h"
#include "data_tree.h"
#include "layout_writer.h"

// What the panel's drawing fixes and the art is laid out around (menu units, 80 x 60).
namespace panelFixed {
inline constexpr float glyphWidth = 3.94f, glyphHeight = 5.46f;
inline constexpr float clockX = 2.13f, clockY = 52.64f;   // five glyphs "M M : S S"
inline constexpr float loadsX = 68.98f, loadsY = 17.14f;  // two glyphs
inline constexpr float barLeft = 68.9842f, barRight = 77.9365f, barBottom = 2, barRise = 0.1514f;
inline constexpr AtlasRect barTexture{0.0371f, 0.2285f, 0.2636f, 0.2285f + 100 * 0.003984f};
// The zegar cell of a glyph: digits 0-9, and 10 for the colon.
AtlasRect glyphCell(int glyph);
}  // namespace panelFixed

// Element numbers the panel draws.
namespace panelElement {
inline constexpr int background = 0, firstBucketLamp = 1, firstSpeedLamp = 6, compass = 17,
                     clockFace = 18, count = 19;
}

std::vector<LayoutElement> panelLayout();

void addPanel(DataFiles& files);
