#pragma once
// The ten levels at the three difficulties: which garden, how long, how much nectar, who
// else flies about. Level 1 at difficulty 1 is a gentle first flight; each level after it
// leaves a child less time to spare and more thieves about; at difficulty 3 the last
// gardens are a real race that a skilled player still wins.

#include <array>
#include <string>

inline constexpr int levelCount = 10;

// The garden scene a level is played in (the same at every difficulty).
int levelScene(int level);

struct StageDesign {
    int level, difficulty, scene;
    int seconds;  // on the stage clock at the start
    int sprites, nectarPerLoad, target;
    int flowerGroups;
    std::array<int, 4> plants;
    int butterflies;
    float beeX, beeY, beeZ, beeHeading;
    float beeScale;
    float maxSpeed, boostedSpeed, acceleration, turnRate;
    float pointsPerNectar, pointsPerSecond;
    int speedIcons, clockIcons, boostSeconds, clockBonus;
    float butterflyNotice, butterflyChase;
    int dragonflies, fish;
    // Dragonflies: cruising step per 50 ms tick, how near they notice the bee, how fast
    // they chase (a share of the bee's top speed), ticks before they may chase again.
    float dragonflyStep, dragonflyNotice, dragonflyChase;
    int dragonflyCooldown;
};

StageDesign stageDesign(int level, int difficulty);

// The 40 lines of the stage file, each number in its first 10 characters.
std::string stageFileText(const StageDesign& stage);
