#pragma once
// Headings in the ground plane, planar rotation and the triangle tests behind the bee's
// collisions, the creatures' steering and the compass. Everything is single precision and
// stateless.
//
// A heading is an angle in [0, 2π) radians measured from the second coordinate towards the
// first: in the ground plane with (x, z), heading 0 points along +z and π/2 along +x. The
// direction from a point to itself has no heading and is reported as -1.
//
// Degenerate triangles (two corners equal, or all three on one line) have no plane. The
// collision mesh should hold none; callers skip them with isDegenerateTriangle().
// triangleNormal() then returns the zero vector instead of NaNs, and triangleFrame() stays
// finite but meaningless.

namespace geometry {

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;
};

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// A point and a triangle turned into the triangle's own frame: the triangle lies in the
// plane y = 0 with its centroid at the origin and a fixed winding, `point.y` is the point's
// signed distance from the triangle's plane, and a, b, c are the corners as (x, z).
struct TriangleFrame {
    Vec3 point;
    Vec2 a;
    Vec2 b;
    Vec2 c;
};

// The float values the game uses for π and its multiples.
inline constexpr float kPi = 3.1415927f;
inline constexpr float kHalfPi = 1.5707964f;
inline constexpr float kThreeHalvesPi = 4.712389f;
inline constexpr float kTwoPi = 6.2831853f;

// √(u² + v²). The squares are summed in double so that tiny vectors do not collapse to a
// zero length and huge ones do not overflow.
float planarLength(float u, float v);

// Heading of the vector from (x1, y1) to (x2, y2) in radians, -1 if the points coincide.
// Equal to atan2(du, dv) moved into [0, 2π); the axes give exactly 0, kHalfPi, kPi and
// kThreeHalvesPi. Being taken through asin, headings close to kHalfPi and kThreeHalvesPi
// may be off by up to about 3e-4.
float headingAngle(float x1, float y1, float x2, float y2);

// headingAngle() in degrees; -1 (not converted) if the points coincide.
float headingDegrees(float x1, float y1, float x2, float y2);

// Turns (u, v) about the origin: its heading grows by `angle` radians, its length stays.
void rotatePlanar(float angle, float& u, float& v);

// Unit normal (p2 - p1) × (p3 - p1); the zero vector for a degenerate triangle.
Vec3 triangleNormal(const Vec3& p1, const Vec3& p2, const Vec3& p3);

// True when the triangle has no usable plane: the cross product of two edges vanishes
// within float rounding of the edges' lengths (equal corners, collinear corners, NaNs).
bool isDegenerateTriangle(const Vec3& a, const Vec3& b, const Vec3& c);

// Moves the triangle abc into the ground plane (a at the origin, b on +z, c at y = 0),
// takes p along, centres both on the triangle's centroid and mirrors them so that every
// triangle ends with the same (counter-clockwise in x, z) winding. |point.y| is p's distance
// from the plane; it is negative on the side triangleNormal(a, b, c) points to, so swapping
// two corners flips its sign.
TriangleFrame triangleFrame(const Vec3& p, const Vec3& a, const Vec3& b, const Vec3& c);

// True if p lies inside the triangle v1 v2 v3: none of the segments from p to an edge's
// midpoint crosses one of the two other edges.
bool pointInTriangle(const Vec2& p, const Vec2& v1, const Vec2& v2, const Vec2& v3);

// True if segment p1 p2 crosses segment q1 q2, decided by the sides on which each
// segment's ends lie seen from the other's start. Collinear segments, an end exactly on the
// other segment's line behind its start, and segments that share an end or shrink to a
// point never cross; an end resting on the inside of the other segment may count either way.
bool segmentsCross(const Vec2& p1, const Vec2& p2, const Vec2& q1, const Vec2& q2);

// The centroid as the crossing of the medians from v1 and from v3.
Vec2 triangleCentroid(const Vec2& v1, const Vec2& v2, const Vec2& v3);

}  // namespace geometry
