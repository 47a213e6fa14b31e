#pragma once
// Pictures of the flowers, plants, nectar glow and pickup icons. Atlas parts are given as
// rectangles of texture coordinates (t = 0 at the top row), shared with the model builders.

#include <string_view>

#include "paint.h"

struct AtlasRect {
    float s0, t0, s1, t1;
    float s(float u) const { return s0 + (s1 - s0) * u; }
    float t(float v) const { return t0 + (t1 - t0) * v; }
};

namespace atlas {
// Every flower texture: two blossom faces on top, a leaf and a stalk below.
inline constexpr AtlasRect blossomA{0, 0, 0.5f, 0.5f}, blossomB{0.5f, 0, 1, 0.5f};
inline constexpr AtlasRect leaf{0, 0.5f, 0.5f, 1}, stalk{0.55f, 0.55f, 0.95f, 0.95f};
// The pickup icons: two token faces, the token's rim, the marker's ball and its striped cone.
inline constexpr AtlasRect clockFace{0, 0, 0.5f, 0.5f}, speedFace{0.5f, 0, 1, 0.5f};
inline constexpr AtlasRect tokenRim{0, 0.5f, 0.5f, 0.75f}, markerBall{0.5f, 0.5f, 1, 0.75f};
inline constexpr AtlasRect markerCone{0, 0.75f, 1, 1};
}  // namespace atlas

// Textures by file name ("kwiat1", "kepa", "sp", "ikonki", ...); alpha says the picture
// needs its alpha channel.
struct CollectiblePicture {
    Image image;
    bool alpha;
};
CollectiblePicture paintCollectible(std::string_view name);
