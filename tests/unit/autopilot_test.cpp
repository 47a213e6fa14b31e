// The autopilot as a careful child plays: home with her nectar when something comes at
// her, nectar spots away from the creatures, round the trees rather than into them, and
// below a tree's crown until she is out from under it.

#include <gtest/gtest.h>

#include <vector>

#include "game/autopilot_rules.h"

namespace {

// The bee at (0, 0) looking along +z over a garden with two nectar spots, one near (0, 4)
// and one far (-8, -8), on a 400 × 300 screen.
struct Scene {
    std::vector<NectarSprite> sprites = {{0, 4, NectarSprite::fullAmount, 0},
                                         {-8, -8, NectarSprite::fullAmount, 0}};
    std::vector<CreatureSighting> creatures;
    std::vector<CollisionBox> obstacles;
    AutopilotView view() const {
        AutopilotView v;
        v.y = Autopilot::cruiseHeight;
        v.speed = 2;
        v.maxSpeed = 2.2f;
        v.turnRate = 3;
        v.sprites = sprites;
        v.creatures = creatures;
        v.obstacles = obstacles;
        v.target = 100;
        v.nectarPerLoad = 10;
        v.secondsLeft = 200;
        v.centreX = 200;
        v.centreY = 150;
        return v;
    }
};

TEST(Autopilot, GoesHomeWhenAChaserComesAtHerWithNectarAboard) {
    struct Case {
        int loads;
        float creatureZ;
        bool chasing;
        AutopilotGoal goal;
    } cases[] = {
        {1, 1.5f, true, AutopilotGoal::Deliver},
        {1, 1.5f, false, AutopilotGoal::Nectar},  // wandering by: nothing to fear yet
        {1, 6, true, AutopilotGoal::Nectar},      // chasing, but far off
        {0, 1.5f, true, AutopilotGoal::Nectar},   // nothing to take
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.loads << " loads, creature at " << c.creatureZ);
        Scene scene;
        scene.creatures = {{0.5f, 1, c.creatureZ, c.chasing}};
        AutopilotView view = scene.view();
        view.loadCount = c.loads;
        Autopilot pilot;
        pilot.decide(view);
        EXPECT_EQ(pilot.goal(), c.goal);
    }
    // Once fleeing she keeps going home until her bucket is empty.
    Scene scene;
    scene.creatures = {{0.5f, 1, 1.5f, true}};
    Autopilot pilot;
    AutopilotView view = scene.view();
    view.loadCount = 2;
    pilot.decide(view);
    scene.creatures.clear();
    view = scene.view();
    view.loadCount = 2;
    pilot.decide(view);
    EXPECT_EQ(pilot.goal(), AutopilotGoal::Deliver);
    view.loadCount = 0;
    pilot.decide(view);
    EXPECT_EQ(pilot.goal(), AutopilotGoal::Nectar);
}

TEST(Autopilot, WithNectarAboardSheLeavesSpotsNearCreaturesForLater) {
    for (int loads : {0, 1}) {
        Scene scene;
        scene.creatures = {{1, 0.6f, 5, false}};  // a butterfly beside the near spot
        AutopilotView view = scene.view();
        view.loadCount = loads;
        Autopilot pilot;
        const AutopilotControls controls = pilot.decide(view);
        // The near spot lies straight ahead; the far one behind her to the left.
        EXPECT_EQ(controls.cursorX == 200, loads == 0) << loads << " loads";
    }
}

TEST(Autopilot, FliesRoundATreeInHerWayAndKeepsBelowItsCrown) {
    Scene scene;
    scene.sprites = {{0, 8, NectarSprite::fullAmount, 0}};
    AutopilotControls straight = Autopilot().decide(scene.view());
    EXPECT_EQ(straight.cursorX, 200);
    // A tree's octagon between her and the spot.
    scene.obstacles = {{{-0.8f, 0, 2.2f}, {0.8f, 3, 3.8f}}};
    AutopilotControls round = Autopilot().decide(scene.view());
    EXPECT_NE(round.cursorX, 200);

    // Right under a crown whose lowest face is 0.1 above her (its box reaches 0.1 further):
    // she sinks instead of climbing to her cruising height.
    scene.obstacles = {{{-2, 1.4f, -2}, {2, 3, 2}}};
    AutopilotView view = scene.view();
    view.y = 1.4f;
    EXPECT_GT(Autopilot().decide(view).cursorY, 150) << "the pointer below the middle sinks";
    view.y = 1.2f;
    scene.obstacles.clear();
    view.obstacles = scene.obstacles;
    EXPECT_LT(Autopilot().decide(view).cursorY, 150) << "in the open she climbs to cruise";
}

}  // namespace
