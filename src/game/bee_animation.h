#pragma once
// The bee's animation state, stepped every 20 ms: wing flaps, the spin after a sharp turn,
// the tumble after a creature's hit, and the compass angle the panel shows.

namespace glh {

struct BeeAnimation {
    int wingAngle = 20;      // degrees, flaps between 20 and 90
    float compassAngle = 0;  // degrees: the bee's heading relative to the way home
    int spinDirection = 0;   // -1, 0 or +1
    int spinAngle = 0;       // degrees
    int tumbling = 0;        // 1 while a tumble runs
    int tumbleAngle = 0;     // degrees

    // One 20 ms step, for a bee at (x, z) with this heading (radians).
    void tick(float heading, float x, float z);
    void startSpin(int direction) { spinDirection = direction; }
    void startTumble() { tumbling = 1; }
};

}  // namespace glh
