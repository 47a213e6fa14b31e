#include "core/main_loop.h"

#include <gtest/gtest.h>

#include "core/frame_time.h"
#include "core/game_state.h"
#include "game/kamera.h"
#include "game/pickup_icons.h"
#include "game/stage_settings.h"
#include "platform/scheduler.h"

namespace {

class MainLoop : public testing::Test {
  protected:
    void SetUp() override {
        platform::scheduler().reset();
        platform::scheduler().setFixedStep(50);
        medium = Medium{};
        // A stage that ends here shows the summary kept from an earlier level.
        loadedFlags.summary = {true, true};
    }
    void TearDown() override {
        loadedFlags.summary = {};
        platform::scheduler().reset();
        platform::scheduler().setFixedStep(0);
    }
};

TEST_F(MainLoop, TheSevenTimersRunForeverEachReArmingItself) {
    startTimers();
    EXPECT_EQ(platform::scheduler().pending(), 7u);
    for (int frame = 0; frame < 200; ++frame) platform::scheduler().advanceFrame();
    EXPECT_EQ(platform::scheduler().pending(), 7u);
}

TEST_F(MainLoop, HousekeepingShowsTheLastSecondsIdleCount) {
    startTimers();  // the first tick is at once
    EXPECT_EQ(medium.fpsText, "0");
    medium.frameCounter = 37;
    for (int frame = 0; frame < 19; ++frame) platform::scheduler().advanceFrame();
    EXPECT_EQ(medium.fpsText, "0");  // 950 ms: not yet
    platform::scheduler().advanceFrame();
    EXPECT_EQ(medium.fpsText, "37");
    EXPECT_EQ(medium.frameCounter, 0);
}

TEST_F(MainLoop, HousekeepingRunsTheSpeedBoostDown) {
    model.maxSpeed = 0.2f;
    model.boostedMaxSpeed = 0.35f;
    medium.bonusActive = 1;
    glh::ikony_tx.bonusSeconds = 2;
    housekeepingTick(1);
    EXPECT_FLOAT_EQ(glh::kamera.maxSpeed, 0.35f);
    EXPECT_EQ(glh::ikony_tx.bonusSeconds, 1);
    EXPECT_EQ(medium.bonusActive, 1);
    housekeepingTick(1);
    EXPECT_FLOAT_EQ(glh::kamera.maxSpeed, 0.35f);  // the last boosted second
    EXPECT_EQ(medium.bonusActive, 0);
    housekeepingTick(1);
    EXPECT_FLOAT_EQ(glh::kamera.maxSpeed, 0.2f);
}

TEST_F(MainLoop, FrameTimeIsTheMeanOfTheLastTenFramesOnTheVirtualClock) {
    glh::FrameTiming timing;
    timing.lastTick = platform::scheduler().now();
    platform::scheduler().advanceFrame();
    timing.updateFrameTime();
    EXPECT_FLOAT_EQ(timing.meanFrameSeconds, 0.005f);  // one 50 ms sample and nine zeros
    for (int frame = 0; frame < 9; ++frame) {
        platform::scheduler().advanceFrame();
        timing.updateFrameTime();
    }
    EXPECT_FLOAT_EQ(timing.meanFrameSeconds, 0.05f);
    // The ring forgets the oldest frame.
    platform::scheduler().setFixedStep(20);
    for (int frame = 0; frame < 5; ++frame) {
        platform::scheduler().advanceFrame();
        timing.updateFrameTime();
    }
    EXPECT_FLOAT_EQ(timing.meanFrameSeconds, 0.035f);
}

TEST_F(MainLoop, TheIdleCallbackHoldsTheBeeBetweenItsHeights) {
    // In real time every idle call does the play work (in fixed-step mode it runs once a
    // frame, so a replay does not depend on how often the window system idles).
    platform::scheduler().setFixedStep(0);
    medium.screen = ScreenPlaying;
    const float cases[][2] = {{2.0f, 1.6f}, {1.6f, 1.6f}, {0.05f, 0.1f}, {-3, 0.1f}, {0.7f, 0.7f}};
    for (const auto& c : cases) {
        glh::kamera.y = c[0];
        idle();
        EXPECT_FLOAT_EQ(glh::kamera.y, c[1]);
    }
    EXPECT_EQ(medium.frameCounter, 5);
    medium.screen = ScreenMainMenu;  // only in play
    glh::kamera.y = 5;
    idle();
    EXPECT_FLOAT_EQ(glh::kamera.y, 5);
}

TEST(GameState, StartsWithItsDefaults) {
    Medium m;
    Opera o;
    LoadedFlags flags;
    EXPECT_EQ(m.screen, 0);
    EXPECT_EQ(m.difficulty, 1);
    EXPECT_EQ(m.textureFilterMode, 1);
    EXPECT_EQ(o.editedRow, -1);
    EXPECT_EQ(o.exitOpen, 0);
    const auto* raw = reinterpret_cast<const bool*>(&flags);
    for (size_t i = 0; i < sizeof flags; ++i) EXPECT_FALSE(raw[i]);
}

}  // namespace

TEST_F(MainLoop, AStallCountsAsAQuarterSecondAtMost) {
    // A window hidden for three minutes stops the frames, not the clock: the next frame
    // must not carry the bee out of the world in one step.
    glh::FrameTiming timing;
    timing.restart();
    platform::scheduler().setFixedStep(180000);
    platform::scheduler().advanceFrame();
    timing.updateFrameTime();
    EXPECT_FLOAT_EQ(timing.meanFrameSeconds, 0.025f);
}

TEST_F(MainLoop, TimeOutsidePlayIsNotAFrame) {
    // A level loaded (or the menus visited) for three seconds must not hand the first
    // frames of play a three-second step: the bee would jump through walls.
    glh::FrameTiming timing;
    for (int frame = 0; frame < 60; ++frame) platform::scheduler().advanceFrame();
    timing.restart();
    platform::scheduler().advanceFrame();
    timing.updateFrameTime();
    EXPECT_FLOAT_EQ(timing.meanFrameSeconds, 0.005f);
}
