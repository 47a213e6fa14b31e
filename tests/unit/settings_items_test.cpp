// The settings screen's items under the pointer (a table of points on and around their
// exclusive bounds, the overlap of the first two) and the rule that paints them yellow.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "menus/button_row.h"
#include "menus/settings_layout.h"

namespace {

using namespace settingsMenu;

TEST(SettingsItems, PointsPickTheFirstItemWhoseBoundsHoldThemStrictly) {
    struct Case {
        float x, y;
        int item;  // -1: none
    };
    const Case cases[] = {
        {35, 38.8f, res640},
        {51, 38.8f, res800},
        {70, 38.8f, res1024},
        {42, 32.9f, depth16},
        {62, 32.9f, depth32},
        {42, 27.3f, filter0},
        {50.4f, 27.3f, filter2},
        {56, 27.3f, filter1},
        {62, 27.3f, filter3},
        {43, 22.1f, smoothingOn},
        {60, 22.1f, smoothingOff},
        {60, 4, back},
        // On the overlap of 640 x 480 and 800 x 600: the first in the table.
        {43.8f, 38, res640},
        {43.85f, 40.89f, res640},
        // Edges are outside.
        {27.32f, 38.8f, -1},
        {60, 36.82f, -1},
        {70, 40.8f, -1},
        {43.88f, 38, res800},
        {43.78f, 38, res640},
        {59.75f, 38, -1},
        {50.55f, 4, -1},
        {68.99f, 4, -1},
        {60, 1.67f, -1},
        {60, 6.18f, -1},
        {52.7f, 27.3f, -1},
        {53.71f, 27.3f, -1},
        {70, 40.85f, -1},
        {40, 34.9f, depth16},
        {60, 34.9f, -1},
        // Between the rows and the items: nothing.
        {30, 32.9f, -1},
        {20, 38.8f, -1},
        {40, 10, -1},
    };
    for (const Case& c : cases) {
        ButtonRow row{items, hoverOutside};
        row.hover(c.x, c.y);
        EXPECT_EQ(row.clicked(), c.item) << "at " << c.x << ", " << c.y;
    }
}

TEST(SettingsItems, YellowShowsWhatIsInEffectAndNeverTheBackItem) {
    struct Case {
        Current now;
        std::array<int, 4> yellow;  // one resolution, depth, filter and smoothing item, or -1
    };
    const Case cases[] = {
        {{640, 480, 16, 0, 1}, {res640, depth16, filter0, smoothingOn}},
        {{800, 600, 32, 2, 0}, {res800, depth32, filter2, smoothingOff}},
        {{1024, 768, 32, 1, 0}, {res1024, depth32, filter1, smoothingOff}},
        {{1024, 768, 24, 3, 0}, {res1024, -1, filter3, smoothingOff}},
        // A size of the wrong pair of numbers, a depth X reports, a mode out of range.
        {{1024, 600, 24, 4, 1}, {-1, -1, -1, smoothingOn}},
        {{1280, 1024, 8, -1, 2}, {-1, -1, -1, -1}},
    };
    for (const Case& c : cases) {
        for (int item = 0; item < itemCount; ++item) {
            const bool expected =
                std::find(c.yellow.begin(), c.yellow.end(), item) != c.yellow.end();
            EXPECT_EQ(shownYellow(item, c.now), expected)
                << "item " << item << " at " << c.now.width << "x" << c.now.height << ", "
                << c.now.bitsPerPixel << " bits, mode " << c.now.textureFilterMode << ", smoothing "
                << c.now.smoothing;
        }
    }
}

}  // namespace
