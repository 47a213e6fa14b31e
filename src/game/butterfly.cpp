#include "game/butterfly.h"

#include <cmath>

#include "game/nectar.h"
#include "game/random.h"
#include "geometry/plane_geometry.h"

namespace {

constexpr float radiansPerDegree = 0.017453292f;
constexpr float startHeight = 1.5f;
// The bob turns down above the top and up below the bottom (lower while fleeing).
constexpr float bobTop = 1.5f;
constexpr float bobBottom = 0.3f;
constexpr float fleeBobBottom = 0.1f;
// Beyond this in x or z the butterfly curves back into the garden.
constexpr float gardenEdge = 19;
// Close enough to attack: horizontally and in height.
constexpr float attackReach = 0.05f;
constexpr float attackHeight = 0.02f;
constexpr int attackTicks = 14;
constexpr int approachFrom = 6;  // attack ticks before this only match the bee's height
constexpr int retreatTicks = 70;

void updateYaw(Butterfly& b) {
    b.yaw = yawBackTo(b.x, b.z, b.previousX, b.previousZ);
}

void markPrevious(Butterfly& b) {
    b.previousX = b.x;
    b.previousZ = b.z;
}

void stepAlongHeading(Butterfly& b) {
    b.x += std::cos(b.heading) * b.cruiseStep;
    b.z += std::sin(b.heading) * b.cruiseStep;
}

void bob(Butterfly& b, RandomGenerator& random, float bottom) {
    b.bobStep = static_cast<float>(random.next() % 4) * 0.01f;
    b.y += b.rising ? b.bobStep : -b.bobStep;
    if (b.y > bobTop) b.rising = 0;
    if (b.y < bottom) b.rising = 1;
}

// Beyond the garden's edge it keeps turning the same way until it is back inside.
void curveBackInside(Butterfly& b, RandomGenerator& random) {
    if (std::fabs(b.x) <= gardenEdge && std::fabs(b.z) <= gardenEdge) return;
    updateYaw(b);
    markPrevious(b);
    b.heading += static_cast<float>(random.next() % 10) * 0.01f;
}

// A step straight at the bee: the chase's when `share` is 1, the attack's when it is 2.
void moveTowardsBee(Butterfly& b, const CreatureWorld& world, float share) {
    const float bearing = geometry::headingAngle(b.x, b.z, world.beeX, world.beeZ);
    const float step = world.maxSpeed * world.dt * b.chaseFactor * share;
    b.x += std::sin(bearing) * step;
    b.z += std::cos(bearing) * step;
    updateYaw(b);
    markPrevious(b);
}

void flapWings(Butterfly& b, RandomGenerator& random) {
    if (b.wingsOpening) {
        b.wingAngle += static_cast<float>(30 + random.next() % 4);
        b.y -= 0.005f;
    } else {
        b.wingAngle -= static_cast<float>(20 - random.next() % 4);
        b.y += 0.01f;
    }
    if (b.wingAngle > 40) b.wingsOpening = 0;
    if (b.wingAngle < -30) b.wingsOpening = 1;
}

void wander(Butterfly& b, const CreatureWorld& world) {
    b.distanceToBee = 0;
    bob(b, world.random, bobBottom);
    stepAlongHeading(b);
    curveBackInside(b, world.random);
    if (world.bucket.loadCount >= 1 &&
        groundDistance(b.x, b.z, world.beeX, world.beeZ) < b.noticeDistance)
        b.state = Butterfly::Chase;
}

void attack(Butterfly& b, const CreatureWorld& world, CreatureEvents& events) {
    int& c = b.attackCounter;
    if (c == 0) ++events.attackSounds;
    if (c >= 0 && c < approachFrom) stepTowardsHeight(b.y, world.beeY, 0.02f);
    if (c >= approachFrom && c <= attackTicks) moveTowardsBee(b, world, 2);
    if (c == attackTicks) {
        ++events.attackSounds;
        ++events.tumbles;
        b.state = Butterfly::Retreat;
        events.loadsStolen += stealLoad(world.bucket);
        c = -1;
    }
    c += 1;
}

void retreat(Butterfly& b, const CreatureWorld& world) {
    int& r = b.retreatCounter;
    if (r == 1) {
        // Off in a new direction of its own.
        b.heading = static_cast<float>(world.random.next() % 360) * radiansPerDegree;
        markPrevious(b);
        stepAlongHeading(b);
        updateYaw(b);
        r += 1;
        return;
    }
    stepAlongHeading(b);
    bob(b, world.random, fleeBobBottom);
    curveBackInside(b, world.random);
    r += 1;
    if (r == retreatTicks) {
        b.state = Butterfly::Wander;
        r = 0;
    }
}

}  // namespace

Butterfly createButterfly(RandomGenerator& random, float noticeDistance, float chaseFactor) {
    Butterfly b;
    b.noticeDistance = noticeDistance;
    b.chaseFactor = chaseFactor;
    b.heading = static_cast<float>(random.next() % 360) * radiansPerDegree;
    const float x0 = static_cast<float>(random.next() % 2000) * 0.01f - 10;
    const float z0 = static_cast<float>(random.next() % 2000) * 0.01f - 10;
    b.y = startHeight;
    b.previousX = x0;
    b.previousZ = z0;
    b.x = x0 + std::cos(b.heading) * b.cruiseStep;
    b.z = z0 + std::sin(b.heading) * b.cruiseStep;
    updateYaw(b);
    return b;
}

void butterflyTick(Butterfly& b, const CreatureWorld& world, CreatureEvents& events) {
    flapWings(b, world.random);
    switch (b.state) {
        case Butterfly::Wander:
            wander(b, world);
            break;
        case Butterfly::Attack:
            attack(b, world, events);
            break;
        case Butterfly::Retreat:
            retreat(b, world);
            break;
        default:
            break;  // a chase moves every frame
    }
}

void butterflyChase(Butterfly& b, const CreatureWorld& world, CreatureEvents& events) {
    const float d = groundDistance(b.x, b.z, world.beeX, world.beeZ);
    b.distanceToBee = d;
    ++events.chaseSounds;
    const float h = std::fabs(b.y - world.beeY);
    if (d > b.noticeDistance) {
        b.state = Butterfly::Wander;
    } else if (d >= attackReach || h >= attackHeight) {
        stepTowardsHeight(b.y, world.beeY, 0.01f);
        moveTowardsBee(b, world, 1);
        if (world.bucket.loadCount <= 0) b.state = Butterfly::Retreat;
    } else {
        b.state = Butterfly::Attack;
    }
}

std::optional<long> butterflyTimer(std::span<Butterfly> butterflies, const CreatureWorld& world,
                                   CreatureEvents& events) {
    float nearest = 10000;
    std::optional<long> volume;
    for (Butterfly& b : butterflies) {
        butterflyTick(b, world, events);
        if (b.distanceToBee != 0 && b.distanceToBee < nearest) {
            nearest = b.distanceToBee;
            volume = chaseVolume(nearest);
        }
    }
    return volume;
}

void butterflyFrame(std::span<Butterfly> butterflies, const CreatureWorld& world,
                    CreatureEvents& events) {
    for (Butterfly& b : butterflies)
        if (b.state == Butterfly::Chase) butterflyChase(b, world, events);
}
