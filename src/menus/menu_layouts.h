#pragma once
// What the menu layout files hold: which list shows what, and where every button is, in
// menu units (80 across, 60 up, origin at the bottom left). The game tests the pointer
// against these rectangles and the data generator lays the buttons' pictures on exactly
// them, so a child clicks on what she sees.

#include <array>
#include <cstddef>

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

// "MEN\DAT\menutryb.mex", the difficulty screen: list 0 the background, list 2 its picture,
// list 3 the back button, lists 4 to 6 the three difficulty buttons (list 1 is never drawn).
namespace difficultyMenu {
enum Button : int { back, easy, middle, hard };
inline constexpr int backgroundList = 0, pictureList = 2, backList = 3, firstDifficultyList = 4;
inline constexpr int listCount = 7;
inline constexpr std::array<MenuRect, 4> buttons{{
    {55.97f, 70, 2.93f, 8.08f},  // back
    {14, 30, 12, 19},            // difficulty 1
    {32, 48, 12, 19},            // difficulty 2
    {50, 66, 12, 19},            // difficulty 3
}};
}  // namespace difficultyMenu

// "MEN\DAT\metrybzr.mex", the level choice: list 0 the background, then the ten level buttons
// and the back button on the lists below; levels 1 to 5 along the bottom row, 6 to 10 above.
namespace levelMenu {
inline constexpr int levelCount = 10;
inline constexpr int backgroundList = 0, backList = 11, listCount = 12;
// The list of level L at [L - 1].
inline constexpr std::array<int, levelCount> levelLists{4, 1, 2, 3, 5, 10, 9, 8, 7, 6};
// Level L at [L - 1], then the back button.
inline constexpr std::array<MenuRect, levelCount + 1> buttons{{
    {2.96f, 17.33f, 35.28f, 49.07f},
    {17.96f, 32.33f, 35.28f, 49.07f},
    {32.96f, 47.33f, 35.28f, 49.07f},
    {47.96f, 62.33f, 35.28f, 49.07f},
    {62.96f, 77.33f, 35.28f, 49.07f},
    {2.96f, 17.33f, 14.28f, 28.07f},
    {17.96f, 32.33f, 14.28f, 28.07f},
    {32.96f, 47.33f, 14.28f, 28.07f},
    {47.96f, 62.33f, 14.28f, 28.07f},
    {62.96f, 77.33f, 14.28f, 28.07f},
    {55.97f, 70, 2.93f, 8.08f},  // back
}};
inline constexpr int backButton = levelCount;
}  // namespace levelMenu

// The level pictures: two sheets of 3 x 3 cells ("menuzrec" levels 1 to 9 in reading order,
// "menueduk" level 10 in its top-left cell). Cell edges in texture space, t up.
namespace levelPictures {
inline constexpr float cellEdges[4] = {0, 0.33f, 0.66f, 1};
struct Cell {
    int sheet;  // 0 menuzrec, 1 menueduk, -1 none
    float s0, t0, s1, t1;
};
constexpr Cell cellOfLevel(int level) {
    if (level < 1 || level > 10) return {-1, 0, 0, 0, 0};
    const int cell = level == 10 ? 1 : level;
    const int column = (cell - 1) % 3, row = (cell - 1) / 3;
    return {level == 10 ? 1 : 0, cellEdges[column], cellEdges[2 - row], cellEdges[column + 1],
            cellEdges[3 - row]};
}
}  // namespace levelPictures

// "MEN\DAT\menuin.mex", the loading picture: list 0 the picture, list 1 what lies over it;
// the level's own picture is drawn on `pictureRect`.
namespace loadingMenu {
inline constexpr int listCount = 2;
inline constexpr MenuRect pictureRect{28.46f, 51.54f, 19.29f, 41.69f};
}  // namespace loadingMenu

// "MEN\DAT\odliczan.mex", the countdown: four pictures. Step 1 of the countdown shows list 3,
// steps 2, 3 and 4 lists 0, 1 and 2; step 0 shows nothing and step 5 ends it.
namespace countdownMenu {
inline constexpr int listCount = 4;
constexpr int listOfStep(int step) {
    return step >= 1 && step <= 4 ? (step + 2) % 4 : -1;
}
}  // namespace countdownMenu

// "MEN\DAT\menupod.mex", the level summary: list 0 the background, lists 1 to 4 its
// pictures, list 5 the continue button. The three scores are written at `scoreX` on the
// rows `scoreRows` (nectar points, time points, running total).
namespace summaryMenu {
inline constexpr int backgroundList = 0, firstPictureList = 1, buttonList = 5, listCount = 6;
inline constexpr std::array<MenuRect, 1> buttons{{{66.19f, 73.97f, 4.99f, 11.89f}}};
inline constexpr int scoreX = 46;
inline constexpr int scoreRows[3] = {35, 27, 19};
}  // namespace summaryMenu

// "MEN\DAT\menuwyn.mex", the best scores: list 0 the background, list 1 the back button,
// lists 2 to 4 the tabs of difficulties 1 to 3. The tabs take the whole-number pointer
// inclusively (x 9 to 21 is the first tab), the back button exclusively.
namespace recordsMenu {
enum Button : int { back, tab1, tab2, tab3 };
inline constexpr int backgroundList = 0, backList = 1, firstTabList = 2, listCount = 5;
struct WholeRect {
    int left, right, bottom, top;  // inclusive
    constexpr bool contains(int x, int y) const {
        return x >= left && x <= right && y >= bottom && y <= top;
    }
};
inline constexpr std::array<WholeRect, 3> tabs{{{9, 21, 6, 8}, {25, 37, 6, 8}, {41, 53, 6, 8}}};
// Where a tab's face is drawn: every point the pointer may take in it, and a unit more.
constexpr MenuRect tabFace(int tab) {
    const WholeRect& t = tabs[static_cast<std::size_t>(tab)];
    return {static_cast<float>(t.left), static_cast<float>(t.right + 1),
            static_cast<float>(t.bottom), static_cast<float>(t.top + 1)};
}
inline constexpr MenuRect backButton{55.97f, 70, 2.93f, 8.08f};
inline constexpr int rowX = 5;
constexpr int rowY(int k) {
    return 55 - 5 * k;  // k = 1 to 9
}
}  // namespace recordsMenu
