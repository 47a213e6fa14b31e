#pragma once
// `glh::gl_fonty`: the game font. One texture of 7 x 7 glyph cells and fifty glyph lists,
// each a 3 x 5 quad in menu units; the summary and records screens print their scores,
// times and names with it.

#include <string_view>

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/font_text.h"

namespace glh {

struct GameFont {
    // Guarded by the font's loaded flags, as every asset group.
    void loadTextures(int textureFilterMode);
    void freeTextures();
    void buildGlyphs();
    void freeGlyphs();

    // The text in capitals, its first glyph's bottom left corner at (x, y) menu units; a
    // character without a glyph draws nothing and takes no room.
    void drawText(int x, int y, std::string_view text);

    tex_object_2D texture;  // fontyabc
    display_list glyphs[gameFont::glyphCount];
};

extern GameFont gl_fonty;

}  // namespace glh
