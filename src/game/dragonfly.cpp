#include "game/dragonfly.h"

#include <cmath>

#include "assets/text_lines.h"
#include "game/nectar.h"
#include "game/random.h"
#include "geometry/plane_geometry.h"

namespace {

constexpr int fileLines = 15;
constexpr float bobTop = 1.0f;
constexpr float bobBottom = 0.5f;
constexpr int slowDownCycle = 50;  // ticks, shared by all dragonflies
constexpr int slowTicks = 11;      // the last ticks of a cycle fly at a third of the step
constexpr int tickCounterTop = 10;
constexpr int checkingTick = 2;
constexpr float waypointReach = 0.5f;
constexpr float attackReach = 0.05f;
constexpr float attackHeight = 0.02f;
constexpr int approachFrom = 6;
constexpr int attackTicks = 14;

void updateYaw(Dragonfly& d) {
    d.yaw = yawBackTo(d.x, d.z, d.previousX, d.previousZ);
}

void markPrevious(Dragonfly& d) {
    d.previousX = d.x;
    d.previousZ = d.z;
}

void stepAlongHeading(Dragonfly& d, float step) {
    d.x += std::sin(d.heading) * step;
    d.z += std::cos(d.heading) * step;
}

float bearing(float x1, float z1, float x2, float z2) {
    return geometry::headingAngle(x1, z1, x2, z2);
}

void flapWings(Dragonfly& d, RandomGenerator& random) {
    if (d.wingsOpening) {
        d.wingAngle += static_cast<float>(16 + random.next() % 2);
        d.y -= 0.0005f;
    } else {
        d.wingAngle -= static_cast<float>(17 - random.next() % 2);
        d.y += 0.001f;
    }
    if (d.wingAngle > 30) d.wingsOpening = 0;
    if (d.wingAngle < -20) d.wingsOpening = 1;
}

// A step at the bee: the chase's when `share` is 1, the attack's when it is 2.
void moveTowardsBee(Dragonfly& d, const CreatureWorld& world, float share) {
    const float towards = bearing(d.x, d.z, world.beeX, world.beeZ);
    const float step = world.maxSpeed * world.dt * d.chaseFactor * share;
    d.x += std::sin(towards) * step;
    d.z += std::cos(towards) * step;
}

// On the checking tick, a dragonfly near the waypoint of its leg turns onto the next leg,
// with the bearing from that waypoint to the next. Between two checks it may pass its
// waypoint without being near it on either; flying straight on it would leave the garden
// for good, so once the waypoint is behind it, it sets off for the next one from where it is.
void checkWaypoint(Dragonfly& d) {
    const Waypoint& target = d.target();
    const bool reached = groundDistance(d.x, d.z, target.x, target.z) < waypointReach;
    const bool passed =
        std::sin(d.heading) * (target.x - d.x) + std::cos(d.heading) * (target.z - d.z) < 0;
    if (!reached && !passed) return;
    d.leg = d.leg % 3 + 1;
    const Waypoint& next = d.target();
    d.heading =
        reached ? bearing(target.x, target.z, next.x, next.z) : bearing(d.x, d.z, next.x, next.z);
    markPrevious(d);
    stepAlongHeading(d, d.currentStep);
    updateYaw(d);
}

void patrol(Dragonfly& d, DragonflyFlock& flock, const CreatureWorld& world) {
    d.distanceToBee = 0;
    d.bobStep = static_cast<float>(world.random.next() % 4) * 0.01f;
    d.y += d.rising ? d.bobStep : -d.bobStep;
    if (d.y > bobTop) d.rising = 0;
    if (d.y < bobBottom) d.rising = 1;
    if (flock.slowDown == 0) flock.slowDown = slowDownCycle;
    flock.slowDown -= 1;
    d.currentStep = flock.slowDown < slowTicks ? d.cruiseStep / 3 : d.cruiseStep;
    stepAlongHeading(d, d.currentStep);
    if (world.bucket.loadCount >= 1 && d.cooldown == 0 &&
        groundDistance(d.x, d.z, world.beeX, world.beeZ) < d.noticeDistance)
        d.state = Dragonfly::Chase;
    if (flock.tickCounter == checkingTick) checkWaypoint(d);
}

void chase(Dragonfly& d, const CreatureWorld& world, CreatureEvents& events) {
    const float distance = groundDistance(d.x, d.z, world.beeX, world.beeZ);
    d.distanceToBee = distance;
    ++events.chaseSounds;
    const float h = std::fabs(d.y - world.beeY);
    stepTowardsHeight(d.y, world.beeY, 0.02f);
    if (world.bucket.loadCount <= 0) {
        d.state = Dragonfly::Return;
    } else if (distance <= d.noticeDistance) {
        if (distance >= attackReach || h >= attackHeight) {
            moveTowardsBee(d, world, 1);
            updateYaw(d);
            markPrevious(d);
        } else {
            d.state = Dragonfly::Attack;
        }
    } else {
        d.state = Dragonfly::Return;
    }
}

void attack(Dragonfly& d, const CreatureWorld& world, CreatureEvents& events) {
    int& c = d.attackCounter;
    if (c == 0) ++events.attackSounds;
    if (c >= 0 && c < approachFrom) stepTowardsHeight(d.y, world.beeY, 0.02f);
    if (c >= approachFrom && c <= attackTicks) {
        moveTowardsBee(d, world, 2);
        updateYaw(d);  // the previous position stays where the chase left it
    }
    if (c == attackTicks) {
        ++events.attackSounds;
        ++events.tumbles;
        events.loadsStolen += stealLoad(world.bucket);
    }
    if (c == attackTicks + 1) {
        d.state = Dragonfly::Return;
        d.cooldown = d.cooldownLength;
        c = 0;
    } else {
        c += 1;
    }
}

void returnToRoute(Dragonfly& d) {
    const Waypoint& target = d.target();
    d.heading = bearing(d.x, d.z, target.x, target.z);
    markPrevious(d);
    stepAlongHeading(d, d.cruiseStep);
    updateYaw(d);
    d.state = Dragonfly::Patrol;
}

}  // namespace

const Waypoint& Dragonfly::target() const {
    // Leg 1 flies to B, leg 2 to C, leg 3 back to A.
    return waypoints[static_cast<size_t>(leg % 3)];
}

std::string dragonflyFileName(std::string_view stageId, int number) {
    return "STA\\w" + std::string(stageId) + std::to_string(number) + ".mtt";
}

Dragonfly readDragonfly(std::string_view bytes, const std::string& fileName) {
    const std::vector<double> v = readCreatureNumbers(bytes, fileLines, fileName, "dragonfly");
    auto real = [&](int i) { return static_cast<float>(v[static_cast<size_t>(i)]); };
    auto whole = [&](int i) { return truncateToInt(v[static_cast<size_t>(i)]); };
    Dragonfly d;
    d.waypoints = {Waypoint{real(0), real(1), real(2)}, Waypoint{real(4), real(5), real(6)},
                   Waypoint{real(7), real(8), real(9)}};
    d.cruiseStep = real(3);
    d.currentStep = d.cruiseStep;
    d.noticeDistance = real(10);
    d.chaseFactor = real(11);
    d.cooldownLength = whole(12);
    d.spare = {whole(13), whole(14)};
    d.cooldown = d.cooldownLength;
    const Waypoint& a = d.waypoints[0];
    d.x = d.previousX = a.x;
    d.y = a.y;
    d.z = d.previousZ = a.z;
    d.heading = bearing(a.x, a.z, d.waypoints[1].x, d.waypoints[1].z);
    stepAlongHeading(d, d.cruiseStep);
    updateYaw(d);
    return d;
}

void dragonflyTick(Dragonfly& d, DragonflyFlock& flock, const CreatureWorld& world,
                   CreatureEvents& events) {
    flapWings(d, world.random);
    switch (d.state) {
        case Dragonfly::Patrol:
            patrol(d, flock, world);
            break;
        case Dragonfly::Chase:
            chase(d, world, events);
            break;
        case Dragonfly::Attack:
            attack(d, world, events);
            break;
        case Dragonfly::Return:
            returnToRoute(d);
            break;
        default:
            break;
    }
}

std::optional<long> dragonflyTimer(std::span<Dragonfly> dragonflies, DragonflyFlock& flock,
                                   const CreatureWorld& world, CreatureEvents& events) {
    float nearest = 10000;
    std::optional<long> volume;
    flock.tickCounter += 1;
    if (flock.tickCounter > tickCounterTop) flock.tickCounter = 0;
    for (Dragonfly& d : dragonflies) {
        dragonflyTick(d, flock, world, events);
        if (d.cooldown > 0) d.cooldown -= 1;
        if (d.distanceToBee != 0 && d.distanceToBee < nearest) {
            nearest = d.distanceToBee;
            volume = chaseVolume(nearest);
        }
    }
    return volume;
}
