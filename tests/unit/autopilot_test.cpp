// The autopilot as a careful player plays: home with her nectar when something comes at
// her, nectar spots away from the creatures, round the trees rather than into them, and
// below a tree's crown until she is out from under it. The young child's style: the
// nearest spot and home, no thought of creatures, icons or the clock, a gentle hand that
// follows her eyes late.

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

TEST(Autopilot, SinksUnderAWideCrownAcrossHerWayRatherThanGoingRound) {
    Scene scene;
    scene.sprites = {{0, 8, NectarSprite::fullAmount, 0}};
    // A crown four units wide across her way, its lowest face at 1.3 (the box reaches 0.1
    // further), at the height she cruises.
    scene.obstacles = {{{-2, 1.2f, 2.5f}, {2, 2.4f, 4.5f}}};
    const AutopilotControls skilled = Autopilot().decide(scene.view());
    EXPECT_EQ(skilled.cursorX, 200) << "straight on";
    EXPECT_GT(skilled.cursorY, 150) << "sinking";
    // Standing on the ground, the same box is a wall to fly round.
    scene.obstacles = {{{-2, -0.1f, 2.5f}, {2, 2.4f, 4.5f}}};
    EXPECT_NE(Autopilot().decide(scene.view()).cursorX, 200);
}

TEST(Autopilot, AfterABumpSheLiftsOffWhatSheSatOn) {
    // Sinking onto a spot beside a mushroom she has come down on its cap and stopped dead:
    // the skilled player climbs while she backs off; the child keeps pressing down.
    Scene scene;
    scene.sprites = {{0.3f, 0.3f, NectarSprite::fullAmount, 0}};
    scene.obstacles = {{{-0.4f, 0.25f, -0.4f}, {0.4f, 1.05f, 0.4f}}};
    for (AutopilotStyle style : {AutopilotStyle::Skilled, AutopilotStyle::Child}) {
        Autopilot pilot;
        pilot.setStyle(style);
        AutopilotView view = scene.view();
        view.y = 1.0f;
        view.speed = 1;
        AutopilotControls controls;
        for (int frame = 0; frame < 20; ++frame) {  // past the child's reaction time
            view.seconds = static_cast<float>(frame) * 0.033f;
            controls = pilot.decide(view);
            view.speed = 0;  // stopped dead from the first frame on
        }
        EXPECT_EQ(pilot.goal(), AutopilotGoal::Evade);
        if (style == AutopilotStyle::Skilled)
            EXPECT_LT(controls.cursorY, 150) << "the skilled player climbs";
        else
            EXPECT_GT(controls.cursorY, 150) << "the child sinks on";
    }
}

TEST(ChildAutopilot, FliesToTheNearestSpotWhateverComesAtHer) {
    struct Case {
        const char* what;
        int loads;
        std::vector<CreatureSighting> creatures;
        int secondsLeft;
        AutopilotGoal skilled, child;
    } cases[] = {
        {"a chaser at her",
         1,
         {{0.5f, 1, 1.5f, true}},
         200,
         AutopilotGoal::Deliver,
         AutopilotGoal::Nectar},
        {"the clock nearly out", 1, {}, 10, AutopilotGoal::Deliver, AutopilotGoal::Nectar},
        {"a full bucket", 5, {}, 200, AutopilotGoal::Deliver, AutopilotGoal::Deliver},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Scene scene;
        scene.creatures = c.creatures;
        AutopilotView view = scene.view();
        view.loadCount = c.loads;
        view.secondsLeft = c.secondsLeft;
        Autopilot skilled, child;
        child.setStyle(AutopilotStyle::Child);
        skilled.decide(view);
        child.decide(view);
        EXPECT_EQ(skilled.goal(), c.skilled);
        EXPECT_EQ(child.goal(), c.child);
    }
    // A butterfly beside the near spot: she still aims straight ahead at it.
    Scene scene;
    scene.creatures = {{1, 0.6f, 5, false}};
    AutopilotView view = scene.view();
    view.loadCount = 1;
    Autopilot child;
    child.setStyle(AutopilotStyle::Child);
    view.seconds = 0;
    child.decide(view);
    view.seconds = 1;
    EXPECT_EQ(child.decide(view).cursorX, 200);
    // A clock icon just off her way: the skilled player turns for it, the child does not.
    std::vector<PickupIcon> icons = {{1.5f, 0.5f, 2, 1, clockIcon}};
    view.icons = icons;
    view.loadCount = 0;
    Autopilot skilled;
    skilled.decide(view);
    EXPECT_EQ(skilled.goal(), AutopilotGoal::Icon);
    child.decide(view);
    EXPECT_EQ(child.goal(), AutopilotGoal::Nectar);
}

TEST(ChildAutopilot, HerHandIsGentleAndFollowsHerEyesLate) {
    // The spot far behind her left: a hard turn wanted.
    Scene scene;
    scene.sprites = {{-8, -8, NectarSprite::fullAmount, 0}};
    AutopilotView view = scene.view();
    Autopilot skilled, child;
    child.setStyle(AutopilotStyle::Child);
    const float reaction = handOf(AutopilotStyle::Child).reactionSeconds;
    ASSERT_GT(reaction, 0);
    const AutopilotControls hard = skilled.decide(view);
    // Before her first decision reaches her hand, the pointer rests in the middle.
    view.seconds = 0;
    EXPECT_EQ(child.decide(view).cursorX, 200);
    view.seconds = reaction / 2;
    EXPECT_EQ(child.decide(view).cursorX, 200);
    view.seconds = reaction;
    const AutopilotControls gentle = child.decide(view);
    EXPECT_GT(hard.cursorX, gentle.cursorX) << "both turn the same way, she less";
    EXPECT_GT(gentle.cursorX, 200);
    // The spot moves to her other side; for a reaction time she still turns the old way.
    scene.sprites = {{8, 0.5f, NectarSprite::fullAmount, 0}};
    view = scene.view();
    view.seconds = reaction + 0.05f;
    EXPECT_GT(child.decide(view).cursorX, 200);
    view.seconds = 2 * reaction + 0.1f;
    EXPECT_LT(child.decide(view).cursorX, 200);
    // A reset keeps who is playing.
    child.reset();
    EXPECT_EQ(child.style(), AutopilotStyle::Child);
}

}  // namespace
