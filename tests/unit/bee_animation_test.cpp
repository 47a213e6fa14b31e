#include "game/bee_animation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using glh::BeeAnimation;

std::vector<int> run(BeeAnimation& bee, int& angle, const int& active) {
    std::vector<int> angles;
    while (active && angles.size() < 200) {
        bee.tick(0, 1, 1);
        angles.push_back(angle);
    }
    return angles;
}

TEST(BeeAnimation, WingsFlapBetweenTwentyAndNinety) {
    BeeAnimation bee;
    std::vector<int> angles;
    for (int i = 0; i < 8; ++i) {
        bee.tick(0, 1, 1);
        angles.push_back(bee.wingAngle);
    }
    EXPECT_EQ(angles, (std::vector<int>{31, 42, 53, 64, 75, 86, 20, 31}));
}

TEST(BeeAnimation, ASpinTurnsOnceRoundSlowAtBothEnds) {
    BeeAnimation bee;
    bee.startSpin(1);
    auto angles = run(bee, bee.spinAngle, bee.spinDirection);
    // The rules chain within a tick: 24 + 12 = 36 falls into the next rule, giving 48.
    EXPECT_EQ(angles, (std::vector<int>{12, 24, 48, 78, 120, 144, 168, 192, 216, 240, 264, 317,
                                        328, 344, 349, 354, 359, 0}));
    EXPECT_EQ(bee.spinDirection, 0);

    BeeAnimation left;
    left.startSpin(-1);
    auto mirrored = run(left, left.spinAngle, left.spinDirection);
    ASSERT_EQ(mirrored.size(), angles.size());
    for (size_t i = 0; i < angles.size(); ++i) EXPECT_EQ(mirrored[i], -angles[i]) << i;
}

TEST(BeeAnimation, ATumbleCanTakeSeveralStepsInOneTick) {
    BeeAnimation bee;
    bee.startTumble();
    auto angles = run(bee, bee.tumbleAngle, bee.tumbling);
    // At exactly 30 the rules chain: 30 + 6 = 36, which the next rule takes on to 46.
    std::vector<int> head(angles.begin(), angles.begin() + 7);
    EXPECT_EQ(head, (std::vector<int>{6, 12, 18, 24, 30, 46, 56}));
    EXPECT_EQ(angles.back(), 0);
    EXPECT_EQ(bee.tumbling, 0);
}

TEST(BeeAnimation, TheCompassPointsHome) {
    struct Case {
        float heading, x, z, angle;
    };
    const Case cases[] = {
        {0, 0, -5, 0},             // south of the hive looking north (+z): home straight ahead
        {0, 0, 5, -180},           // north of it looking north: home behind
        {1.5707964f, -5, 0, 0},    // west, looking east
        {0, 5, 0, -270},           // east, looking north: home is at heading 3/2 pi
        {0, 0, 0, 57.29578f},      // on the hive: the heading helper's -1 radian
    };
    for (const auto& c : cases) {
        BeeAnimation bee;
        bee.tick(c.heading, c.x, c.z);
        EXPECT_NEAR(bee.compassAngle, c.angle, 1e-3) << c.x << "," << c.z;
    }
}

}  // namespace
