#include "core/input_handlers.h"

#include <gtest/gtest.h>

#include "core/display_record.h"
#include "core/game_state.h"
#include "core/screens.h"
#include "game/kamera.h"
#include "game/kontrol.h"
#include "menus/menu_pointer.h"

namespace {

// What the fake screens were told.
struct Seen {
    int floatHovers = 0, wholeHovers = 0, clicks = 0;
    float mx = -1, my = -1;
    int wx = -1, wy = -1;
} seen;

class InputHandlers : public testing::Test {
  protected:
    void SetUp() override {
        seen = {};
        ekran.width = 1024;
        ekran.height = 768;
        medium = Medium{};
        // Loaded at start-up, as in the game: going back to it reads no file.
        loadedFlags.mainMenu = {true, true};
        for (auto& handlers : screenHandlers) handlers = {};
        auto hover = [](float mx, float my) {
            ++seen.floatHovers;
            seen.mx = mx;
            seen.my = my;
        };
        auto hoverWhole = [](int mx, int my) {
            ++seen.wholeHovers;
            seen.wx = mx;
            seen.wy = my;
        };
        auto click = [](int, int, int, int) { ++seen.clicks; };
        for (int s : {1, 2, 4, 5, 6}) screenHandlers[s] = {nullptr, hover, nullptr, click};
        for (int s : {9, 10, 11, 12}) screenHandlers[s] = {nullptr, nullptr, hoverWhole, click};
    }
    void TearDown() override {
        for (auto& handlers : screenHandlers) handlers = {};
        loadedFlags.mainMenu = {};
    }
};

TEST_F(InputHandlers, MenuUnitsRunFromTopLeftToBottomRight) {
    struct Case {
        int x, y;
        float mx, my;
    };
    const Case cases[] = {
        {0, 0, 0, 60}, {1024, 768, 80, 0}, {512, 384, 40, 30}, {0, 768, 0, 0}, {1024, 0, 80, 60}};
    for (const auto& c : cases) {
        float mx = 0, my = 0;
        toMenuUnits(c.x, c.y, mx, my);
        EXPECT_NEAR(mx, c.mx, 1e-4) << c.x << "," << c.y;
        EXPECT_NEAR(my, c.my, 1e-4) << c.x << "," << c.y;
    }
}

TEST_F(InputHandlers, MenuUnitsFollowTheDisplayModeNotTheWindow) {
    ekran.width = 640;
    ekran.height = 480;
    float mx = 0, my = 0;
    toMenuUnits(640, 480, mx, my);
    EXPECT_NEAR(mx, 80, 1e-4);
    EXPECT_NEAR(my, 0, 1e-4);
}

TEST_F(InputHandlers, PointerMotionReachesTheCurrentScreenInItsOwnUnits) {
    medium.screen = ScreenMainMenu;
    gamePassiveMotion(512, 384);
    EXPECT_EQ(seen.floatHovers, 1);
    EXPECT_FLOAT_EQ(seen.mx, 40);
    EXPECT_FLOAT_EQ(seen.my, 30);
    EXPECT_FLOAT_EQ(menuPointer.x, 40);
    EXPECT_FLOAT_EQ(menuPointer.y, 30);

    medium.screen = ScreenResults;  // whole numbers, truncated
    gamePassiveMotion(100, 100);    // 7.8125, 52.1875
    EXPECT_EQ(seen.wholeHovers, 1);
    EXPECT_EQ(seen.wx, 7);
    EXPECT_EQ(seen.wy, 52);
}

TEST_F(InputHandlers, OnAWideScreenMenuUnitsFillTheBoxInTheMiddleAndHoldAtItsEdges) {
    ekran.width = 1920;  // the box: 1440 x 1080 from pixel 240, 18 pixels a unit
    ekran.height = 1080;
    medium.screen = ScreenMainMenu;
    struct Case {
        int x, y;
        float mx, my;
    };
    const Case cases[] = {{240, 0, 0, 60},
                          {1680, 1080, 80, 0},
                          {960, 540, 40, 30},
                          {528, 162, 16, 51},  // the middle of "new game" as drawn
                          {100, 540, 0, 30},   // left of the box: held at its edge
                          {1900, 20, 80, 60 - 20.0f / 18}};
    for (const Case& c : cases) {
        gamePassiveMotion(c.x, c.y);
        EXPECT_NEAR(seen.mx, c.mx, 1e-4) << c.x << "," << c.y;
        EXPECT_NEAR(seen.my, c.my, 1e-4) << c.x << "," << c.y;
        EXPECT_FLOAT_EQ(menuPointer.x, seen.mx);
        EXPECT_FLOAT_EQ(menuPointer.y, seen.my);
    }
}

TEST_F(InputHandlers, TheLoadingScreenAndPlayTakeNoMenuInput) {
    for (int screen : {int{ScreenLoading}, 7, 8, int{ScreenPlaying}}) {
        medium.screen = screen;
        gamePassiveMotion(10, 10);
        gameMouse(0, 0, 10, 10);
    }
    EXPECT_EQ(seen.floatHovers + seen.wholeHovers + seen.clicks, 0);
    medium.screen = ScreenQuit;
    gameMouse(0, 1, 10, 10);
    EXPECT_EQ(seen.clicks, 1);
}

TEST_F(InputHandlers, InPlayVerticalMotionGivesTheClimbDirection) {
    medium.screen = ScreenPlaying;
    gamePassiveMotion(5, 300);
    gamePassiveMotion(5, 310);  // down the window
    EXPECT_EQ(glh::kamera.verticalMouseDirection, 1);
    gamePassiveMotion(9, 310);  // sideways only
    EXPECT_EQ(glh::kamera.verticalMouseDirection, 0);
    gamePassiveMotion(5, 200);  // up
    EXPECT_EQ(glh::kamera.verticalMouseDirection, -1);
    EXPECT_EQ(seen.floatHovers, 0);
}

TEST_F(InputHandlers, KeysToggleTheFrameRateAndEscapeLeavesPlay) {
    gameKeyboard('!', 0, 0);
    EXPECT_TRUE(medium.showFps);
    gameKeyboard('!', 0, 0);
    EXPECT_FALSE(medium.showFps);

    medium.screen = ScreenPlaying;
    medium.countdownActive = 1;
    medium.currentLevel = 3;
    glh::kontrol.clock.gameState = stageRunning;
    gameKeyboard(27, 0, 0);
    EXPECT_EQ(medium.screen, ScreenMainMenu);
    EXPECT_EQ(medium.countdownActive, 0);
    EXPECT_EQ(glh::kontrol.clock.gameState, stageStopped);
    EXPECT_EQ(medium.currentLevel, 3);  // the level stays, for "continue"

    medium.screen = ScreenSettings;  // Escape means nothing in the menus
    gameKeyboard(27, 0, 0);
    EXPECT_EQ(medium.screen, ScreenSettings);
}

}  // namespace
