#pragma once
// Pickup icons as rules: where they are laid out, what touching one does, and how they bob
// and spin. A clock icon adds time, a speed icon starts a timed speed boost, and a flower
// marker hovers over every nectar sprite until the sprite is drained.

#include <span>
#include <vector>

#include "game/placement_map.h"
#include "game/random.h"
#include "game/stage_clock.h"

struct NectarSprite;

enum IconType : int {
    clockIcon = 0,
    speedIcon = 1,
    flowerMarker = 2,
};

inline constexpr const char* speedIconSound = "MOV\\speed.wav";
inline constexpr const char* clockIconSound = "MOV\\zegar.wav";

// Five floats, as the icon records have always been kept.
struct PickupIcon {
    float x = 0;
    float y = 0.5f;  // bobs between about 0.4 and 0.8
    float z = 0;
    float active = 0;  // 1 present, 0 gone
    float type = clockIcon;
};

// One bob direction for all icons: icons that start together move together.
struct IconMotion {
    float spinAngle = 0;  // degrees
    int rising = 0;       // 1 rising, 0 falling
};

// One marker per sprite in sprite order (so icon k marks sprite k), then the speed icons,
// then the clock icons, each on a free cell of the map (or the last of 1000 draws).
std::vector<PickupIcon> layOutIcons(std::span<const NectarSprite> sprites, int speedIcons,
                                    int clockIcons, const PlacementMap& map,
                                    RandomGenerator& random);

// The speed boost: on while `active`, with `secondsLeft` counted down by the core's
// one-second tick.
struct SpeedBoost {
    int& active;
    int& secondsLeft;
};

// Which sounds a pick-up asks for (a frame can touch more than one icon).
struct IconPickUps {
    int speedIcons = 0;  // each plays speedIconSound
    int clockIcons = 0;  // each plays clockIconSound
};

// Touching means a horizontal distance below 0.4 at any height; markers are not taken.
// A speed icon (re)starts the boost at its full length; a clock icon adds its bonus to the
// stage clock.
IconPickUps pickUpIcons(std::span<PickupIcon> icons, float beeX, float beeZ, SpeedBoost boost,
                        int boostSeconds, StageClock& clock, int clockBonusSeconds);

// The clock can show at most 99:59.
void addSecondsToClock(StageClock& clock, int seconds);

// The 50 ms icon tick: bob every icon, then turn them all a little.
void iconTick(std::span<PickupIcon> icons, IconMotion& motion);
