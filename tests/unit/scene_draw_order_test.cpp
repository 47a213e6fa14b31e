// The order a garden scene sends its objects in: unblended objects nearest first, then the
// blended ones, the water and the exit in the table's order.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "scenes/draw_order.h"

void PrintTo(const ObjectCall& call, std::ostream* out) {
    *out << "{step " << call.step << ", object " << call.object << "}";
}

namespace {

// Steps: 0 plain {0, 1}, 1 water {2}, 2 plain {3, 4, 5}, 3 exit {6}.
GardenTableEntry smallScene() {
    GardenTableEntry scene{};
    scene.objectCount = 8;
    scene.drawSequence = {{StepKind::plain, 4, {0, 1}},
                          {StepKind::water, 2, {2}},
                          {StepKind::plain, 0, {3, 4, 5}},
                          {StepKind::exit, 1, {6}}};
    return scene;
}

TEST(SceneDrawOrder, UnblendedObjectsGoNearestFirstAndTheRestKeepTheTableOrder) {
    const GardenTableEntry scene = smallScene();
    struct Case {
        const char* what;
        std::vector<ObjectLook> looks;
        std::vector<ObjectCall> order;
    };
    const std::vector<Case> cases = {
        {"all blended: the table's order",
         {},
         {{0, 0}, {0, 1}, {1, 2}, {2, 3}, {2, 4}, {2, 5}, {3, 6}}},
        {"unblended by distance, ties in table order; the water and exit never move",
         {{false, 200}, {true, 1}, {false, 0}, {false, 3}, {false, 3}, {false, 0.5}, {false, 0}},
         {{2, 5}, {2, 3}, {2, 4}, {0, 0}, {0, 1}, {1, 2}, {3, 6}}},
        {"a blended object stays behind unblended ones however near",
         {{true, 0}, {false, 9}, {true, 0}, {true, 0}, {false, 4}, {true, 0}},
         {{2, 4}, {0, 1}, {0, 0}, {1, 2}, {2, 3}, {2, 5}, {3, 6}}},
        {"objects the looks do not reach count as blended",
         {{false, 5}, {false, 2}},
         {{0, 1}, {0, 0}, {1, 2}, {2, 3}, {2, 4}, {2, 5}, {3, 6}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(sceneDrawOrder(scene, c.looks), c.order);
    }
    EXPECT_EQ(tableDrawOrder(scene), cases[0].order);
}

TEST(SceneDrawOrder, DistanceIsToTheNearestPlacedVertex) {
    auto vertex = [](double x, double y, double z) {
        ModelVertex v{};
        v.position = {x, y, z};
        return v;
    };
    auto translation = [](double x, double y, double z) {
        PlacementMatrix m{};
        m[0] = m[5] = m[10] = m[15] = 1;
        m[12] = x;
        m[13] = y;
        m[14] = z;
        return m;
    };
    ModelObject wall;
    wall.vertices = {vertex(220, -30, -220), vertex(220, 180, 220), vertex(220, 2, 0)};
    wall.placements = {translation(0, 0, 0)};
    EXPECT_DOUBLE_EQ(distanceFromGardenMiddle(wall), 220);

    // The nearer of two placements counts; a placement scales and turns too.
    ModelObject stone;
    stone.vertices = {vertex(1, 0, 0)};
    stone.placements = {translation(30, 2, 0), translation(0, 2, 10)};
    EXPECT_DOUBLE_EQ(distanceFromGardenMiddle(stone), std::hypot(1.0, 10.0));
    PlacementMatrix turned{};  // a quarter turn about y and twice the size, then up by 2
    turned[2] = -2;
    turned[5] = 2;
    turned[8] = 2;
    turned[13] = 2;
    turned[15] = 1;
    stone.placements = {turned};
    EXPECT_DOUBLE_EQ(distanceFromGardenMiddle(stone), 2);

    ModelObject nothing;
    nothing.placements = {translation(0, 0, 0)};
    EXPECT_EQ(distanceFromGardenMiddle(nothing), std::numeric_limits<double>::max());
}

}  // namespace
