#include "panel_art.h"

#include <cmath>
#include <string>

#include "art_tools.h"
#include "geometry3.h"
#include "glyph_font.h"
#include "srm_writer.h"

namespace {

constexpr Colour clear{0, 0, 0, 0};

// Rectangles of the kont and kontnie atlases (t up).
constexpr AtlasRect plateTexture{0.30f, 0.05f, 0.70f, 0.45f};
constexpr AtlasRect bucketLampTexture{0.30f, 0.72f, 0.55f, 0.97f};
constexpr AtlasRect speedLampTexture{0.60f, 0.72f, 0.85f, 0.97f};
constexpr float plateCorner = 0.1f;  // of the texture, kept unstretched on screen
// The clock face's corner of the zegar atlas, clear of the digit cells.
constexpr AtlasRect clockFaceTexture{0.72f, 0.03f, 0.98f, 0.30f};

// Screen placement of the parts (menu units).
constexpr float bucketLampX = 63.4f, bucketLampSize = 4.2f, bucketLampStep = 4.25f;
constexpr float compassX = 6.6f, compassY = 6.6f, compassRadius = 5.6f;

struct PixelRect {
    float x0, y0, x1, y1;
    float cx() const { return (x0 + x1) / 2; }
    float cy() const { return (y0 + y1) / 2; }
    float w() const { return x1 - x0; }
    float h() const { return y1 - y0; }
};

// The pixels of a t-up rectangle in a picture painted the right way up (flipped on saving).
PixelRect upright(const Image& image, AtlasRect r) {
    auto side = static_cast<float>(image.side());
    return {r.s0 * side, (1 - r.t1) * side, r.s1 * side, (1 - r.t0) * side};
}

std::function<bool(float, float)> roundedRect(PixelRect r, float radius) {
    return [=](float x, float y) {
        float dx = std::max({r.x0 + radius - x, 0.0f, x - (r.x1 - radius)});
        float dy = std::max({r.y0 + radius - y, 0.0f, y - (r.y1 - radius)});
        return x >= r.x0 && x <= r.x1 && y >= r.y0 && y <= r.y1 &&
               dx * dx + dy * dy <= radius * radius;
    };
}

PixelRect inset(PixelRect r, float by) {
    return {r.x0 + by, r.y0 + by, r.x1 - by, r.y1 - by};
}

// A honey drop: round below, pointed on top.
std::function<bool(float, float)> dropShape(PixelRect r, float grow) {
    const float radius = r.w() * 0.36f + grow;
    const float cx = r.cx(), cy = r.y1 - r.w() * 0.06f - r.w() * 0.36f;
    const float tip = r.h() * 0.86f - r.w() * 0.36f + grow;
    return [=](float x, float y) {
        float dx = x - cx, dy = y - cy;
        if (dy >= 0) return dx * dx + dy * dy <= radius * radius;
        float u = -dy / tip;
        return u <= 1 && std::fabs(dx) <= radius * std::pow(1 - u, 0.85f) * std::sqrt(1 + u * 0.6f);
    };
}

void bucketLamp(Image& image, bool lit) {
    PixelRect r = upright(image, bucketLampTexture);
    Colour edge = lit ? hex(0x6d3c00) : hex(0x5d4037, 0.85f);
    fillRegion(image, r.x0, r.y0, r.x1, r.y1, dropShape(r, 5), [&](float, float) { return edge; });
    fillRegion(image, r.x0, r.y0, r.x1, r.y1, dropShape(r, 0), [&](float, float y) {
        float v = (y - r.y0) / r.h();
        return lit ? mix(hex(0xffee58), hex(0xff8f00), v) : hex(0xeceff1, 0.35f);
    });
    if (!lit) return;
    // A shine and a smile: a full bucket is a happy one.
    const float k = r.w() / 128;
    image.ellipse(r.cx() - 18 * k, r.cy() + 2 * k, 8 * k, 14 * k, {1, 1, 1, 0.7f}, 2);
    image.ellipse(r.cx() - 12 * k, r.cy() + 22 * k, 5 * k, 6 * k, hex(0x4e2600), 1.2f);
    image.ellipse(r.cx() + 14 * k, r.cy() + 22 * k, 5 * k, 6 * k, hex(0x4e2600), 1.2f);
    for (int i = 0; i < 12; ++i) {
        float a0 = pi * (0.2f + 0.6f * static_cast<float>(i) / 12);
        float a1 = pi * (0.2f + 0.6f * static_cast<float>(i + 1) / 12);
        float cx = r.cx() + 1 * k, cy = r.cy() + 30 * k, rr = 15 * k;
        image.line(cx + rr * std::cos(a0), cy + rr * std::sin(a0), cx + rr * std::cos(a1),
                   cy + rr * std::sin(a1), 4 * k, hex(0x4e2600));
    }
}

void speedLamp(Image& image, bool lit) {
    PixelRect r = upright(image, speedLampTexture);
    auto arrow = [&](float grow) {
        return std::vector<Point2>{{r.x0 + 16 - grow, r.y0 + 14 - grow * 1.6f},
                                   {r.x1 - 12 + grow * 1.3f, r.cy()},
                                   {r.x0 + 16 - grow, r.y1 - 14 + grow * 1.6f},
                                   {r.x0 + 40, r.cy()}};
    };
    Colour edge = lit ? hex(0x1b5e20) : hex(0x455a64, 0.85f);
    fillPolygon(image, arrow(6), [&](float, float) { return edge; });
    fillPolygon(image, arrow(0), [&](float, float y) {
        float v = (y - r.y0) / r.h();
        return lit ? mix(hex(0xccff90), hex(0x43a047), v) : hex(0xeceff1, 0.35f);
    });
}

void plate(Image& image) {
    PixelRect r = upright(image, plateTexture);
    float corner = plateCorner * static_cast<float>(image.side());
    fillRegion(image, r.x0, r.y0, r.x1, r.y1, roundedRect(inset(r, 2), corner - 2),
               [](float, float) { return hex(0xffb300, 0.9f); });
    fillRegion(image, r.x0, r.y0, r.x1, r.y1, roundedRect(inset(r, 9), corner - 9),
               [&](float, float y) {
                   return mix(hex(0xfffde7, 0.72f), hex(0xffecb3, 0.62f), (y - r.y0) / r.h());
               });
}

// The delivery bar: lit honey in kont, an empty glass tube in kontnie.
void bar(Image& image, bool lit) {
    PixelRect r = upright(image, panelFixed::barTexture);
    PixelRect tube = {r.x0 + 6, r.y0 - 1, r.x1 - 6, r.y1 - 3};
    float radius = tube.w() * 0.3f;
    if (!lit) {
        fillRegion(image, tube.x0 - 4, tube.y0, tube.x1 + 4, tube.y1 + 4,
                   roundedRect({tube.x0 - 4, tube.y0 - 8, tube.x1 + 4, tube.y1 + 4}, radius + 4),
                   [](float, float) { return hex(0x8d6e63, 0.95f); });
        fillRegion(image, tube.x0, tube.y0, tube.x1, tube.y1,
                   roundedRect({tube.x0, tube.y0 - 8, tube.x1, tube.y1}, radius),
                   [&](float x, float) {
                       float u = (x - tube.x0) / tube.w();
                       return mix(hex(0xffffff, 0.55f), hex(0xd7ccc8, 0.45f), u);
                   });
        for (int k = 1; k < 4; ++k) {  // quarter marks
            float y = tube.y1 - tube.h() * static_cast<float>(k) / 4;
            image.line(tube.x1 - 22, y, tube.x1 - 6, y, 3, hex(0x8d6e63, 0.9f));
        }
        return;
    }
    fillRegion(
        image, tube.x0, tube.y0 - 8, tube.x1, tube.y1,
        roundedRect({tube.x0, tube.y0 - 8, tube.x1, tube.y1}, radius), [&](float x, float y) {
            float u = (x - tube.x0) / tube.w(), v = (y - tube.y0) / tube.h();
            Colour c = mix(hex(0xffe082), hex(0xff8f00), clamp01(v));
            c = mix(c, hex(0xffffff), 0.55f * std::exp(-std::pow((u - 0.28f) / 0.09f, 2.0f)));
            return c * (0.8f + 0.2f * std::sin(u * pi));
        });
    // Bubbles in the honey.
    for (int k = 0; k < 7; ++k) {
        float fx = 0.3f + 0.45f * std::fmod(static_cast<float>(k) * 0.618f, 1.0f);
        float fy = 0.08f + 0.84f * static_cast<float>(k) / 7;
        image.ellipse(tube.x0 + tube.w() * fx, tube.y0 + tube.h() * fy, 4, 4, {1, 1, 0.9f, 0.6f},
                      1);
    }
}

Image lampAtlas(bool lit) {
    Image image(512, clear);
    bar(image, lit);
    bucketLamp(image, lit);
    speedLamp(image, lit);
    if (!lit) plate(image);
    bleedColours(image);
    return flipped(image);
}

void alarmClock(Image& image) {
    PixelRect r = upright(image, clockFaceTexture);
    const float cx = r.cx(), cy = r.cy() + r.h() * 0.06f, radius = r.w() * 0.36f;
    for (float side : {-1.0f, 1.0f}) {  // the bells
        image.ellipse(cx + side * radius * 0.72f, cy - radius * 0.88f, radius * 0.34f + 4,
                      radius * 0.28f + 4, hex(0x4e2600), 1);
        image.ellipse(cx + side * radius * 0.72f, cy - radius * 0.88f, radius * 0.34f,
                      radius * 0.28f, hex(0xffc107), 1);
    }
    image.ellipse(cx, cy, radius + 5, radius + 5, hex(0x4e2600), 1);
    image.ellipse(cx, cy, radius, radius, hex(0xe53935), 1);
    image.ellipse(cx, cy, radius * 0.78f, radius * 0.78f, hex(0xfffde7), 1);
    image.line(cx, cy, cx, cy - radius * 0.55f, 6, hex(0x1a237e));
    image.line(cx, cy, cx + radius * 0.4f, cy + radius * 0.1f, 6, hex(0x1a237e));
    image.ellipse(cx, cy, 5, 5, hex(0xe53935), 1);
}

Image clockAtlas() {
    Image image(512, clear);
    const float side = static_cast<float>(image.side());
    for (int glyph = 0; glyph <= 10; ++glyph) {
        PixelRect cell = upright(image, panelFixed::glyphCell(glyph));
        GlyphMask mask = renderGlyph(glyph == 10 ? U':' : static_cast<char32_t>(U'0' + glyph),
                                     side * 0.33f * 0.66f);
        paintGlyph(image, mask, cell.x0, cell.y0, cell.x1, cell.y1, hex(0xffe082), hex(0xff6d00),
                   hex(0x3e2000), side * 0.018f);
    }
    alarmClock(image);
    bleedColours(image);
    return flipped(image);
}

// The compass: a disc with a needle pointing up, towards a little hive.
Image compassPicture() {
    Image image(256, clear);
    const float c = 128, radius = 122;
    image.ellipse(c, c, radius, radius, hex(0x0d47a1), 1);
    image.ellipse(c, c, radius - 7, radius - 7, hex(0x42a5f5), 1);
    image.ellipse(c, c, radius - 20, radius - 20, hex(0xe3f2fd), 1);
    for (int k = 0; k < 8; ++k) {
        float a = 2 * pi * static_cast<float>(k) / 8;
        image.ellipse(c + (radius - 33) * std::cos(a), c + (radius - 33) * std::sin(a), 5, 5,
                      hex(0x90caf9), 1);
    }
    auto needle = [&](float grow) {
        return std::vector<Point2>{{c, 34 - grow * 1.8f},       {c + 30 + grow, 112},
                                   {c + 13 + grow, 112},        {c + 13 + grow, 200 + grow},
                                   {c - 13 - grow, 200 + grow}, {c - 13 - grow, 112},
                                   {c - 30 - grow, 112}};
    };
    fillPolygon(image, needle(5), [](float, float) { return hex(0x4e2600); });
    fillPolygon(image, needle(0), [&](float, float y) {
        return y < 112 ? mix(hex(0xff8a65), hex(0xe53935), (y - 34) / 78) : hex(0xffca28);
    });
    // A small striped hive at the tip: "home is this way".
    image.ellipse(c, 40, 22, 19, hex(0x4e2600), 1);
    image.ellipse(c, 40, 18, 15, hex(0xffb300), 1);
    for (float y : {33.0f, 41.0f, 49.0f}) image.line(c - 14, y, c + 14, y, 2.5f, hex(0xbf6c00));
    image.ellipse(c, 128, 12, 12, hex(0x4e2600), 1);
    image.ellipse(c, 128, 8, 8, hex(0xfff59d), 1);
    bleedColours(image);
    return flipped(image);
}

// A rounded plate from nine pieces, so that its corners keep their shape at any size.
void addPlate(LayoutElement& element, float x0, float y0, float x1, float y1) {
    const float corner = 2.2f;
    const float xs[] = {x0, x0 + corner, x1 - corner, x1};
    const float ys[] = {y0, y0 + corner, y1 - corner, y1};
    const AtlasRect& t = plateTexture;
    const float ss[] = {t.s0, t.s0 + plateCorner, t.s1 - plateCorner, t.s1};
    const float ts[] = {t.t0, t.t0 + plateCorner, t.t1 - plateCorner, t.t1};
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 3; ++i) {
            element.quads.push_back(
                layoutRect(xs[i], ys[j], xs[i + 1], ys[j + 1], ss[i], ts[j], ss[i + 1], ts[j + 1]));
        }
    }
}

LayoutElement single(float x0, float y0, float x1, float y1, AtlasRect t) {
    return {{layoutRect(x0, y0, x1, y1, t.s0, t.t0, t.s1, t.t1)}, LayoutMaterial::blended};
}

// The compass disc as a 16-sided fan of quads. Its texture coordinates are centred on 0:
// the panel moves them to the middle of komp and turns them there.
LayoutElement compassDisc() {
    LayoutElement element{{}, LayoutMaterial::blended};
    const int sides = 16;
    auto rim = [&](int k) {
        float a = 2 * pi * static_cast<float>(k) / sides;
        return LayoutCorner{compassX + compassRadius * std::cos(a),
                            compassY + compassRadius * std::sin(a), 0.5f * std::cos(a),
                            0.5f * std::sin(a)};
    };
    for (int k = 0; k < sides; k += 2) {
        element.quads.push_back({{{compassX, compassY, 0, 0}, rim(k), rim(k + 1), rim(k + 2)}});
    }
    return element;
}

}  // namespace

AtlasRect panelFixed::glyphCell(int glyph) {
    if (glyph == 10) return {0.5f, 0, 0.7f, 0.33f};
    if (glyph == 0) return {0.25f, 0, 0.5f, 0.33f};
    if (glyph == 9) return {0, 0, 0.25f, 0.33f};
    int column = (glyph - 1) % 4;
    float t0 = glyph <= 4 ? 0.66f : 0.33f;
    return {0.25f * static_cast<float>(column), t0, 0.25f * static_cast<float>(column + 1),
            t0 + (glyph <= 4 ? 0.34f : 0.33f)};
}

std::vector<LayoutElement> panelLayout() {
    using namespace panelFixed;
    std::vector<LayoutElement> elements(panelElement::count);
    LayoutElement& background = elements[panelElement::background];
    background.material = LayoutMaterial::blended;
    addPlate(background, 0.8f, 51.4f, 28.6f, 59.3f);  // the clock
    addPlate(background, 0.4f, 0.4f, 30.4f, 12.8f);   // the compass and speed lamps
    addPlate(background, 62.4f, 0.6f, 79.5f, 23.6f);  // the bucket, the bar, loads left
    // The empty tube the delivery bar fills.
    background.quads.push_back(layoutRect(barLeft, barBottom, barRight, barBottom + 100 * barRise,
                                          barTexture.s0, barTexture.t0, barTexture.s1,
                                          barTexture.t1));
    for (int k = 0; k < 5; ++k) {  // filled from the bottom up
        float y = 1.9f + bucketLampStep * static_cast<float>(k);
        elements[panelElement::firstBucketLamp + k] = single(
            bucketLampX, y, bucketLampX + bucketLampSize, y + bucketLampSize, bucketLampTexture);
    }
    float x = 13.4f;
    for (int k = 0; k < 3; ++k) {  // each lamp a little bigger: faster and faster
        float size = 4.4f + 1.1f * static_cast<float>(k);
        elements[panelElement::firstSpeedLamp + k] =
            single(x, 6.6f - size / 2, x + size, 6.6f + size / 2, speedLampTexture);
        x += size + 0.5f;
    }
    elements[panelElement::compass] = compassDisc();
    elements[panelElement::clockFace] = single(22.6f, 52.4f, 27.8f, 57.8f, clockFaceTexture);
    return elements;
}

void addPanel(DataFiles& files) {
    files["PUL\\DATA\\kontrolx.mex"] = encodeLayout(panelLayout());
    files["PUL\\BMP_0\\kontnie.srm"] = encodeTexture(lampAtlas(false), true);
    files["PUL\\BMP_0\\kont.srm"] = encodeTexture(lampAtlas(true), true);
    files["PUL\\BMP_0\\zegar.srm"] = encodeTexture(clockAtlas(), true);
    files["PUL\\BMP_0\\komp.srm"] = encodeTexture(compassPicture(), true);
}
