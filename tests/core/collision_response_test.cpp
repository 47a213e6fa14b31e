// What a collision does to the bee: soft and hard bumps, and the hive's door.

#include <gtest/gtest.h>

#include <cmath>

#include "core/flight_update.h"
#include "core/game_state.h"
#include "game/collision_mesh.h"
#include "game/kamera.h"
#include "game/kontrol.h"
#include "game/stage_settings.h"

namespace {

// A wall across z = 5 facing -z, and the hive's door: a quad across z = 0.215 facing +z.
CollisionMesh wallAndDoor() {
    CollisionMesh mesh;
    mesh.loaded = true;
    CollisionGroup door;
    door.box = {{-0.3f, 0, 0.1f}, {0.3f, 0.7f, 0.3f}};
    door.triangles.push_back(
        {{-0.15f, 0.08f, 0.215f}, {0.15f, 0.08f, 0.215f}, {0.15f, 0.62f, 0.215f}});
    door.triangles.push_back(
        {{-0.15f, 0.08f, 0.215f}, {0.15f, 0.62f, 0.215f}, {-0.15f, 0.62f, 0.215f}});
    CollisionGroup wall;
    wall.box = {{-2, 0, 4.9f}, {2, 2, 5.1f}};
    wall.triangles.push_back({{-2, 0, 5}, {-2, 2, 5}, {2, 2, 5}});
    wall.triangles.push_back({{-2, 0, 5}, {2, 2, 5}, {2, 0, 5}});
    mesh.groups = {door, wall};
    return mesh;
}

class CollisionResponse : public testing::Test {
  protected:
    void SetUp() override {
        clip_plan = wallAndDoor();
        medium = Medium{};
        medium.screen = ScreenPlaying;
        opera = Opera{};
        glh::kontrol.bucket.empty();
        glh::kontrol.bucket.loadCount = 2;
        glh::kontrol.bucket.slots = {1, 1, 0, 0, 0};
        bee.maxSpeed = 0.3f;
        bee.x = 0.5f;  // off the diagonal the wall's two triangles share
        bee.y = 1;
        bee.z = 4.98f;
    }
    void TearDown() override {
        clip_plan.release();
        medium = Medium{};
    }
    glh::FlightCamera bee;
};

TEST_F(CollisionResponse, ASoftBumpStopsTheBeeAndKeepsHerNectar) {
    bee.speed = 0.3f * 0.333f;  // exactly a third of the top speed is still soft
    collideWithStage(bee);
    EXPECT_FLOAT_EQ(bee.speed, 0);
    EXPECT_NEAR(std::fabs(bee.velocityZ), 0.002f, 1e-6);
    EXPECT_FLOAT_EQ(bee.velocityX, 0);
    EXPECT_EQ(glh::kontrol.bucket.loadCount, 2);
}

TEST_F(CollisionResponse, AHardBumpSpillsOneLoad) {
    bee.speed = 0.2f;
    collideWithStage(bee);
    EXPECT_FLOAT_EQ(bee.speed, 0);
    EXPECT_EQ(glh::kontrol.bucket.loadCount, 1);
    EXPECT_EQ(glh::kontrol.bucket.slots[1], 0);
    EXPECT_EQ(glh::kontrol.bucket.slots[0], 1);
    // With an empty bucket there is nothing to lose.
    glh::kontrol.bucket.empty();
    bee.speed = 0.2f;
    collideWithStage(bee);
    EXPECT_EQ(glh::kontrol.bucket.loadCount, 0);
}

TEST_F(CollisionResponse, NothingHappensAwayFromTheWall) {
    bee.speed = 0.2f;
    bee.z = 4.9f;  // 0.1 from the wall: beyond the touching distance
    collideWithStage(bee);
    EXPECT_FLOAT_EQ(bee.speed, 0.2f);
}

TEST_F(CollisionResponse, TheDoorWinsOnlyOnceTheExitIsOpen) {
    bee.x = 0;
    bee.y = 0.3f;
    bee.z = 0.201f;
    bee.speed = 0.2f;
    glh::kontrol.clock.gameState = stageRunning;
    collideWithStage(bee);
    EXPECT_EQ(medium.screen, ScreenPlaying);  // closed: no bounce, no win
    EXPECT_FLOAT_EQ(bee.speed, 0.2f);

    opera.exitOpen = 1;
    medium.currentLevel = 1;
    loadedFlags.summary = {true, true};  // kept from an earlier level: no file to read
    collideWithStage(bee);
    loadedFlags.summary = {};
    EXPECT_EQ(medium.screen, ScreenSummary);
    EXPECT_EQ(glh::kontrol.resultCode, resultNextLevel);
    EXPECT_EQ(glh::kontrol.nextLevel, 2);
}

}  // namespace
