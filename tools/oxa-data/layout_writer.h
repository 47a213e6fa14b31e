#pragma once
// Layout files (".mex"): menu and panel elements as runs of textured quads in menu units
// (80 x 60, origin at the bottom left). The header's vertex count counts three per quad.

#include <array>
#include <string>
#include <vector>

struct LayoutCorner {
    float x, y;  // menu units
    float s, t;  // texture coordinates, t up
};

// Corners counter-clockwise as seen on the screen, so the default culling of back faces
// keeps them.
using LayoutQuad = std::array<LayoutCorner, 4>;

// The header letter of an element: what its list switches on while it draws.
enum class LayoutMaterial : char {
    plain = 'N',    // neither alpha test nor blending
    cutout = 'A',   // alpha test, alpha above 0.1
    blended = 'K',  // source-alpha blending
};

// Flag numbers: 4 turns texturing on (back faces culled, culling on, as the rest of the
// frame expects); 0 draws plain quads in the current colour.
inline constexpr int layoutTextured = 4;
inline constexpr int layoutUntextured = 0;

struct LayoutElement {
    std::vector<LayoutQuad> quads;
    LayoutMaterial material = LayoutMaterial::plain;
    int flags = layoutTextured;
};

// An axis-aligned rectangle of the screen showing a rectangle of the texture.
LayoutQuad layoutRect(float x0, float y0, float x1, float y1, float s0, float t0, float s1,
                      float t1);

std::string encodeLayout(const std::vector<LayoutElement>& elements);
