#pragma once
// Text of the game font, apart from the drawing: texts are single bytes in the Windows-1250
// code page, drawn in capitals from a 7 x 7 grid of glyph cells (the digits, A to Z, the
// nine Polish capitals, % ! ? and the hyphen). Also the filter of what a player may type
// into a best-score name.

#include <string_view>

namespace gameFont {

inline constexpr int glyphCount = 50;
inline constexpr int gridSide = 7;          // cells across and down the texture
inline constexpr float cellSize = 0.1428f;  // of the texture, as the glyph lists use it
inline constexpr float glyphWidth = 3, glyphHeight = 5;  // menu units
inline constexpr float advance = 2.8f;                   // neighbours overlap by 0.2
inline constexpr int blankGlyph = 0;
inline constexpr int hyphenGlyph = 49;  // drawn from outside the grid, without the alpha test

// Where glyph g's cell sits, t counting up from the bottom of the texture: column g mod 7,
// row g div 7 from the top.
struct GlyphCell {
    float left, right, bottom, top;
};
GlyphCell glyphCell(int glyph);

// The code page's own upper-casing: a to z, and every accented small letter to its capital
// (ą to Ą, ś to Ś, ...). Other bytes stay as they are.
unsigned char upperCase(unsigned char c);

// The glyph that draws a character (after upper-casing), or -1: such a character draws
// nothing and takes no room.
int glyphFor(unsigned char c);

// What a best-score name accepts: space, ! % ? the digits, the Latin letters and the
// Polish letters of both cases. The hyphen can be drawn but is not accepted.
bool acceptedInName(unsigned char c);

// Calls place(glyph, x) for every character of the text that has a glyph, x being its
// offset from the start of the text in menu units.
template <typename Place>
void layOutText(std::string_view text, Place&& place) {
    float x = 0;
    for (char c : text) {
        const int glyph = glyphFor(upperCase(static_cast<unsigned char>(c)));
        if (glyph < 0) continue;
        place(glyph, x);
        x += advance;
    }
}

}  // namespace gameFont
