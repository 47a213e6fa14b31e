#pragma once
// Butterflies as rules. A butterfly wanders about the garden, bobbing; when the bee
// carries nectar and comes nearer than its notice distance it chases her (a step every
// frame), once it is right on her it attacks for 14 ticks of 50 ms, makes her tumble and
// steals one load, then flies off for 70 ticks before it wanders again.
//
//   wander →(a load aboard and the bee near)→ chase →(within 0.05, and 0.02 in height)→
//   attack →(14 ticks)→ retreat →(70 ticks)→ wander
//   chase → wander when the bee gets away; chase → retreat when her bucket is empty.

#include <cstdint>
#include <optional>
#include <span>

#include "game/creature_rules.h"

struct Butterfly {
    enum State : int { Wander = 0, Chase = 1, Attack = 2, Retreat = 3 };

    uint8_t rising = 1;        // climbing in its bob
    uint8_t wingsOpening = 1;  // wing angle growing
    float wingAngle = 0;       // degrees
    float cruiseStep = 0.05f;  // a tick's flight while wandering or fleeing
    float bobStep = 0;         // the last vertical step
    float yaw = 0;             // degrees, for drawing
    int retreatCounter = 0;    // ticks spent fleeing
    int attackCounter = 0;     // ticks spent attacking
    float heading = 0;         // radians; a step moves (cos, sin) × step in (x, z)
    int state = Wander;
    float noticeDistance = 0;  // stage line 34
    float chaseFactor = 0;     // stage line 35: a share of the bee's top speed
    float distanceToBee = 0;   // set while chasing; 0 while wandering
    float x = 0, y = 0, z = 0;
    float previousX = 0, previousZ = 0;  // where the yaw was last set
};

// A new butterfly 1.5 high, somewhere in the middle of the garden: three draws from the
// game's generator, in this order: its heading, x, z.
Butterfly createButterfly(RandomGenerator& random, float noticeDistance, float chaseFactor);

// The 50 ms tick of one butterfly: wings, then its state's move (a chase moves per frame).
void butterflyTick(Butterfly& butterfly, const CreatureWorld& world, CreatureEvents& events);

// One frame of a chase (the caller runs it for a chasing butterfly before drawing it).
void butterflyChase(Butterfly& butterfly, const CreatureWorld& world, CreatureEvents& events);

// The butterflies' timer: every butterfly's tick, in order. Returns the chase sound's
// volume for the nearest butterfly that knows its distance to the bee, if any does.
std::optional<long> butterflyTimer(std::span<Butterfly> butterflies, const CreatureWorld& world,
                                   CreatureEvents& events);

// Every frame: the chase step of each chasing butterfly.
void butterflyFrame(std::span<Butterfly> butterflies, const CreatureWorld& world,
                    CreatureEvents& events);
