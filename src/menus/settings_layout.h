#pragma once
// The settings screen's items, "MEN\DAT\menuust.mex": list 0 the background, lists 1 to 12
// the items in the order below. The rectangles are in menu units; the data generator lays
// every item's picture inside its rectangle. Plain rules, no drawing.

#include <array>

#include "menus/menu_layouts.h"

namespace settingsMenu {

// The filter items stand on screen, left to right, for modes 0, 2, 1 and 3.
enum Item : int {
    res640,
    res800,
    res1024,
    depth16,
    depth32,
    filter0,
    filter2,
    filter1,
    filter3,
    smoothingOn,
    smoothingOff,
    back
};
inline constexpr int itemCount = 12;
inline constexpr int backgroundList = 0, firstItemList = 1, listCount = 13;

// Exclusive bounds. The 640 x 480 and 800 x 600 rectangles overlap between x 43.78 and
// 43.88: the first item tested wins there.
inline constexpr std::array<MenuRect, itemCount> items{{
    {27.32f, 43.88f, 36.82f, 40.9f},   // 640 x 480
    {43.78f, 59.75f, 36.82f, 40.9f},   // 800 x 600
    {60.32f, 78.28f, 36.82f, 40.8f},   // 1024 x 768
    {34.32f, 49.75f, 30.82f, 34.99f},  // 16-bit colour
    {54.32f, 69.85f, 30.82f, 34.8f},   // 32-bit colour
    {37.37f, 46.99f, 25.25f, 29.38f},  // filter mode 0
    {48.1f, 52.7f, 25.33f, 29.29f},    // filter mode 2
    {53.71f, 58.34f, 25.32f, 29.31f},  // filter mode 1
    {59.71f, 64.34f, 25.32f, 29.31f},  // filter mode 3
    {35.63f, 50.11f, 20.11f, 24.15f},  // smoothing on
    {52.42f, 67.82f, 20.22f, 24.13f},  // smoothing off
    {50.55f, 68.99f, 1.67f, 6.18f},    // back
}};

struct Resolution {
    int width, height;
};
inline constexpr std::array<Resolution, 3> resolutions{{{640, 480}, {800, 600}, {1024, 768}}};
inline constexpr std::array<int, 2> depths{16, 32};
// The filter mode of each filter item, in item order.
inline constexpr std::array<int, 4> filterModes{0, 2, 1, 3};

// What the settings hold now: the display record's mode, the filter mode, the smoothing.
struct Current {
    int width, height, bitsPerPixel, textureFilterMode, smoothing;
};

// An item is drawn yellow while it names what is in effect; the back item never is.
constexpr bool shownYellow(int item, const Current& now) {
    if (item >= res640 && item <= res1024) {
        const Resolution r = resolutions[static_cast<size_t>(item - res640)];
        return now.width == r.width && now.height == r.height;
    }
    if (item == depth16 || item == depth32)
        return now.bitsPerPixel == depths[static_cast<size_t>(item - depth16)];
    if (item >= filter0 && item <= filter3)
        return now.textureFilterMode == filterModes[static_cast<size_t>(item - filter0)];
    if (item == smoothingOn) return now.smoothing == 1;
    if (item == smoothingOff) return now.smoothing == 0;
    return false;
}

}  // namespace settingsMenu
