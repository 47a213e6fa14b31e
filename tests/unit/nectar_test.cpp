#include "game/nectar.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

NectarBucket bucketWith(int loads) {
    NectarBucket bucket;
    for (int k = 0; k < loads; ++k) bucket.slots[static_cast<size_t>(k)] = 1;
    bucket.loadCount = loads;
    return bucket;
}

StageClock tally(int nectarPerLoad, int target) {
    StageClock clock;
    clock.nectarPerLoad = nectarPerLoad;
    clock.target = target;
    return clock;
}

TEST(HiveDelivery, EmptiesEveryFullSlotAtOnceNearTheHiveAxis) {
    NectarBucket bucket = bucketWith(3);
    StageClock clock = tally(7, 30);
    EXPECT_EQ(deliverAtHive(0.1f, 0.9f, 0.15f, bucket, clock), 3);
    EXPECT_EQ(bucket.loadCount, 0);
    EXPECT_EQ(bucket.slots, (std::array<uint8_t, 5>{}));
    EXPECT_EQ(clock.collected, 21);
    EXPECT_EQ(bucket.deliveredPercent, 69);  // 3 × (700 / 30)

    // Too high, or just off the axis: nothing.
    bucket = bucketWith(2);
    EXPECT_EQ(deliverAtHive(0, 1.01f, 0, bucket, clock), 0);
    EXPECT_EQ(deliverAtHive(0.2f, 0.5f, 0, bucket, clock), 0);
    EXPECT_EQ(bucket.loadCount, 2);
}

TEST(HiveDelivery, ThePercentageStopsAt100AndATargetOf0IsMetAtOnce) {
    NectarBucket bucket = bucketWith(5);
    StageClock clock = tally(10, 20);
    EXPECT_EQ(deliverAtHive(0, 0.5f, 0, bucket, clock), 5);
    EXPECT_EQ(bucket.deliveredPercent, 100);
    EXPECT_EQ(clock.collected, 50);

    bucket = bucketWith(1);
    clock = tally(10, 0);
    EXPECT_EQ(deliverAtHive(0, 0.5f, 0, bucket, clock), 1);
    EXPECT_EQ(bucket.deliveredPercent, 100);
}

TEST(HardBump, SpillsTheLastLoadOnly) {
    NectarBucket bucket = bucketWith(3);
    spillLoad(bucket);
    EXPECT_EQ(bucket.loadCount, 2);
    EXPECT_EQ(bucket.slots, (std::array<uint8_t, 5>{1, 1, 0, 0, 0}));
    NectarBucket emptyBucket;
    spillLoad(emptyBucket);
    EXPECT_EQ(emptyBucket.loadCount, 0);
}

TEST(SpriteTick, GlowsRunDownAndWrapAndThePulseFollowsASine) {
    std::vector<NectarSprite> sprites(2);
    sprites[1].flash = -0.99f;
    float phase = 0;
    const float pulse = spriteTick(sprites, phase);
    EXPECT_FLOAT_EQ(sprites[0].flash, -0.03f);
    EXPECT_EQ(sprites[1].flash, 0);
    EXPECT_FLOAT_EQ(pulse, std::sin(0.03f) / 6 + 1);

    phase = 3.13f;  // past π the phase starts over, after giving its pulse
    EXPECT_FLOAT_EQ(spriteTick(sprites, phase), std::sin(3.16f) / 6 + 1);
    EXPECT_EQ(phase, 0);
}

}  // namespace
