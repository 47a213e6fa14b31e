#include "collectible_textures.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "art_tools.h"
#include "geometry3.h"
#include "random.h"

namespace {

constexpr Colour clear{0, 0, 0, 0};

// A rectangle of the atlas in pixels.
struct PixelRect {
    float x0, y0, x1, y1;
    float cx() const { return (x0 + x1) / 2; }
    float cy() const { return (y0 + y1) / 2; }
    float w() const { return x1 - x0; }
    float h() const { return y1 - y0; }
};

PixelRect pixels(const Image& image, AtlasRect r) {
    auto side = static_cast<float>(image.side());
    return {r.s0 * side, r.t0 * side, r.s1 * side, r.t1 * side};
}

struct BlossomStyle {
    int petals;
    float length, width;  // of a petal, as fractions of the blossom's radius
    Colour inner, outer, outline;
    Colour centre, centreDark;
    float centreRadius;  // fraction of the blossom's radius
    bool doubleRing;
};

// A cartoon blossom seen from the front: outlined petals around a dotted centre.
void blossom(Image& image, AtlasRect where, const BlossomStyle& style) {
    PixelRect r = pixels(image, where);
    const float radius = r.w() * 0.46f;
    auto ring = [&](float scale, float turn, float darken) {
        for (int k = 0; k < style.petals; ++k) {
            float a = turn + 2 * pi * static_cast<float>(k) / static_cast<float>(style.petals);
            float rx = radius * style.length * scale / 2, ry = radius * style.width * scale / 2;
            float d = radius * scale - rx;
            float px = r.cx() + d * std::cos(a), py = r.cy() + d * std::sin(a);
            fillTurnedEllipse(image, px, py, rx + 2.2f, ry + 2.2f, a,
                              [&](float, float) { return style.outline; });
            fillTurnedEllipse(image, px, py, rx, ry, a, [&](float along, float across) {
                Colour c = mix(style.inner, style.outer, clamp01((along + 1) / 2));
                // A soft crease down the middle of each petal.
                float crease = 1 - 0.12f * std::exp(-across * across * 30);
                return c * (crease * darken);
            });
        }
    };
    if (style.doubleRing) ring(1, pi / static_cast<float>(style.petals), 0.85f);
    ring(style.doubleRing ? 0.78f : 1, 0, 1);
    const float cr = radius * style.centreRadius;
    image.ellipse(r.cx(), r.cy(), cr + 2, cr + 2, style.outline, 1);
    image.ellipse(r.cx(), r.cy(), cr, cr, style.centre, 1);
    Random random(static_cast<uint64_t>(style.petals * 977 + static_cast<int>(cr)));
    for (int k = 0; k < 26; ++k) {
        float a = random.range(0, 2 * pi), d = std::sqrt(random.unit()) * cr * 0.8f;
        image.ellipse(r.cx() + d * std::cos(a), r.cy() + d * std::sin(a), cr * 0.09f, cr * 0.09f,
                      style.centreDark, 0.8f);
    }
    // A shine on the centre makes it look round.
    image.ellipse(r.cx() - cr * 0.3f, r.cy() - cr * 0.35f, cr * 0.3f, cr * 0.22f, {1, 1, 1, 0.55f},
                  1.5f);
}

// A leaf pointing up, its stalk end at the bottom of the rectangle.
void leafShape(Image& image, AtlasRect where, Colour light, Colour dark, Colour outline) {
    PixelRect r = pixels(image, where);
    const float top = r.y0 + r.h() * 0.06f, bottom = r.y1 - r.h() * 0.06f;
    const float halfWidth = r.w() * 0.3f;
    auto shape = [&](float grow) {
        return [=](float x, float y) {
            float v = (bottom - y) / (bottom - top);
            if (v < -0.02f || v > 1.02f) return false;
            float w = halfWidth *
                      std::pow(std::max(0.0f, std::sin(pi * std::clamp(v, 0.0f, 1.0f))), 0.75f);
            return std::fabs(x - r.cx()) <= w + grow;
        };
    };
    fillRegion(image, r.x0, r.y0, r.x1, r.y1, shape(2.5f), [&](float, float) { return outline; });
    fillRegion(image, r.x0, r.y0, r.x1, r.y1, shape(0), [&](float x, float y) {
        float v = (bottom - y) / (bottom - top);
        float across = std::fabs(x - r.cx()) / halfWidth;
        Colour c = mix(light, dark, clamp01(across * 0.9f + v * 0.2f));
        // The midrib and a few side veins, lighter than the blade.
        float vein = std::exp(-std::pow((x - r.cx()) / 1.6f, 2.0f));
        float side =
            std::fabs(std::fmod(v * 7 + across * 2.2f, 1.0f) - 0.5f) < 0.05f && across < 0.8f;
        return mix(c, mix(light, {1, 1, 0.8f, 1}, 0.4f), std::max(vein, side * 0.5f));
    });
}

void stalkShape(Image& image, Colour light, Colour dark) {
    PixelRect r = pixels(image, atlas::stalk);
    r = {r.x0 - 4, r.y0 - 4, r.x1 + 4, r.y1 + 4};  // a margin for filtering
    fillRegion(
        image, r.x0, r.y0, r.x1, r.y1, [](float, float) { return true; },
        [&](float x, float) {
            float u = (x - r.x0) / r.w();
            return mix(dark, light, 0.5f + 0.5f * std::sin(u * 2 * pi));
        });
}

Image flowerTexture(const BlossomStyle& a, const BlossomStyle& b, Colour leafLight,
                    Colour leafDark) {
    Image image(256, clear);
    blossom(image, atlas::blossomA, a);
    blossom(image, atlas::blossomB, b);
    leafShape(image, atlas::leaf, leafLight, leafDark, hex(0x1b5e20));
    stalkShape(image, leafLight, leafDark);
    return image;
}

// Leaves on thin stems fanning out of the ground at the bottom middle of the picture.
void tuft(Image& image, uint32_t seed, int leaves, float leafLength, float leafWidth, Colour light,
          Colour dark, bool roundLeaves) {
    const auto side = static_cast<float>(image.side());
    const Point2 root{side / 2, side - 4};
    Random random(seed);
    for (int k = 0; k < leaves; ++k) {
        float lean = random.range(-1.1f, 1.1f);
        float reach = side * random.range(0.45f, 0.85f) * leafLength;
        Point2 tip{root.x + std::sin(lean) * reach, root.y - std::cos(lean) * reach};
        float shade = random.range(0, 1);
        Colour c = mix(dark, light, shade);
        image.line(root.x, root.y, tip.x, tip.y, 2.5f, mix(dark, c, 0.5f));
        float angle = std::atan2(tip.y - root.y, tip.x - root.x);
        float rx = side * (roundLeaves ? 0.09f : 0.17f) * leafLength;
        float ry = rx * (roundLeaves ? 0.85f : leafWidth);
        Point2 centre{tip.x - std::cos(angle) * rx * 0.6f, tip.y - std::sin(angle) * rx * 0.6f};
        fillTurnedEllipse(image, centre.x, centre.y, rx + 2, ry + 2, angle,
                          [&](float, float) { return dark * 0.6f; });
        fillTurnedEllipse(image, centre.x, centre.y, rx, ry, angle, [&](float along, float across) {
            Colour leafColour = mix(c, light, clamp01(0.5f - across * 0.5f));
            float rib = std::exp(-across * across * 60) * clamp01(1 - along);
            return mix(leafColour, light * 1.15f, rib * 0.6f);
        });
    }
}

Image plantKepa() {
    Image image(256, clear);
    tuft(image, 11, 26, 0.9f, 0.8f, hex(0x9ccc65), hex(0x33691e), true);
    // A few pink clover heads on top.
    Random random(12);
    for (int k = 0; k < 5; ++k) {
        float x = random.range(70, 186), y = random.range(40, 110);
        image.ellipse(x, y, 11, 11, hex(0x880e4f), 1);
        image.ellipse(x, y, 9, 9, hex(0xf48fb1), 1);
        for (int d = 0; d < 6; ++d) {
            float a = static_cast<float>(d);
            image.ellipse(x + 4.5f * std::cos(a), y + 4.5f * std::sin(a), 2.5f, 2.5f, hex(0xfce4ec),
                          0.8f);
        }
    }
    return image;
}

Image plantKepa1() {
    Image image(256, clear);
    tuft(image, 21, 18, 1.05f, 0.32f, hex(0xc5e1a5), hex(0x2e7d32), false);
    // Little white star flowers among the leaves.
    Random random(22);
    for (int k = 0; k < 9; ++k) {
        float x = random.range(40, 216), y = random.range(50, 150);
        for (int p = 0; p < 5; ++p) {
            float a = 2 * pi * static_cast<float>(p) / 5;
            image.ellipse(x + 4 * std::cos(a), y + 4 * std::sin(a), 3.6f, 3.6f, hex(0xffffff),
                          0.8f);
        }
        image.ellipse(x, y, 2.4f, 2.4f, hex(0xffd54f), 0.8f);
    }
    return image;
}

Image plantGrass() {
    Image image(256, clear);
    Random random(31);
    for (int k = 0; k < 48; ++k) {
        float x = random.range(20, 236), lean = random.range(-0.5f, 0.5f);
        // Tallest in the middle: a tuft, not a hedge.
        float middle = 1 - std::pow((x - 128) / 118, 2.0f);
        float height = random.range(60, 130) + 115 * middle * random.unit(),
              width = random.range(5, 9);
        Colour c = mix(hex(0x2e7d32), hex(0xaed581), random.unit());
        std::vector<Point2> blade;
        const int steps = 8;
        for (int i = 0; i <= steps; ++i) {  // up one side
            float v = static_cast<float>(i) / steps;
            blade.push_back({x - width / 2 * (1 - v) + lean * height * v * v, 252 - height * v});
        }
        for (int i = steps - 1; i >= 0; --i) {  // and down the other
            float v = static_cast<float>(i) / steps;
            blade.push_back({x + width / 2 * (1 - v) + lean * height * v * v, 252 - height * v});
        }
        fillPolygon(image, blade, [&](float, float y) {
            return mix(c * 0.7f, c * 1.1f, clamp01((252 - y) / height));
        });
    }
    return image;
}

// The nectar glow: s runs from the rim (0 and 1) to the middle (0.5), t repeats so the
// glow can slide along it for ever.
Image nectarGlow() {
    Image image(128, clear);
    image.paint([](float u, float v) {
        float r = std::fabs(u - 0.5f) * 2;  // 0 in the middle, 1 at the rim
        float ripple = 0.5f + 0.5f * std::sin(2 * pi * (v * 3 + r * 0.6f));
        float core = std::pow(clamp01(1 - r), 1.2f);
        float alpha = clamp01(core * (0.75f + 0.35f * ripple) + 0.25f * core * core);
        Colour c = mix(hex(0xff8f00), hex(0xffe54c), clamp01(core * 1.3f + ripple * 0.2f));
        c = mix(c, hex(0xfffde0), std::pow(core, 5.0f));
        c.a = alpha * smoothstep(1.0f, 0.8f, r);
        return c;
    });
    // Sparkles riding up with the glow.
    Random random(41);
    for (int k = 0; k < 14; ++k) {
        float x = random.range(20, 108), y = random.range(0, 128);
        image.ellipse(x, y, 2.2f, 2.2f, {1, 1, 1, 0.95f}, 1);
        image.ellipse(x, y, 5, 1.2f, {1, 1, 0.8f, 0.7f}, 1);
        image.ellipse(x, y, 1.2f, 5, {1, 1, 0.9f, 0.7f}, 1);
    }
    return image;
}

void token(Image& image, AtlasRect where, Colour ring, Colour face) {
    PixelRect r = pixels(image, where);
    const float radius = r.w() / 2;
    image.ellipse(r.cx(), r.cy(), radius, radius, ring * 0.7f, 1);  // spills into the rim
    image.ellipse(r.cx(), r.cy(), radius * 0.9f, radius * 0.9f, ring, 1);
    image.ellipse(r.cx(), r.cy(), radius * 0.74f, radius * 0.74f, face, 1);
    image.ellipse(r.cx() - radius * 0.3f, r.cy() - radius * 0.45f, radius * 0.35f, radius * 0.14f,
                  {1, 1, 1, 0.35f}, 2);
}

Image iconAtlas() {
    Image image(256, {1, 1, 1, 1});
    // The clock: white face, blue ticks, hands at ten past ten.
    token(image, atlas::clockFace, hex(0xe53935), hex(0xfffde7));
    PixelRect c = pixels(image, atlas::clockFace);
    const float fr = c.w() * 0.37f;
    for (int k = 0; k < 12; ++k) {
        float a = 2 * pi * static_cast<float>(k) / 12;
        float size = k % 3 == 0 ? 5.5f : 3.5f;
        image.ellipse(c.cx() + fr * 0.82f * std::cos(a), c.cy() + fr * 0.82f * std::sin(a), size,
                      size, hex(0x1e88e5), 1);
    }
    auto hand = [&](float clockAngle, float length, float width) {
        float a = clockAngle - pi / 2;
        image.line(c.cx(), c.cy(), c.cx() + length * std::cos(a), c.cy() + length * std::sin(a),
                   width, hex(0x0d47a1));
    };
    hand(2 * pi * 10 / 12, fr * 0.5f, 8);
    hand(2 * pi * 2 / 12, fr * 0.7f, 6);
    image.ellipse(c.cx(), c.cy(), 6, 6, hex(0xe53935), 1);
    // The speed icon: a yellow lightning bolt on a sky-blue face.
    token(image, atlas::speedFace, hex(0xff9800), hex(0x29b6f6));
    PixelRect s = pixels(image, atlas::speedFace);
    auto bolt = [&](float grow) {
        const float k = s.w() / 128;
        std::vector<Point2> points = {{74, 18}, {42, 70}, {62, 70}, {50, 110},
                                      {88, 54}, {67, 54}, {80, 18}};
        for (Point2& p : points) {
            p = {s.x0 + (p.x + (p.x - 64) * grow) * k, s.y0 + (p.y + (p.y - 64) * grow) * k};
        }
        return points;
    };
    fillPolygon(image, bolt(0.12f), [](float, float) { return hex(0xbf360c); });
    fillPolygon(image, bolt(0), [&](float, float y) {
        return mix(hex(0xfff176), hex(0xffc107), clamp01((y - s.y0) / s.h()));
    });
    // The token's rim: gold with milled ridges.
    PixelRect rim = pixels(image, atlas::tokenRim);
    fillRegion(
        image, rim.x0, rim.y0, rim.x1 - 0.01f, rim.y1 - 0.01f, [](float, float) { return true; },
        [&](float x, float) {
            float ridge = 0.5f + 0.5f * std::cos((x - rim.x0) / rim.w() * 2 * pi * 16);
            return mix(hex(0xffb300), hex(0xffecb3), ridge * 0.6f);
        });
    // The marker: a glossy honey ball over a pink and white striped cone.
    PixelRect ball = pixels(image, atlas::markerBall);
    fillRegion(
        image, ball.x0, ball.y0, ball.x1 - 0.01f, ball.y1 - 0.01f,
        [](float, float) { return true; },
        [&](float, float y) {
            return mix(hex(0xfff59d), hex(0xffa000), clamp01((y - ball.y0) / ball.h()));
        });
    PixelRect cone = pixels(image, atlas::markerCone);
    fillRegion(
        image, cone.x0, cone.y0, cone.x1 - 0.01f, cone.y1 - 0.01f,
        [](float, float) { return true; },
        [&](float x, float y) {
            float u = (x - cone.x0) / cone.w(), v = (y - cone.y0) / cone.h();
            bool stripe = std::fmod(u * 6 + v * 1.5f, 1.0f) < 0.5f;
            return stripe ? hex(0xff4081) : hex(0xfff0f5);
        });
    return image;
}

}  // namespace

CollectiblePicture paintCollectible(std::string_view name) {
    const Colour leafLight = hex(0x8bc34a), leafDark = hex(0x2e7d32);
    if (name == "kwiat1") {  // pink daisies and magenta cosmos
        BlossomStyle a{9,
                       0.8f,
                       0.42f,
                       hex(0xffc1e3),
                       hex(0xff4fa3),
                       hex(0xad1457),
                       hex(0xffeb3b),
                       hex(0xf57f17),
                       0.3f,
                       false};
        BlossomStyle b{6,
                       0.85f,
                       0.62f,
                       hex(0xff80ab),
                       hex(0xd81b60),
                       hex(0x880e4f),
                       hex(0xffca28),
                       hex(0xe65100),
                       0.28f,
                       true};
        Image image = flowerTexture(a, b, leafLight, leafDark);
        bleedColours(image);
        return {image, true};
    }
    if (name == "kwiat2") {  // sunflowers and marigolds
        BlossomStyle a{14,
                       0.62f,
                       0.3f,
                       hex(0xffee58),
                       hex(0xffc107),
                       hex(0xe65100),
                       hex(0x8d6e63),
                       hex(0x4e342e),
                       0.38f,
                       false};
        BlossomStyle b{10,
                       0.7f,
                       0.5f,
                       hex(0xffcc80),
                       hex(0xff6d00),
                       hex(0xbf360c),
                       hex(0xffee58),
                       hex(0xff8f00),
                       0.26f,
                       true};
        Image image = flowerTexture(a, b, leafLight, leafDark);
        bleedColours(image);
        return {image, true};
    }
    if (name == "kwiat3") {  // blue stars and violet bells
        BlossomStyle a{5,
                       0.95f,
                       0.75f,
                       hex(0xb3e5fc),
                       hex(0x1e88e5),
                       hex(0x0d47a1),
                       hex(0xffffff),
                       hex(0xffc107),
                       0.32f,
                       false};
        BlossomStyle b{8,
                       0.85f,
                       0.45f,
                       hex(0xe1bee7),
                       hex(0x8e24aa),
                       hex(0x4a148c),
                       hex(0xfff176),
                       hex(0xf9a825),
                       0.28f,
                       true};
        Image image = flowerTexture(a, b, leafLight, leafDark);
        bleedColours(image);
        return {image, true};
    }
    Image image(32);
    if (name == "kepa")
        image = plantKepa();
    else if (name == "kepa1")
        image = plantKepa1();
    else if (name == "trawa1")
        image = plantGrass();
    else if (name == "sp")
        return {nectarGlow(), true};
    else if (name == "ikonki")
        return {iconAtlas(), false};
    else
        throw std::invalid_argument("no picture for " + std::string(name));
    bleedColours(image);
    return {image, true};
}
