#pragma once
// What butterflies and dragonflies share: the bee as one of their updates sees her, what
// an update asks of the rest of the game (sounds, the bee's tumble), the yaw they are
// drawn with, and the volume of the chase sounds.
//
// All distances are horizontal, √(dx² + dz²); bearings are headings in the ground plane
// (plane_geometry.h: 0 along +z, π/2 along +x).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct NectarBucket;
class RandomGenerator;

// The bee, her bucket and the numbers a chase is measured by.
struct CreatureWorld {
    float beeX, beeY, beeZ;
    NectarBucket& bucket;
    float maxSpeed;  // the stage's normal top speed (stage line 23), not a boosted one
    float dt;        // the frame-time factor, seconds
    RandomGenerator& random;
};

// What one or more updates ask for; the caller plays the sounds and starts the tumble.
struct CreatureEvents {
    int chaseSounds = 0;   // each frame (butterfly) or tick (dragonfly) of a chase
    int attackSounds = 0;  // at an attack's start and at its end
    int tumbles = 0;       // the bee's tumble starts
    int loadsStolen =
        0;  // loads the bee lost to an attack (an attack on an empty bucket takes none)
};

// The horizontal distance between two points.
float groundDistance(float x1, float z1, float x2, float z2);

// A volume in hundredths of a decibel for the chase sound of a creature this far away:
// trunc(distance × -1000).
long chaseVolume(float distance);

// The yaw a creature is drawn with: the heading in degrees from where it is back to where
// it was when the yaw was last set (so its model looks along -z).
float yawBackTo(float x, float z, float previousX, float previousZ);

// An attack's end: the bee loses her last load, if she has one. Returns 1 if one was taken.
int stealLoad(NectarBucket& bucket);

// One step of `step` towards a height: up when below it, down when above.
void stepTowardsHeight(float& y, float height, float step);

// A creature file (a dragonfly's or a fish's): one number per line, each from the line's
// first 10 characters. Returns the first `lineCount` numbers; refuses (DataError with the
// file and line) a file with fewer lines, a line that is not a number, and a number too
// large for a float. `what` names the kind of file in the message ("dragonfly").
std::vector<double> readCreatureNumbers(std::string_view bytes, int lineCount,
                                        const std::string& fileName, const char* what);

// A butterfly or dragonfly as a player sees it: where it is and whether it is coming at
// the bee (chasing or attacking).
struct CreatureSighting {
    float x = 0, y = 0, z = 0;
    bool chasing = false;
};
