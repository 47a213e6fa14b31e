#include <gtest/gtest.h>

#include <cmath>

#include "game/kamera.h"

namespace {

using glh::FlightCamera;
using glh::FlightInput;

class RecordingWorld : public glh::FlightWorld {
public:
    bool spinRunning() override { return spinDirection != 0; }
    void startSpin(int direction) override { spinDirection = direction; }
    void nectarTest(FlightCamera&) override { ++nectarTests; }
    void collisionTest(FlightCamera&) override { ++collisionTests; }
    int spinDirection = 0;
    int nectarTests = 0, collisionTests = 0;
};

// A bee well away from the hive and the edges, at cruising height, pointer centred.
void cruise(FlightCamera& bee) {
    bee.x = 5;
    bee.y = 1;
    bee.z = 5;
}

FlightInput centred(float dt = 0.02f) {
    FlightInput in;
    in.dt = dt;
    in.centreX = 512;
    in.centreY = 384;
    in.cursorX = 512;
    in.cursorY = 384;
    return in;
}

TEST(Flight, UpSpeedsTheBeeToHerLimitAndLettingGoSlowsHerDown) {
    FlightCamera bee;
    cruise(bee);
    RecordingWorld world;
    FlightInput in = centred(1.0f);  // one second per frame: acceleration 0.002 per frame
    in.upHeld = true;
    bee.fly(in, world);
    EXPECT_FLOAT_EQ(bee.speed, 0.002f);
    for (int i = 0; i < 200; ++i) bee.fly(in, world);
    EXPECT_FLOAT_EQ(bee.speed, bee.maxSpeed);  // clamped, never beyond
    in.upHeld = false;
    for (int i = 0; i < 200; ++i) bee.fly(in, world);
    EXPECT_LE(bee.speed, 0.001f);  // stops falling at or below 0.001, never exactly 0 by itself
    EXPECT_GT(bee.speed, -0.001f);
}

TEST(Flight, DownFliesTheBeeBackwardsWithNoClampOnThatSide) {
    FlightCamera bee;
    cruise(bee);
    RecordingWorld world;
    FlightInput in = centred(1.0f);
    in.downHeld = true;
    bee.speed = -0.19f;
    bee.z = 10;
    for (int i = 0; i < 20; ++i) bee.fly(in, world);
    EXPECT_NEAR(bee.speed, -bee.maxSpeed, 0.0021f);
    const float zBefore = bee.z;
    bee.fly(in, world);
    EXPECT_LT(bee.z, zBefore);  // heading 0 looks along +z, so backwards is -z
}

TEST(Flight, ThePointerTurnsClimbsAndSinks) {
    struct Case {
        float cursorX, cursorY;
        float heading;    // after one frame of dt 0.1 from heading 0
        float velocityY;  // c squared times dt, signed
    };
    const Case cases[] = {
        {1024, 384, -0.4f, 0},      // full right: e = 1, heading -= 1 * 4 * 0.1
        {0, 384, 0.4f, 0},          // full left
        {768, 0, -0.2f, 0.1f},      // pointer at the top climbs: c = -1
        {512, 768, 0, -0.1f},       // at the bottom sinks
        {512, 192, 0, 0.025f},      // c = -0.5 gives 0.25 * dt
    };
    for (const auto& c : cases) {
        FlightCamera bee;
    cruise(bee);
        RecordingWorld world;
        FlightInput in = centred(0.1f);
        in.cursorX = c.cursorX;
        in.cursorY = c.cursorY;
        bee.fly(in, world);
        EXPECT_NEAR(bee.heading, c.heading, 1e-6) << c.cursorX << "," << c.cursorY;
        EXPECT_NEAR(bee.velocityY, c.velocityY, 1e-6) << c.cursorX << "," << c.cursorY;
        EXPECT_NEAR(bee.bank, -(c.cursorX - 512) / 512, 1e-6);
    }
}

TEST(Flight, APointerAtTheCentreKeepsTheLastClimb) {
    FlightCamera bee;
    cruise(bee);
    RecordingWorld world;
    bee.velocityY = 0.003f;
    bee.fly(centred(), world);
    EXPECT_FLOAT_EQ(bee.velocityY, 0.003f);
    EXPECT_FLOAT_EQ(bee.heading, 0);
}

TEST(Flight, SharpTurnsSpinOnlyAtSpeedAndHeight) {
    struct Case {
        float cursorX, speed, y;
        bool alreadySpinning;
        int spin;
    };
    const Case cases[] = {
        {1000, 0.01f, 1.0f, false, 1},   // e = 0.95
        {20, 0.01f, 1.0f, false, -1},
        {900, 0.01f, 1.0f, false, 0},    // e = 0.76: not sharp enough
        {1000, 0.004f, 1.0f, false, 0},  // too slow
        {1000, 0.01f, 0.39f, false, 0},  // too low
        {20, 0.01f, 1.0f, true, 1},      // a spin runs: no new one
    };
    for (const auto& c : cases) {
        FlightCamera bee;
    cruise(bee);
        bee.y = c.y;
        bee.speed = c.speed;
        RecordingWorld world;
        if (c.alreadySpinning) world.spinDirection = 1;
        FlightInput in = centred(0.0f);
        in.cursorX = c.cursorX;
        in.upHeld = true;  // hold the speed
        bee.fly(in, world);
        EXPECT_EQ(world.spinDirection, c.spin) << c.cursorX << " " << c.speed << " " << c.y;
    }
}

TEST(Flight, PitchDecaysFollowsThePointerAndStaysInItsRange) {
    FlightCamera bee;
    cruise(bee);
    RecordingWorld world;
    bee.pitch = 0.008f;
    bee.fly(centred(0), world);
    EXPECT_FLOAT_EQ(bee.pitch, 0.008f * (1 - 0.00625f));
    bee.verticalMouseDirection = -1;  // pointer moved up: nose up
    for (int i = 0; i < 50; ++i) bee.fly(centred(1), world);
    EXPECT_FLOAT_EQ(bee.pitch, 0.01f);
    bee.verticalMouseDirection = 1;
    for (int i = 0; i < 50; ++i) bee.fly(centred(1), world);
    EXPECT_FLOAT_EQ(bee.pitch, -0.02f);
}

TEST(Flight, TheHivePostPutsTheBeeBackAtTheDoor) {
    FlightCamera bee;
    RecordingWorld world;
    bee.x = 0.1f;
    bee.z = -0.1f;
    bee.y = 0.5f;
    bee.heading = 2;
    bee.speed = 0.05f;
    bee.fly(centred(), world);
    EXPECT_FLOAT_EQ(bee.x, 0);
    EXPECT_FLOAT_EQ(bee.z, 0.201f);
    EXPECT_FLOAT_EQ(bee.y, 0.5f);
    EXPECT_FLOAT_EQ(bee.heading, 0);

    // Above the hive's height the post does not catch her, and the camera keeps its 0.4.
    FlightCamera high;
    high.y = 0.9f;
    high.x = 0.1f;
    high.fly(centred(), world);
    EXPECT_FLOAT_EQ(high.cameraDistance, 0.4f);
    EXPECT_NE(high.z, 0.201f);
    // Close but outside the post the camera comes in to the bee's distance from the hive.
    FlightCamera near;
    near.y = 0.5f;
    near.x = 0.3f;
    near.fly(centred(), world);
    EXPECT_FLOAT_EQ(near.cameraDistance, 0.3f);
}

TEST(Flight, TheWorldsEdgePushesTheBeeBack) {
    const float positions[][2] = {{19.71f, 0}, {-19.71f, 0}, {0, 19.71f}, {0, -19.71f}};
    for (const auto& p : positions) {
        FlightCamera bee;
    cruise(bee);
        bee.x = p[0];
        bee.z = p[1];
        bee.speed = 0.2f;
        bee.heading = std::atan2(p[0], p[1]);  // flying straight out
        RecordingWorld world;
        FlightInput in = centred(1);
        in.upHeld = true;
        bee.fly(in, world);
        EXPECT_NEAR(std::fabs(bee.x), std::fabs(p[0]) - (p[0] != 0 ? 0.001f : 0), 1e-5);
        EXPECT_NEAR(std::fabs(bee.z), std::fabs(p[1]) - (p[1] != 0 ? 0.001f : 0), 1e-5);
    }
}

TEST(Flight, TheCountdownHoldsTheBeeButTheTestsStillRun) {
    FlightCamera bee;
    cruise(bee);
    RecordingWorld world;
    bee.speed = 0.2f;
    FlightInput in = centred(1);
    in.cursorY = 0;
    in.countdown = true;
    bee.fly(in, world);
    EXPECT_FLOAT_EQ(bee.x, 5);
    EXPECT_FLOAT_EQ(bee.y, 1);
    EXPECT_FLOAT_EQ(bee.z, 5);
    EXPECT_EQ(world.nectarTests, 1);
    EXPECT_EQ(world.collisionTests, 1);
}

TEST(Flight, TheCameraLooksAtTheBeeFromBehind) {
    FlightCamera bee;
    cruise(bee);
    bee.heading = 1.5707964f;  // looking along +x
    bee.pitch = 0.01f;
    auto view = bee.followingView();
    EXPECT_NEAR(view.eye[0], 5 - 0.4f, 1e-5);
    EXPECT_NEAR(view.eye[1], 1 - 0.1f, 1e-5);
    EXPECT_NEAR(view.eye[2], 5, 1e-5);
    EXPECT_FLOAT_EQ(view.up[1], 2);
    auto start = bee.startView();
    EXPECT_NEAR(start.eye[0], 5 - 0.5f, 1e-5);
    EXPECT_FLOAT_EQ(start.up[1], 2.5f);
}

}  // namespace
