#pragma once
// Words for the menu pictures, set with FreeType in Comic Neue Bold (SIL Open Font
// License 1.1, Debian's fonts-comic-neue): UTF-8 text, kerned, measured by the height of
// its capitals so that words of one size line up whatever letters they hold.

#include <string_view>
#include <vector>

#include "paint.h"

struct TextMask {
    int width = 0, height = 0;
    int baseline = 0;             // row of the baseline, counted from the top of the mask
    float capHeight = 0;          // pixels from the baseline to the top of a capital
    std::vector<float> coverage;  // rows top first, 0..1

    float at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0;
        return coverage[static_cast<size_t>(y * width + x)];
    }
};

// One line of text whose capitals are `capHeight` pixels tall; `stretchX` widens every
// letter (for cells that the game squeezes when it draws them).
TextMask setText(std::string_view utf8, float capHeight, float stretchX = 1);

// The same, made smaller where needed so that it is at most `maxWidth` pixels wide.
TextMask setTextToFit(std::string_view utf8, float capHeight, float maxWidth);

struct TextStyle {
    Colour top, bottom;  // the letters' fill, shaded from the top of the capitals down
    Colour outline;
    float outlineWidth;  // pixels; 0 for none
};

// Paints a line with its left edge at `left` and its baseline on row `baseline`.
void paintText(Image& image, const TextMask& text, float left, float baseline,
               const TextStyle& style);

// Paints a line centred on (cx, cy), the capitals' middle on cy.
void paintTextCentred(Image& image, const TextMask& text, float cx, float cy,
                      const TextStyle& style);
