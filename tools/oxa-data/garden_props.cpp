#include "garden_props.h"

#include <cmath>

#include "garden_textures.h"
#include "random.h"

namespace {

// A vertical disc facing +z at `centre`, mapped onto a band.
Mesh frontDisc(Vec3 centre, float radius, Band band, int segments = 12) {
    Mesh flat = disc(radius, segments, band);
    Mesh out;
    out.append(flat, Mat4::translation(centre) * Mat4::rotationX(pi / 2));
    return out;
}

// A horizontal cylinder (a log) along x, centred on the origin.
Mesh log(float radius, float length, Band side, Band end) {
    Mesh body = cylinder(radius, radius * 0.95f, length, 10, side, 2);
    for (float y : {0.0f, length}) {
        Mesh cap = disc(radius, 10, end);
        if (y == 0) {
            for (Vertex& v : cap.vertices) v.normal = {0, -1, 0};
        }
        body.append(cap, Mat4::translation({0, y, 0}));
    }
    Mesh out;
    out.append(body, Mat4::rotationZ(-pi / 2) * Mat4::translation({0, -length / 2, 0}));
    return out;
}

}  // namespace

Mesh hive(HiveKind kind) {
    Mesh mesh;
    const float front = hiveEntrance.z;
    // A stump-like stand lifts every hive so its entrance sits where the bee flies.
    mesh.append(cylinder(0.09f, 0.08f, 0.11f, 10, bands::hiveWood, 2, true));
    switch (kind) {
        case HiveKind::skep: {
            std::vector<ProfilePoint> profile;
            for (int i = 0; i <= 10; ++i) {
                float a = static_cast<float>(i) / 10;
                float y = 0.11f + 0.46f * a;
                float r = front * std::sqrt(std::max(
                                      0.0f, 1 - std::pow(std::max(0.0f, a - 0.35f) / 0.65f, 2.0f)));
                profile.push_back({std::max(r, 0.0f), y, 1 - a});
            }
            profile.back().radius = 0;
            mesh.append(lathe(profile, 16, bands::hiveBody, 2));
            mesh.append(box({0.5f, 0.02f, 0.5f}, bands::hiveWood, 0.5f),
                        Mat4::translation({0, 0.09f, 0}));
            break;
        }
        case HiveKind::box: {
            mesh.append(box({0.4f, 0.36f, 0.4f}, bands::hiveBody, 0.4f),
                        Mat4::translation({0, 0.11f, 0}));
            mesh.append(gableRoof(0.46f, 0.46f, 0.47f, 0.12f, bands::hiveWood));
            break;
        }
        case HiveKind::log: {
            mesh.append(cylinder(front, front * 0.95f, 0.44f, 14, bands::hiveBody, 2),
                        Mat4::translation({0, 0.11f, 0}));
            mesh.append(disc(front * 0.95f, 14, bands::hiveWood), Mat4::translation({0, 0.55f, 0}));
            mesh.append(cylinder(0.26f, 0, 0.12f, 14, bands::hiveWood, 3),
                        Mat4::translation({0, 0.55f, 0}));
            break;
        }
    }
    // The dark entrance hole and a landing board below it.
    Mesh hole = frontDisc(hiveEntrance + Vec3{0, 0, 0.006f}, 0.055f, bands::hiveDark);
    hole.tint({0.35f, 0.3f, 0.25f});  // dark whatever texture the hive is drawn with
    mesh.append(hole);
    mesh.append(box({0.16f, 0.015f, 0.08f}, bands::hiveWood, 0.2f),
                Mat4::translation({0, hiveEntrance.y - 0.075f, front + 0.03f}));
    return mesh;
}

Mesh exitDisc() {
    Mesh mesh = frontDisc(hiveEntrance + Vec3{0, 0, 0.012f}, 0.065f, bands::whole, 16);
    // A shining hoop round the door, wide enough to be seen from behind the hive too: the
    // open exit is the goal of the stage and must be hard to miss.
    const float hoop = 0.35f, tube = 0.032f;
    std::vector<ProfilePoint> ring;
    for (int i = 0; i <= 4; ++i) {
        float a = 2 * pi * static_cast<float>(i) / 4;
        ring.push_back({hoop + tube * std::cos(a), tube * std::sin(a), static_cast<float>(i) / 4});
    }
    mesh.append(lathe(ring, 16, bands::whole),
                Mat4::translation(hiveEntrance + Vec3{0, 0, 0.08f}) * Mat4::rotationX(pi / 2));
    return mesh;
}

Mesh mushroom(int variant) {
    Mesh mesh;
    struct Shape {
        float stemRadius, stemHeight, capRadius, capHeight, capLift;
    };
    const Shape shapes[] = {{0.06f, 0.3f, 0.22f, 0.16f, 0.0f},
                            {0.1f, 0.24f, 0.2f, 0.15f, 0.02f},
                            {0.05f, 0.32f, 0.15f, 0.3f, -0.02f},
                            {0.05f, 0.26f, 0.26f, 0.07f, 0.0f}};
    const Shape& s = shapes[(variant - 1) % 4];
    mesh.append(lathe({{s.stemRadius * 1.3f, 0, 1},
                       {s.stemRadius, s.stemHeight * 0.5f, 0.6f},
                       {s.stemRadius * 0.85f, s.stemHeight, 0.3f}},
                      10, bands::mushroomStem, 2));
    std::vector<ProfilePoint> cap;
    float base = s.stemHeight + s.capLift - 0.03f;
    cap.push_back({s.stemRadius, base, 0.05f});  // the gills underneath
    cap.push_back({s.capRadius, base + 0.01f, 1});
    const int capRings = 4;
    for (int i = 1; i <= capRings; ++i) {
        float a = static_cast<float>(i) / capRings * pi / 2;
        float shape = variant == 3 ? 1 - static_cast<float>(i) / capRings : std::cos(a);
        cap.push_back({s.capRadius * shape, base + s.capHeight * std::sin(a),
                       1 - static_cast<float>(i) / capRings});
    }
    cap.back().radius = 0;
    mesh.append(lathe(cap, 12, bands::mushroomCap, 3));
    return mesh;
}

Mesh tree(TreeKind kind, uint32_t seed) {
    Random rng(seed);
    Mesh mesh;
    float height = rng.range(3.2f, 4.6f);
    switch (kind) {
        case TreeKind::leafy:
        case TreeKind::apple: {
            float crown = kind == TreeKind::apple ? 1.3f : 1.6f;
            height = kind == TreeKind::apple ? 2.6f : height;
            mesh.append(cylinder(0.28f, 0.16f, height, 8, bands::trunk, 2));
            int lumps = kind == TreeKind::apple ? 3 : 5;
            for (int i = 0; i < lumps; ++i) {
                float a = rng.range(0, 2 * pi);
                float r = i == 0 ? 0 : crown * 0.6f;
                float size = crown * (i == 0 ? 1.0f : rng.range(0.55f, 0.75f));
                Vec3 at{std::cos(a) * r, height + rng.range(-0.2f, 0.5f), std::sin(a) * r};
                mesh.append(ellipsoid({size, size * 0.85f, size}, 10, 6, bands::leaves, 2),
                            Mat4::translation(at));
            }
            break;
        }
        case TreeKind::spruce: {
            height += 1.5f;
            mesh.append(cylinder(0.22f, 0.1f, height * 0.4f, 8, bands::trunk, 2));
            for (int i = 0; i < 4; ++i) {
                float y = height * (0.22f + 0.19f * static_cast<float>(i));
                float r = 1.5f * (1 - 0.2f * static_cast<float>(i));
                mesh.append(lathe({{0.1f, y, 0.7f}, {r, y + 0.1f, 1}, {0, y + r * 1.3f, 0}}, 12,
                                  bands::leaves, 3));
            }
            break;
        }
        case TreeKind::willow: {
            mesh.append(cylinder(0.3f, 0.2f, height, 8, bands::trunk, 2));
            std::vector<ProfilePoint> canopy;
            for (int i = 0; i <= 6; ++i) {
                float a = static_cast<float>(i) / 6;
                float r = 2.0f * std::sin(a * pi * 0.5f + 0.2f) + 0.1f;
                canopy.push_back({r, height + 0.8f - a * height * 0.85f, a});
            }
            canopy.front().radius = 0;
            mesh.append(lathe(canopy, 14, bands::leaves, 4));
            break;
        }
        case TreeKind::birch: {
            for (int i = 0; i < 3; ++i) {
                float a = 2 * pi * static_cast<float>(i) / 3 + rng.range(0, 1);
                Vec3 at{std::cos(a) * 0.5f, 0, std::sin(a) * 0.5f};
                float h = height * rng.range(0.9f, 1.3f);
                mesh.append(cylinder(0.1f, 0.06f, h, 7, bands::trunk, 1), Mat4::translation(at));
                mesh.append(ellipsoid({0.9f, 1.3f, 0.9f}, 10, 7, bands::leaves, 2),
                            Mat4::translation(at + Vec3{0, h, 0}));
            }
            break;
        }
    }
    return mesh;
}

Mesh stone(uint32_t seed) {
    Mesh mesh = ellipsoid({0.5f, 0.35f, 0.45f}, 9, 6, bands::whole, 2);
    displace(mesh, [seed](Vec3 p) {
        return 0.12f * (tiledNoise(p.x * 4 + 10, p.z * 4 + p.y * 3 + 10, 64, seed) - 0.5f);
    });
    for (Vertex& v : mesh.vertices) v.position.y = std::max(v.position.y, -0.05f) + 0.05f;
    flatNormals(mesh);
    return mesh;
}

Mesh stump(uint32_t seed) {
    Random rng(seed);
    Mesh mesh = cylinder(0.38f, 0.3f, 0.45f, 10, bands::logBark, 2);
    mesh.append(disc(0.3f, 10, bands::logEnd), Mat4::translation({0, 0.45f, 0}));
    for (int i = 0; i < 4; ++i) {  // roots
        float a = 2 * pi * static_cast<float>(i) / 4 + rng.range(0, 0.8f);
        mesh.append(cylinder(0.12f, 0.02f, 0.6f, 6, bands::logBark),
                    Mat4::translation({std::cos(a) * 0.25f, 0.05f, std::sin(a) * 0.25f}) *
                        Mat4::rotationY(-a) * Mat4::rotationZ(-1.3f));
    }
    return mesh;
}

Mesh fallenBranch(uint32_t seed, float length) {
    Random rng(seed);
    Mesh mesh;
    float r = length * 0.06f;
    mesh.append(log(r, length, bands::logBark, bands::logEnd), Mat4::translation({0, r, 0}));
    for (int i = 0; i < 2; ++i) {
        float x = rng.range(-0.3f, 0.3f) * length;
        float side = i == 0 ? 1.0f : -1.0f;
        mesh.append(cylinder(r * 0.5f, r * 0.2f, length * 0.4f, 6, bands::logBark),
                    Mat4::translation({x, r, 0}) * Mat4::rotationY(side * 0.9f) *
                        Mat4::rotationX(side * 1.35f));  // lying low: a branch, not a pick
    }
    return mesh;
}

Mesh logPile() {
    Mesh mesh;
    const float r = 0.16f;
    int rows[] = {4, 3, 2, 1};
    for (int row = 0; row < 4; ++row) {
        for (int i = 0; i < rows[row]; ++i) {
            float z = (static_cast<float>(i) - static_cast<float>(rows[row] - 1) / 2) * 2 * r;
            mesh.append(log(r, 1.6f, bands::logBark, bands::logEnd),
                        Mat4::translation({0, r + static_cast<float>(row) * r * 1.75f, z}));
        }
    }
    return mesh;
}

Mesh crate() {
    Mesh mesh = box({0.6f, 0.5f, 0.6f}, bands::whole, 0.6f);
    mesh.append(box({0.4f, 0.4f, 0.4f}, bands::whole, 0.4f),
                Mat4::translation({0.6f, 0, 0.15f}) * Mat4::rotationY(0.4f));
    return mesh;
}

Mesh bench() {
    Mesh mesh;
    mesh.append(box({1.6f, 0.06f, 0.4f}, bands::whole, 0.8f), Mat4::translation({0, 0.4f, 0}));
    mesh.append(box({1.6f, 0.4f, 0.06f}, bands::whole, 0.8f), Mat4::translation({0, 0.46f, -0.2f}));
    for (float x : {-0.7f, 0.7f}) {
        mesh.append(box({0.08f, 0.4f, 0.36f}, bands::whole, 0.4f), Mat4::translation({x, 0, 0}));
    }
    return mesh;
}

Mesh picnicTable() {
    Mesh mesh;
    mesh.append(box({1.8f, 0.07f, 0.9f}, bands::whole, 0.9f), Mat4::translation({0, 0.72f, 0}));
    for (float x : {-0.75f, 0.75f}) {
        mesh.append(box({0.1f, 0.72f, 0.7f}, bands::whole, 0.5f), Mat4::translation({x, 0, 0}));
    }
    for (float z : {-0.75f, 0.75f}) {
        mesh.append(box({1.8f, 0.06f, 0.3f}, bands::whole, 0.9f), Mat4::translation({0, 0.42f, z}));
    }
    return mesh;
}

Mesh gnome() {
    Mesh mesh;
    mesh.append(lathe({{0.16f, 0, 1}, {0.14f, 0.25f, 0}}, 12, bands::gnomeCoat, 1));
    mesh.append(lathe({{0.14f, 0.22f, 1}, {0.12f, 0.3f, 0.5f}, {0.05f, 0.36f, 0}}, 12,
                      bands::gnomeBeard, 1));
    mesh.append(ellipsoid({0.09f, 0.09f, 0.09f}, 12, 6, bands::gnomeFace, 1),
                Mat4::translation({0, 0.4f, 0}) * Mat4::rotationY(pi));
    mesh.append(
        lathe({{0.11f, 0.44f, 1}, {0.06f, 0.55f, 0.5f}, {0, 0.68f, 0}}, 12, bands::gnomeHat, 1));
    return mesh;
}

Mesh lilyPad() {
    Mesh mesh = disc(0.5f, 8, bands::whole);
    return mesh;
}

Mesh house(float width, float depth, float height, float roofHeight, Vec3 tint, bool withRoof,
           bool withWalls, float facadeUnit) {
    Mesh mesh;
    if (withWalls) {
        Mesh walls = box({width, height, depth}, bands::wall, facadeUnit, false);
        walls.tint(tint);
        mesh.append(walls);
    }
    if (withRoof) mesh.append(gableRoof(width, depth, height, roofHeight, bands::roof));
    return mesh;
}

Mesh gableRoof(float width, float depth, float wallHeight, float roofHeight, Band band) {
    Mesh mesh;
    float hx = width / 2 + 0.05f * width, hz = depth / 2 + 0.08f * depth;
    float y0 = wallHeight, y1 = wallHeight + roofHeight;
    auto v = [&](Vec3 p, Vec3 n, float s, float t) {
        Vertex out;
        out.position = p;
        out.normal = n;
        out.s = s;
        out.t = band.at(t);
        return out;
    };
    float slope = std::hypot(hz, roofHeight);
    for (float side : {-1.0f, 1.0f}) {
        Vec3 n = normalize({0, hz, side * roofHeight});
        mesh.addQuad(v({-hx, y0, side * hz}, n, 0, 1), v({hx, y0, side * hz}, n, width, 1),
                     v({hx, y1, 0}, n, width, 1 - std::min(1.0f, slope)),
                     v({-hx, y1, 0}, n, 0, 1 - std::min(1.0f, slope)));
        // The gable ends, in the same roof colour.
        Vec3 g{side, 0, 0};
        float x = side * width / 2;
        mesh.addTriangle(v({x, y0, -depth / 2}, g, 0, 1), v({x, y0, depth / 2}, g, 1, 1),
                         v({x, y1, 0}, g, 0.5f, 0.5f));
    }
    return mesh;
}

Mesh fenceRun(Vec3 a, Vec3 b, float height, float unit) {
    Mesh mesh;
    float len = length(b - a);
    Vec3 n = normalize(cross(b - a, {0, 1, 0}));
    Vertex v[4];
    Vec3 corners[4] = {a, b, b + Vec3{0, height, 0}, a + Vec3{0, height, 0}};
    float ss[4] = {0, len / unit, len / unit, 0};
    float tt[4] = {1, 1, 0, 0};
    for (int i = 0; i < 4; ++i) {
        v[i].position = corners[i];
        v[i].normal = n;
        v[i].s = ss[i];
        v[i].t = tt[i];
    }
    mesh.addQuad(v[0], v[1], v[2], v[3]);
    return mesh;
}

Mesh post(float radius, float height) {
    Mesh mesh = cylinder(radius, radius, height, 8, bands::whole, 1);
    mesh.append(lathe({{radius, height, 0.05f}, {0, height + radius * 1.2f, 0}}, 8, bands::whole));
    return mesh;
}

Mesh gate(float width, float height) {
    Mesh mesh = panel(width, height, bands::gateDoor);
    for (float x : {-width / 2 - 0.1f, width / 2 + 0.1f}) {
        mesh.append(box({0.2f, height * 1.15f, 0.2f}, bands::gatePost, 0.4f),
                    Mat4::translation({x, 0, 0}));
    }
    return mesh;
}

Mesh bridgeDeck(float span) {
    return archDeck(span, span * 0.16f, 1.3f, 0.12f, 12, bands::whole);
}

Mesh bridgeRails(float span) {
    Mesh mesh;
    float rise = span * 0.16f;
    int posts = 7;
    for (float z : {-0.6f, 0.6f}) {
        Vec3 prev{};
        for (int i = 0; i < posts; ++i) {
            float x = -span / 2 + span * static_cast<float>(i) / static_cast<float>(posts - 1);
            float u = x / (span / 2);
            Vec3 foot{x, rise * (1 - u * u), z};
            mesh.append(cylinder(0.04f, 0.04f, 0.45f, 6, bands::whole), Mat4::translation(foot));
            Vec3 top = foot + Vec3{0, 0.45f, 0};
            if (i > 0) {
                Vec3 d = top - prev;
                float len = length(d);
                float angle = std::atan2(d.y, d.x);
                mesh.append(cylinder(0.035f, 0.035f, len, 6, bands::whole),
                            Mat4::translation(prev) * Mat4::rotationZ(angle - pi / 2));
            }
            prev = top;
        }
    }
    return mesh;
}

Mesh bridgePiers(float span) {
    Mesh mesh;
    for (float x : {-span / 2 - 0.2f, span / 2 + 0.2f}) {
        mesh.append(box({0.5f, 0.15f, 1.5f}, bands::whole, 0.5f), Mat4::translation({x, 0, 0}));
    }
    for (float x : {-span * 0.25f, span * 0.25f}) {
        mesh.append(cylinder(0.08f, 0.08f, span * 0.12f, 6, bands::whole),
                    Mat4::translation({x, 0, -0.5f}));
        mesh.append(cylinder(0.08f, 0.08f, span * 0.12f, 6, bands::whole),
                    Mat4::translation({x, 0, 0.5f}));
    }
    return mesh;
}

Mesh rainbowArch(float radius, float width) {
    Mesh mesh;
    const int segments = 24;
    for (int i = 0; i < segments; ++i) {
        float a0 = pi * static_cast<float>(i) / segments,
              a1 = pi * static_cast<float>(i + 1) / segments;
        auto v = [&](float a, float r, float t) {
            Vertex out;
            out.position = {std::cos(a) * r, std::sin(a) * r, 0};
            out.normal = {0, 0, 1};
            out.s = a / pi;
            out.t = t;
            return out;
        };
        mesh.addQuad(v(a0, radius, 0), v(a1, radius, 0), v(a1, radius - width, 1),
                     v(a0, radius - width, 1));
    }
    return mesh;
}

Mesh skyFace(int face, float halfSize, float bottom, float top) {
    Mesh mesh;
    const float inset = 0.5f / 128;  // keeps the filter from wrapping onto the far edge
    auto vertex = [&](Vec3 p, Vec3 n, float s, float t) {
        Vertex out;
        out.position = p;
        out.normal = n;
        out.s = inset + s * (1 - 2 * inset);
        out.t = inset + t * (1 - 2 * inset);
        return out;
    };
    const float h = halfSize;
    if (face == 4) {
        Vec3 n{0, -1, 0};
        mesh.addQuad(vertex({-h, top, -h}, n, 0, 0), vertex({h, top, -h}, n, 1, 0),
                     vertex({h, top, h}, n, 1, 1), vertex({-h, top, h}, n, 0, 1));
        return mesh;
    }
    // Left and right edge of each wall as seen from inside, going round to the right.
    const Vec3 lefts[4] = {{-h, 0, -h}, {h, 0, -h}, {h, 0, h}, {-h, 0, h}};
    Vec3 l = lefts[face], r = lefts[(face + 1) % 4];
    Vec3 n = normalize(Vec3{0, 0, 0} - (l + r) * 0.5f);
    mesh.addQuad(vertex({l.x, bottom, l.z}, n, 0, 1), vertex({r.x, bottom, r.z}, n, 1, 1),
                 vertex({r.x, top, r.z}, n, 1, 0), vertex({l.x, top, l.z}, n, 0, 0));
    return mesh;
}
