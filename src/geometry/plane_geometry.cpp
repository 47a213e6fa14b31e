#include "geometry/plane_geometry.h"

#include <cfloat>
#include <cmath>

namespace geometry {

namespace {

constexpr float kDegreesPerRadian = 180.0f / kPi;

// A line in the form a·x + b·y = c.
struct Line {
    float a;
    float b;
    float c;
};

Line lineThrough(const Vec2& from, const Vec2& to) {
    if (from.x != to.x && from.y != to.y) {
        const float slope = (to.y - from.y) / (to.x - from.x);
        return {-slope, 1.0f, from.y - slope * from.x};
    }
    if (from.y == to.y) return {0.0f, 1.0f, from.y};
    return {1.0f, 0.0f, from.x};
}

Vec2 midpoint(const Vec2& a, const Vec2& b) {
    return {(a.x + b.x) * 0.5f, (a.y + b.y) * 0.5f};
}

bool samePoint(const Vec2& a, const Vec2& b) {
    return a.x == b.x && a.y == b.y;
}

Vec3 edgeCross(const Vec3& p1, const Vec3& p2, const Vec3& p3) {
    const float ux = p2.x - p1.x, uy = p2.y - p1.y, uz = p2.z - p1.z;
    const float vx = p3.x - p1.x, vy = p3.y - p1.y, vz = p3.z - p1.z;
    return {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
}

float squaredLength(const Vec3& v) {
    return v.x * v.x + v.y * v.y + v.z * v.z;
}

// Heading of `to` seen from `from` relative to `reference`, in degrees folded into one turn.
float relativeHeading(const Vec2& from, const Vec2& to, float reference) {
    float angle = headingDegrees(from.x, from.y, to.x, to.y) - reference;
    if (angle < 0.0f) angle += 360.0f;
    return angle;
}

// Both angles on the same side of the reference line (neither exactly on it).
bool sameSide(float first, float second) {
    return (first < 180.0f && second < 180.0f) || (first > 180.0f && second > 180.0f);
}

bool oppositeSides(float first, float second) {
    return (first < 180.0f && second > 180.0f) || (first > 180.0f && second < 180.0f);
}

}  // namespace

float planarLength(float u, float v) {
    const double du = u, dv = v;
    return static_cast<float>(std::sqrt(du * du + dv * dv));
}

float headingAngle(float x1, float y1, float x2, float y2) {
    const float du = x2 - x1;
    const float dv = y2 - y1;
    const float length = planarLength(du, dv);
    if (length == 0.0f) return -1.0f;
    if (du == 0.0f) return dv > 0.0f ? 0.0f : kPi;
    if (dv == 0.0f) return du > 0.0f ? kHalfPi : kThreeHalvesPi;
    const float alpha = std::asin(du / length);
    if (dv < 0.0f) return kPi - alpha;
    if (du > 0.0f) return alpha;
    return kTwoPi + alpha;
}

float headingDegrees(float x1, float y1, float x2, float y2) {
    const float heading = headingAngle(x1, y1, x2, y2);
    if (heading == -1.0f) return heading;
    return heading * kDegreesPerRadian;
}

void rotatePlanar(float angle, float& u, float& v) {
    const float radius = planarLength(u, v);
    float heading = headingAngle(0.0f, 0.0f, u, v) + angle;
    if (heading < 0.0f) heading += kTwoPi;
    u = radius * std::sin(heading);
    v = radius * std::cos(heading);
}

Vec3 triangleNormal(const Vec3& p1, const Vec3& p2, const Vec3& p3) {
    const Vec3 n = edgeCross(p1, p2, p3);
    const float length = std::sqrt(squaredLength(n));
    if (!(length > 0.0f)) return {};
    return {n.x / length, n.y / length, n.z / length};
}

bool isDegenerateTriangle(const Vec3& a, const Vec3& b, const Vec3& c) {
    // The cross product's rounding noise is a few FLT_EPSILON of |ab|·|ac|; below that the
    // corners are collinear as far as floats can tell.
    const Vec3 ab{b.x - a.x, b.y - a.y, b.z - a.z};
    const Vec3 ac{c.x - a.x, c.y - a.y, c.z - a.z};
    const float noise = 4.0f * FLT_EPSILON;
    const float threshold = noise * noise * squaredLength(ab) * squaredLength(ac);
    return !(squaredLength(edgeCross(a, b, c)) > threshold);
}

TriangleFrame triangleFrame(const Vec3& p, const Vec3& a, const Vec3& b, const Vec3& c) {
    Vec3 pt{p.x - a.x, p.y - a.y, p.z - a.z};
    Vec3 bt{b.x - a.x, b.y - a.y, b.z - a.z};
    Vec3 ct{c.x - a.x, c.y - a.y, c.z - a.z};

    // Turn about y until b lies in the plane x = 0...
    const float toB = -headingAngle(0.0f, 0.0f, bt.x, bt.z);
    rotatePlanar(toB, bt.x, bt.z);
    rotatePlanar(toB, ct.x, ct.z);
    rotatePlanar(toB, pt.x, pt.z);

    // ...about x until b lies on +z...
    const float downB = kHalfPi - headingAngle(0.0f, 0.0f, bt.z, bt.y);
    rotatePlanar(downB, bt.z, bt.y);
    rotatePlanar(downB, ct.z, ct.y);
    rotatePlanar(downB, pt.z, pt.y);

    // ...and about z until c lies in the plane y = 0.
    const float downC = kHalfPi - headingAngle(0.0f, 0.0f, ct.x, ct.y);
    rotatePlanar(downC, ct.x, ct.y);
    rotatePlanar(downC, pt.x, pt.y);

    const Vec2 centroid = triangleCentroid({0.0f, 0.0f}, {bt.x, bt.z}, {ct.x, ct.z});
    TriangleFrame frame;
    frame.a = {0.0f - centroid.x, 0.0f - centroid.y};
    frame.b = {bt.x - centroid.x, bt.z - centroid.y};
    frame.c = {ct.x - centroid.x, ct.z - centroid.y};
    frame.point = {pt.x - centroid.x, pt.y, pt.z - centroid.y};

    // Mirror the triangles whose corners follow increasing headings, so that the sign of
    // the distance means the same side for every triangle.
    const float h1 = headingAngle(0.0f, 0.0f, frame.a.x, frame.a.y);
    const float h2 = headingAngle(0.0f, 0.0f, frame.b.x, frame.b.y);
    const float h3 = headingAngle(0.0f, 0.0f, frame.c.x, frame.c.y);
    if ((h1 < h2 && h2 < h3) || (h2 < h3 && h3 < h1) || (h3 < h1 && h1 < h2)) {
        frame.a.x = -frame.a.x;
        frame.b.x = -frame.b.x;
        frame.c.x = -frame.c.x;
        frame.point.x = -frame.point.x;
        frame.point.y = -frame.point.y;
    }
    return frame;
}

bool segmentsCross(const Vec2& p1, const Vec2& p2, const Vec2& q1, const Vec2& q2) {
    // A coincident pair has no heading; touching at an end is not a crossing.
    if (samePoint(p1, p2) || samePoint(q1, q2) || samePoint(p1, q1) || samePoint(p1, q2) ||
        samePoint(p2, q1) || samePoint(p2, q2)) {
        return false;
    }
    const float alongP = headingDegrees(p1.x, p1.y, p2.x, p2.y);
    const float t = relativeHeading(p1, q1, alongP);
    const float v = relativeHeading(p1, q2, alongP);
    if (sameSide(t, v)) return false;

    const float alongQ = headingDegrees(q1.x, q1.y, q2.x, q2.y);
    const float d = relativeHeading(q1, p1, alongQ);
    const float f = relativeHeading(q1, p2, alongQ);
    if (sameSide(d, f)) return false;

    return oppositeSides(t, v) && oppositeSides(d, f);
}

bool pointInTriangle(const Vec2& p, const Vec2& v1, const Vec2& v2, const Vec2& v3) {
    const Vec2 m12 = midpoint(v1, v2);
    const Vec2 m13 = midpoint(v1, v3);
    const Vec2 m23 = midpoint(v2, v3);
    return !(segmentsCross(p, m12, v3, v2) || segmentsCross(p, m12, v3, v1) ||
             segmentsCross(p, m13, v2, v3) || segmentsCross(p, m13, v2, v1) ||
             segmentsCross(p, m23, v1, v2) || segmentsCross(p, m23, v1, v3));
}

Vec2 triangleCentroid(const Vec2& v1, const Vec2& v2, const Vec2& v3) {
    const Line first = lineThrough(v1, midpoint(v2, v3));
    const Line second = lineThrough(v3, midpoint(v1, v2));
    float k = first.a * second.b - second.a * first.b;
    if (k == 0.0f) k = 1.0f;
    return {(first.c * second.b - second.c * first.b) / k,
            (first.a * second.c - second.a * first.c) / k};
}

}  // namespace geometry
