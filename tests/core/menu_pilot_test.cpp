// The autopilot's hand in the menus: it points, waits, clicks, and types its name only
// where a row waits for one.

#include "core/menu_pilot.h"

#include <gtest/gtest.h>

#include "core/game_state.h"

namespace {

// Steps until the pilot does something; returns those events.
std::vector<InputEvent> nextAction(MenuPilot& pilot, const MenuPilot::View& view) {
    for (int k = 0; k < 100; ++k) {
        auto events = pilot.step(view);
        if (!events.empty()) return events;
    }
    return {};
}

TEST(MenuPilot, PointsThenClicksTheButtonOfEachScreen) {
    MenuPilot pilot;
    pilot.difficulty = 2;
    pilot.firstLevel = 1;
    struct Case {
        int screen;
        int x, y;  // pixels of an 800 x 600 screen
    };
    const Case cases[] = {
        {ScreenMainMenu, 160, 90},      // new game
        {ScreenDifficulty, 400, 445},   // difficulty 2
        {ScreenLevelChoice, 101, 178},  // level 1
        {ScreenSummary, 700, 515},      // continue
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        const MenuPilot::View view{c.screen, 1, -1, 800, 600};
        auto events = nextAction(pilot, view);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].kind, InputEvent::PassiveMotion);
        EXPECT_EQ(events[0].a, c.x);
        EXPECT_EQ(events[0].b, c.y);
        events = nextAction(pilot, view);
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[0], (InputEvent{InputEvent::Button, 0, 0, c.x, c.y}));
        EXPECT_EQ(events[1], (InputEvent{InputEvent::Button, 0, 1, c.x, c.y}));
    }
}

TEST(MenuPilot, TypesItsNameOnceThenGoesBackAndQuits) {
    MenuPilot pilot;
    pilot.name = "BEE";
    // The summary of the last level: no level in progress any more, the game has ended.
    nextAction(pilot, {ScreenSummary, 0, -1, 800, 600});
    EXPECT_EQ(nextAction(pilot, {ScreenSummary, 0, -1, 800, 600}).size(), 2u);
    auto events = nextAction(pilot, {ScreenResults, 0, 4, 800, 600});
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0], (InputEvent{InputEvent::Key, 'B', 0, 0}));
    EXPECT_EQ(events[3], (InputEvent{InputEvent::Key, 13, 0, 0}));
    // The entry has ended: back to the main menu, whose Quit it now chooses.
    events = nextAction(pilot, {ScreenResults, 0, -1, 800, 600});
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, InputEvent::PassiveMotion);
    events = nextAction(pilot, {ScreenResults, 0, -1, 800, 600});
    EXPECT_EQ(events.size(), 2u);
    events = nextAction(pilot, {ScreenMainMenu, 0, -1, 800, 600});
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].b, 510);  // quit, 9 units from the bottom
    EXPECT_TRUE(pilot.flies({ScreenPlaying, 10, -1, 800, 600}));
    pilot.lastLevel = 2;
    EXPECT_FALSE(pilot.flies({ScreenPlaying, 3, -1, 800, 600}));
}

// With three games to play it starts each from the main menu at the next difficulty, the
// last summary of a game (a won level 10, or the clock run out) ending it, whether the best
// scores follow or not; after the third it quits. A summary that leads on to the next level
// ends nothing.
TEST(MenuPilot, PlaysGameAfterGameAtTheNextDifficulty) {
    MenuPilot pilot;
    pilot.games = 3;
    pilot.difficulty = 2;
    pilot.name = "B";
    auto clickOn = [&](const MenuPilot::View& view) {
        auto events = nextAction(pilot, view);
        if (events.size() == 1) events = nextAction(pilot, view);  // pointed, now the click
        EXPECT_EQ(events.size(), 2u);
        return events[0];
    };
    const int difficultyX[] = {0, 220, 400, 580};  // the buttons' middles at 800 pixels
    for (int game = 0; game < 3; ++game) {
        SCOPED_TRACE(game);
        EXPECT_EQ(clickOn({ScreenMainMenu, 0, -1, 800, 600}).d, 90);  // new game
        const int difficulty = (1 + game) % 3 + 1;                    // 2, 3, 1
        EXPECT_EQ(pilot.gameDifficulty(), difficulty);
        EXPECT_EQ(clickOn({ScreenDifficulty, 0, -1, 800, 600}).c, difficultyX[difficulty]);
        clickOn({ScreenLevelChoice, 0, -1, 800, 600});
        clickOn({ScreenSummary, 2, -1, 800, 600});  // on to level 2
        EXPECT_EQ(pilot.gamesDone, game);
        clickOn({ScreenSummary, 0, -1, 800, 600});  // the clock ran out
        EXPECT_EQ(pilot.gamesDone, game + 1);
        if (game != 1) {  // the second game's total won no row: no best scores
            EXPECT_EQ(nextAction(pilot, {ScreenResults, 0, 0, 800, 600}).size(), 2u);  // B, Enter
            clickOn({ScreenResults, 0, -1, 800, 600});
        }
    }
    EXPECT_EQ(clickOn({ScreenMainMenu, 0, -1, 800, 600}).d, 510);  // quit
}

}  // namespace
