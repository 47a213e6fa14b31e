#include "font_texture.h"

#include <algorithm>
#include <cmath>

#include "art_tools.h"
#include "game/font_text.h"
#include "text_art.h"

namespace {

constexpr int side = 1024;
constexpr float stretch = 5.0f / 3;  // the cell is square, the quad 3 wide and 5 high
const Colour caretColour = hex(0xff9800);

}  // namespace

std::string fontCellText(int glyph) {
    static const char* const polish[] = {"Ą", "Ć", "Ę", "Ł", "Ń", "Ó", "Ś", "Ź", "Ż"};
    if (glyph == 0) return " ";
    if (glyph >= 1 && glyph <= 9) return std::string(1, static_cast<char>('0' + glyph));
    if (glyph == 10) return "0";
    if (glyph >= 11 && glyph <= 36) return std::string(1, static_cast<char>('A' + glyph - 11));
    if (glyph >= 37 && glyph <= 45) return polish[glyph - 37];
    if (glyph == 46) return "%";
    if (glyph == 47) return "!";
    if (glyph == 48) return "?";
    return "";
}

Image fontTexture() {
    Image image(side, Colour{0, 0, 0, 0});
    const float cell = static_cast<float>(side) / gameFont::gridSide;
    const float capHeight = cell * 0.5f;
    const float outline = cell * 0.035f;
    const TextStyle style{hex(0xffffff), hex(0xffe082), hex(0x3e2723), outline};
    for (int glyph = 1; glyph < gameFont::hyphenGlyph; ++glyph) {
        const float left = static_cast<float>(glyph % gameFont::gridSide) * cell;
        const float top = static_cast<float>(glyph / gameFont::gridSide) * cell;
        // Room for accents above the capitals and a tail below; a wide letter is narrowed
        // rather than cut.
        const float room = cell - 2 * outline - 10;
        TextMask mask = setText(fontCellText(glyph), capHeight, stretch);
        if (static_cast<float>(mask.width) > room)
            mask = setText(fontCellText(glyph), capHeight,
                           stretch * room / static_cast<float>(mask.width));
        const float baseline = top + cell * 0.76f;
        paintText(image, mask, left + (cell - static_cast<float>(mask.width)) / 2, baseline, style);
    }
    bleedColours(image);
    // The blank cell: no ink, a solid colour.
    for (int y = 0; y < static_cast<int>(cell); ++y) {
        for (int x = 0; x < static_cast<int>(cell); ++x)
            image.at(x, y) = {caretColour.r, caretColour.g, caretColour.b, 0};
    }
    return flipped(image);
}
