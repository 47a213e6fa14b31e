#pragma once
// `model`: the current stage's settings, read from its stage file at each stage start.
//
// A stage file is 40 numeric lines (line 37 is text, line 30 is not read, later lines are
// ignored). Every number is the line's first 10 characters, trimmed; int fields are
// truncated toward zero, float fields are kept as read.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "game/placement_map.h"

struct StageSettings {
    int sceneNumber = 0;  // 0-10 or 20-26; also names the placement map
    int clockSeconds = 0;
    int clockTensOfSeconds = 0;
    int clockMinutes = 0;
    int clockTensOfMinutes = 0;
    int spritesOn = 0;      // 1 = the stage has nectar sprites
    int spriteCount = 0;    // forced to 0 when sprites are off
    int nectarPerLoad = 0;  // nectar one bucket slot delivers; forced to 0 when sprites are off
    int target = 0;         // nectar to deliver before the exit opens
    int flowersOn = 0;
    int flowerGroups = 0;  // six-flower groups; forced to 0 when flowers are off
    int plantsOn = 0;
    std::array<int, 4> plantCounts{};  // one per plant kind; forced to 0 when plants are off
    int butterfliesOn = 0;
    int butterflyCount = 0;  // forced to 0 when butterflies are off
    float beeStartX = 0;
    float beeStartY = 0;
    float beeStartZ = 0;
    float beeStartHeading = 0;  // radians
    float beeScale = 0;
    float maxSpeed = 0;         // the bee's normal speed limit
    float boostedMaxSpeed = 0;  // the limit while a speed icon's boost runs
    float acceleration = 0;
    float pointsPerNectar = 0;
    float pointsPerSecondLeft = 0;
    int iconsOn = 0;
    int speedIconCount = 0;
    int clockIconCount = 0;
    int boostSeconds = 0;       // how long a speed boost lasts
    int clockBonusSeconds = 0;  // what a clock icon adds to the stage clock
    float butterflyNoticeDistance = 0;
    float butterflyChaseFactor = 0;
    float turnRate = 0;
    std::string musicName;  // line 37 as written: its first 20 characters, trimmed
    std::string musicFile;  // the music to play: "MOV\" + musicName without its first 5 characters
    int dragonflyCount = 0;
    int fishCount = 0;

    // Not in the file.
    int iconTotal = 0;        // sprite markers + speed icons + clock icons; 0 when icons are off
    int iconSpriteCount = 0;  // the sprite count again, for the icon layout
    float spritePulse = 1;    // written by the sprite timer, read by the water drawing
    PlacementMap placement;   // read separately, after the settings
};

// Counts above this are refused: they could only come from a broken file, and the stage
// start allocates that many objects.
inline constexpr int maxStageCount = 10000;

// Reads a stage file. Refuses (DataError with the file and line) a file of fewer than 40
// lines, a numeric line that is not a number or does not fit a float, a clock digit outside
// 0-9, a negative or absurd count, and a stage with nectar sprites and a target of 0 (the
// hive delivery divides by the target). Features whose on-flag is not 1 get their counts
// forced to 0. The placement map is left empty.
StageSettings readStageSettings(const std::vector<std::string>& lines, const std::string& fileName);
StageSettings readStageSettings(std::string_view bytes, const std::string& fileName);

// "STA\scena" + level id + difficulty digit + ".mtt", e.g. ("03", 2) gives "STA\scena032.mtt".
std::string stageFileName(std::string_view levelId, int difficulty);

// The two-digit level id of a level number: 3 gives "03".
std::string twoDigitLevelId(int level);

extern StageSettings model;
