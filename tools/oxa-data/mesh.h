#pragma once
// Triangle meshes and the shape builders every prop is made of. A mesh is a plain list of
// triangles whose vertices carry a position, a normal (used only to bake shading into the
// vertex colour: the scenes are drawn unlit), texture coordinates and a colour.
//
// Texture conventions: t = 0 is the first stored row of a texture and is the top of the
// picture. Atlases are stacked in horizontal bands, so a shape may repeat its texture
// freely along s while it stays inside its band along t.

#include <cstdint>
#include <functional>
#include <vector>

#include "geometry3.h"

// The band of a texture a shape is mapped onto: s runs 0..1 (repeats allowed), t from top
// to bottom of the band.
struct Band {
    float top = 0, bottom = 1;
    float at(float v) const { return top + (bottom - top) * v; }
};

struct Vertex {
    Vec3 position;
    Vec3 normal{0, 1, 0};
    float s = 0, t = 0;
    Vec3 colour{1, 1, 1};
};

struct Mesh {
    std::vector<Vertex> vertices;  // three per triangle

    // Adds a triangle turned so that its front face (counter-clockwise) looks along the
    // vertex normals: the builders never have to think about winding.
    void addTriangle(const Vertex& a, const Vertex& b, const Vertex& c);
    void addQuad(const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d);
    void append(const Mesh& other, const Mat4& transform = {});
    void tint(Vec3 colour);
    size_t triangleCount() const { return vertices.size() / 3; }
};

// A soft sun from the upper left front plus a bright sky: bakes shading into the colours.
void bakeLight(Mesh& mesh, float ambient = 0.62f);

// Every triangle gets its own face normal: faceted, hand-cut looking stones and roofs.
void flatNormals(Mesh& mesh);

// Moves every vertex along its normal by offset(position).
void displace(Mesh& mesh, const std::function<float(Vec3)>& offset);

// A surface of revolution around the y axis. Each profile point gives a radius, a height
// and the texture row (0..1 inside the band) of that ring.
struct ProfilePoint {
    float radius, y, v;
};
Mesh lathe(const std::vector<ProfilePoint>& profile, int segments, Band band, float sRepeat = 1);

// Cylinder or cone from y = 0 to height, with an optional flat top cap.
Mesh cylinder(float radiusBottom, float radiusTop, float height, int segments, Band band,
              float sRepeat = 1, bool capTop = false);

// An ellipsoid centred at the origin.
Mesh ellipsoid(Vec3 radii, int segments, int rings, Band band, float sRepeat = 1);

// An axis-aligned box standing on y = 0, centred in x and z: each side shows the band from
// bottom to top and repeats it every `unit` world units across.
Mesh box(Vec3 size, Band band, float unit, bool withTop = true);

// A vertical panel in the x-y plane standing on y = 0, centred in x, facing +z.
Mesh panel(float width, float height, Band band, float sRepeat = 1);

// `planes` vertical panels crossed about the y axis: bushes, grass tufts, tree cards.
Mesh crossedBillboard(float width, float height, int planes, Band band);

// A flat horizontal disc facing up, texture mapped across it.
Mesh disc(float radius, int segments, Band band, float wobble = 0, uint32_t seed = 0);

// A rectangular ground grid through the given grid lines; height(x, z) lifts it and the
// texture repeats every `unit` world units.
Mesh terrain(const std::vector<float>& xs, const std::vector<float>& zs,
             const std::function<float(float, float)>& height, float unit,
             const std::function<Vec3(float, float)>& colour = nullptr);

// A flat strip along a path on the ground: s across, t along (repeating every `unit`).
Mesh ribbon(const std::vector<Vec3>& path, float width, float unit, Band band);

// An arched bridge deck spanning x from -span/2 to span/2, rising to `rise` in the middle.
Mesh archDeck(float span, float rise, float width, float thickness, int segments, Band band);

// A wall of panels around a circle facing its centre, from angle a0 to a1; its height
// follows height(angle). Distant mountains and tree lines are drawn on such rings.
Mesh ringWall(float radius, float a0, float a1, int segments, float bottom,
              const std::function<float(float)>& height, float sRepeat, Band band);

// The same ring wall with a constant top, cut down to what its texture shows: each segment
// becomes `columns` upright strips on the segment's own plane, with the wall's own texture
// mapping, and the top of each strip comes down to the height of the smallest t that
// shownFrom(s0, s1) says a texel between s0 and s1 still shows (t of the band's top: the
// whole wall). Neighbouring strips meet at common corners, so there are no cracks; the
// picture is the full wall's, with fewer see-through pixels for the renderer to test.
Mesh trimmedRingWall(float radius, float a0, float a1, int segments, int columns, float bottom,
                     float top, float sRepeat, Band band,
                     const std::function<float(float s0, float s1)>& shownFrom);
