#pragma once
// Text for textures, rendered with FreeType from a round, friendly font installed on the
// build machine (Comic Neue Bold, else DejaVu Sans Bold).

#include <vector>

#include "paint.h"

struct GlyphMask {
    int width = 0, height = 0;
    std::vector<float> coverage;  // rows top first, 0..1
};

// One character, scaled so its ink is `inkHeight` pixels tall, tightly cropped.
GlyphMask renderGlyph(char32_t code, float inkHeight);

// Paints a glyph centred in the box x0..x1, y0..y1 (pixels): a dark outline `outline`
// pixels wide, then the fill shaded from `top` to `bottom`.
void paintGlyph(Image& image, const GlyphMask& glyph, float x0, float y0, float x1, float y1,
                Colour top, Colour bottom, Colour outline, float outlineWidth);
