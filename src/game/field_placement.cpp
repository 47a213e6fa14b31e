#include "game/field_placement.h"

#include "game/nectar.h"

namespace {

constexpr int placementDraws = 1000;

// One spot: row, column and turn drawn together, redrawn while the cell is blocked.
struct Draw {
    int column = 0, row = 0, turn = 0;
};

Draw drawSpot(const PlacementMap& map, RandomGenerator& random) {
    Draw draw;
    for (int draws = 0; draws < placementDraws; ++draws) {
        draw.row = random.cellIndex();
        draw.column = random.cellIndex();
        draw.turn = random.next();
        if (map.isFree(draw.column, draw.row)) break;
    }
    return draw;
}

}  // namespace

std::vector<FlowerSpot> placeFlowers(int groups, const PlacementMap& map, RandomGenerator& random,
                                     std::span<NectarSprite> sprites) {
    std::vector<FlowerSpot> flowers;
    size_t nextSprite = 0;
    for (int group = 0; group < groups; ++group) {
        for (int position = 0; position < flowersPerGroup; ++position) {
            const Draw draw = drawSpot(map, random);
            flowers.push_back({draw.column, draw.row, draw.turn % 180, position, position / 2});
            // The first flower of a group stays bare.
            if (position == 0 || nextSprite >= sprites.size()) continue;
            NectarSprite& sprite = sprites[nextSprite++];
            sprite.x = placementCellX(draw.column);
            sprite.z = placementCellZ(draw.row);
            sprite.amount = NectarSprite::fullAmount;
        }
    }
    return flowers;
}

std::array<std::vector<PlantSpot>, plantKinds> placePlants(
    const std::array<int, plantKinds>& counts, const PlacementMap& map, RandomGenerator& random) {
    std::array<std::vector<PlantSpot>, plantKinds> plants;
    for (size_t kind = 0; kind < plants.size(); ++kind) {
        const int turnRange = kind == 0 ? 180 : 100;
        for (int k = 0; k < counts[kind]; ++k) {
            const Draw draw = drawSpot(map, random);
            plants[kind].push_back(
                {placementCellX(draw.column), placementCellZ(draw.row), draw.turn % turnRange});
        }
    }
    return plants;
}
