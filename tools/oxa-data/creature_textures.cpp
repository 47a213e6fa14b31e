// The creatures' pictures, painted band by band as creature_models.h lays them out.

#include <algorithm>
#include <cmath>

#include "creature_models.h"
#include "random.h"

namespace {

using namespace creature;

// Where v lies inside a band, 0 at its top row and 1 at its bottom; outside: below 0 or above 1.
float within(Band band, float v) {
    return (v - band.top) / (band.bottom - band.top);
}

bool inside(Band band, float v) {
    return v >= band.top && v < band.bottom;
}

// A cartoon eye on a ball whose pole (the band's top rows) looks out: a glint in the
// middle of a big dark pupil, a coloured iris ring, then the white.
Colour eyeColour(float e, Colour iris) {
    if (e < 0.07f) return hex(0xFFFFFF);
    if (e < 0.3f) return hex(0x1B1420);
    if (e < 0.42f) return iris;
    if (e < 0.45f) return mix(iris, hex(0xFFFFFF), 0.5f);
    return hex(0xFFFDF8);
}

// Rings along a long body: `count` soft dark bands over a light colour.
Colour ringed(float e, int count, Colour light, Colour dark, float share) {
    float f = std::fmod(e * static_cast<float>(count), 1.0f);
    float ring = smoothstep(share + 0.06f, share, f) * smoothstep(0.0f, 0.06f, f);
    return mix(light, dark, ring);
}

// The butterfly's right wing seen from above, in the window of creature_models.h.
Colour butterflyWingColour(float u, float e) {
    const float x = u * wingWindowX;
    const float z = wingWindowZ0 + e * (wingWindowZ1 - wingWindowZ0);
    const float dx = x - wingRootX;
    const float r = std::hypot(dx, z);
    const float phi = std::atan2(z, dx);
    const float edge = butterflyWingOutline(phi);
    const float q = r / edge;
    const bool fore = butterflyForeLobe(phi) >= butterflyHindLobe(phi);
    const Colour border = hex(0x2E1A5C);
    if (q > 0.98f) return border;  // beyond the edge: only seen through filtering
    Colour c = fore ? mix(hex(0xFFE45C), hex(0xFF7B1C), smoothstep(0.15f, 0.85f, q))
                    : mix(hex(0xFF9ED2), hex(0xC04BE8), smoothstep(0.15f, 0.85f, q));
    // Veins fan out from the root.
    const float veinPhi = 0.3f;
    float nearest = std::fabs(std::remainder(phi + 0.1f, veinPhi)) * r;
    c = mix(c, border, 0.75f * smoothstep(0.0022f, 0.0008f, nearest) * smoothstep(0.15f, 0.3f, q));
    // An eye spot on each lobe: yellow ring, sky-blue disc, dark middle, a white shine.
    auto spot = [&](float spotR, float spotPhi, float size) {
        float sx = wingRootX + spotR * std::cos(spotPhi), sz = spotR * std::sin(spotPhi);
        float d = std::hypot(x - sx, z - sz) / size;
        if (d < 1) c = mix(hex(0xFFF27A), c, smoothstep(0.9f, 1.0f, d));
        if (d < 0.78f) c = mix(hex(0x3FB6FF), c, smoothstep(0.7f, 0.78f, d));
        if (d < 0.42f) c = mix(hex(0x1D2A6B), c, smoothstep(0.36f, 0.42f, d));
        float shine = std::hypot(x - sx + size * 0.25f, z - sz + size * 0.25f) / size;
        if (shine < 0.16f) c = hex(0xFFFFFF);
    };
    spot(0.095f, -0.6f, 0.026f);
    spot(0.068f, 0.78f, 0.02f);
    // A dark border with white dots along it.
    const float band = smoothstep(0.8f, 0.83f, q);
    if (band > 0) {
        c = mix(c, border, band);
        float along = phi * edge / 0.022f;
        float f = std::fabs(std::fmod(along + 100.0f, 1.0f) - 0.5f);
        float dot = std::hypot(f * 0.022f, (q - 0.905f) * edge) / 0.0055f;
        c = mix(c, hex(0xFFFFFF), smoothstep(1.0f, 0.7f, dot));
    }
    // The root is furry, like the body.
    return mix(hex(0x5A2FA0), c, smoothstep(0.012f, 0.03f, r));
}

// A dragonfly wing: root (u = 0) to tip, across from edge to edge (e = 0..1).
Colour dragonflyWingColour(float u, float e) {
    const float w = std::fabs(e * 2 - 1);
    Colour c = mix(hex(0xD2F6FF), hex(0x8FD8FF), 0.3f + 0.7f * w);
    // Veins along the wing, and a few cross veins.
    float along = std::fabs(std::fmod(w * 4 + 0.5f, 1.0f) - 0.5f);
    float across = std::fabs(std::fmod(u * 11, 1.0f) - 0.5f);
    float vein = std::max(smoothstep(0.09f, 0.03f, along), 0.6f * smoothstep(0.07f, 0.02f, across));
    c = mix(c, hex(0x3D8AD0), 0.6f * vein);
    // A sheen near the root, a dark spot near the tip, a blue edge.
    c = mix(c, hex(0xFFFFFF), 0.5f * smoothstep(0.35f, 0.0f, u) * (1 - w));
    float spot = std::hypot((u - 0.86f) * 3, (w - 0.55f) * 1.6f);
    c = mix(c, hex(0x2B4C9B), smoothstep(0.32f, 0.22f, spot));
    return mix(c, hex(0x2F6FC0), smoothstep(0.72f, 0.9f, w));
}

// The fish's body: s around it (the belly at 0.25, the back at 0.75), e from the nose to
// the tail.
Colour fishBodyColour(float u, float e) {
    const float up = -std::sin(2 * pi * u);  // -1 at the belly, 1 at the back
    Colour c = mix(hex(0xFFE7A3), hex(0xFF8A1E), smoothstep(-0.85f, -0.2f, up));
    c = mix(c, hex(0xF2481B), smoothstep(0.3f, 0.95f, up));
    // Scales: rows of soft arcs from behind the gills to the tail.
    if (e > 0.34f) {
        float row = (e - 0.34f) * 16, col = u * 24 + 0.5f * std::floor(row);
        float fx = std::fmod(col, 1.0f) - 0.5f, fy = std::fmod(row, 1.0f);
        float arc = std::fabs(std::hypot(fx, fy * 0.9f) - 0.5f);
        c = mix(c, c * 0.78f, smoothstep(0.08f, 0.02f, arc) * smoothstep(-0.8f, -0.3f, up));
    }
    // The gill line, and a lighter cheek in front of it.
    float gill = std::fabs(e - (0.3f + 0.04f * up * up));
    c = mix(c, hex(0xC2381A), smoothstep(0.02f, 0.008f, gill) * smoothstep(-0.7f, -0.3f, up));
    if (e < 0.3f) c = mix(c, hex(0xFFC27A), 0.25f * (1 - std::fabs(up)));
    return c;
}

// A fin: from its root (e = 0) to its edge, rays across.
Colour finColour(float u, float e) {
    Colour c = mix(hex(0xFF7A1A), hex(0xFFD84A), smoothstep(0.1f, 0.9f, e));
    float ray = std::fabs(std::fmod(u * 9, 1.0f) - 0.5f);
    c = mix(c, hex(0xE0501A), 0.55f * smoothstep(0.12f, 0.04f, ray) * (1 - e * 0.6f));
    return mix(c, hex(0xFFF2B0), smoothstep(0.86f, 0.98f, e));
}

// The crown of a splash, around the ring (u) and from its top (e = 0) down: fingers of
// water rising to round drops, and drops flying loose above them.
Colour crownColour(float u, float e) {
    const int fingers = 4;
    float f =
        std::fmod(u * static_cast<float>(fingers), 1.0f) - 0.5f;  // -0.5..0.5 across one finger
    Colour water = mix(hex(0xFFFFFF), hex(0xA8E2FF), smoothstep(0.2f, 1.0f, e));
    // Each finger narrows upwards to its tip, between scalloped dips.
    float tipAt = 0.3f, width = 0.16f + 0.3f * smoothstep(tipAt, 0.95f, e);
    bool body = e > tipAt && std::fabs(f) < width;
    bool valley = e > 0.62f + 0.12f * std::cos(f * 2 * pi);
    float dropY = (e - 0.2f) / 0.1f;
    bool drop = std::hypot(f / 0.13f, dropY) < 1;
    float loose = std::hypot((f - 0.38f) / 0.08f, (e - 0.07f) / 0.06f);
    bool tiny = loose < 1;
    if (!(body || valley || drop || tiny)) return {1, 1, 1, 0};
    if (drop || tiny) water = mix(hex(0xFFFFFF), hex(0xCFF0FF), 0.4f);
    return water;
}

// The ripple: two rings round the middle of the disc.
Colour rippleColour(float u, float e) {
    float r = std::hypot(u * 2 - 1, e * 2 - 1);
    float outer = std::fabs(r - 0.86f), inner = std::fabs(r - 0.6f);
    float a = std::max(smoothstep(0.07f, 0.04f, outer), smoothstep(0.05f, 0.03f, inner));
    if (a < 0.5f) return {1, 1, 1, 0};
    return mix(hex(0xFFFFFF), hex(0xC6EEFF), smoothstep(0.55f, 0.9f, r));
}

}  // namespace

Image butterflyTexture() {
    using namespace butterflyBands;
    Image image(256);
    image.paint([](float u, float v) {
        if (inside(wings, v)) return butterflyWingColour(u, within(wings, v));
        if (inside(stripes, v))
            return ringed(within(stripes, v), 1, hex(0x7A4BC8), hex(0xC9B2FF), 0.45f);
        if (inside(fur, v))
            return mix(hex(0x5A2FA0), hex(0x7C52C4), tiledNoise(u * 32, v * 32, 32, 3));
        if (inside(tips, v)) return hex(0xFF5FB0);
        return eyeColour(within(eyes, v), hex(0x8A4A20));
    });
    return image;
}

Image dragonflyTexture() {
    using namespace dragonflyBands;
    Image image(256);
    image.paint([](float u, float v) {
        if (inside(wings, v)) return dragonflyWingColour(u, within(wings, v));
        if (inside(stripes, v))
            return ringed(within(stripes, v), 9, hex(0x2EA8FF), hex(0x173C8C), 0.3f);
        if (inside(fur, v))
            return mix(hex(0x18B89A), hex(0x5BE0B0), tiledNoise(u * 16, v * 16, 16, 11));
        return eyeColour(within(eyes, v), hex(0x2FBF4F));
    });
    return image;
}

Image fishTexture() {
    using namespace fishBands;
    Image image(256);
    image.paint([](float u, float v) {
        if (inside(skin, v)) return fishBodyColour(u, within(skin, v));
        if (inside(fins, v)) return finColour(u, within(fins, v));
        if (inside(lips, v)) return hex(0xFF6F8E);
        return eyeColour(within(eyes, v), hex(0x2F7BD8));
    });
    return image;
}

Image splashTexture() {
    using namespace splashBands;
    Image image(256);
    image.paint([](float u, float v) {
        if (inside(crown, v)) return crownColour(u, within(crown, v));
        return rippleColour(u, within(ripple, v));
    });
    return image;
}
