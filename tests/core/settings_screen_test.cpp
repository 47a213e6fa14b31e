// The settings screen as the player drives it through the game's pointer handlers, without
// a window: the screens count as loaded, and what the items do to the display and the
// textures is recorded by the test's own actions.

#include "menus/settings_screen.h"

#include <gtest/gtest.h>

#include <string>

#include "core/display_record.h"
#include "core/game_state.h"
#include "core/input_handlers.h"
#include "core/screens.h"
#include "menus/menu_screens.h"
#include "menus/menus.h"

namespace {

std::string calls;
// The display the read-back finds: what the X server really shows.
int displayWidth = 0, displayHeight = 0, displayBits = 32;

const glh::SettingsScreen::Actions recorded = {
    [] {
        calls += "switch " + std::to_string(ekran.width) + "x" + std::to_string(ekran.height) + " ";
    },
    [] {
        calls += "read ";
        ekran.width = displayWidth;
        ekran.height = displayHeight;
        ekran.bitsPerPixel = displayBits;
    },
    [] { calls += "reload " + std::to_string(medium.textureFilterMode) + " "; },
    [](bool on) { calls += on ? "smooth " : "sharp "; },
};

class SettingsScreen : public testing::Test {
  protected:
    void SetUp() override {
        calls.clear();
        ekran.width = displayWidth = 800;
        ekran.height = displayHeight = 600;
        ekran.bitsPerPixel = displayBits = 32;
        medium = Medium{};
        opera = Opera{};
        medium.screen = ScreenMainMenu;
        loadedFlags = LoadedFlags{};
        loadedFlags.mainMenu = loadedFlags.settings = {true, true};
        connectMenus({nullptr, nullptr, nullptr});
        glh::menu_one.buttons.setAll(0);
        glh::menu_ust.actions = recorded;
        pointAt(20, 37);  // the main menu's settings button
        click();
        EXPECT_EQ(medium.screen, ScreenSettings);
        calls.clear();
    }
    void TearDown() override {
        glh::menu_ust.actions = glh::SettingsScreen::gameActions;
        for (auto& handlers : screenHandlers) handlers = {};
        loadedFlags = LoadedFlags{};
    }

    // The pointer at a menu position, through the window pixels of the display mode.
    static void pointAt(float mx, float my) {
        gamePassiveMotion(static_cast<int>(mx * static_cast<float>(ekran.width) / 80),
                          static_cast<int>((60 - my) * static_cast<float>(ekran.height) / 60));
    }
    // One physical click: a press, then a release.
    static void click() {
        gameMouse(0, 0, 0, 0);
        gameMouse(0, 1, 0, 0);
    }
    static bool yellow(int item) {
        return settingsMenu::shownYellow(item, glh::SettingsScreen::current());
    }
};

TEST_F(SettingsScreen, AResolutionSwitchesThenReadsBackSoTheMarkFollowsTheRealMode) {
    pointAt(70, 38.8f);  // 1024 x 768
    click();
    EXPECT_EQ(calls, "switch 1024x768 read ");
    EXPECT_TRUE(yellow(settingsMenu::res800));  // the display stayed at 800 x 600
    EXPECT_FALSE(yellow(settingsMenu::res1024));

    displayWidth = 1024, displayHeight = 768;
    calls.clear();
    pointAt(70, 38.8f);
    click();
    EXPECT_EQ(calls, "switch 1024x768 read ");
    EXPECT_TRUE(yellow(settingsMenu::res1024));

    // The same resolution again switches again; the mark stays.
    calls.clear();
    pointAt(70, 38.8f);
    click();
    EXPECT_EQ(calls, "switch 1024x768 read ");
    EXPECT_TRUE(yellow(settingsMenu::res1024));
    EXPECT_EQ(medium.screen, ScreenSettings);
}

TEST_F(SettingsScreen, OnTheOverlapOnly640x480Applies) {
    ekran.width = displayWidth = 1000;  // 12.5 pixels a unit: x 43.8 is pixel 547.5
    ekran.height = displayHeight = 750;
    gamePassiveMotion(548, 275);  // x 43.84, y 38
    displayWidth = 640, displayHeight = 480;
    click();
    EXPECT_EQ(calls, "switch 640x480 read ");
    EXPECT_TRUE(yellow(settingsMenu::res640));
}

TEST_F(SettingsScreen, DepthAndFilterModeReloadTexturesSmoothingOnlyFlips) {
    pointAt(42, 32.9f);  // 16 bits: stored and shown, no read-back
    click();
    EXPECT_EQ(calls, "switch 800x600 reload 1 ");
    EXPECT_EQ(ekran.bitsPerPixel, 16);
    EXPECT_TRUE(yellow(settingsMenu::depth16));

    struct Case {
        float x;
        int mode;
    };
    for (const Case c : {Case{42, 0}, Case{50.4f, 2}, Case{56, 1}, Case{62, 3}}) {
        calls.clear();
        pointAt(c.x, 27.3f);
        click();
        EXPECT_EQ(medium.textureFilterMode, c.mode);
        EXPECT_EQ(calls, "reload " + std::to_string(c.mode) + " ");
    }

    calls.clear();
    pointAt(43, 22.1f);
    click();
    EXPECT_EQ(opera.smoothing, 1);
    pointAt(60, 22.1f);
    click();
    EXPECT_EQ(opera.smoothing, 0);
    EXPECT_EQ(calls, "smooth sharp ");
    EXPECT_TRUE(yellow(settingsMenu::smoothingOff));
}

TEST_F(SettingsScreen, BackFreesTheScreenAndKeepsTheMainMenu) {
    pointAt(40, 12);  // between the rows and the back item: nothing
    click();
    EXPECT_EQ(medium.screen, ScreenSettings);
    pointAt(60, 4);
    click();
    EXPECT_EQ(medium.screen, ScreenMainMenu);
    EXPECT_EQ(calls, "");
    EXPECT_FALSE(loadedFlags.settings.textures);
    EXPECT_FALSE(loadedFlags.settings.model);
    EXPECT_TRUE(loadedFlags.mainMenu.textures);
    EXPECT_FLOAT_EQ(glh::menu_ust.items.value(settingsMenu::back), hoverOutside);
}

}  // namespace
