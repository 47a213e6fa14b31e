// The game font's text: Windows-1250 upper-casing, the glyph of every character, where the
// glyphs of a text go, and what a best-score name accepts.

#include "game/font_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(FontText, EveryCharacterFindsItsGlyphAfterUpperCasing) {
    struct Case {
        unsigned char c;
        int glyph;
    };
    const Case cases[] = {
        {' ', 0},   {'1', 1},   {'9', 9},   {'0', 10},  {'A', 11},  {'Z', 36},  {'a', 11},
        {'z', 36},  {0xa5, 37}, {0xb9, 37}, {0xc6, 38}, {0xe6, 38}, {0xca, 39}, {0xea, 39},
        {0xa3, 40}, {0xb3, 40}, {0xd1, 41}, {0xf1, 41}, {0xd3, 42}, {0xf3, 42}, {0x8c, 43},
        {0x9c, 43}, {0x8f, 44}, {0x9f, 44}, {0xaf, 45}, {0xbf, 45}, {'%', 46},  {'!', 47},
        {'?', 48},  {'-', 49},  {'.', -1},  {':', -1},  {0x8a, -1}, {0xc9, -1}, {0, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gameFont::glyphFor(gameFont::upperCase(c.c)), c.glyph) << int(c.c);
    }
}

TEST(FontText, UpperCasingFollowsTheCodePage) {
    // Small letters outside ASCII and their capitals; 0xf7 (division sign), 0xb5 (micro),
    // 0xdf (sharp s) and 0xff (dot above) have none.
    const std::pair<unsigned char, unsigned char> pairs[] = {
        {0x9a, 0x8a}, {0x9c, 0x8c}, {0x9d, 0x8d}, {0x9e, 0x8e}, {0x9f, 0x8f}, {0xb3, 0xa3},
        {0xb9, 0xa5}, {0xba, 0xaa}, {0xbe, 0xbc}, {0xbf, 0xaf}, {0xe0, 0xc0}, {0xfe, 0xde},
        {0xf7, 0xf7}, {0xb5, 0xb5}, {0xdf, 0xdf}, {0xff, 0xff}, {'5', '5'},   {'Q', 'Q'},
    };
    for (auto [small, capital] : pairs)
        EXPECT_EQ(gameFont::upperCase(small), capital) << int(small);
    for (int c = 0; c < 256; ++c) {
        const auto u = gameFont::upperCase(static_cast<unsigned char>(c));
        EXPECT_EQ(gameFont::upperCase(u), u) << "capitals stay capitals: " << c;
    }
}

TEST(FontText, ANumberIsDrawnAsGlyphCellsSideBySide) {
    struct Placed {
        int glyph;
        float x;
        bool operator==(const Placed&) const = default;
    };
    auto layOut = [](std::string text) {
        std::vector<Placed> placed;
        gameFont::layOutText(text, [&](int glyph, float x) { placed.push_back({glyph, x}); });
        return placed;
    };
    EXPECT_EQ(layOut("1200"), (std::vector<Placed>{{1, 0}, {2, 2.8f}, {10, 5.6f}, {10, 8.4f}}));
    // A character without a glyph leaves no gap; small letters are drawn as capitals.
    EXPECT_EQ(layOut("a.b?"), (std::vector<Placed>{{11, 0}, {12, 2.8f}, {48, 5.6f}}));

    const gameFont::GlyphCell zero = gameFont::glyphCell(10);  // column 3, row 1
    EXPECT_FLOAT_EQ(zero.left, 3.0f / 7);
    EXPECT_FLOAT_EQ(zero.right, 3.0f / 7 + 0.1428f);
    EXPECT_FLOAT_EQ(zero.top, 6.0f / 7);
    EXPECT_FLOAT_EQ(zero.bottom, 6.0f / 7 - 0.1428f);
    const gameFont::GlyphCell question = gameFont::glyphCell(48);  // the last cell
    EXPECT_FLOAT_EQ(question.left, 6.0f / 7);
    EXPECT_FLOAT_EQ(question.top, 1.0f / 7);
}

TEST(FontText, ANameAcceptsLettersDigitsAndFewSignsButNotTheHyphen) {
    const std::set<int> accepted = {32,  33,  37,  63,  140, 143, 156, 159, 163, 165, 175,
                                    179, 185, 191, 198, 202, 209, 211, 230, 234, 241, 243};
    for (int c = 0; c < 256; ++c) {
        const bool expected = accepted.count(c) || (c >= '0' && c <= '9') ||
                              (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        EXPECT_EQ(gameFont::acceptedInName(static_cast<unsigned char>(c)), expected) << c;
    }
    EXPECT_TRUE(gameFont::acceptedInName(0x9c));  // ś
    EXPECT_FALSE(gameFont::acceptedInName('-'));
    EXPECT_NE(gameFont::glyphFor('-'), -1);  // though it can be drawn
}

}  // namespace
