#include "bee_model.h"

#include <algorithm>
#include <cmath>

#include "painters.h"
#include "random.h"
#include "srm_writer.h"

namespace {

constexpr float degrees = pi / 180;

// Where the game hinges the wings, in model coordinates, and the axes they turn about.
const Vec3 leftHinge{-0.00831261f, 0.06971754f, 0.0141403f};
const Vec3 rightHinge{0.008570594f, 0.06971754f, 0.014140307f};

// The u1 atlas: stripes, fuzz, shiny black, eye, wing; the wing band carries the alpha.
constexpr Band stripeBand{0, 0.25f}, fuzzBand{0.25f, 0.375f}, blackBand{0.375f, 0.5f},
    eyeBand{0.5f, 0.625f}, wingBand{0.625f, 1};
// The bucket: outside, honey inside, handle.
constexpr Band pailBand{0, 0.5f}, honeyBand{0.5f, 0.75f}, handleBand{0.75f, 1};

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

// The screen frame (in which the bee is made) into the model frame the game turns back.
const Mat4 screenToModel = Mat4::rotationX(30 * degrees);

Vec3 toScreen(Vec3 model) {
    return Mat4::rotationX(-30 * degrees).point(model);
}

SceneObject part(Mesh mesh, float ambient = 0.55f) {
    bakeLight(mesh, ambient);
    SceneObject object;
    object.mesh.append(mesh, screenToModel);
    object.placements.push_back({});
    return object;
}

Mesh sphere(Vec3 centre, float radius, Band band, Vec3 axis = {0, 1, 0}) {
    Mesh mesh;
    mesh.append(ellipsoid({radius, radius, radius}, 16, 10, band), standing(centre, axis));
    return mesh;
}

Mesh stalk(Vec3 from, Vec3 direction, float length, float radius, Band band) {
    Mesh mesh;
    mesh.append(cylinder(radius, radius * 0.8f, length, 6, band), standing(from, direction));
    return mesh;
}

Mesh cone(Vec3 base, Vec3 direction, float length, float radius) {
    Mesh mesh;
    mesh.append(cylinder(radius, 0, length, 8, blackBand), standing(base, direction));
    return mesh;
}

// A wing: two rounded vanes (fore and hind) fanning out from the hinge along `out`, lying
// in the plane of `out` and the hinge axis, tipped down about the axis so that the game's
// beat (20 to 90 degrees) swings it from a little below level to well above it.
Mesh wing(Vec3 hingeAxis, Vec3 out) {
    Mesh mesh;
    Vec3 k = normalize(hingeAxis), o = normalize(out);
    struct Vane {
        float length, width, lean;  // lean: towards the back (+k side) in radians
    };
    for (Vane vane : {Vane{0.15f, 0.052f, 0.15f}, Vane{0.105f, 0.037f, 0.7f}}) {
        Vec3 along = o * std::cos(vane.lean) + k * std::sin(vane.lean) * (k.z > 0 ? 1.0f : -1.0f);
        Vec3 across = normalize(k - along * dot(k, along));
        const int steps = 12;
        Vertex root;
        root.s = 0.5f;
        root.t = wingBand.at(0.02f);
        for (int i = 0; i < steps; ++i) {
            Vertex edge[2];
            for (int j = 0; j < 2; ++j) {
                float a = pi * static_cast<float>(i + j) / steps;  // round the vane's edge
                float u = std::max(0.0f, std::sin(a)), w = std::cos(a);
                float reach = 0.15f + 0.85f * std::sqrt(u);
                edge[j].position =
                    along * (vane.length * reach * (0.55f + 0.45f * u)) + across * (vane.width * w);
                edge[j].s = 0.5f + 0.5f * w;
                edge[j].t = wingBand.at(0.1f + 0.88f * u);
            }
            mesh.vertices.push_back(root);
            mesh.vertices.push_back(edge[0]);
            mesh.vertices.push_back(edge[1]);
        }
    }
    // Each wing is also turned about its own length so that its face, not its edge, looks
    // at the eye all through the beat.
    Mat4 turn = axisRotation(k, 40 * degrees) * axisRotation(o, k.z > 0 ? pi / 4 : -pi / 4);
    for (Vertex& v : mesh.vertices) v.position = turn.point(v.position);
    return mesh;
}

SceneObject wingObject(Vec3 hingeAxis, Vec3 out) {
    SceneObject object;
    object.mesh = wing(hingeAxis, out);
    object.material = Material::blendedTwoSided;
    object.placements.push_back({});
    return object;
}

Mesh bucket(Vec3 at) {
    Mesh mesh;
    Mat4 where = Mat4::translation(at);
    mesh.append(
        lathe({{0.0f, 0.0f, 1}, {0.028f, 0.0f, 0.98f}, {0.035f, 0.05f, 0.02f}}, 14, pailBand),
        where);
    Mesh honey = disc(0.033f, 14, honeyBand);
    mesh.append(honey, where * Mat4::translation({0, 0.04f, 0}));
    Mesh inside = lathe({{0.035f, 0.05f, 0}, {0.028f, 0.0f, 1}}, 14, honeyBand);
    mesh.append(inside, where);
    // The handle: an arch of short bars over the rim.
    const int bars = 8;
    for (int i = 0; i < bars; ++i) {
        float a0 = pi * static_cast<float>(i) / bars, a1 = pi * static_cast<float>(i + 1) / bars;
        Vec3 p0{0.036f * std::cos(a0), 0.05f + 0.04f * std::sin(a0), 0};
        Vec3 p1{0.036f * std::cos(a1), 0.05f + 0.04f * std::sin(a1), 0};
        mesh.append(stalk(p0, p1 - p0, length(p1 - p0), 0.0025f, handleBand), where);
    }
    return mesh;
}

Image bodyTexture() {
    Image image(256, hex(0xFFD21F));
    // Stripes: rows 0-63 run from the abdomen's bottom (row 63) to its top (row 0).
    image.paint([](float u, float v) {
        if (v < 0.25f) {
            float band = v / 0.25f;
            bool black = (band > 0.08f && band < 0.22f) || (band > 0.36f && band < 0.5f) ||
                         (band > 0.64f && band < 0.78f) || band > 0.94f;
            float fuzz = 0.9f + 0.1f * tiledNoise(u * 32, band * 8, 32, 7);
            return black ? hex(0x2B2118) * fuzz : hex(0xFFC81E) * fuzz;
        }
        if (v < 0.375f) return hex(0xF2A516) * (0.85f + 0.2f * tiledNoise(u * 64, v * 64, 64, 3));
        if (v < 0.5f) {
            float shine = std::exp(-std::pow((v - 0.41f) * 60, 2.0f));
            return mix(hex(0x1E1A1A), hex(0x8A8A99), shine);
        }
        if (v < 0.625f) {
            // The eye's band: its top rows are the pupil, pointing where the eye looks.
            float e = (v - 0.5f) / 0.125f;
            if (e < 0.1f) return hex(0xFFFFFF);  // the glint
            if (e < 0.32f) return hex(0x1B1420);
            if (e < 0.4f) return hex(0x5A3A22);
            return hex(0xFFFFFF);
        }
        float w = (v - 0.625f) / 0.375f;
        float veins = std::max(0.0f, 1 - std::fabs(std::sin(u * pi * 3 + w * 2)) * 14);
        float edge =
            smoothstep(0.85f, 1.0f, w) + smoothstep(0.15f, 0.0f, u) + smoothstep(0.85f, 1.0f, u);
        Colour c = mix(hex(0xDDF3FF), hex(0xFFFFFF), 0.3f * w);
        c = mix(c, hex(0x7AA0C0), 0.5f * veins);
        c.a = std::min(0.85f, 0.26f + 0.3f * veins + 0.45f * std::min(edge, 1.0f));
        return c;
    });
    return image;
}

Image headTexture() {
    Image image(256, hex(0xFFCE2E));
    noiseFill(image, hex(0xF5B820), hex(0xFFD84A), 16, 3, 41, 0.6f);
    // The face looks along -z: s = 0.75 round the head, rows from the top.
    const float cx = 0.75f * 256;
    image.ellipse(cx - 46, 150, 17, 11, hex(0xFF8A80, 0.75f), 6);  // cheeks
    image.ellipse(cx + 46, 150, 17, 11, hex(0xFF8A80, 0.75f), 6);
    for (int i = 0; i <= 20; ++i) {  // the smile
        float a = pi * (0.15f + 0.7f * static_cast<float>(i) / 20);
        float x = cx - 30 * std::cos(a), y = 150 + 18 * std::sin(a);
        image.ellipse(x, y, 4, 4, hex(0x6B2A1A), 1.2f);
    }
    // A darker crown on top of the head.
    image.layer([](float, float v, Colour under) {
        return mix(under, hex(0x3A2A1A), smoothstep(0.18f, 0.0f, v) * 0.8f);
    });
    return image;
}

Image bucketTexture() {
    Image image(128, hex(0xE8453C));
    image.paint([](float u, float v) {
        if (v < 0.5f) {
            float rim = smoothstep(0.06f, 0.0f, v) + smoothstep(0.44f, 0.5f, v);
            Colour c = mix(hex(0x3AA6E8), hex(0x1F78C8), 0.5f * tiledNoise(u * 16, v * 16, 16, 5));
            c = mix(c, hex(0xFFFFFF), 0.6f * std::min(rim, 1.0f));
            // White dots round the pail.
            float du = std::fmod(u * 6, 1.0f) - 0.5f, dv = (v - 0.25f) * 6;
            if (du * du + dv * dv < 0.09f) c = hex(0xFFF4C0);
            return c;
        }
        if (v < 0.75f) return mix(hex(0xF7A81B), hex(0xFFD75E), tiledNoise(u * 8, v * 8, 8, 9));
        return mix(hex(0x8C8C96), hex(0xE0E0EA), std::fabs(std::sin(v * 40)));
    });
    return image;
}

}  // namespace

std::vector<SceneObject> buildBee() {
    // The parts in the screen frame, model units; the wings sit on the back of the thorax.
    const Vec3 shoulders = toScreen((leftHinge + rightHinge) * 0.5f);
    const Vec3 thorax = shoulders + Vec3{0, -0.031f, -0.027f};
    const Vec3 head = thorax + Vec3{0, 0.068f, -0.03f};
    const Vec3 abdomen = thorax + Vec3{0, -0.09f, 0.035f};
    const Mat4 abdomenTilt = Mat4::rotationX(-25 * degrees);
    const Vec3 abdomenDown = abdomenTilt.direction({0, -1, 0});

    std::vector<SceneObject> bee(20);
    Mesh body;
    body.append(ellipsoid({0.06f, 0.08f, 0.06f}, 18, 12, stripeBand),
                Mat4::translation(abdomen) * abdomenTilt);
    bee[0] = part(body);
    bee[1] = part(sphere(thorax, 0.042f, fuzzBand));
    bee[6] = part(sphere(head, 0.056f, {0, 1}), 0.62f);
    bee[7] = part(cone(abdomen + abdomenDown * 0.075f, abdomenDown, 0.028f, 0.013f));
    for (int side : {-1, 1}) {
        float sx = static_cast<float>(side);
        Vec3 eyeAt = head + Vec3{0.046f * sx, 0.004f, -0.016f};
        bee[side < 0 ? 5 : 17] =
            part(sphere(eyeAt, 0.032f, eyeBand, {0.85f * sx, 0.05f, -0.5f}), 0.8f);
        Vec3 root = head + Vec3{0.02f * sx, 0.05f, -0.005f};
        Vec3 antenna{0.35f * sx, 0.9f, -0.25f};
        bee[side < 0 ? 3 : 4] = part(stalk(root, antenna, 0.055f, 0.0035f, blackBand));
        bee[side < 0 ? 9 : 10] =
            part(sphere(root + normalize(antenna) * 0.058f, 0.0095f, blackBand), 0.7f);
        for (int k = 0; k < 3; ++k) {
            Vec3 from = thorax + Vec3{0.02f * sx, -0.03f, 0.004f - 0.014f * static_cast<float>(k)};
            Vec3 towards{0.45f * sx, -0.88f, k == 2 ? -0.35f : 0.05f};
            bee[static_cast<size_t>((side < 0 ? 11 : 14) + k)] =
                part(stalk(from, towards, k == 2 ? 0.06f : 0.045f, 0.004f, blackBand));
        }
    }
    bee[18] = part(bucket(thorax + Vec3{0.075f, -0.16f, -0.005f}), 0.6f);
    // Wings, made in the model frame at their hinges: out to each side and back over her.
    bee[2] = wingObject({1, 0, 1}, {-1, 0, 1});
    bee[8] = wingObject({1, 0, -1}, {1, 0, 1});
    bee[19].placements.push_back({});  // a spare object the game never draws
    return bee;
}

void addBee(DataFiles& files) {
    files["MOD\\DATA\\oxa.wkx"] = encodeSceneModel(buildBee());
    files["MOD\\BMP_0\\u1.srm"] = encodeTexture(bodyTexture(), true);
    files["MOD\\BMP_0\\g1.srm"] = encodeTexture(headTexture(), false);
    files["MOD\\BMP_0\\wiadro.srm"] = encodeTexture(bucketTexture(), false);
}
