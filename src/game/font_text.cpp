#include "game/font_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace gameFont {

namespace {

using BytePair = std::pair<unsigned char, unsigned char>;

// Windows-1250's small letters above 0x7f outside 0xe0-0xfe, each with its capital:
// š ś ť ž ź ł ą ş ľ ż.
constexpr BytePair smallToCapital[] = {{0x9a, 0x8a}, {0x9c, 0x8c}, {0x9d, 0x8d}, {0x9e, 0x8e},
                                       {0x9f, 0x8f}, {0xb3, 0xa3}, {0xb9, 0xa5}, {0xba, 0xaa},
                                       {0xbe, 0xbc}, {0xbf, 0xaf}};

// The signs and the Polish capitals with their glyphs: Ą Ć Ę Ł Ń Ó Ś Ź Ż % ! ? -.
constexpr BytePair otherGlyphs[] = {
    {0xa5, 37}, {0xc6, 38}, {0xca, 39}, {0xa3, 40}, {0xd1, 41}, {0xd3, 42},        {0x8c, 43},
    {0x8f, 44}, {0xaf, 45}, {'%', 46},  {'!', 47},  {'?', 48},  {'-', hyphenGlyph}};

// The Polish letters of both cases: Ś Ź ś ź Ł Ą Ż ł ą ż Ć Ę Ń Ó ć ę ń ó.
constexpr std::array<unsigned char, 18> polishLetters{140, 143, 156, 159, 163, 165, 175, 179, 185,
                                                      191, 198, 202, 209, 211, 230, 234, 241, 243};

template <size_t N>
const BytePair* find(const BytePair (&pairs)[N], unsigned char c) {
    auto found = std::ranges::find(pairs, c, &BytePair::first);
    return found == std::end(pairs) ? nullptr : found;
}

}  // namespace

GlyphCell glyphCell(int glyph) {
    const float left = static_cast<float>(glyph % gridSide) / gridSide;
    const float top = static_cast<float>(gridSide - glyph / gridSide) / gridSide;
    return {left, left + cellSize, top - cellSize, top};
}

unsigned char upperCase(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    if (const BytePair* pair = find(smallToCapital, c)) return pair->second;
    // ŕ á â ă ä ĺ ć ç č é ę ë ě í î ď đ ń ň ó ô ő ö, then ř ů ú ű ü ý ţ; 0xf7 is the
    // division sign.
    if (c >= 0xe0 && c <= 0xfe && c != 0xf7) return static_cast<unsigned char>(c - 0x20);
    return c;
}

int glyphFor(unsigned char c) {
    if (c == ' ') return blankGlyph;
    if (c >= '1' && c <= '9') return c - '0';
    if (c == '0') return 10;
    if (c >= 'A' && c <= 'Z') return c - 54;
    if (const BytePair* pair = find(otherGlyphs, c)) return pair->second;
    return -1;
}

bool acceptedInName(unsigned char c) {
    if (c == ' ' || c == '!' || c == '%' || c == '?') return true;
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    return std::ranges::find(polishLetters, c) != polishLetters.end();
}

}  // namespace gameFont
