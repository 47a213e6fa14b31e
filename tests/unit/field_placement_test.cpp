#include "game/field_placement.h"

#include <gtest/gtest.h>

#include <memory>

#include "game/nectar.h"

namespace {

// A map whose free cells are the columns below `freeColumns`.
std::unique_ptr<PlacementMap> mapWithFreeColumns(int freeColumns) {
    auto map = std::make_unique<PlacementMap>();
    for (int i = 0; i < freeColumns; ++i) map->cells[static_cast<size_t>(i)].fill(-1);
    return map;
}

TEST(FlowerField, DrawsRowColumnAndTurnPerFlowerAndUsesFreeCellsOnly) {
    auto open = mapWithFreeColumns(PlacementMap::side);
    RandomGenerator random(7), expected(7);
    auto flowers = placeFlowers(1, *open, random, {});
    ASSERT_EQ(flowers.size(), 6u);
    const int row = expected.cellIndex(), column = expected.cellIndex(), turn = expected.next();
    EXPECT_EQ(flowers[0].row, row);
    EXPECT_EQ(flowers[0].column, column);
    EXPECT_EQ(flowers[0].turnDegrees, turn % 180);
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(flowers[static_cast<size_t>(p)].shape, p);
        EXPECT_EQ(flowers[static_cast<size_t>(p)].texture, p / 2);
    }

    auto narrow = mapWithFreeColumns(40);
    flowers = placeFlowers(5, *narrow, random, {});
    ASSERT_EQ(flowers.size(), 30u);
    for (const FlowerSpot& flower : flowers) {
        EXPECT_TRUE(narrow->isFree(flower.column, flower.row));
        EXPECT_LT(flower.turnDegrees, 180);
    }
}

TEST(FlowerField, TheFirstFlowerOfAGroupIsBareAndSpareSpritesStayUnplaced) {
    auto open = mapWithFreeColumns(PlacementMap::side);
    RandomGenerator random(3);
    auto sprites = createSprites(12);
    auto flowers = placeFlowers(2, *open, random, sprites);
    // Two groups carry five sprites each; the last two find no flower.
    for (size_t k = 0; k < 10; ++k) {
        const FlowerSpot& flower = flowers[k / 5 * 6 + k % 5 + 1];
        EXPECT_FLOAT_EQ(sprites[k].x, placementCellX(flower.column));
        EXPECT_FLOAT_EQ(sprites[k].z, placementCellZ(flower.row));
        EXPECT_EQ(sprites[k].amount, NectarSprite::fullAmount);
    }
    for (size_t k = 10; k < 12; ++k) {
        EXPECT_EQ(sprites[k].amount, 0);
        EXPECT_EQ(sprites[k].x, 0);
    }

    // No flower field at all: every sprite stays unplaced.
    auto bare = createSprites(3);
    placeFlowers(0, *open, random, bare);
    for (const NectarSprite& sprite : bare) EXPECT_EQ(sprite.amount, 0);
}

TEST(FieldPlacement, AMapWithoutFreeCellsStopsEachSpotAfterAThousandDraws) {
    PlacementMap blocked;
    RandomGenerator random(11), expected(11);
    auto flowers = placeFlowers(1, blocked, random, {});
    EXPECT_EQ(flowers.size(), 6u);
    auto plants = placePlants({2, 1, 0, 3}, blocked, random);
    EXPECT_EQ(plants[0].size(), 2u);
    EXPECT_EQ(plants[3].size(), 3u);
    // Each of the 12 spots drew 1000 times three values.
    for (int k = 0; k < 12 * 1000 * 3; ++k) expected.next();
    EXPECT_EQ(random.seed(), expected.seed());
}

TEST(Plants, EachKindOnFreeCellsWithItsTurnRange) {
    auto narrow = mapWithFreeColumns(64);
    RandomGenerator random(5);
    auto plants = placePlants({40, 40, 0, 40}, *narrow, random);
    EXPECT_TRUE(plants[2].empty());
    for (size_t kind = 0; kind < plants.size(); ++kind) {
        for (const PlantSpot& plant : plants[kind]) {
            EXPECT_LT(plant.x, placementCellX(64));
            EXPECT_LT(plant.turnDegrees, kind == 0 ? 180 : 100);
        }
    }
    bool turnedPast100 = false;
    for (const PlantSpot& plant : plants[0]) turnedPast100 |= plant.turnDegrees >= 100;
    EXPECT_TRUE(turnedPast100);
}

}  // namespace
