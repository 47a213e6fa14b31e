#include "game/icon_rules.h"

#include <algorithm>
#include <cmath>

#include "game/nectar.h"

namespace {
constexpr float reach = 0.4f;
constexpr float startHeight = 0.5f;
constexpr int placementDraws = 1000;
constexpr int longestClockSeconds = 99 * 60 + 59;

PickupIcon iconOnFreeCell(IconType type, const PlacementMap& map, RandomGenerator& random) {
    int column = 0, row = 0;
    for (int draws = 0; draws < placementDraws; ++draws) {
        row = random.cellIndex();
        column = random.cellIndex();
        if (map.isFree(column, row)) break;
    }
    return {placementCellX(column), startHeight, placementCellZ(row), 1, static_cast<float>(type)};
}
}  // namespace

std::vector<PickupIcon> layOutIcons(std::span<const NectarSprite> sprites, int speedIcons,
                                    int clockIcons, const PlacementMap& map,
                                    RandomGenerator& random) {
    std::vector<PickupIcon> icons;
    for (const NectarSprite& sprite : sprites) {
        // A sprite that found no flower has no place; its marker would hang over the hive.
        const float active = sprite.amount != 0 ? 1.0f : 0.0f;
        icons.push_back({sprite.x, startHeight, sprite.z, active, flowerMarker});
    }
    for (int k = 0; k < speedIcons; ++k) icons.push_back(iconOnFreeCell(speedIcon, map, random));
    for (int k = 0; k < clockIcons; ++k) icons.push_back(iconOnFreeCell(clockIcon, map, random));
    return icons;
}

void addSecondsToClock(StageClock& clock, int seconds) {
    const int total = std::clamp(clock.secondsLeft() + seconds, 0, longestClockSeconds);
    clock.tensOfMinutes = total / 600;
    const int rest = total % 600;
    clock.minutes = rest / 60;
    clock.tensOfSeconds = rest % 60 / 10;
    clock.seconds = rest % 10;
}

IconPickUps pickUpIcons(std::span<PickupIcon> icons, float beeX, float beeZ, SpeedBoost boost,
                        int boostSeconds, StageClock& clock, int clockBonusSeconds) {
    IconPickUps taken;
    for (PickupIcon& icon : icons) {
        if (icon.active != 1) continue;
        const float dx = beeX - icon.x, dz = beeZ - icon.z;
        if (std::sqrt(dx * dx + dz * dz) >= reach) continue;
        switch (static_cast<int>(icon.type)) {
            case speedIcon:
                icon.active = 0;
                boost.active = 1;
                boost.secondsLeft = boostSeconds;
                ++taken.speedIcons;
                break;
            case clockIcon:
                icon.active = 0;
                addSecondsToClock(clock, clockBonusSeconds);
                ++taken.clockIcons;
                break;
            default:  // markers go only with their sprite
                break;
        }
    }
    return taken;
}

void iconTick(std::span<PickupIcon> icons, IconMotion& motion) {
    for (PickupIcon& icon : icons) {
        if (icon.y > 0.8f) motion.rising = 0;
        if (icon.y < 0.4f) motion.rising = 1;
        const float step = 0.035f - icon.y / 29;
        icon.y += motion.rising ? step : -step;
    }
    motion.spinAngle += 7;
    if (motion.spinAngle > 360) motion.spinAngle = 0;
}
