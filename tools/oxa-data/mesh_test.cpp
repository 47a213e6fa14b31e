// The mesh builders whose pictures the game relies on.

#include "mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace {

TEST(TrimmedRingWall, StripsStopAboveWhatTheyShowKeepTheWallsMappingAndMeetAtTheirCorners) {
    // Four segments of two strips each; the t each strip's texels still show, by strip.
    const std::vector<float> shown = {0.1f, 0.5f, 0.9f, 0.9f, 0.9f, 0.3f, 0.5f, 0.5f};
    const Band band{0.1f, 0.9f};
    const float bottom = -2, top = 6;
    auto heightOf = [&](float t) { return bottom + (top - bottom) * (band.bottom - t) / 0.8f; };
    const Mesh wall = trimmedRingWall(10, 0, 2 * 3.14159265f, 4, 2, bottom, top, 1, band,
                                      [&](float s0, float s1) {
                                          int strip = static_cast<int>(std::lround(s0 * 8));
                                          EXPECT_NEAR(s1 - s0, 0.125f, 1e-6f);
                                          return shown[static_cast<size_t>(strip)];
                                      });
    // Strip 3 and its neighbours show nothing: it is left out, every other strip is a quad.
    EXPECT_EQ(wall.triangleCount(), 14u);

    std::map<std::pair<long, long>, float> cornerTops;
    std::vector<float> stripTop(8, bottom);
    for (const Vertex& v : wall.vertices) {
        // The full wall's mapping: t linear in the height, s along the ring.
        EXPECT_NEAR(v.t, band.bottom + (band.top - band.bottom) * (v.position.y - bottom) / 8,
                    1e-5f);
        // On the chord of its segment: inside the circle, no further out than the corners.
        EXPECT_LE(std::hypot(v.position.x, v.position.z), 10.0001f);
        if (v.position.y > bottom) {
            auto key =
                std::make_pair(std::lround(v.position.x * 1000), std::lround(v.position.z * 1000));
            auto [at, fresh] = cornerTops.try_emplace(key, v.position.y);
            if (!fresh) {
                EXPECT_FLOAT_EQ(at->second, v.position.y);  // one top per corner
            }
        }
    }
    // Each strip reaches at least as high as what it shows, and no higher than needed:
    // its corners take the higher of the two strips they join.
    for (size_t k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        const float need = heightOf(shown[k]);
        const float left = std::max(heightOf(shown[(k + 7) % 8]), need);
        const float right = std::max(heightOf(shown[(k + 1) % 8]), need);
        for (const Vertex& v : wall.vertices) {
            if (v.position.y <= bottom) continue;
            if (std::fabs(v.s - static_cast<float>(k) / 8) < 1e-5f) {
                EXPECT_NEAR(v.position.y, left, 1e-4f);
            }
            if (std::fabs(v.s - static_cast<float>(k + 1) / 8) < 1e-5f) {
                EXPECT_NEAR(v.position.y, right, 1e-4f);
            }
        }
    }
}

}  // namespace
