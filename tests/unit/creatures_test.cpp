// Butterflies, dragonflies and fish as rules: who notices the bee and when, how an attack
// ends, the dragonfly's route, the fish's jump, and the sounds' distance volumes.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "assets/data_error.h"
#include "game/butterfly.h"
#include "game/dragonfly.h"
#include "game/fish.h"
#include "game/nectar.h"
#include "game/random.h"
#include "geometry/plane_geometry.h"

namespace {

// The bee, her bucket and the generator the creatures of one test see.
struct Garden {
    NectarBucket bucket;
    RandomGenerator random{12345};
    float beeX = 0, beeY = 1, beeZ = 0;
    static constexpr float maxSpeed = 2, dt = 0.05f;

    CreatureWorld world() { return {beeX, beeY, beeZ, bucket, maxSpeed, dt, random}; }
    void carry(int loads) {
        bucket.empty();
        for (int i = 0; i < loads; ++i) bucket.slots[static_cast<size_t>(i)] = 1;
        bucket.loadCount = loads;
    }
};

Butterfly butterflyAt(float x, float y, float z, int state) {
    Butterfly b;
    b.x = b.previousX = x;
    b.y = y;
    b.z = b.previousZ = z;
    b.noticeDistance = 3;
    b.chaseFactor = 0.5f;
    b.state = state;
    return b;
}

std::string lines(const std::vector<std::string>& values) {
    std::string text;
    for (const std::string& v : values) text += v + "\r\n";
    return text;
}

// A dragonfly on the triangle A (0, 0.7, 0), B (4, 0.7, 0), C (2, 0.7, 3).
std::string dragonflyFile(const std::string& cooldown = "40") {
    return lines({"0", "0.7", "0", "0.05", "4", "0.7", "0", "2", "0.7", "3", "3", "0.5", cooldown,
                  "0", "0"});
}

TEST(Butterfly, NoticesTheBeeOnlyWithNectarAboardAndNearerThanItsNoticeDistance) {
    struct Case {
        int loads;
        float beeZ;  // the butterfly steps to x = 0.05 first
        int state;
    } cases[] = {
        {0, 1, Butterfly::Wander},    {1, 1, Butterfly::Chase},     {5, 0.5f, Butterfly::Chase},
        {1, 2.99f, Butterfly::Chase}, {1, 3.1f, Butterfly::Wander},
    };
    for (const Case& c : cases) {
        Garden garden;
        garden.carry(c.loads);
        garden.beeZ = c.beeZ;
        Butterfly b = butterflyAt(0, 1, 0, Butterfly::Wander);
        CreatureEvents events;
        butterflyTick(b, garden.world(), events);
        EXPECT_EQ(b.state, c.state) << c.loads << " loads, bee at z " << c.beeZ;
        EXPECT_FLOAT_EQ(b.x, 0.05f);
        EXPECT_EQ(b.distanceToBee, 0);  // known only while chasing
    }
}

TEST(Butterfly, AChaseFrameFollowsTheBeeAttacksWhenRightOnHerAndGivesUpOnAnEmptyBucket) {
    struct Case {
        float beeX, beeDy;
        int loads;
        int state;
        bool moves;
    } cases[] = {
        {3.5f, 0, 1, Butterfly::Wander, false},  // got away
        {1, 0.3f, 1, Butterfly::Chase, true},    // closing in and climbing
        {1, 0, 0, Butterfly::Retreat, true},     // her bucket is empty: one last step, then off
        {0.04f, 0.01f, 1, Butterfly::Attack, false},
        {0.04f, 0.05f, 1, Butterfly::Chase, true},  // right above her: still climbing
        {0.06f, 0, 1, Butterfly::Chase, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "bee at " << c.beeX << ", " << c.beeDy << " higher");
        Garden garden;
        garden.carry(c.loads);
        garden.beeX = c.beeX;
        garden.beeY = 1 + c.beeDy;
        Butterfly b = butterflyAt(0, 1, 0, Butterfly::Chase);
        CreatureEvents events;
        butterflyChase(b, garden.world(), events);
        EXPECT_EQ(b.state, c.state);
        EXPECT_EQ(events.chaseSounds, 1);
        EXPECT_FLOAT_EQ(b.distanceToBee, c.beeX);
        const float step = Garden::maxSpeed * Garden::dt * b.chaseFactor;
        EXPECT_NEAR(b.x, c.moves ? step : 0, 1e-5f);
        EXPECT_NEAR(b.z, 0, 1e-5f);
        if (c.moves) {
            EXPECT_FLOAT_EQ(b.y, c.beeDy > 0 ? 1.01f : c.beeDy < 0 ? 0.99f : 1.0f);
            EXPECT_FLOAT_EQ(b.yaw, 270);  // it came from -x
            EXPECT_FLOAT_EQ(b.previousX, b.x);
        }
    }
}

TEST(Butterfly, FourteenTicksAfterAnAttackStartsTheBeeTumblesAndLosesOneLoad) {
    for (int loads : {3, 0}) {
        SCOPED_TRACE(loads);
        Garden garden;
        garden.carry(loads);
        garden.beeX = 0.5f;
        garden.beeY = 0.8f;
        Butterfly b = butterflyAt(0, 1, 0, Butterfly::Attack);
        CreatureEvents events;
        for (int tick = 0; tick < 14; ++tick) butterflyTick(b, garden.world(), events);
        EXPECT_EQ(b.state, Butterfly::Attack);
        EXPECT_EQ(events.attackSounds, 1);
        EXPECT_EQ(events.tumbles, 0);
        EXPECT_EQ(garden.bucket.loadCount, loads);
        // Six ticks matched her height by 0.02 each (wings bob it a little), then it
        // flew at her at twice its chase step.
        EXPECT_NEAR(b.y, 1 - 6 * 0.02f, 0.12f);
        EXPECT_GT(b.x, 0.3f);

        butterflyTick(b, garden.world(), events);
        EXPECT_EQ(b.state, Butterfly::Retreat);
        EXPECT_EQ(events.attackSounds, 2);
        EXPECT_EQ(events.tumbles, 1);
        EXPECT_EQ(events.loadsStolen, loads > 0 ? 1 : 0);
        EXPECT_EQ(garden.bucket.loadCount, loads > 0 ? loads - 1 : 0);
        if (loads > 0) {
            EXPECT_EQ(garden.bucket.slots[static_cast<size_t>(loads - 1)], 0);
            EXPECT_EQ(garden.bucket.slots[0], 1);
        }
        EXPECT_EQ(b.attackCounter, 0);
    }
}

TEST(Butterfly, ARetreatTakesSeventyTicksInANewDirection) {
    Garden garden;
    garden.carry(2);
    Butterfly b = butterflyAt(0, 1, 0, Butterfly::Retreat);
    b.heading = 0;
    CreatureEvents events;
    butterflyTick(b, garden.world(), events);
    EXPECT_EQ(b.heading, 0);  // the first tick flies on
    butterflyTick(b, garden.world(), events);
    EXPECT_NE(b.heading, 0);  // the second picks a way off
    for (int tick = 3; tick < 70; ++tick) {
        butterflyTick(b, garden.world(), events);
        ASSERT_EQ(b.state, Butterfly::Retreat) << tick;
        ASSERT_GE(b.y, 0.08f);  // it bobs down to 0.1 while fleeing
    }
    // The bee is right here with nectar, yet only a wandering butterfly notices her.
    garden.beeX = b.x;
    garden.beeZ = b.z;
    butterflyTick(b, garden.world(), events);
    EXPECT_EQ(b.state, Butterfly::Wander);
    EXPECT_EQ(b.retreatCounter, 0);
    butterflyTick(b, garden.world(), events);
    EXPECT_EQ(b.state, Butterfly::Chase);
}

TEST(Butterfly, BeyondTheGardensEdgeItCurvesBackInside) {
    Garden garden;
    Butterfly b = butterflyAt(19.2f, 1, 0, Butterfly::Wander);
    b.heading = 0;  // straight out along +x
    CreatureEvents events;
    int ticksOutside = 0;
    float furthest = 0;
    for (int tick = 0; tick < 400; ++tick) {
        const float heading = b.heading;
        const bool outside = std::fabs(b.x) > 19 || std::fabs(b.z) > 19;
        butterflyTick(b, garden.world(), events);
        const bool wasOutside = std::fabs(b.x) > 19 || std::fabs(b.z) > 19;
        if (wasOutside) {
            ++ticksOutside;
            EXPECT_GE(b.heading - heading, 0);
            EXPECT_LE(b.heading - heading, 0.0901f);
        } else {
            EXPECT_EQ(b.heading, heading) << outside;
        }
        furthest = std::max({furthest, std::fabs(b.x), std::fabs(b.z)});
    }
    EXPECT_GT(ticksOutside, 0);
    EXPECT_LT(ticksOutside, 200);
    EXPECT_LT(furthest, 23);
    EXPECT_LT(std::fabs(b.x), 19);
}

TEST(Butterfly, TheTimerSetsTheChaseVolumeOfTheNearestChaser) {
    Garden garden;
    garden.carry(1);
    std::vector<Butterfly> butterflies = {
        butterflyAt(0, 1, 0, Butterfly::Retreat), butterflyAt(0, 1, 0, Butterfly::Attack),
        butterflyAt(0, 1, 0, Butterfly::Chase), butterflyAt(0, 1, 0, Butterfly::Wander)};
    butterflies[0].distanceToBee = 2.5f;
    butterflies[1].distanceToBee = 1.2345f;
    butterflies[2].distanceToBee = 1.5f;
    butterflies[3].distanceToBee = 0.5f;  // wandering: forgotten at its tick
    garden.beeX = 50;
    CreatureEvents events;
    EXPECT_EQ(butterflyTimer(butterflies, garden.world(), events), -1234);
    EXPECT_EQ(butterflies[3].distanceToBee, 0);
    for (Butterfly& b : butterflies) b.distanceToBee = 0;
    EXPECT_EQ(butterflyTimer(butterflies, garden.world(), events), std::nullopt);
}

TEST(Butterfly, ACreatedButterflyTakesThreeDrawsHeadingXZ) {
    RandomGenerator random(777), copy(777);
    const Butterfly b = createButterfly(random, 2.5f, 0.6f);
    const float heading = static_cast<float>(copy.next() % 360) * 0.017453292f;
    const float x0 = static_cast<float>(copy.next() % 2000) * 0.01f - 10;
    const float z0 = static_cast<float>(copy.next() % 2000) * 0.01f - 10;
    EXPECT_EQ(random.seed(), copy.seed());
    EXPECT_FLOAT_EQ(b.heading, heading);
    EXPECT_FLOAT_EQ(b.previousX, x0);
    EXPECT_FLOAT_EQ(b.previousZ, z0);
    EXPECT_FLOAT_EQ(b.x, x0 + std::cos(heading) * 0.05f);
    EXPECT_FLOAT_EQ(b.z, z0 + std::sin(heading) * 0.05f);
    EXPECT_EQ(b.y, 1.5f);
    EXPECT_EQ(b.state, Butterfly::Wander);
    EXPECT_EQ(b.noticeDistance, 2.5f);
    EXPECT_EQ(b.chaseFactor, 0.6f);
    EXPECT_FLOAT_EQ(b.yaw, geometry::headingDegrees(b.x, b.z, x0, z0));
}

TEST(Dragonfly, PatrolsItsLegsAToBToCToATurningExactlyAtEachWaypoint) {
    Garden garden;  // nothing aboard: it never chases
    DragonflyFlock flock;
    std::vector<Dragonfly> dragonflies = {readDragonfly(dragonflyFile(), "w0111.mtt")};
    Dragonfly& d = dragonflies[0];
    EXPECT_EQ(d.leg, 1);
    EXPECT_FLOAT_EQ(d.heading, geometry::kHalfPi);  // A to B
    EXPECT_FLOAT_EQ(d.x, 0.05f);
    EXPECT_EQ(d.cooldown, 40);
    const Waypoint corners[3] = {{0, 0.7f, 0}, {4, 0.7f, 0}, {2, 0.7f, 3}};
    std::vector<int> legs = {d.leg};
    CreatureEvents events;
    for (int tick = 0; tick < 1200 && legs.size() < 6; ++tick) {
        const float heading = d.heading;
        const int leg = d.leg;
        dragonflyTimer(dragonflies, flock, garden.world(), events);
        if (d.leg == leg) {
            ASSERT_EQ(d.heading, heading) << "between waypoints it flies straight on";
            continue;
        }
        EXPECT_EQ(flock.tickCounter, 2) << "waypoints are checked one tick in eleven";
        legs.push_back(d.leg);
        const Waypoint& from = corners[leg % 3];
        const Waypoint& to = corners[d.leg % 3];
        EXPECT_LT(std::hypot(d.previousX - from.x, d.previousZ - from.z), 0.5f);
        EXPECT_FLOAT_EQ(d.heading, geometry::headingAngle(from.x, from.z, to.x, to.z));
        ASSERT_GE(d.y, 0.45f);
        ASSERT_LE(d.y, 1.05f);
    }
    EXPECT_EQ(legs, (std::vector<int>{1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(d.cooldown, 0);
    EXPECT_EQ(events.chaseSounds, 0);
}

TEST(Dragonfly, OneThatPassesItsWaypointWithoutComingNearTurnsForTheNextFromWhereItIs) {
    Garden garden;
    DragonflyFlock flock;
    std::vector<Dragonfly> dragonflies = {readDragonfly(dragonflyFile(), "w0111.mtt")};
    Dragonfly& d = dragonflies[0];
    d.z = 0.7f;  // beside its leg: B (4, 0) is never within 0.5
    CreatureEvents events;
    int tick = 0;
    while (d.leg == 1 && tick < 200) {
        dragonflyTimer(dragonflies, flock, garden.world(), events);
        ++tick;
    }
    EXPECT_EQ(d.leg, 2);
    EXPECT_GT(d.previousX, 4);
    EXPECT_LT(d.previousX, 4.6f);  // within a check's flight past it
    EXPECT_FLOAT_EQ(d.heading, geometry::headingAngle(d.previousX, d.previousZ, 2, 3));
    for (int more = 0; more < 6000; ++more) {
        dragonflyTimer(dragonflies, flock, garden.world(), events);
        ASSERT_LT(std::hypot(d.x - 2, d.z - 1), 4) << more;
    }
}

TEST(Dragonfly, NoticesTheBeeOnlyWithNectarAboardAndItsCooldownOver) {
    struct Case {
        int loads, cooldown;
        float beeDistance;
        int state;
    } cases[] = {
        {1, 0, 2, Dragonfly::Chase},    {0, 0, 2, Dragonfly::Patrol},
        {1, 1, 2, Dragonfly::Patrol},   {1, 0, 3.2f, Dragonfly::Patrol},
        {3, 0, 0.1f, Dragonfly::Chase},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.loads << " loads, cooldown " << c.cooldown);
        Garden garden;
        garden.carry(c.loads);
        DragonflyFlock flock;
        Dragonfly d = readDragonfly(dragonflyFile(), "w0111.mtt");
        d.cooldown = c.cooldown;
        // It steps on along +x before it looks; the bee is beside its way.
        garden.beeX = d.x + d.cruiseStep;
        garden.beeZ = c.beeDistance;
        CreatureEvents events;
        dragonflyTick(d, flock, garden.world(), events);
        EXPECT_EQ(d.state, c.state);
    }
}

TEST(Dragonfly, AnAttackEndsAfterFifteenTicksThenItReturnsAndLeavesTheBeeAloneForItsCooldown) {
    Garden garden;
    garden.carry(4);
    DragonflyFlock flock;
    std::vector<Dragonfly> dragonflies = {readDragonfly(dragonflyFile("30"), "w0111.mtt")};
    Dragonfly& d = dragonflies[0];
    d.cooldown = 0;
    d.state = Dragonfly::Attack;
    garden.beeX = d.x;
    garden.beeZ = d.z + 0.3f;
    const float previousX = d.previousX, previousZ = d.previousZ;
    CreatureEvents events;
    for (int tick = 0; tick < 14; ++tick)
        dragonflyTimer(dragonflies, flock, garden.world(), events);
    EXPECT_EQ(events.tumbles, 0);
    EXPECT_EQ(d.previousX, previousX);  // its approach turns it without moving the mark
    EXPECT_EQ(d.previousZ, previousZ);
    dragonflyTimer(dragonflies, flock, garden.world(), events);  // the fifteenth
    EXPECT_EQ(events.tumbles, 1);
    EXPECT_EQ(events.attackSounds, 2);
    EXPECT_EQ(events.loadsStolen, 1);
    EXPECT_EQ(garden.bucket.loadCount, 3);
    EXPECT_EQ(d.state, Dragonfly::Attack);
    dragonflyTimer(dragonflies, flock, garden.world(), events);
    EXPECT_EQ(d.state, Dragonfly::Return);
    EXPECT_EQ(d.cooldown, 29);  // set to its length, then the timer's first count
    dragonflyTimer(dragonflies, flock, garden.world(), events);
    EXPECT_EQ(d.state, Dragonfly::Patrol);
    EXPECT_FLOAT_EQ(d.heading, geometry::headingAngle(d.previousX, d.previousZ, 4, 0));

    // The bee hovers beside it with nectar: no chase until the cooldown has run out.
    int ticks = 0;
    while (d.state != Dragonfly::Chase && ticks < 100) {
        const int cooldown = d.cooldown;
        garden.beeX = d.x;
        garden.beeZ = d.z + 1;
        dragonflyTimer(dragonflies, flock, garden.world(), events);
        ++ticks;
        if (d.state == Dragonfly::Chase) {
            EXPECT_EQ(cooldown, 0);
        }
    }
    EXPECT_EQ(ticks, 29);
}

TEST(Dragonfly, AChaseGivesUpWhenTheBeeGetsAwayOrHerBucketIsEmpty) {
    struct Case {
        int loads;
        float beeDistance;
        int state;
    } cases[] = {{1, 2, Dragonfly::Chase},
                 {0, 2, Dragonfly::Return},
                 {1, 3.5f, Dragonfly::Return},
                 {1, 0.03f, Dragonfly::Attack}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.beeDistance);
        Garden garden;
        garden.carry(c.loads);
        DragonflyFlock flock;
        Dragonfly d = readDragonfly(dragonflyFile(), "w0111.mtt");
        d.state = Dragonfly::Chase;
        garden.beeX = d.x;
        garden.beeY = d.y;
        garden.beeZ = d.z + c.beeDistance;
        CreatureEvents events;
        const float z = d.z;
        dragonflyTick(d, flock, garden.world(), events);
        EXPECT_EQ(d.state, c.state);
        EXPECT_EQ(events.chaseSounds, 1);
        EXPECT_FLOAT_EQ(d.distanceToBee, c.beeDistance);
        const float step = Garden::maxSpeed * Garden::dt * d.chaseFactor;
        EXPECT_NEAR(d.z - z, c.state == Dragonfly::Chase ? step : 0, 1e-5f);
    }
}

TEST(Dragonfly, TheTimerSetsTheChaseVolumeOfTheNearestChaser) {
    Garden garden;
    DragonflyFlock flock;
    std::vector<Dragonfly> dragonflies(3, readDragonfly(dragonflyFile(), "w0111.mtt"));
    dragonflies[0].state = dragonflies[1].state = Dragonfly::Attack;
    dragonflies[0].distanceToBee = 0.75f;
    dragonflies[1].distanceToBee = 0.3f;
    CreatureEvents events;
    EXPECT_EQ(dragonflyTimer(dragonflies, flock, garden.world(), events), -300);
}

TEST(CreatureFiles, ShortOrBrokenFilesAreRefusedWithTheirLine) {
    std::vector<std::string> dragonfly(15, "1");
    std::vector<std::string> fish(10, "1");
    struct Case {
        bool isFish;
        std::vector<std::string> lines;
        int line;
        std::string message;
    };
    std::vector<std::string> shortDragonfly(dragonfly.begin(), dragonfly.begin() + 14);
    std::vector<std::string> badFish = fish;
    badFish[6] = "six";
    std::vector<std::string> hugeDragonfly = dragonfly;
    hugeDragonfly[3] = "1e39";
    const Case cases[] = {
        {false, shortDragonfly, 15, "the dragonfly file ends after 14 lines; it needs 15"},
        {true, {}, 1, "the fish file ends after 0 lines; it needs 10"},
        {true, badFish, 7, "'six' is not a valid floating point value"},
        {false, hugeDragonfly, 4, "'1e39' is too large for a dragonfly setting"},
    };
    for (const Case& c : cases) {
        try {
            if (c.isFish)
                readFish(lines(c.lines), "STA/r0111.mtt");
            else
                readDragonfly(lines(c.lines), "STA/w0111.mtt");
            ADD_FAILURE() << c.message;
        } catch (const DataError& error) {
            EXPECT_EQ(error.message(), c.message);
            EXPECT_EQ(error.line(), c.line) << c.message;
        }
    }
    EXPECT_EQ(dragonflyFileName("031", 2), "STA\\w0312.mtt");
    EXPECT_EQ(fishFileName("103", 1), "STA\\r1031.mtt");
}

TEST(CreatureFiles, ADragonflyFileReadsItsWaypointsStepAndCounts) {
    const Dragonfly d = readDragonfly(
        lines({"1.5", "0.8", "-2", "0,04", "3", "0.9", "-2", "1", "1.0", "2", "2.75", "0.6",
               "240.9     spare text", "7", "-8", "lines past the fifteenth are ignored"}),
        "w0111.mtt");
    EXPECT_FLOAT_EQ(d.waypoints[0].x, 1.5f);
    EXPECT_FLOAT_EQ(d.waypoints[1].y, 0.9f);
    EXPECT_FLOAT_EQ(d.waypoints[2].z, 2);
    EXPECT_FLOAT_EQ(d.cruiseStep, 0.04f);
    EXPECT_FLOAT_EQ(d.noticeDistance, 2.75f);
    EXPECT_FLOAT_EQ(d.chaseFactor, 0.6f);
    EXPECT_EQ(d.cooldownLength, 240);
    EXPECT_EQ(d.spare, (std::array<int, 2>{7, -8}));
    EXPECT_FLOAT_EQ(d.y, 0.8f);
    EXPECT_FLOAT_EQ(d.x, 1.54f);  // one step from A towards B
}

// Where the draw puts a fish at an arc angle: translate to the centre, turn by the
// direction about y, scale, turn by 90 - angle about z, lift by the radius.
std::pair<float, float> drawnAt(const Fish& f, float angle) {
    const float degree = 0.017453292f;
    const float lean = (90 - angle) * degree;
    const float localX = -std::sin(lean) * f.radius * f.scale;  // (0, r) turned about z
    const float d = f.direction * degree;
    return {f.centreX + std::cos(d) * localX, f.centreZ - std::sin(d) * localX};
}

TEST(Fish, LeavesAndEntersTheWaterWhereItsHalfCircleStartsAndEnds) {
    for (float direction : {0.0f, 90.0f, 200.0f, -45.0f}) {
        for (float scale : {1.0f, 0.5f}) {
            SCOPED_TRACE(testing::Message() << direction << " degrees, scale " << scale);
            const Fish f =
                readFish(lines({std::to_string(scale), "2", "0.02", "-3", std::to_string(direction),
                                "90", "6", "0.8", "0.01", "0.03"}),
                         "r0111.mtt");
            const auto start = drawnAt(f, 0), end = drawnAt(f, 180);
            EXPECT_NEAR(f.start.x, start.first, 1e-5f);
            EXPECT_NEAR(f.start.z, start.second, 1e-5f);
            EXPECT_NEAR(f.end.x, end.first, 1e-5f);
            EXPECT_NEAR(f.end.z, end.second, 1e-5f);
            EXPECT_FLOAT_EQ(f.start.y, 0.03f);
            EXPECT_FLOAT_EQ(f.end.y, 0.05f);
            EXPECT_NEAR(std::hypot(f.end.x - f.start.x, f.end.z - f.start.z), 1.6f * scale, 1e-5f);
        }
    }
}

TEST(Fish, JumpsOncePerPeriodWithASplashAtEachEnd) {
    // Period 10 s, 30 degrees a second: it dives at 6 s and is gone from 190 degrees.
    Fish f = readFish(lines({"1", "0", "0", "0", "0", "30", "10", "1", "0", "0"}), "r0111.mtt");
    std::vector<float> ups, downs;
    float shownUntil = 0;
    float time = 0;
    for (int frame = 0; frame < 500; ++frame) {  // 25 s of 50 ms frames
        const FishSounds sounds = fishFrame(f, 0.05f, 0, 0);
        time += 0.05f;
        if (sounds.up) ups.push_back(time);
        if (sounds.down) downs.push_back(time);
        if (f.visible() && time < 10) shownUntil = time;
    }
    ASSERT_EQ(ups.size(), 3u);
    ASSERT_EQ(downs.size(), 2u);
    // Within a frame (the timer sums frames in single precision) of the exact times.
    const float frame = 0.051f;
    EXPECT_NEAR(ups[0], 0.05f, 1e-4f);
    EXPECT_NEAR(downs[0], 6.0f + frame / 2, frame / 2);
    EXPECT_NEAR(shownUntil, 6.3f + frame / 2, frame / 2);
    // Past 10 s the timer starts again at 0 and the next frame leaves the water.
    EXPECT_NEAR(ups[1], 10.05f, frame);
    EXPECT_NEAR(downs[1] - ups[1], 6.0f, frame);
}

TEST(Fish, SplashesGrowAndFallWithTheArc) {
    const SplashSize was{9, 9};
    struct Case {
        int angle;
        SplashSize start, end;
    } cases[] = {
        {0, was, was},
        {1, {0.2f, 0}, was},
        {28, {1.0f, 1.6f}, was},
        {65, {2.0f, 0}, was},
        {66, {0, 0}, was},
        {170, {0, 0}, was},
        {171, {0, 0}, {0.2f, 0}},
        {198, {0, 0}, {1.0f, 1.3f}},
        {223, {0, 0}, {1.6f, 0.5f}},
        {235, {0, 0}, {2.0f, 0}},
        {236, {0, 0}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        const SplashSize start = startSplashSize(c.angle, was), end = endSplashSize(c.angle, was);
        EXPECT_FLOAT_EQ(start.across, c.start.across);
        EXPECT_FLOAT_EQ(start.up, c.start.up);
        EXPECT_FLOAT_EQ(end.across, c.end.across);
        EXPECT_FLOAT_EQ(end.up, c.end.up);
    }
}

TEST(DistanceVolumes, ChasesFadeWithDistanceAndSplashesAreNeverAboveTheLoudest) {
    struct Case {
        float distance;
        long chase, splash;
    } cases[] = {
        {0, 0, 0},          {0.05f, -50, 0},  {0.1f, -100, 0},  // 20 - 20: 0
        {0.125f, -125, -5}, {1, -1000, -180}, {9.75f, -9750, -1930}, {40, -40000, -7980},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chaseVolume(c.distance), c.chase) << c.distance;
        EXPECT_EQ(splashVolume(c.distance), c.splash) << c.distance;
    }
    // A fish leaving the water right under the bee splashes at the loudest, not at what
    // its sound was set to before.
    Fish f = readFish(lines({"1", "0", "0", "0", "0", "30", "10", "0.01", "0", "0"}), "r.mtt");
    const FishSounds sounds = fishFrame(f, 0.05f, f.start.x, f.start.z);
    EXPECT_TRUE(sounds.up);
    EXPECT_EQ(sounds.upVolume, 0);
}

}  // namespace
