#pragma once
// What the menu layout files hold: which list shows what, and where every button is, in
// menu units (80 across, 60 up, origin at the bottom left). The game tests the pointer
// against these rectangles and the data generator lays the buttons' pictures on exactly
// them, so a child clicks on what she sees.

#include <array>

struct MenuRect {
    float left, right, bottom, top;

    // Strictly inside: a pointer on an edge is outside.
    constexpr bool contains(float x, float y) const {
        return x > left && x < right && y > bottom && y < top;
    }
};

// The whole screen: backgrounds and full-screen pages.
inline constexpr MenuRect fullScreenRect{0, 80, 0, 60};

// "MEN\DAT\menuone.mex": list 0 the background, lists 1 to 7 the buttons from the top.
namespace mainMenu {
enum Button : int { newGame, continueGame, settings, controls, records, credits, quit };
inline constexpr int buttonCount = 7;
inline constexpr int backgroundList = 0;
inline constexpr int firstButtonList = 1;
inline constexpr int listCount = 8;
inline constexpr std::array<MenuRect, buttonCount> buttons{{
    {2, 30, 48, 54},  // new game
    {2, 39, 41, 47},  // continue
    {2, 41, 34, 40},  // settings
    {2, 33, 27, 33},  // controls
    {2, 45, 20, 26},  // records
    {2, 35, 13, 19},  // credits
    {2, 35, 6, 12},   // quit
}};
}  // namespace mainMenu

// "MEN\DAT\menuko.mex": the quit question, drawn over the main menu.
namespace quitMenu {
enum Button : int { yes, no };
inline constexpr int yesList = 0, dialogList = 1, noList = 2, listCount = 3;
inline constexpr std::array<MenuRect, 2> buttons{{
    {29.96f, 39.38f, 23.64f, 28.47f},  // yes
    {41.26f, 50.68f, 23.64f, 28.47f},  // no
}};
}  // namespace quitMenu

// "MEN\DAT\menuste.mex", shared by the controls and help pages and the credits: list 0 the
// page, list 1 its one button. The back buttons of the other screens stand on the same spot.
namespace pageMenu {
inline constexpr int pageList = 0, buttonList = 1, listCount = 2;
inline constexpr std::array<MenuRect, 1> buttons{{{55.97f, 70, 2.93f, 8.08f}}};
}  // namespace pageMenu
