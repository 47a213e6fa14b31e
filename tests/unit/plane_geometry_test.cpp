#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <random>

using namespace geometry;

namespace {

constexpr double kPiD = std::numbers::pi;

// Twice the signed area of abc; positive when the corners turn counter-clockwise.
double turn(const Vec2& a, const Vec2& b, const Vec2& c) {
    return (double(b.x) - a.x) * (double(c.y) - a.y) - (double(b.y) - a.y) * (double(c.x) - a.x);
}

// The reference inside test, or nothing when p is too close to an edge to call.
std::optional<bool> insideByAreas(const Vec2& p, const Vec2& a, const Vec2& b, const Vec2& c) {
    const double whole = std::fabs(turn(a, b, c));
    const double s1 = turn(a, b, p), s2 = turn(b, c, p), s3 = turn(c, a, p);
    const double margin = 1e-3 * whole;
    if (std::fabs(s1) < margin || std::fabs(s2) < margin || std::fabs(s3) < margin) {
        return std::nullopt;
    }
    return (s1 > 0 && s2 > 0 && s3 > 0) || (s1 < 0 && s2 < 0 && s3 < 0);
}

double angularDistance(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 2 * kPiD);
    return std::min(d, 2 * kPiD - d);
}

double signedDistance(const Vec3& p, const Vec3& a, const Vec3& n) {
    return (double(p.x) - a.x) * n.x + (double(p.y) - a.y) * n.y + (double(p.z) - a.z) * n.z;
}

double distance2D(const Vec2& a, const Vec2& b) {
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

double distance3D(const Vec3& a, const Vec3& b) {
    const double dx = double(b.x) - a.x, dy = double(b.y) - a.y, dz = double(b.z) - a.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

Vec2 centroidOf(const Vec2& a, const Vec2& b, const Vec2& c) {
    return {(a.x + b.x + c.x) / 3.0f, (a.y + b.y + c.y) / 3.0f};
}

}  // namespace

TEST(HeadingAngle, AxesDiagonalsAndCoincidentPoints) {
    struct Case {
        float x1, y1, x2, y2;
        double radians;
    };
    const Case cases[] = {
        {0, 0, 0, 1, 0.0},
        {0, 0, 1, 0, kPiD / 2},
        {0, 0, 0, -1, kPiD},
        {0, 0, -1, 0, 3 * kPiD / 2},
        {0, 0, 1, 1, kPiD / 4},
        {0, 0, 1, -1, 3 * kPiD / 4},
        {0, 0, -1, -1, 5 * kPiD / 4},
        {0, 0, -1, 1, 7 * kPiD / 4},
        {2, 3, 2, 9, 0.0},  // only the difference counts
        {2, 3, -4, 3, 3 * kPiD / 2},
        {-5, -5, -2, -5 - std::sqrt(27.0f), 5 * kPiD / 6},
        {2, 3, 2, 3, -1.0},
        {-7.5f, 0.25f, -7.5f, 0.25f, -1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2);
        EXPECT_NEAR(headingAngle(c.x1, c.y1, c.x2, c.y2), c.radians, 1e-6);
        const double degrees = c.radians < 0 ? -1.0 : c.radians * 180 / kPiD;
        EXPECT_NEAR(headingDegrees(c.x1, c.y1, c.x2, c.y2), degrees, 1e-4);
    }
    // The axes give the game's float constants exactly, and whole degrees: a point straight
    // behind a segment's start must measure exactly 180.
    EXPECT_EQ(headingAngle(0, 0, 0, 5), 0.0f);
    EXPECT_EQ(headingAngle(0, 0, 5, 0), 1.5707964f);
    EXPECT_EQ(headingAngle(0, 0, 0, -5), 3.1415927f);
    EXPECT_EQ(headingAngle(0, 0, -5, 0), 4.712389f);
    EXPECT_EQ(headingDegrees(1, 1, 1, 2), 0.0f);
    EXPECT_EQ(headingDegrees(1, 1, 2, 1), 90.0f);
    EXPECT_EQ(headingDegrees(1, 1, 1, 0), 180.0f);
    EXPECT_EQ(headingDegrees(1, 1, 0, 1), 270.0f);
}

TEST(HeadingAngle, EqualsAtan2MovedIntoOneTurn) {
    for (const float length : {0.001f, 1.0f, 37.0f}) {
        for (int step = 0; step < 720; ++step) {
            const double angle = step * kPiD / 360 + 0.0001;
            const float du = float(length * std::sin(angle));
            const float dv = float(length * std::cos(angle));
            double expected = std::atan2(double(du), double(dv));
            if (expected < 0) expected += 2 * kPiD;
            SCOPED_TRACE(testing::Message() << "length " << length << " step " << step);
            const float heading = headingAngle(3.0f, -2.0f, 3.0f + du, -2.0f + dv);
            EXPECT_GE(heading, 0.0f);
            EXPECT_LE(heading, kTwoPi);
            // asin loses some precision next to ±π/2, but a wrong branch is off by far more.
            EXPECT_LT(angularDistance(heading, expected), 4e-4);
        }
    }
}

TEST(HeadingAngle, TinyAndHugeVectorsKeepTheirLengthAndDirection) {
    EXPECT_FLOAT_EQ(planarLength(3.0f, 4.0f), 5.0f);
    EXPECT_FLOAT_EQ(planarLength(3e-23f, -4e-23f), 5e-23f);
    EXPECT_FLOAT_EQ(planarLength(-3e30f, 4e30f), 5e30f);
    EXPECT_EQ(planarLength(0.0f, 0.0f), 0.0f);

    // Their squares would underflow or overflow in float.
    EXPECT_NEAR(headingAngle(0, 0, 4e-23f, 1e-30f), kPiD / 2, 1e-6);
    EXPECT_NEAR(headingAngle(0, 0, -3e-23f, -3e-23f), 5 * kPiD / 4, 1e-6);
    EXPECT_NEAR(headingAngle(0, 0, 3e30f, -3e30f), 3 * kPiD / 4, 1e-6);
}

TEST(RotatePlanar, TurnsTheHeadingAndKeepsTheLength) {
    struct Case {
        float angle, u, v;
        float expectedU, expectedV;
    };
    const Case cases[] = {
        {kHalfPi, 0, 1, 1, 0},
        {-kHalfPi, 0, 1, -1, 0},
        {kHalfPi, 1, 0, 0, -1},
        {kPi, 3, 4, -3, -4},
        {-3 * kHalfPi, 0, 2, 2, 0},      // below zero wraps once
        {kTwoPi + kHalfPi, 0, 1, 1, 0},  // past a full turn sin and cos wrap by themselves
        {0.0f, -2.5f, 0.5f, -2.5f, 0.5f},
        {1.0f, 0, 0, 0, 0},  // the origin has no heading and stays put
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "angle " << c.angle << " (" << c.u << ", " << c.v << ")");
        float u = c.u, v = c.v;
        rotatePlanar(c.angle, u, v);
        EXPECT_NEAR(u, c.expectedU, 2e-6);
        EXPECT_NEAR(v, c.expectedV, 2e-6);
    }

    for (int step = -20; step <= 20; ++step) {
        const float angle = step * 0.37f;
        float u = 1.5f, v = -2.0f;
        rotatePlanar(angle, u, v);
        SCOPED_TRACE(testing::Message() << "angle " << angle);
        EXPECT_NEAR(planarLength(u, v), 2.5f, 1e-5);
        const double turned = std::atan2(u, v) - std::atan2(1.5, -2.0);
        EXPECT_LT(angularDistance(turned, angle), 1e-5);
    }
}

TEST(TriangleNormal, UnitCrossProductOfTheEdges) {
    const double third = 1 / std::sqrt(3.0);
    struct Case {
        Vec3 p1, p2, p3;
        Vec3 normal;
    };
    const Case cases[] = {
        {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
        {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
        {{5, 2, -3}, {5, 2, 7}, {25, 2, -3}, {0, 1, 0}},  // size does not matter
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {float(third), float(third), float(third)}},
        {{0, 0, 0}, {0, 3, 0}, {0, 0, 4}, {1, 0, 0}},  // a wall
    };
    for (const auto& c : cases) {
        const Vec3 n = triangleNormal(c.p1, c.p2, c.p3);
        EXPECT_NEAR(n.x, c.normal.x, 1e-6);
        EXPECT_NEAR(n.y, c.normal.y, 1e-6);
        EXPECT_NEAR(n.z, c.normal.z, 1e-6);
    }
}

TEST(TriangleNormal, DegenerateTrianglesAreDetectedAndGiveNoNaN) {
    struct Case {
        const char* name;
        Vec3 a, b, c;
        bool degenerate;
    };
    const float nan = std::nanf("");
    const Vec3 start{0.1f, 0.7f, -1.3f}, direction{1.1f, 2.3f, -0.7f};
    auto along = [&](float t) {
        return Vec3{start.x + t * direction.x, start.y + t * direction.y,
                    start.z + t * direction.z};
    };
    const Case cases[] = {
        {"ground", {0, 0, 0}, {0, 0, 1}, {1, 0, 0}, false},
        {"thin sliver", {0, 0, 0}, {10, 0, 0}, {5, 0.001f, 0}, false},
        {"far from the origin", {19, 1, -19}, {19.5f, 1, -19}, {19, 1.2f, -18.5f}, false},
        {"all corners equal", {1, 2, 3}, {1, 2, 3}, {1, 2, 3}, true},
        {"two corners equal", {1, 2, 3}, {4, 5, 6}, {1, 2, 3}, true},
        {"collinear", {0, 0, 0}, {1, 2, 3}, {3, 6, 9}, true},
        {"collinear after rounding", start, along(1.0f), along(2.9f), true},
        {"NaN corner", {0, 0, 0}, {nan, 0, 0}, {0, 0, 1}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isDegenerateTriangle(c.a, c.b, c.c), c.degenerate);
        const Vec3 n = triangleNormal(c.a, c.b, c.c);
        EXPECT_FALSE(std::isnan(n.x) || std::isnan(n.y) || std::isnan(n.z));
    }
    const Vec3 zero = triangleNormal({1, 2, 3}, {1, 2, 3}, {4, 4, 4});
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    EXPECT_EQ(zero.z, 0.0f);
}

TEST(TriangleFrame, HeightAboveAGroundTriangleTakesItsSignFromTheWinding) {
    const Vec3 a{0, 0, 0}, b{0, 0, 1}, c{1, 0, 0};
    const Vec3 above{0.2f, 0.03f, 0.2f};
    const TriangleFrame one = triangleFrame(above, a, b, c);
    const TriangleFrame other = triangleFrame(above, a, c, b);
    EXPECT_NEAR(std::fabs(one.point.y), 0.03f, 1e-6);
    EXPECT_NEAR(std::fabs(other.point.y), 0.03f, 1e-6);
    // abc turns its normal up (+y): the frame counts that side as negative.
    EXPECT_LT(one.point.y, 0.0f);
    EXPECT_GT(other.point.y, 0.0f);
    EXPECT_NEAR(triangleFrame({0.2f, -0.03f, 0.2f}, a, b, c).point.y, 0.03f, 1e-6);

    for (const TriangleFrame& frame : {one, other}) {
        EXPECT_GT(turn(frame.a, frame.b, frame.c), 0.0);  // one winding for both orders
        const Vec2 centre = centroidOf(frame.a, frame.b, frame.c);
        EXPECT_NEAR(centre.x, 0.0f, 1e-6);
        EXPECT_NEAR(centre.y, 0.0f, 1e-6);
        EXPECT_TRUE(pointInTriangle({frame.point.x, frame.point.z}, frame.a, frame.b, frame.c));
    }
    const TriangleFrame beside = triangleFrame({1.2f, 0.03f, 1.2f}, a, b, c);
    EXPECT_FALSE(pointInTriangle({beside.point.x, beside.point.z}, beside.a, beside.b, beside.c));
}

TEST(TriangleFrame, PointsInTheTrianglesPlaneHaveNoHeight) {
    struct Case {
        const char* name;
        Vec3 a, b, c;
    };
    const Case cases[] = {
        {"ground", {0, 0, 0}, {0, 0, 1}, {1, 0, 0}},
        {"tilted", {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        {"wall facing x", {2, 0, -1}, {2, 1.5f, 0}, {2, 0, 1}},
        {"b straight above a", {3, 0, 3}, {3, 2, 3}, {4, 0, 3}},
        {"away from the origin", {-15, 1.2f, 14}, {-14, 0.4f, 15.5f}, {-13.2f, 1.7f, 13.1f}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Vec3 inPlane[] = {
            {(c.a.x + c.b.x + c.c.x) / 3, (c.a.y + c.b.y + c.c.y) / 3, (c.a.z + c.b.z + c.c.z) / 3},
            c.b,
            {2 * c.c.x - c.a.x, 2 * c.c.y - c.a.y, 2 * c.c.z - c.a.z},  // outside, same plane
        };
        for (const Vec3& p : inPlane) {
            EXPECT_NEAR(triangleFrame(p, c.a, c.b, c.c).point.y, 0.0f, 1e-5);
        }
    }
}

TEST(TriangleFrame, KeepsShapeDistanceAndInsideForAnyTriangle) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    int checkedInside = 0;
    for (int i = 0; i < 3000; ++i) {
        const Vec3 origin{20 * unit(random), 1 + unit(random), 20 * unit(random)};
        auto corner = [&] {
            return Vec3{origin.x + 2 * unit(random), origin.y + 2 * unit(random),
                        origin.z + 2 * unit(random)};
        };
        const Vec3 a = corner(), b = corner(), c = corner();
        if (isDegenerateTriangle(a, b, c)) continue;
        const Vec3 n = triangleNormal(a, b, c);
        const float height = 0.1f * unit(random);
        const Vec3 p{origin.x + 2 * unit(random) + height * n.x, origin.y + height * n.y,
                     origin.z + 2 * unit(random) + height * n.z};
        SCOPED_TRACE(testing::Message() << "triangle " << i);

        const TriangleFrame frame = triangleFrame(p, a, b, c);
        EXPECT_NEAR(frame.point.y, -signedDistance(p, a, n), 2e-3);
        // Each turn re-derives a point's heading through asin, which costs a little
        // precision next to ±π/2.
        EXPECT_NEAR(distance2D(frame.a, frame.b), distance3D(a, b), 1e-3);
        EXPECT_NEAR(distance2D(frame.b, frame.c), distance3D(b, c), 1e-3);
        EXPECT_NEAR(distance2D(frame.c, frame.a), distance3D(c, a), 1e-3);
        EXPECT_GT(turn(frame.a, frame.b, frame.c), 0.0);

        // Inside in the frame exactly when p's foot on the plane lies in the 3D triangle,
        // judged by the corners as seen along the normal.
        const double d = signedDistance(p, a, n);
        const Vec3 foot{float(p.x - d * n.x), float(p.y - d * n.y), float(p.z - d * n.z)};
        auto side = [&](const Vec3& from, const Vec3& to) {
            const double ex = double(to.x) - from.x, ey = double(to.y) - from.y,
                         ez = double(to.z) - from.z;
            const double fx = double(foot.x) - from.x, fy = double(foot.y) - from.y,
                         fz = double(foot.z) - from.z;
            return (ey * fz - ez * fy) * n.x + (ez * fx - ex * fz) * n.y +
                   (ex * fy - ey * fx) * n.z;
        };
        const double s1 = side(a, b), s2 = side(b, c), s3 = side(c, a);
        const double margin = 0.01 * (s1 + s2 + s3);
        if (std::fabs(s1) < margin || std::fabs(s2) < margin || std::fabs(s3) < margin) continue;
        const bool inside = s1 > 0 && s2 > 0 && s3 > 0;
        EXPECT_EQ(pointInTriangle({frame.point.x, frame.point.z}, frame.a, frame.b, frame.c),
                  inside);
        checkedInside += inside;
    }
    EXPECT_GT(checkedInside, 100);
}

TEST(TriangleFrame, DegenerateTrianglesStayFinite) {
    const Vec3 p{0.5f, 0.5f, 0.5f};
    const Vec3 corners[][3] = {
        {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}},
        {{0, 0, 0}, {0, 0, 0}, {1, 0, 1}},
        {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}},
        {{0, 0, 0}, {0, 2, 0}, {0, 1, 0}},
    };
    for (const auto& t : corners) {
        const TriangleFrame frame = triangleFrame(p, t[0], t[1], t[2]);
        for (const float value : {frame.point.x, frame.point.y, frame.point.z, frame.a.x, frame.a.y,
                                  frame.b.x, frame.b.y, frame.c.x, frame.c.y}) {
            EXPECT_TRUE(std::isfinite(value));
        }
    }
}

TEST(PointInTriangle, CentroidIsInsideAndPointsBeyondAnEdgeAreNot) {
    const Vec2 triangles[][3] = {
        {{0, 0}, {4, 0}, {2, 4}},
        {{2, 4}, {4, 0}, {0, 0}},  // the other winding
        {{-1, -1}, {1, -1}, {-1, 1}},
        {{0, 0}, {10, 0.5f}, {9, 0}},  // thin sliver
        {{15, -18}, {17.5f, -16}, {14, -15.2f}},
        {{-0.3f, 0.2f}, {0.1f, 0.25f}, {-0.05f, -0.4f}},
    };
    for (const auto& t : triangles) {
        SCOPED_TRACE(testing::Message() << t[0].x << "," << t[0].y << " " << t[1].x << "," << t[1].y
                                        << " " << t[2].x << "," << t[2].y);
        const Vec2 centre = centroidOf(t[0], t[1], t[2]);
        EXPECT_TRUE(pointInTriangle(centre, t[0], t[1], t[2]));
        for (int edge = 0; edge < 3; ++edge) {
            const Vec2& from = t[edge];
            const Vec2& to = t[(edge + 1) % 3];
            const Vec2& opposite = t[(edge + 2) % 3];
            // Mirror the opposite corner, and a point near it, across the edge's midpoint.
            const Vec2 mid{(from.x + to.x) / 2, (from.y + to.y) / 2};
            const Vec2 mirrored{2 * mid.x - opposite.x, 2 * mid.y - opposite.y};
            const Vec2 justBeyond{mid.x + 0.05f * (mid.x - centre.x),
                                  mid.y + 0.05f * (mid.y - centre.y)};
            EXPECT_FALSE(pointInTriangle(mirrored, t[0], t[1], t[2])) << "edge " << edge;
            EXPECT_FALSE(pointInTriangle(justBeyond, t[0], t[1], t[2])) << "edge " << edge;
            // Beyond the corner along the median.
            const Vec2 pastCorner{opposite.x + 0.5f * (opposite.x - mid.x),
                                  opposite.y + 0.5f * (opposite.y - mid.y)};
            EXPECT_FALSE(pointInTriangle(pastCorner, t[0], t[1], t[2])) << "edge " << edge;
        }
    }
}

TEST(PointInTriangle, AgreesWithTheAreaTestAwayFromTheEdges) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(-20.0f, 20.0f);
    int compared = 0;
    for (int i = 0; i < 300; ++i) {
        const Vec2 a{coordinate(random), coordinate(random)};
        const Vec2 b{coordinate(random), coordinate(random)};
        const Vec2 c{coordinate(random), coordinate(random)};
        if (std::fabs(turn(a, b, c)) < 1.0) continue;
        for (int j = 0; j < 100; ++j) {
            const Vec2 p{coordinate(random), coordinate(random)};
            const auto expected = insideByAreas(p, a, b, c);
            if (!expected) continue;
            ++compared;
            ASSERT_EQ(pointInTriangle(p, a, b, c), *expected)
                << "triangle " << i << " point " << p.x << "," << p.y;
        }
    }
    EXPECT_GT(compared, 20000);
}

TEST(SegmentsCross, CrossingsParallelsAndTouches) {
    struct Case {
        const char* name;
        Vec2 p1, p2, q1, q2;
        bool crosses;
    };
    const Case cases[] = {
        {"X", {0, 0}, {2, 2}, {0, 2}, {2, 0}, true},
        {"X, q reversed", {0, 0}, {2, 2}, {2, 0}, {0, 2}, true},
        {"X, p reversed", {2, 2}, {0, 0}, {0, 2}, {2, 0}, true},
        {"plus", {-1, 0}, {1, 0}, {0, -1}, {0, 1}, true},
        {"skewed X", {-3.5f, 1.2f}, {4.1f, -0.7f}, {0.3f, -5}, {-0.2f, 6.6f}, true},
        {"parallel", {0, 0}, {2, 2}, {1, 0}, {3, 2}, false},
        {"parallel, axis", {0, 0}, {0, 5}, {1, 0}, {1, 5}, false},
        {"lines cross beyond q", {0, 0}, {2, 2}, {0, 4}, {1, 3.5f}, false},
        {"lines cross beyond p", {0, 0}, {1, 1}, {0, 4}, {4, 0}, false},
        {"collinear, apart", {0, 0}, {1, 1}, {2, 2}, {3, 3}, false},
        {"collinear, overlapping", {0, 0}, {2, 0}, {1, 0}, {3, 0}, false},
        {"collinear, facing each other", {0, 0}, {2, 0}, {1, 0}, {-1, 0}, false},
        {"end on the line behind p1", {0, 0}, {0, 2}, {0, -1}, {1, -1}, false},
        {"shared start, L", {0, 0}, {2, 0}, {0, 0}, {0, -2}, false},
        {"shared start, other L", {0, 0}, {2, 0}, {0, 0}, {0, 2}, false},
        {"shared end", {0, 0}, {2, 0}, {1, -1}, {2, 0}, false},
        {"end meets start", {0, 0}, {2, 0}, {2, 0}, {3, -1}, false},
        {"p is a point on q", {1, 1}, {1, 1}, {0, 0}, {2, 2}, false},
        {"q is a point on p", {0, 0}, {2, 2}, {1, 1}, {1, 1}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(segmentsCross(c.p1, c.p2, c.q1, c.q2), c.crosses);
        EXPECT_EQ(segmentsCross(c.q1, c.q2, c.p1, c.p2), c.crosses);
    }
}

TEST(TriangleCentroid, CrossingOfTheMediansIncludingAxisParallelOnes) {
    struct Case {
        const char* name;
        Vec2 v1, v2, v3;
    };
    const Case cases[] = {
        {"general", {0.5f, 1}, {4, -2}, {-3, 2.5f}},
        {"median from v1 vertical", {2, 4}, {0, 0}, {4, 0}},
        {"median from v3 vertical", {0, 0}, {4, 0}, {2, 4}},
        {"median from v1 horizontal", {0, 1}, {4, 0}, {4, 2}},
        {"median from v3 horizontal", {4, 0}, {4, 2}, {0, 1}},
        {"vertical and horizontal medians", {2, 6}, {0, 0}, {4, 3}},
        {"both corners on an axis line", {0, 0}, {0, 6}, {3, 0}},
        {"away from the origin", {-17, 12}, {-15.5f, 14}, {-18.2f, 15.1f}},
        {"steep median", {0, 0}, {2, 0}, {1.001f, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Vec2 g = triangleCentroid(c.v1, c.v2, c.v3);
        const Vec2 expected = centroidOf(c.v1, c.v2, c.v3);
        EXPECT_NEAR(g.x, expected.x, 2e-5);
        EXPECT_NEAR(g.y, expected.y, 2e-5);
    }
    // Parallel medians (all corners on one line) fall back to a finite point.
    const Vec2 g = triangleCentroid({0, 0}, {1, 1}, {2, 2});
    EXPECT_TRUE(std::isfinite(g.x) && std::isfinite(g.y));
}
