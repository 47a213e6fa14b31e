#include <gtest/gtest.h>

#include "game/icon_rules.h"
#include "game/kamera.h"
#include "game/nectar.h"

namespace {

class Drain : public testing::Test {
  protected:
    void SetUp() override {
        sprites = createSprites(2);
        for (NectarSprite& sprite : sprites) sprite = {4, 4, NectarSprite::fullAmount, 0};
        sprites[1].x = 4.1f;
        icons = {{4, 0.5f, 4, 1, flowerMarker}, {4.1f, 0.5f, 4, 1, flowerMarker}};
        bee.x = 4.2f;
        bee.y = 0.5f;
        bee.z = 4.1f;
        bee.velocityX = bee.velocityZ = 0.7f;
        bee.velocityY = 0.07f;
    }
    bool frame(float dt = 0.02f) { return drainNectar(bee, dt, sprites, bucket, icons); }

    glh::FlightCamera bee;
    std::vector<NectarSprite> sprites;
    std::vector<PickupIcon> icons;
    NectarBucket bucket;
};

TEST_F(Drain, HoveringOverASpriteSlowsTheBeeAndDrainsTheFirstInReachInAboutASecondAndAHalf) {
    EXPECT_TRUE(frame());
    EXPECT_FLOAT_EQ(bee.velocityX, 0.1f);
    EXPECT_FLOAT_EQ(bee.velocityZ, 0.1f);
    EXPECT_FLOAT_EQ(bee.velocityY, 0.001f);
    EXPECT_FLOAT_EQ(sprites[0].amount, 48.5f);
    EXPECT_EQ(sprites[1].amount, NectarSprite::fullAmount);

    // 45 units at 75 a second: 0.6 s of play in all.
    int frames = 1;
    while (sprites[0].amount != 0 && frames < 100) {
        EXPECT_TRUE(frame());
        ++frames;
    }
    EXPECT_EQ(frames, 31);  // 30 frames leave exactly 5, the 31st drains it
    EXPECT_EQ(bucket.loadCount, 1);
    EXPECT_EQ(bucket.slots[0], 1);
    EXPECT_EQ(icons[0].active, 0);
    EXPECT_EQ(icons[1].active, 1);
    // The next frame starts on the second sprite.
    EXPECT_TRUE(frame());
    EXPECT_LT(sprites[1].amount, NectarSprite::fullAmount);
}

TEST_F(Drain, OnlyAtFlowerHeightWithinReachAndWithRoomInTheBucket) {
    for (float y : {0.47f, 0.7f}) {
        bee.y = y;
        EXPECT_FALSE(frame()) << y;
    }
    bee.y = 0.68f;
    bee.x = 4.45f;  // 0.35 from the second sprite
    EXPECT_TRUE(frame());
    bee.x = 4.6f;
    EXPECT_FALSE(frame());

    bee.x = 4;
    bucket.loadCount = NectarBucket::slotCount;
    const float velocityBefore = bee.velocityX;
    EXPECT_FALSE(frame());
    EXPECT_EQ(bee.velocityX, velocityBefore);
    EXPECT_EQ(sprites[0].amount, NectarSprite::fullAmount);
}

TEST_F(Drain, UnplacedOrDrainedSpritesAreNotDrainedAndMissingMarkersAreNoHarm) {
    sprites[0].amount = 0;
    sprites[1].amount = 0;
    EXPECT_FALSE(frame());
    sprites[1].amount = 5.5f;
    icons.clear();
    EXPECT_TRUE(frame(0.01f));
    EXPECT_EQ(sprites[1].amount, 0);
    EXPECT_EQ(bucket.loadCount, 1);
}

}  // namespace
