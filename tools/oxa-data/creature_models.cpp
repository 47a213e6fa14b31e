#include "creature_models.h"

#include <algorithm>
#include <cmath>

#include "srm_writer.h"

namespace creature {

float butterflyForeLobe(float phi) {
    float u = (phi + 0.62f) / 0.9f;
    return 0.16f * std::sqrt(std::max(0.0f, 1 - u * u));
}

float butterflyHindLobe(float phi) {
    float u = (phi - 0.75f) / 0.75f;
    return 0.115f * std::sqrt(std::max(0.0f, 1 - u * u));
}

float butterflyWingOutline(float phi) {
    return std::max({butterflyForeLobe(phi), butterflyHindLobe(phi), 0.012f});
}

}  // namespace creature

namespace {

using namespace creature;

// Rotation by `angle` about a unit axis (right-handed, as glRotate turns).
Mat4 axisRotation(Vec3 axis, float angle) {
    Vec3 k = normalize(axis);
    float c = std::cos(angle), s = std::sin(angle), t = 1 - c;
    Mat4 r;
    r.m = {t * k.x * k.x + c,
           t * k.x * k.y + s * k.z,
           t * k.x * k.z - s * k.y,
           0,
           t * k.x * k.y - s * k.z,
           t * k.y * k.y + c,
           t * k.y * k.z + s * k.x,
           0,
           t * k.x * k.z + s * k.y,
           t * k.y * k.z - s * k.x,
           t * k.z * k.z + c,
           0,
           0,
           0,
           0,
           1};
    return r;
}

// A transform that stands a y-up shape at `at` with its y axis along `direction`.
Mat4 standing(Vec3 at, Vec3 direction) {
    Vec3 d = normalize(direction);
    Vec3 axis = cross({0, 1, 0}, d);
    float angle = std::acos(std::clamp(d.y, -1.0f, 1.0f));
    Mat4 turn =
        length(axis) < 1e-6f ? (d.y < 0 ? Mat4::rotationX(pi) : Mat4{}) : axisRotation(axis, angle);
    return Mat4::translation(at) * turn;
}

// An ellipsoid with radii (across, along, across) laid along `direction`; the band's top
// rows go to the end it points to.
Mesh blob(Vec3 at, Vec3 direction, float across, float along, Band band, int segments = 14,
          int rings = 10) {
    Mesh mesh;
    mesh.append(ellipsoid({across, along, across}, segments, rings, band), standing(at, direction));
    return mesh;
}

Mesh stalk(Vec3 from, Vec3 to, float radius, Band band) {
    Mesh mesh;
    mesh.append(cylinder(radius, radius * 0.8f, length(to - from), 6, band),
                standing(from, to - from));
    return mesh;
}

// An eye: a white ball whose pupil (the band's top rows) looks along `looking`.
Mesh eyeBall(Vec3 at, float radius, Vec3 looking, Band band) {
    return blob(at, looking, radius, radius, band, 14, 10);
}

// A flat fan in the x-z plane (normal up) from `root` to the points of `outline`, textured
// by map(x, z).
Mesh flatFan(Vec3 root, const std::vector<Vec3>& outline,
             const std::function<std::pair<float, float>(Vec3)>& map) {
    Mesh mesh;
    auto vertex = [&](Vec3 p) {
        Vertex v;
        v.position = p;
        v.normal = {0, 1, 0};
        auto [s, t] = map(p);
        v.s = s;
        v.t = t;
        return v;
    };
    for (size_t i = 0; i + 1 < outline.size(); ++i)
        mesh.addTriangle(vertex(root), vertex(outline[i]), vertex(outline[i + 1]));
    return mesh;
}

// Mirrors a right-side part (reaching along +x) into the left one.
Mesh mirrored(const Mesh& right) {
    Mesh left;
    left.append(right, Mat4::scaling({-1, 1, 1}));
    // The mirror turns every triangle over; turn them back so both faces stay as made.
    for (size_t i = 0; i + 2 < left.vertices.size(); i += 3)
        std::swap(left.vertices[i + 1], left.vertices[i + 2]);
    return left;
}

// The butterfly's right wing: one fan round the root, in the wing picture's window.
Mesh butterflyWing() {
    const Vec3 root{wingRootX, 0, 0};
    std::vector<Vec3> outline;
    const int steps = 72;
    const float from = -1.55f, to = 1.52f;
    for (int i = 0; i <= steps; ++i) {
        float phi = from + (to - from) * static_cast<float>(i) / steps;
        float r = butterflyWingOutline(phi);
        outline.push_back({wingRootX + r * std::cos(phi), 0, r * std::sin(phi)});
    }
    Mesh wing = flatFan(root, outline, [](Vec3 p) {
        float s = p.x / wingWindowX;
        float t = butterflyBands::wings.at((p.z - wingWindowZ0) / (wingWindowZ1 - wingWindowZ0));
        return std::pair{s, t};
    });
    // The wings curve up a little towards their edges, as a resting butterfly's do.
    for (Vertex& v : wing.vertices) {
        float r = std::hypot(v.position.x - wingRootX, v.position.z);
        v.position.y = 0.12f * r * r / 0.16f;
    }
    bakeLight(wing, 0.82f);
    return wing;
}

// A long rounded dragonfly wing from the hinge out along `out`, `width` across: the band's
// s runs from root to tip, t across.
Mesh dragonflyWing(Vec3 root, Vec3 out, float wingLength, float width) {
    Vec3 along = normalize(out);
    Vec3 across = normalize(cross({0, 1, 0}, along));  // towards the head or the tail
    Mesh mesh;
    const int steps = 20;
    auto vertex = [&](float u, float w) {
        // Two half ellipses: round at the hinge and at the tip, widest past the middle.
        const float widest = 0.6f;
        float e = u < widest ? (widest - u) / widest : (u - widest) / (1 - widest);
        float half = width * 0.5f * std::sqrt(std::max(0.0f, 1 - e * e));
        Vertex v;
        v.position = root + along * (wingLength * u) + across * (half * w);
        v.normal = {0, 1, 0};
        v.s = u;
        v.t = dragonflyBands::wings.at(0.5f + 0.5f * w);
        return v;
    };
    for (int i = 0; i < steps; ++i) {
        float u0 = static_cast<float>(i) / steps, u1 = static_cast<float>(i + 1) / steps;
        mesh.addQuad(vertex(u0, -1), vertex(u1, -1), vertex(u1, 1), vertex(u0, 1));
    }
    return mesh;
}

// Body and wings made at `scale`: the shapes are worked out at a handy size and grown to
// read from across a garden.
std::vector<ModelPart> wingedParts(const Mesh& body, const Mesh& rightWing, float scale) {
    const Mat4 grow = Mat4::scaling({scale, scale, scale});
    Mesh grownBody, right;
    grownBody.append(body, grow);
    right.append(rightWing, grow);
    bakeLight(grownBody, 0.6f);
    Mesh left = mirrored(right);
    return {{std::move(grownBody), Material::solid},
            {std::move(left), Material::twoSided},
            {std::move(right), Material::twoSided}};
}

}  // namespace

std::vector<ModelPart> butterflyModel() {
    using namespace butterflyBands;
    const Vec3 forward{0, 0, -1};
    Mesh body;
    // Abdomen behind, the furry thorax between the wings, a round head with big eyes.
    body.append(blob({0, -0.004f, 0.05f}, {0, 0.12f, 1}, 0.014f, 0.05f, stripes));
    body.append(blob({0, 0, -0.002f}, forward, 0.02f, 0.022f, fur));
    const Vec3 head{0, 0.006f, -0.036f};
    body.append(blob(head, forward, 0.021f, 0.021f, fur));
    for (float side : {-1.0f, 1.0f}) {
        body.append(eyeBall(head + Vec3{0.013f * side, 0.009f, -0.011f}, 0.012f,
                            {0.55f * side, 0.25f, -0.8f}, eyes));
        // Antennae curl up and forward to pink tips.
        Vec3 root = head + Vec3{0.007f * side, 0.018f, -0.006f};
        Vec3 bend = root + Vec3{0.012f * side, 0.03f, -0.018f};
        Vec3 tip = bend + Vec3{0.008f * side, 0.016f, -0.02f};
        body.append(stalk(root, bend, 0.0022f, fur));
        body.append(stalk(bend, tip, 0.002f, fur));
        body.append(blob(tip, forward, 0.0065f, 0.0065f, tips, 8, 6));
    }
    return wingedParts(body, butterflyWing(), butterflyScale);
}

std::vector<ModelPart> dragonflyModel() {
    using namespace dragonflyBands;
    const Vec3 forward{0, 0, -1};
    Mesh body;
    // A long striped tail, a green thorax carrying the wings, a round head with huge eyes.
    body.append(blob({0, -0.004f, 0.12f}, {0, 0.06f, 1}, 0.015f, 0.13f, stripes, 12, 16));
    body.append(blob({0, 0, -0.032f}, forward, 0.026f, 0.036f, fur));
    const Vec3 head{0, 0.006f, -0.078f};
    body.append(blob(head, forward, 0.024f, 0.023f, fur));
    for (float side : {-1.0f, 1.0f})
        body.append(eyeBall(head + Vec3{0.02f * side, 0.012f, -0.006f}, 0.022f,
                            {0.6f * side, 0.3f, -0.75f}, eyes));
    // Two long wings a side, both hinged on the thorax, the hind one swept back.
    Mesh wing;
    wing.append(dragonflyWing({0.008f, 0.016f, -0.05f}, {1, 0, -0.12f}, 0.21f, 0.05f));
    wing.append(dragonflyWing({0.008f, 0.016f, -0.02f}, {1, 0, 0.22f}, 0.195f, 0.055f));
    bakeLight(wing, 0.9f);
    return wingedParts(body, wing, dragonflyScale);
}

std::vector<ModelPart> fishModel() {
    using namespace fishBands;
    const Vec3 ahead{1, 0, 0};
    Mesh fish;
    // The body: its band's top rows at the nose, s = 0 along the belly.
    Mesh body;
    body.append(ellipsoid({0.05f, 0.16f, 0.085f}, 18, 14, skin),
                Mat4::rotationZ(-pi / 2) * Mat4::rotationY(pi / 2));
    fish.append(body);
    for (float side : {-1.0f, 1.0f}) {
        fish.append(
            eyeBall({0.085f, 0.027f, 0.038f * side}, 0.024f, {0.45f, 0.25f, 0.85f * side}, eyes));
        // Little side fins behind the gills.
        Mesh sideFin =
            flatFan({0, 0, 0},
                    {{-0.02f, 0, 0.0f}, {-0.06f, 0, 0.035f}, {-0.03f, 0, 0.045f}, {0.0f, 0, 0.02f}},
                    [](Vec3 p) {
                        return std::pair{0.5f - p.x * 5, fins.at(p.z * 18)};
                    });
        fish.append(sideFin, Mat4::translation({0.03f, -0.035f, 0.045f * side}) *
                                 Mat4::rotationX(side * 0.5f) * Mat4::scaling({1, 1, side}));
    }
    // A puckered mouth at the nose.
    fish.append(blob({0.158f, -0.008f, 0}, ahead, 0.014f, 0.008f, lips, 10, 6));
    // The tail: a wide fan in the body's plane, forked in the middle.
    std::vector<Vec3> tail;
    for (int i = 0; i <= 12; ++i) {
        float a = -1 + 2 * static_cast<float>(i) / 12;
        float fork = 0.035f * (1 - std::fabs(a) * std::fabs(a)) * (1 - std::fabs(a));
        tail.push_back({-0.3f + fork * 2.2f, 0.11f * a, 0});
    }
    auto finMap = [](float x0, float x1, float y0, float y1) {
        return [=](Vec3 p) {
            return std::pair{(p.y - y0) / (y1 - y0), fins.at((p.x - x0) / (x1 - x0))};
        };
    };
    Mesh tailFin = flatFan({-0.13f, 0, 0}, tail, finMap(-0.13f, -0.3f, -0.11f, 0.11f));
    // Turned up on edge: flatFan lies in x-z.
    for (Vertex& v : tailFin.vertices) v.normal = {0, 0, 1};
    fish.append(tailFin);
    // The back fin rides on top.
    std::vector<Vec3> back;
    for (int i = 0; i <= 8; ++i) {
        float u = static_cast<float>(i) / 8;
        back.push_back({0.06f - 0.17f * u,
                        0.07f + 0.055f * std::sin(pi * (0.15f + 0.75f * u)) + 0.01f * u, 0});
    }
    Mesh backFin = flatFan({-0.02f, 0.06f, 0}, back, finMap(0.06f, -0.11f, 0.06f, 0.13f));
    for (Vertex& v : backFin.vertices) v.normal = {0, 0, 1};
    fish.append(backFin);
    bakeLight(fish, 0.7f);
    return {{std::move(fish), Material::twoSided}};
}

std::vector<ModelPart> splashModel() {
    using namespace splashBands;
    Mesh splash;
    // A crown of water flaring out of the surface, its top cut into drops by the picture.
    splash.append(
        lathe({{0.055f, 0.0f, 1}, {0.068f, 0.06f, 0.62f}, {0.085f, 0.11f, 0.3f}, {0.11f, 0.16f, 0}},
              20, crown, 3));
    // The ripple ring lies just above the water.
    splash.append(disc(0.13f, 24, ripple), Mat4::translation({0, 0.003f, 0}));
    for (Vertex& v : splash.vertices) v.colour = {1, 1, 1};
    return {{std::move(splash), Material::cutoutTwoSided}};
}

void addCreatures(DataFiles& files) {
    files["MOD\\DATA\\MOTYL.wkx"] = encodeObjectModel(butterflyModel());
    files["MOD\\BMP_0\\motyl.srm"] = encodeTexture(butterflyTexture(), false);
    files["MOD\\DATA\\wazka.wkx"] = encodeObjectModel(dragonflyModel());
    files["MOD\\BMP_0\\wazka.srm"] = encodeTexture(dragonflyTexture(), false);
    files["MOD\\DATA\\rybka.wkx"] = encodeObjectModel(fishModel());
    files["MOD\\BMP_0\\rybka.srm"] = encodeTexture(fishTexture(), false);
    files["MOD\\DATA\\plusk.wkx"] = encodeObjectModel(splashModel());
    files["MOD\\BMP_0\\plusk.srm"] = encodeTexture(splashTexture(), true);
}
