// Which scene placements are left out of a frame: spheres against the view volume of a
// perspective camera, and the spheres that bound meshes and their placements.
#include "scenes/scene_culling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// What gluPerspective(90, 1, 1, 100) loads, column-major.
std::array<double, 16> perspective90() {
    const double n = 1, f = 100;
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, (f + n) / (n - f), -1, 0, 0, 2 * f * n / (n - f), 0};
}

std::array<double, 16> translation(double x, double y, double z) {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
}

ModelVertex at(double x, double y, double z) {
    ModelVertex v;
    v.position = {x, y, z};
    return v;
}

}  // namespace

TEST(SceneCulling, OnlySpheresWhollyOutsideOnePlaneOfTheViewAreLeftOut) {
    struct Case {
        const char* what;
        BoundingSphere sphere;
        bool outside;
    };
    const Case cases[] = {
        {"straight ahead", {{0, 0, -10}, 1}, false},
        {"behind the camera", {{0, 0, 10}, 1}, true},
        {"far to the left", {{-50, 0, -10}, 1}, true},
        {"far to the right", {{50, 0, -10}, 1}, true},
        {"above", {{0, 30, -10}, 1}, true},
        {"below", {{0, -30, -10}, 1}, true},
        {"across the left edge", {{-10.5, 0, -10}, 1}, false},
        {"just past the left edge", {{-11.5, 0, -10}, 0.3}, true},
        {"beyond the far plane", {{0, 0, -150}, 10}, true},
        {"big enough to reach back in", {{0, 0, -150}, 60}, false},
        {"around the camera", {{0, 0, 0}, 5}, false},
        {"nothing to bound", {}, false},
    };
    const ViewVolume view = viewVolume(translation(0, 0, 0), perspective90());
    for (const Case& c : cases) EXPECT_EQ(outsideView(view, c.sphere), c.outside) << c.what;
}

TEST(SceneCulling, TheViewFollowsTheModelViewMatrix) {
    // The camera 20 units back: the origin is in front of it, a point 30 behind it is not.
    const ViewVolume view = viewVolume(translation(0, 0, -20), perspective90());
    EXPECT_FALSE(outsideView(view, {{0, 0, 0}, 1}));
    EXPECT_TRUE(outsideView(view, {{0, 0, 30}, 1}));
}

TEST(SceneCulling, SpheresHoldEveryVertexAndFollowTheirPlacement) {
    const std::vector<ModelVertex> vertices = {at(-1, 0, 0), at(3, 2, 0), at(1, 0, 4), at(0, 1, 1)};
    const BoundingSphere sphere = boundingSphere(vertices);
    for (const ModelVertex& v : vertices) {
        double d = std::hypot(v.position[0] - sphere.centre[0], v.position[1] - sphere.centre[1],
                              v.position[2] - sphere.centre[2]);
        EXPECT_LE(d, sphere.radius + 1e-9);
    }
    EXPECT_LT(boundingSphere({}).radius, 0);

    // Scaled by 2 along x only, turned and moved: the radius grows by the largest scale.
    PlacementMatrix m = {0, 0, -2, 0, 0, 1, 0, 0, 1, 0, 0, 0, 10, 20, 30, 1};
    const BoundingSphere placed = placedSphere({{1, 1, 1}, 2}, m);
    EXPECT_DOUBLE_EQ(placed.centre[0], 11);
    EXPECT_DOUBLE_EQ(placed.centre[1], 21);
    EXPECT_DOUBLE_EQ(placed.centre[2], 28);
    EXPECT_DOUBLE_EQ(placed.radius, 4);
    EXPECT_LT(placedSphere({}, m).radius, 0);
}
