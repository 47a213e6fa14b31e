#include "game/icon_rules.h"

#include <gtest/gtest.h>

#include <memory>

#include "game/nectar.h"

namespace {

StageClock clockAt(int tensOfMinutes, int minutes, int tensOfSeconds, int seconds) {
    StageClock clock;
    clock.tensOfMinutes = tensOfMinutes;
    clock.minutes = minutes;
    clock.tensOfSeconds = tensOfSeconds;
    clock.seconds = seconds;
    return clock;
}

TEST(IconLayout, MarkersFollowTheSpritesThenSpeedThenClockIconsOnFreeCells) {
    auto map = std::make_unique<PlacementMap>();
    for (int i = 10; i < 20; ++i) map->cells[static_cast<size_t>(i)].fill(-1);
    std::vector<NectarSprite> sprites(2);
    sprites[0] = {1.5f, -2, NectarSprite::fullAmount, 0};  // sprites[1] found no flower
    RandomGenerator random(9);

    auto icons = layOutIcons(sprites, 2, 1, *map, random);
    ASSERT_EQ(icons.size(), 5u);
    EXPECT_FLOAT_EQ(icons[0].x, 1.5f);
    EXPECT_FLOAT_EQ(icons[0].z, -2);
    EXPECT_EQ(icons[0].active, 1);
    EXPECT_EQ(icons[0].type, flowerMarker);
    EXPECT_EQ(icons[1].active, 0);  // no marker over the hive for an unplaced sprite
    const float types[] = {speedIcon, speedIcon, clockIcon};
    for (size_t k = 2; k < 5; ++k) {
        EXPECT_EQ(icons[k].type, types[k - 2]);
        EXPECT_EQ(icons[k].active, 1);
        EXPECT_FLOAT_EQ(icons[k].y, 0.5f);
        EXPECT_GE(icons[k].x, placementCellX(10));
        EXPECT_LT(icons[k].x, placementCellX(20));
    }
}

class PickUp : public testing::Test {
  protected:
    PickupIcon at(float x, float z, IconType type) { return {x, 0.5f, z, 1, float(type)}; }
    IconPickUps touch(float x, float z) {
        return pickUpIcons(icons, x, z, {bonusActive, bonusSeconds}, 8, clock, 10);
    }
    std::vector<PickupIcon> icons;
    int bonusActive = 0, bonusSeconds = 0;
    StageClock clock = clockAt(0, 9, 5, 5);
};

TEST_F(PickUp, TouchingAtAnyHeightTakesClocksAndSpeedIconsButNotMarkers) {
    icons = {at(3, 3, flowerMarker), at(3.2f, 3, clockIcon), at(3, 2.7f, speedIcon),
             at(3.5f, 3, clockIcon)};
    auto taken = touch(3, 3);
    EXPECT_EQ(taken.clockIcons, 1);
    EXPECT_EQ(taken.speedIcons, 1);
    EXPECT_EQ(icons[0].active, 1);
    EXPECT_EQ(icons[1].active, 0);
    EXPECT_EQ(icons[2].active, 0);
    EXPECT_EQ(icons[3].active, 1);  // 0.5 away: out of reach
    EXPECT_EQ(
        clock.tensOfMinutes * 1000 + clock.minutes * 100 + clock.tensOfSeconds * 10 + clock.seconds,
        1005);  // 9:55 and 10 seconds
    EXPECT_EQ(bonusActive, 1);
    EXPECT_EQ(bonusSeconds, 8);

    // Gone icons stay gone.
    taken = touch(3, 3);
    EXPECT_EQ(taken.clockIcons + taken.speedIcons, 0);
}

TEST_F(PickUp, ASpeedIconDuringABoostStartsItAgainAtFullLength) {
    icons = {at(-4, 6, speedIcon)};
    bonusActive = 1;
    bonusSeconds = 2;
    touch(-4, 6.1f);
    EXPECT_EQ(bonusActive, 1);
    EXPECT_EQ(bonusSeconds, 8);
}

TEST(ClockBonus, CarriesIntoTheNextDigitsAndStopsAt99Minutes59) {
    struct Case {
        StageClock clock;
        int add;
        int shown;  // tens of minutes, minutes, tens of seconds, seconds
    };
    const Case cases[] = {{clockAt(0, 9, 5, 5), 10, 1005},
                          {clockAt(0, 0, 0, 0), 75, 115},
                          {clockAt(9, 9, 5, 0), 30, 9959}};
    for (Case c : cases) {
        addSecondsToClock(c.clock, c.add);
        EXPECT_EQ(c.clock.tensOfMinutes * 1000 + c.clock.minutes * 100 +
                      c.clock.tensOfSeconds * 10 + c.clock.seconds,
                  c.shown);
    }
}

TEST(IconTick, AllIconsBobTogetherAndSpin) {
    std::vector<PickupIcon> icons(2);
    icons[1].y = 0.39f;
    IconMotion motion;
    motion.spinAngle = 357;
    iconTick(icons, motion);
    // The first icon still falls; the low one turns the shared direction to rising.
    EXPECT_EQ(motion.rising, 1);
    EXPECT_FLOAT_EQ(icons[0].y, 0.5f - (0.035f - 0.5f / 29));
    EXPECT_FLOAT_EQ(icons[1].y, 0.39f + (0.035f - 0.39f / 29));
    EXPECT_EQ(motion.spinAngle, 0);

    for (int k = 0; k < 200; ++k) iconTick(icons, motion);
    for (const PickupIcon& icon : icons) {
        EXPECT_GT(icon.y, 0.35f);
        EXPECT_LT(icon.y, 0.85f);
    }
}

}  // namespace
