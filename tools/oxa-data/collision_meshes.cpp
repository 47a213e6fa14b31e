#include "collision_meshes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "garden_props.h"
#include "level_design.h"

namespace {

// The bee never gets past 19.7 on either axis nor above 1.6.
constexpr float reach = 19.85f;
constexpr float ceiling = 1.75f;
constexpr float slabHeight = 0.35f;
// Boxes reach this far beyond their triangles: a bee touching a face from outside is
// inside the box, so the face is tested.
constexpr float boxMargin = 0.1f;
constexpr int maxGroups = 400;
// A footprint longer than this is not boxed whole: an arch, a curved wall or a ring of
// stones would box in the ground they curve round. It is cut into the cells of a grid it
// covers, merged into rectangles.
constexpr float compactSize = 1.2f;
constexpr float gridCell = 0.25f;
// A slab starting this high hangs above the ground: the bee can fly in under it.
constexpr float hangingHeight = 0.7f;

struct Rect {
    float x0 = 1e9f, z0 = 1e9f, x1 = -1e9f, z1 = -1e9f;
    bool empty() const { return x0 > x1; }
    void add(float x, float z) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        z0 = std::min(z0, z);
        z1 = std::max(z1, z);
    }
    void add(const Rect& o) {
        add(o.x0, o.z0);
        add(o.x1, o.z1);
    }
    bool near(const Rect& o, float tolerance) const {
        return std::fabs(x0 - o.x0) < tolerance && std::fabs(x1 - o.x1) < tolerance &&
               std::fabs(z0 - o.z0) < tolerance && std::fabs(z1 - o.z1) < tolerance;
    }
};

struct Slab {
    float y0, y1;
    Rect rect;
};

// The footprint of the part of a thing between two heights.
Rect footprint(const SceneThing& thing, float y0, float y1) {
    Rect rect;
    for (const WorldTriangle& t : thing.triangles) {
        const Vec3 corners[] = {t.a, t.b, t.c};
        for (int e = 0; e < 3; ++e) {
            Vec3 p = corners[e], q = corners[(e + 1) % 3];
            if (p.y >= y0 && p.y <= y1) rect.add(p.x, p.z);
            for (float plane : {y0, y1}) {
                if ((p.y - plane) * (q.y - plane) < 0) {
                    float s = (plane - p.y) / (q.y - p.y);
                    rect.add(p.x + (q.x - p.x) * s, p.z + (q.z - p.z) * s);
                }
            }
        }
    }
    return rect;
}

struct Point2 {
    float x, z;
};

// The footprint of the part of one triangle between two heights: a convex polygon (a
// segment for an upright face), as the points that span it.
std::vector<Point2> clippedFootprint(const WorldTriangle& t, float y0, float y1) {
    std::vector<Point2> points;
    const Vec3 corners[] = {t.a, t.b, t.c};
    for (int e = 0; e < 3; ++e) {
        Vec3 p = corners[e], q = corners[(e + 1) % 3];
        if (p.y >= y0 && p.y <= y1) points.push_back({p.x, p.z});
        for (float plane : {y0, y1}) {
            if ((p.y - plane) * (q.y - plane) < 0) {
                float s = (plane - p.y) / (q.y - p.y);
                points.push_back({p.x + (q.x - p.x) * s, p.z + (q.z - p.z) * s});
            }
        }
    }
    return points;
}

// Whether a convex set of points overlaps a square cell (separating axes: the cell's two
// and the normals of the lines between the points).
bool overlapsCell(const std::vector<Point2>& points, float x0, float z0, float x1, float z1) {
    auto separated = [&](float ax, float az) {
        float lo = 1e9f, hi = -1e9f;
        for (const Point2& p : points) {
            float d = p.x * ax + p.z * az;
            lo = std::min(lo, d);
            hi = std::max(hi, d);
        }
        float cellLo = 1e9f, cellHi = -1e9f;
        for (float x : {x0, x1}) {
            for (float z : {z0, z1}) {
                float d = x * ax + z * az;
                cellLo = std::min(cellLo, d);
                cellHi = std::max(cellHi, d);
            }
        }
        return hi < cellLo || lo > cellHi;
    };
    if (separated(1, 0) || separated(0, 1)) return false;
    for (size_t i = 0; i < points.size(); ++i) {
        for (size_t j = i + 1; j < points.size(); ++j) {
            float dx = points[j].x - points[i].x, dz = points[j].z - points[i].z;
            if (std::fabs(dx) + std::fabs(dz) < 1e-6f) continue;
            if (separated(-dz, dx)) return false;
        }
    }
    return true;
}

// Marks every cell that cannot be reached from the grid's border through uncovered cells.
void fillEnclosed(std::vector<char>& covered, int nx, int nz) {
    std::vector<char> outside(covered.size(), 0);
    std::vector<int> todo;
    auto visit = [&](int i, int j) {
        if (i < 0 || j < 0 || i >= nx || j >= nz) return;
        const size_t k = static_cast<size_t>(j * nx + i);
        if (covered[k] || outside[k]) return;
        outside[k] = 1;
        todo.push_back(j * nx + i);
    };
    for (int i = 0; i < nx; ++i) {
        visit(i, 0);
        visit(i, nz - 1);
    }
    for (int j = 0; j < nz; ++j) {
        visit(0, j);
        visit(nx - 1, j);
    }
    while (!todo.empty()) {
        const int k = todo.back();
        todo.pop_back();
        const int i = k % nx, j = k / nx;
        visit(i - 1, j);
        visit(i + 1, j);
        visit(i, j - 1);
        visit(i, j + 1);
    }
    for (size_t k = 0; k < covered.size(); ++k)
        if (!outside[k]) covered[k] = 1;
}

// The rectangles of grid cells a slab of a thing covers, rows of runs merged downwards.
std::vector<Rect> coveredRects(const SceneThing& thing, const Slab& slab) {
    const Rect& r = slab.rect;
    const int nx = std::max(1, static_cast<int>(std::ceil((r.x1 - r.x0) / gridCell)));
    const int nz = std::max(1, static_cast<int>(std::ceil((r.z1 - r.z0) / gridCell)));
    const float cellX = (r.x1 - r.x0) / static_cast<float>(nx);
    const float cellZ = (r.z1 - r.z0) / static_cast<float>(nz);
    std::vector<char> covered(static_cast<size_t>(nx * nz), 0);
    for (const WorldTriangle& t : thing.triangles) {
        std::vector<Point2> points = clippedFootprint(t, slab.y0, slab.y1);
        if (points.empty()) continue;
        for (int i = 0; i < nx; ++i) {
            for (int j = 0; j < nz; ++j) {
                char& cell = covered[static_cast<size_t>(j * nx + i)];
                if (cell) continue;
                float x0 = r.x0 + cellX * static_cast<float>(i);
                float z0 = r.z0 + cellZ * static_cast<float>(j);
                cell = overlapsCell(points, x0, z0, x0 + cellX, z0 + cellZ);
            }
        }
    }
    // A willow's curtain of leaves hangs in a ring above the ground: a bee that flies in
    // under its hem and climbs would be shut in a room of leaves, with the only way out
    // straight down. Whatever such a hanging ring closes in is solid, so the curtain's
    // inside is a ceiling to her from below. (Rings standing on the ground, walls round a
    // yard, keep their yard open to the sky.)
    if (slab.y0 >= hangingHeight) fillEnclosed(covered, nx, nz);
    struct Run {
        int i0, i1;
        Rect rect;
    };
    std::vector<Rect> rects;
    std::vector<Run> open;
    for (int j = 0; j < nz; ++j) {
        std::vector<Run> row;
        for (int i = 0; i < nx; ++i) {
            if (!covered[static_cast<size_t>(j * nx + i)]) continue;
            int i1 = i;
            while (i1 + 1 < nx && covered[static_cast<size_t>(j * nx + i1 + 1)]) ++i1;
            Rect cell;
            cell.add(r.x0 + cellX * static_cast<float>(i), r.z0 + cellZ * static_cast<float>(j));
            cell.add(r.x0 + cellX * static_cast<float>(i1 + 1),
                     r.z0 + cellZ * static_cast<float>(j + 1));
            auto above = std::ranges::find_if(
                open, [&](const Run& run) { return run.i0 == i && run.i1 == i1; });
            if (above != open.end()) {
                cell.add(above->rect);
                open.erase(above);
            }
            row.push_back({i, i1, cell});
            i = i1;
        }
        for (const Run& run : open) rects.push_back(run.rect);
        open = std::move(row);
    }
    for (const Run& run : open) rects.push_back(run.rect);
    return rects;
}

std::vector<Slab> slabsOf(const SceneThing& thing, bool merged) {
    float top = std::min(thing.max.y, ceiling);
    float bottom = std::max(thing.min.y, 0.0f);
    std::vector<Slab> slabs;
    float step = merged ? top - bottom : slabHeight;
    for (float y0 = bottom; y0 < top - 0.01f; y0 += step) {
        float y1 = std::min(top, y0 + step);
        if (top - y1 < 0.1f) y1 = top;  // no sliver at the top
        Rect rect = footprint(thing, y0, y1);
        if (!rect.empty()) {
            if (!slabs.empty() && slabs.back().y1 >= y0 - 1e-4f &&
                slabs.back().rect.near(rect, 0.15f)) {
                slabs.back().y1 = y1;
                slabs.back().rect.add(rect);
            } else {
                slabs.push_back({y0, y1, rect});
            }
        }
        if (y1 >= top) break;
    }
    return slabs;
}

// A closed upright prism over a convex footprint, every face turned outwards.
std::vector<WorldTriangle> prism(const std::vector<Vec3>& ring, float y0, float y1) {
    Vec3 centre{};
    for (const Vec3& p : ring) centre += p;
    centre = centre * (1.0f / static_cast<float>(ring.size()));
    centre.y = (y0 + y1) / 2;
    std::vector<WorldTriangle> triangles;
    auto add = [&](Vec3 a, Vec3 b, Vec3 c) {
        Vec3 middle = (a + b + c) * (1.0f / 3);
        if (dot(cross(b - a, c - a), middle - centre) < 0) std::swap(b, c);
        triangles.push_back({a, b, c});
    };
    size_t n = ring.size();
    for (size_t i = 0; i < n; ++i) {
        Vec3 p = ring[i], q = ring[(i + 1) % n];
        Vec3 p0{p.x, y0, p.z}, p1{p.x, y1, p.z}, q0{q.x, y0, q.z}, q1{q.x, y1, q.z};
        add(p0, q0, q1);
        add(p0, q1, p1);
    }
    for (size_t i = 1; i + 1 < n; ++i) {
        add({ring[0].x, y1, ring[0].z}, {ring[i].x, y1, ring[i].z},
            {ring[i + 1].x, y1, ring[i + 1].z});
        add({ring[0].x, y0, ring[0].z}, {ring[i].x, y0, ring[i].z},
            {ring[i + 1].x, y0, ring[i + 1].z});
    }
    return triangles;
}

CollisionShape shapeOf(const Slab& slab, ThingKind kind) {
    const Rect& r = slab.rect;
    std::vector<Vec3> ring;
    if (kind == ThingKind::round) {
        // An octagon a little inside the footprint's ellipse: round things are forgiving.
        float cx = (r.x0 + r.x1) / 2, cz = (r.z0 + r.z1) / 2;
        float rx = std::max((r.x1 - r.x0) / 2, 0.03f) * 0.95f;
        float rz = std::max((r.z1 - r.z0) / 2, 0.03f) * 0.95f;
        for (int k = 0; k < 8; ++k) {
            float a = (static_cast<float>(k) + 0.5f) * pi / 4;
            ring.push_back({cx + rx * std::cos(a), 0, cz + rz * std::sin(a)});
        }
    } else {
        float x0 = r.x0, x1 = std::max(r.x1, r.x0 + 0.04f);
        float z0 = r.z0, z1 = std::max(r.z1, r.z0 + 0.04f);
        ring = {{x0, 0, z0}, {x1, 0, z0}, {x1, 0, z1}, {x0, 0, z1}};
    }
    float y1 = std::max(slab.y1, slab.y0 + 0.04f);
    CollisionShape shape{{}, {}, prism(ring, slab.y0, y1)};
    Vec3 lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
    for (const WorldTriangle& t : shape.triangles) {
        for (const Vec3& p : {t.a, t.b, t.c}) {
            lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
            hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
        }
    }
    shape.boxMin = lo + Vec3{-boxMargin, -boxMargin, -boxMargin};
    shape.boxMax = hi + Vec3{boxMargin, boxMargin, boxMargin};
    return shape;
}

CollisionShape entrance() {
    const float halfWidth = 0.15f, bottom = 0.08f, top = 0.62f;
    Vec3 a{hiveEntrance.x - halfWidth, bottom, entranceZ};
    Vec3 b{hiveEntrance.x + halfWidth, bottom, entranceZ};
    Vec3 c{hiveEntrance.x + halfWidth, top, entranceZ};
    Vec3 d{hiveEntrance.x - halfWidth, top, entranceZ};
    // (B - A) × (C - A) points along +z, out of the hive.
    return {{a.x - 0.1f, 0.03f, entranceZ - 0.065f},
            {c.x + 0.1f, top + 0.08f, entranceZ + 0.085f},
            {{a, b, c}, {a, c, d}}};
}

bool outsideReach(const Vec3& p) {
    return std::fabs(p.x) > reach || std::fabs(p.z) > reach;
}

// The part of a thing the bee can reach: triangles with every corner beyond her reach are
// left out. A thing's shapes are boxes over its footprint, so without this the border
// fence's corner pieces (an L along two sides) would box in the whole garden.
SceneThing reachablePart(const SceneThing& thing) {
    SceneThing part{thing.kind, {}, {1e9f, 1e9f, 1e9f}, {-1e9f, -1e9f, -1e9f}};
    for (const WorldTriangle& t : thing.triangles) {
        if (outsideReach(t.a) && outsideReach(t.b) && outsideReach(t.c)) continue;
        part.triangles.push_back(t);
        for (const Vec3& p : {t.a, t.b, t.c}) {
            part.min = {std::min(part.min.x, p.x), std::min(part.min.y, p.y),
                        std::min(part.min.z, p.z)};
            part.max = {std::max(part.max.x, p.x), std::max(part.max.y, p.y),
                        std::max(part.max.z, p.z)};
        }
    }
    return part;
}

bool solid(const SceneThing& thing) {
    return (thing.kind == ThingKind::round || thing.kind == ThingKind::boxy) &&
           !thing.triangles.empty() && thing.min.y < ceiling - 0.1f;
}

std::vector<CollisionShape> shapesOf(const SceneLayout& layout, bool merged) {
    std::vector<CollisionShape> shapes{entrance()};
    for (const SceneThing& whole : layout.things) {
        const SceneThing thing = reachablePart(whole);
        if (!solid(thing)) continue;
        for (const Slab& slab : slabsOf(thing, merged)) {
            const Rect& r = slab.rect;
            if (std::max(r.x1 - r.x0, r.z1 - r.z0) <= compactSize) {
                shapes.push_back(shapeOf(slab, thing.kind));
                continue;
            }
            for (const Rect& part : coveredRects(thing, slab))
                shapes.push_back(shapeOf({slab.y0, slab.y1, part}, ThingKind::boxy));
        }
    }
    return shapes;
}

}  // namespace

std::vector<CollisionShape> collisionShapes(const SceneLayout& layout) {
    std::vector<CollisionShape> shapes = shapesOf(layout, false);
    // Too many for the game's table: one shape per thing instead of one per slab.
    if (shapes.size() > maxGroups) shapes = shapesOf(layout, true);
    if (shapes.size() > maxGroups) throw std::length_error("too many collision groups");
    return shapes;
}

void addCollisionMeshes(DataFiles& files) {
    for (int level = 1; level <= levelCount; ++level) {
        int scene = levelScene(level);
        char name[32], title[64];
        std::snprintf(name, sizeof name, "SCE\\CLP\\s%02d.clp", level);
        std::snprintf(title, sizeof title, "OXA collision mesh of level %d, garden %02d", level,
                      scene);
        files[name] = encodeCollisionFile(title, collisionShapes(readSceneLayout(files, scene)));
    }
}
