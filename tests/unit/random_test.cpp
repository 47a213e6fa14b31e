#include "game/random.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomGenerator, FollowsItsFormulaFromTheSeed) {
    // seed × 22695477 + 1, wrapping at 32 bits; the value is bits 16 to 30.
    RandomGenerator fromOne(1);
    for (int expected : {346, 130, 10982, 1090, 11656, 7117}) EXPECT_EQ(fromOne.next(), expected);

    RandomGenerator nearTheTop(0xFFFFFFFFu);
    EXPECT_EQ(nearTheTop.next(), 32421);  // (2^32 - 1) × 22695477 + 1 wraps
}

TEST(RandomGenerator, TheGameGeneratorHasAlreadyThrownItsFirstValueAway) {
    RandomGenerator game;
    EXPECT_EQ(game.next(), 130);
    EXPECT_EQ(game.cellIndex(), 10982 % 256);
}

}  // namespace
