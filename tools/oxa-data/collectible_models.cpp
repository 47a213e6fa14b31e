#include "collectible_models.h"

#include <cmath>

#include "collectible_textures.h"

namespace {

Vertex corner(Vec3 position, Vec3 normal, float s, float t, float shade = 1) {
    Vertex v;
    v.position = position;
    v.normal = normal;
    v.s = s;
    v.t = t;
    v.colour = {shade, shade, shade};
    return v;
}

// A card centred at `centre` spanned by the half axes `right` and `up`, showing `rect`
// upright.
Mesh card(Vec3 centre, Vec3 right, Vec3 up, AtlasRect rect, float shadeBottom = 1,
          float shadeTop = 1) {
    Vec3 normal = normalize(cross(right, up));
    Mesh mesh;
    mesh.addQuad(corner(centre - right - up, normal, rect.s0, rect.t1, shadeBottom),
                 corner(centre + right - up, normal, rect.s1, rect.t1, shadeBottom),
                 corner(centre + right + up, normal, rect.s1, rect.t0, shadeTop),
                 corner(centre - right + up, normal, rect.s0, rect.t0, shadeTop));
    return mesh;
}

// Fits a mesh's s coordinates (0..1 as the shape builders make them) into a rectangle.
void fitS(Mesh& mesh, AtlasRect rect) {
    for (Vertex& v : mesh.vertices) v.s = rect.s(v.s);
}

// A green stalk from the ground (or a branch point) to `top`.
Mesh stalk(Vec3 from, Vec3 to, float radius) {
    Vec3 along = to - from;
    float height = length(along);
    Mesh tube = cylinder(radius, radius * 0.75f, height, 5, {atlas::stalk.t0, atlas::stalk.t1});
    fitS(tube, atlas::stalk);
    for (Vertex& v : tube.vertices)
        v.colour = Vec3{1, 1, 1} * (0.7f + 0.3f * v.position.y / height);
    // Lean the tube from straight up towards `along`.
    float tilt = std::acos(std::clamp(along.y / height, -1.0f, 1.0f));
    float heading = std::atan2(along.x, along.z);
    Mesh out;
    out.append(tube, Mat4::translation(from) * Mat4::rotationY(heading) * Mat4::rotationX(tilt));
    return out;
}

// A leaf springing from the stalk at `height`, turned `heading` about y, leaning out.
Mesh leaf(float height, float heading, float size) {
    Mesh blade =
        card({0, size / 2, 0}, {size * 0.5f, 0, 0}, {0, size / 2, 0}, atlas::leaf, 0.75f, 1);
    Mesh out;
    out.append(blade, Mat4::translation({0, height, 0}) * Mat4::rotationY(heading) *
                          Mat4::rotationX(0.75f));
    return out;
}

// A blossom head: the face lying almost flat for the bee above, and two upright faces
// crossed so that it reads from the side too.
Mesh blossomHead(Vec3 centre, float radius, AtlasRect face) {
    Mesh mesh;
    const float tilt = 0.3f;
    mesh.append(card(centre + Vec3{0, 0.004f, 0}, {radius, 0, 0},
                     {0, radius * std::sin(tilt), -radius * std::cos(tilt)}, face));
    for (float turn : {pi / 4, -pi / 4}) {
        Mesh upright = card({}, {radius * 0.9f, 0, 0}, {0, radius * 0.9f, 0}, face);
        mesh.append(upright, Mat4::translation(centre) * Mat4::rotationY(turn));
    }
    return mesh;
}

struct FlowerDesign {
    float height, radius;
    AtlasRect face;
    int leaves;
    bool sideBloom;  // a second, smaller blossom on a branch
};

ModelPart flower(const FlowerDesign& d) {
    Mesh mesh;
    Vec3 top{0, d.height, 0};
    mesh.append(stalk({}, top - Vec3{0, d.radius * 0.2f, 0}, 0.009f));
    for (int k = 0; k < d.leaves; ++k) {
        float heading = 2 * pi * static_cast<float>(k) / static_cast<float>(d.leaves) + 0.4f;
        mesh.append(leaf(0.02f + 0.03f * static_cast<float>(k % 2), heading, d.height * 0.42f));
    }
    if (d.sideBloom) {
        Vec3 branchTop{0.07f, d.height * 0.68f, 0.02f};
        mesh.append(stalk({0, d.height * 0.3f, 0}, branchTop, 0.006f));
        mesh.append(blossomHead(branchTop, d.radius * 0.7f, d.face));
    }
    mesh.append(blossomHead(top, d.radius, d.face));
    return {mesh, Material::cutoutTwoSided};
}

ModelPart plant(float width, float height, int planes) {
    Mesh mesh = crossedBillboard(width, height, planes, {0, 1});
    for (Vertex& v : mesh.vertices)
        v.colour = Vec3{1, 1, 1} * (0.72f + 0.28f * v.position.y / height);
    return {mesh, Material::cutoutTwoSided};
}

// An upright disc of the glow facing +z; s runs from the middle (0.5) to the rim (0).
Mesh glowDisc(Vec3 centre, float radius) {
    Mesh mesh;
    const int segments = 16;
    for (int k = 0; k < segments; ++k) {
        Vertex v[3];
        v[0] = corner(centre, {0, 0, 1}, 0.5f, 0.5f);
        for (int j = 0; j < 2; ++j) {
            float a = 2 * pi * static_cast<float>(k + j) / segments;
            float y = std::sin(a);
            v[1 + j] =
                corner(centre + Vec3{std::cos(a), y, 0} * radius, {0, 0, 1}, 0, 0.5f + y / 2);
        }
        mesh.addTriangle(v[0], v[1], v[2]);
    }
    return mesh;
}

// A token: a thick disc standing in the x-y plane with a picture on both faces.
ModelPart token(AtlasRect face) {
    const float radius = 0.3f, half = 0.04f, y = 0.32f;
    const int segments = 24;
    Mesh mesh;
    for (int k = 0; k < segments; ++k) {
        float a0 = 2 * pi * static_cast<float>(k) / segments;
        float a1 = 2 * pi * static_cast<float>(k + 1) / segments;
        auto rimPoint = [&](float a, float z) {
            return Vec3{radius * std::cos(a), y + radius * std::sin(a), z};
        };
        for (float side : {1.0f, -1.0f}) {
            // Seen from behind the picture must not be mirrored: s follows -x there.
            auto faceCorner = [&](float a) {
                return corner(rimPoint(a, side * half), {0, 0, side},
                              face.s(0.5f + side * 0.5f * std::cos(a)),
                              face.t(0.5f - 0.5f * std::sin(a)));
            };
            Vertex centre = corner({0, y, side * half}, {0, 0, side}, face.s(0.5f), face.t(0.5f));
            mesh.addTriangle(centre, faceCorner(a0), faceCorner(a1));
        }
        float s0 = atlas::tokenRim.s(static_cast<float>(k) / segments);
        float s1 = atlas::tokenRim.s(static_cast<float>(k + 1) / segments);
        Vec3 n0{std::cos(a0), std::sin(a0), 0}, n1{std::cos(a1), std::sin(a1), 0};
        mesh.addQuad(corner(rimPoint(a0, -half), n0, s0, atlas::tokenRim.t1),
                     corner(rimPoint(a1, -half), n1, s1, atlas::tokenRim.t1),
                     corner(rimPoint(a1, half), n1, s1, atlas::tokenRim.t0),
                     corner(rimPoint(a0, half), n0, s0, atlas::tokenRim.t0));
    }
    bakeLight(mesh, 0.8f);
    return {mesh, Material::solid};
}

ModelPart markerPin() {
    Mesh mesh =
        cylinder(0, 0.13f, 0.42f, 14, {atlas::markerCone.t1, atlas::markerCone.t0}, 1, true);
    Mesh ball =
        ellipsoid({0.15f, 0.15f, 0.15f}, 14, 8, {atlas::markerBall.t0, atlas::markerBall.t1});
    fitS(ball, atlas::markerBall);
    mesh.append(ball, Mat4::translation({0, 0.5f, 0}));
    bakeLight(mesh, 0.7f);
    return {mesh, Material::solid};
}

}  // namespace

std::vector<ModelPart> flowerModels() {
    return {
        flower({0.30f, 0.085f, atlas::blossomA, 2, false}),
        flower({0.26f, 0.075f, atlas::blossomB, 3, true}),
        flower({0.34f, 0.095f, atlas::blossomA, 2, false}),
        flower({0.27f, 0.08f, atlas::blossomB, 2, false}),
        flower({0.28f, 0.075f, atlas::blossomA, 3, true}),
        flower({0.31f, 0.08f, atlas::blossomB, 3, false}),
    };
}

std::vector<ModelPart> plantModels() {
    return {plant(0.34f, 0.26f, 3), plant(0.28f, 0.22f, 3), plant(0.44f, 0.18f, 2),
            plant(0.3f, 0.3f, 3)};
}

std::vector<ModelPart> nectarModels() {
    Mesh ball;
    for (int k = 0; k < 3; ++k) {
        ball.append(glowDisc({0, 0.07f, 0}, 0.13f),
                    Mat4::rotationY(pi * static_cast<float>(k) / 3));
    }
    // The halo lies flat on the blossom; its rim is s = 0 as well.
    Mesh halo = glowDisc({}, 0.16f);
    Mesh flat;
    flat.append(halo, Mat4::rotationX(-pi / 2));
    return {{ball, Material::blendedTwoSided}, {flat, Material::blendedTwoSided}};
}

std::vector<ModelPart> iconModels() {
    return {token(atlas::clockFace), token(atlas::speedFace), markerPin()};
}
