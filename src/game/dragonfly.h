#pragma once
// Dragonflies as rules. A dragonfly patrols a triangle of waypoints A → B → C → A, bobbing
// and slowing down now and then; when the bee carries nectar and comes near it chases her
// and attacks like a butterfly (a move every 50 ms tick), makes her tumble and steals a
// load, then flies back to its route and leaves her alone until its cooldown has run out.
//
//   patrol →(a load aboard, cooldown 0, the bee near)→ chase → attack →(15 ticks)→
//   return →(1 tick)→ patrol, the cooldown running from the attack's end;
//   chase → return when the bee gets away or her bucket is empty.
// Waypoints are looked at one tick in eleven: reached within 0.5, the next leg starts from
// the waypoint's bearing; passed without coming that near, from where the dragonfly is.
//
// Each comes from its file "STA\w" + stage id + difficulty digit + number (from 1) +
// ".mtt", fifteen numeric lines: A (x, y, z), the cruising step, B, C, the notice
// distance, the chase factor, the cooldown in ticks and two spare whole numbers.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "game/creature_rules.h"

struct Waypoint {
    float x = 0, y = 0, z = 0;
};

struct Dragonfly {
    enum State : int { Patrol = 0, Chase = 1, Attack = 2, Return = 3 };

    uint8_t rising = 1, wingsOpening = 1;
    float wingAngle = 0;    // degrees
    float cruiseStep = 0;   // file line 3: a tick's flight on patrol
    float currentStep = 0;  // the cruising step, or a third of it while slowing down
    float bobStep = 0;
    float yaw = 0;      // degrees, for drawing
    float heading = 0;  // radians (plane_geometry.h's headings)
    int attackCounter = 0;
    int state = Patrol;
    int leg = 1;       // 1 flying to B, 2 to C, 3 to A
    int cooldown = 0;  // ticks before it may notice the bee again
    float distanceToBee = 0;
    float noticeDistance = 0;    // file line 10
    float chaseFactor = 0;       // file line 11: a share of the bee's top speed
    int cooldownLength = 0;      // file line 12, in ticks
    std::array<int, 2> spare{};  // file lines 13 and 14, not used
    float x = 0, y = 0, z = 0;
    float previousX = 0, previousZ = 0;
    std::array<Waypoint, 3> waypoints;  // A, B, C

    // The waypoint the current leg flies to.
    const Waypoint& target() const;
};

// What all dragonflies share: the tick counter (0 to 10; the waypoints are checked when it
// is 2) and the slow-down counter every patrolling dragonfly counts down.
struct DragonflyFlock {
    int tickCounter = 0;
    int slowDown = 0;
};

// "STA\w" + stage id (level and difficulty digits, "031") + number + ".mtt".
std::string dragonflyFileName(std::string_view stageId, int number);

// A dragonfly read from its file, at A and heading for B, its cooldown running. Refuses a
// short or broken file (DataError with the file and line). Draws no random numbers.
Dragonfly readDragonfly(std::string_view bytes, const std::string& fileName);

// One dragonfly's 50 ms tick: wings, then its state's move.
void dragonflyTick(Dragonfly& dragonfly, DragonflyFlock& flock, const CreatureWorld& world,
                   CreatureEvents& events);

// The dragonflies' timer: the tick counter moves on, then every dragonfly ticks and its
// cooldown runs down. Returns the chase sound's volume for the nearest dragonfly that knows
// its distance to the bee, if any does.
std::optional<long> dragonflyTimer(std::span<Dragonfly> dragonflies, DragonflyFlock& flock,
                                   const CreatureWorld& world, CreatureEvents& events);
