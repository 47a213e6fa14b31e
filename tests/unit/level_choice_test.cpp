// The way into a level: level buttons from the unlocked flags, the loading picture's cell,
// and which countdown picture each second shows.

#include <gtest/gtest.h>

#include "menus/level_buttons.h"
#include "menus/menu_layouts.h"

namespace {

float midX(const MenuRect& r) {
    return (r.left + r.right) / 2;
}
float midY(const MenuRect& r) {
    return (r.bottom + r.top) / 2;
}

TEST(LevelButtons, LockedLevelsNeverLightChimeNorStart) {
    LevelButtons buttons;
    std::array<int, 10> unlocked{1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    buttons.setFromFlags(unlocked);
    EXPECT_EQ(buttons.state(0), LevelButtons::available);
    EXPECT_EQ(buttons.state(2), LevelButtons::available);
    EXPECT_EQ(buttons.state(3), LevelButtons::locked);
    EXPECT_EQ(buttons.state(levelMenu::backButton), LevelButtons::available);

    const MenuRect& level4 = levelMenu::buttons[3];
    EXPECT_EQ(buttons.hover(midX(level4), midY(level4)), 0);
    EXPECT_EQ(buttons.state(3), LevelButtons::locked);
    EXPECT_EQ(buttons.clicked(), -1);

    const MenuRect& level3 = levelMenu::buttons[2];
    EXPECT_EQ(buttons.hover(midX(level3), midY(level3)), 1);
    EXPECT_EQ(buttons.hover(midX(level3) + 1, midY(level3)), 0);  // within: no second chime
    EXPECT_EQ(buttons.state(2), LevelButtons::underPointer);
    EXPECT_EQ(buttons.clicked(), 3);

    const MenuRect& back = levelMenu::buttons[levelMenu::backButton];
    EXPECT_EQ(buttons.hover(midX(back), midY(back)), 1);
    EXPECT_EQ(buttons.state(2), LevelButtons::available);
    EXPECT_EQ(buttons.clicked(), 0);
}

TEST(LevelButtons, AnotherDifficultysFlagsReplaceTheLooks) {
    LevelButtons buttons;
    buttons.setFromFlags({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    buttons.setFromFlags({1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    for (int k = 1; k < 10; ++k) EXPECT_EQ(buttons.state(k), LevelButtons::locked) << k;
    // A flag of 2 or any other value than 1 is not "unlocked".
    buttons.setFromFlags({1, 2, -1, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(buttons.state(1), LevelButtons::locked);
    EXPECT_EQ(buttons.state(2), LevelButtons::locked);
}

TEST(LevelPictures, EachLevelShowsItsCellOfItsSheet) {
    struct Case {
        int level, sheet;
        float s0, t0, s1, t1;
    };
    const Case cases[] = {
        {1, 0, 0, 0.66f, 0.33f, 1},       // top left of menuzrec
        {5, 0, 0.33f, 0.33f, 0.66f, 0.66f},
        {9, 0, 0.66f, 0, 1, 0.33f},       // bottom right
        {10, 1, 0, 0.66f, 0.33f, 1},      // top left of menueduk
        {0, -1, 0, 0, 0, 0},              // no picture
        {11, -1, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const auto cell = levelPictures::cellOfLevel(c.level);
        EXPECT_EQ(cell.sheet, c.sheet) << c.level;
        EXPECT_FLOAT_EQ(cell.s0, c.s0) << c.level;
        EXPECT_FLOAT_EQ(cell.t0, c.t0) << c.level;
        EXPECT_FLOAT_EQ(cell.s1, c.s1) << c.level;
        EXPECT_FLOAT_EQ(cell.t1, c.t1) << c.level;
    }
}

TEST(Countdown, NothingAtFirstThenFourPicturesThenPlay) {
    const int lists[] = {-1, 3, 0, 1, 2, -1};
    for (int step = 0; step <= 5; ++step) EXPECT_EQ(countdownMenu::listOfStep(step), lists[step]) << step;
}

}  // namespace
