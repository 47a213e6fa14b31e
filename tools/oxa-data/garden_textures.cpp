#include "garden_textures.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "painters.h"
#include "random.h"

namespace {

using Painter = std::function<TexturePicture()>;

TexturePicture opaque(Image image) {
    return {std::move(image), false};
}
TexturePicture cutout(Image image) {
    return {std::move(image), true};
}

// Lets a painting lambda work in polar coordinates around the image centre.
float polarRadius(float u, float v) {
    return std::hypot(u - 0.5f, v - 0.5f) * 2;
}
float polarAngle(float u, float v) {
    return std::atan2(v - 0.5f, u - 0.5f);
}

const Colour flowerColours[] = {hex(0xffffff), hex(0xff7fbf), hex(0xffe14a), hex(0x8fb8ff),
                                hex(0xff6a4a)};

TexturePicture meadow(uint32_t seed, Colour dark, Colour light, int flowerCount) {
    Image image(256);
    noiseFill(image, dark, light, 4, 5, seed, 0.9f);
    grassStrokes(image, 1400, dark * 0.8f, light * 1.1f, seed + 1);
    flowers(image, flowerCount, flowerColours, 5, seed + 2);
    return opaque(std::move(image));
}

TexturePicture clover() {
    Image image(128);
    noiseFill(image, hex(0x2f9a3a), hex(0x5cc64a), 4, 4, 41);
    Random rng(42);
    for (int i = 0; i < 90; ++i) {
        float x = rng.range(0, 128), y = rng.range(0, 128), r = rng.range(1.5f, 2.6f);
        Colour leaf = hex(rng.unit() < 0.5f ? 0x7ad65a : 0x46b048);
        for (int k = 0; k < 3; ++k) {
            float a = 2 * pi * static_cast<float>(k) / 3 + rng.unit();
            image.ellipse(x + std::cos(a) * r, y + std::sin(a) * r, r, r, leaf, 0.6f);
        }
    }
    Colour white[] = {hex(0xffffff), hex(0xffd0ec)};
    flowers(image, 12, white, 2, 43);
    return opaque(std::move(image));
}

TexturePicture sand() {
    Image image(128);
    noiseFill(image, hex(0xe9c983), hex(0xfff0bd), 4, 4, 51);
    image.layer([](float u, float v, Colour under) {
        float ripple = std::sin((v * 6 + tiledNoise(u * 4, v * 4, 4, 52) * 0.8f) * 2 * pi);
        return under * (1 + 0.05f * ripple);
    });
    spots(image, 400, 0.4f, 0.8f, hex(0xb8955a, 0.6f), 53);
    spots(image, 14, 1.5f, 3.0f, hex(0xd8d2c8), 54);
    return opaque(std::move(image));
}

TexturePicture path() {
    Image image(128);
    noiseFill(image, hex(0xc4935a), hex(0xe8c088), 4, 4, 61);
    spots(image, 60, 1.5f, 3.5f, hex(0xd9cbb4), 62);
    spots(image, 30, 1.0f, 2.5f, hex(0xa88260), 63);
    image.layer([](float u, float v, Colour under) {
        // Soft, wavy grass edges along both sides of the path.
        float wave = tiledFbm(v * 8, 0.5f, 8, 3, 64) * 0.12f;
        float edge = std::fabs(u - 0.5f) * 2 + wave;
        under.a = smoothstep(0.98f, 0.88f, edge);
        return mix(under, under * 0.8f, smoothstep(0.7f, 0.9f, edge));
    });
    return cutout(std::move(image));
}

TexturePicture lilyPad() {
    Image image(128, {0, 0, 0, 0});
    image.paint([](float u, float v) {
        float r = polarRadius(u, v), a = polarAngle(u, v);
        bool notch = a > 0.15f && a < 0.55f;
        if (r > 0.92f || notch || r < 0.001f) return Colour{0.3f, 0.6f, 0.3f, 0};
        float vein = std::fabs(std::sin(a * 5));
        Colour c = mix(hex(0x3aa64a), hex(0x6fd468), r);
        c = mix(c, hex(0x2a8a3a), smoothstep(0.06f, 0.0f, vein) * 0.5f);
        // Water lily flower in the middle: eight pink petals around a golden heart.
        float petal = 0.34f * (0.55f + 0.45f * std::fabs(std::cos(a * 4)));
        if (r < petal) c = mix(hex(0xffffff), hex(0xff7fb6), r / petal);
        if (r < 0.1f) c = hex(0xffd21f);
        return c;
    });
    return cutout(std::move(image));
}

TexturePicture picketFence() {
    Image image(128, {0, 0, 0, 0});
    const uint32_t colours[] = {0xfff6e6, 0xffd1e0, 0xcfe8ff, 0xfff0a8};
    for (float railY : {50.0f, 100.0f}) image.rect(0, railY, 128, railY + 9, hex(0xf2e2c8));
    for (int k = 0; k < 4; ++k) {
        float x0 = static_cast<float>(k) * 32 + 6, x1 = x0 + 20;
        Colour c = hex(colours[k]);
        image.rect(x0, 22, x1, 126, c);
        for (int y = 8; y < 23; ++y) {  // pointed top
            float half = 10 * static_cast<float>(y - 8) / 15;
            image.rect(x0 + 10 - half, static_cast<float>(y), x0 + 10 + half,
                       static_cast<float>(y + 1), c, 0.5f);
        }
        image.rect(x1 - 4, 22, x1, 126, c * 0.85f);  // a shaded edge gives it thickness
    }
    return cutout(std::move(image));
}

TexturePicture rusticFence() {
    Image image(128, {0, 0, 0, 0});
    Colour wood = hex(0xa8703c), dark = hex(0x7a4e28);
    image.line(0, 40, 128, 40, 12, wood);
    image.line(0, 96, 128, 96, 12, wood);
    image.line(8, 124, 120, 30, 9, dark);
    image.line(8, 30, 120, 124, 9, wood);
    image.rect(0, 10, 12, 128, dark);
    image.rect(116, 10, 128, 128, dark);
    image.layer([](float u, float v, Colour under) {
        return under * (0.9f + 0.2f * tiledNoise(u * 32, v * 4, 32, 71));
    });
    return cutout(std::move(image));
}

TexturePicture posts() {
    Image image(64);
    planks(image, 0, 1, 3, hex(0xb27a44), hex(0x7a4e28), 81, false);
    image.rect(0, 0, 64, 10, hex(0xff5a5a));
    image.rect(0, 10, 64, 16, hex(0xffffff));
    return opaque(std::move(image));
}

TexturePicture gate() {
    Image image(128, {0, 0, 0, 0});
    Image door(128);
    planks(door, 0, 1, 6, hex(0x3cc0c8), hex(0x1f8a94), 91, false);
    const float top = 96;  // the door band is rows 0..96
    for (int y = 0; y < static_cast<int>(top); ++y) {
        for (int x = 0; x < 128; ++x) {
            float u = (static_cast<float>(x) + 0.5f) / 128,
                  v = (static_cast<float>(y) + 0.5f) / top;
            float archY =
                0.32f - 0.32f * std::sqrt(std::max(0.0f, 1 - (u - 0.5f) * (u - 0.5f) * 4));
            if (v < archY + 0.02f) continue;
            // A heart-shaped window.
            float hx = (u - 0.5f) * 5, hy = (0.45f - v) * 5;
            float heart = std::pow(hx * hx + hy * hy - 1, 3) - hx * hx * hy * hy * hy;
            if (heart < 0) continue;
            image.at(x, y) = door.at(x, y * 128 / 96);
        }
    }
    image.rect(0, 30, 128, 36, hex(0xffd84a));
    image.rect(0, 70, 128, 76, hex(0xffd84a));
    planks(image, 0.75f, 1, 2, hex(0xa8703c), hex(0x6e4420), 92, false);
    return cutout(std::move(image));
}

TexturePicture stone() {
    Image image(128);
    noiseFill(image, hex(0x8f9299), hex(0xd2cec6), 4, 5, 101, 1.2f);
    spots(image, 160, 0.5f, 1.2f, hex(0xf0ece4, 0.6f), 102);
    spots(image, 12, 3, 7, hex(0x7fb060, 0.45f), 103);  // a little moss
    return opaque(std::move(image));
}

TexturePicture logs(Colour barkBase, Colour furrow, Colour wood, uint32_t seed) {
    Image image(128);
    bark(image, 0, 0.5f, barkBase, furrow, seed);
    image.layer([wood](float u, float v, Colour under) {
        if (v < 0.5f) return under;
        float r = polarRadius(u, (v - 0.5f) * 2);
        float rings = 0.5f + 0.5f * std::sin(r * 30);
        return mix(wood, wood * 0.8f, rings * 0.6f);
    });
    return opaque(std::move(image));
}

TexturePicture branch(Colour base, Colour furrow, uint32_t seed, bool moss) {
    Image image(128);
    bark(image, 0, 1, base, furrow, seed);
    if (moss) spots(image, 18, 3, 8, hex(0x6cbf4a, 0.7f), seed + 1);
    return opaque(std::move(image));
}

TexturePicture mushroom(Colour cap, Colour rim, Colour dots, int dotCount, uint32_t seed) {
    Image image(128);
    verticalGradient(image, 0, 0.6f, cap, rim);
    image.layer([](float u, float v, Colour under) {
        return v < 0.6f ? under * (0.92f + 0.16f * tiledNoise(u * 8, v * 8, 8, 111)) : under;
    });
    spots(image, dotCount, 3.5f, 6.5f, dots, seed, 0.05f, 0.5f);
    verticalGradient(image, 0.6f, 1, hex(0xf4e6cc), hex(0xfffaf0));
    stripes(image, 16, hex(0xe6d2b0, 0.5f), 1.5f, true);
    image.rect(0, 76, 128, 80, hex(0xd8c4a0));
    return opaque(std::move(image));
}

void leafLayer(Image& image, Colour dark, Colour light, uint32_t seed) {
    image.layer([&](float u, float v, Colour under) {
        if (v >= 0.75f) return under;
        float n = tiledFbm(u * 8, v * 8, 8, 4, seed);
        return mix(dark, light, smoothstep(0.3f, 0.7f, n));
    });
    Random rng(seed + 1);
    for (int i = 0; i < 260; ++i) {
        float x = rng.range(0, 128), y = rng.range(3, 93);
        Colour c = rng.unit() < 0.5f ? light * 1.15f : dark * 0.85f;
        c.a = 0.8f;
        image.ellipse(x, y, rng.range(2, 3.5f), rng.range(1.2f, 2), c, 0.7f);
    }
}

TexturePicture leafyTree(Colour dark, Colour light, uint32_t seed, bool apples) {
    Image image(128);
    leafLayer(image, dark, light, seed);
    if (apples) {
        Random rng(seed + 2);
        for (int i = 0; i < 22; ++i) {
            float x = rng.range(0, 128), y = rng.range(6, 90);
            image.ellipse(x, y, 4, 4, hex(0xe8302a));
            image.ellipse(x - 1.3f, y - 1.3f, 1.2f, 1.2f, hex(0xffb0a0));
        }
    }
    bark(image, 0.75f, 1, hex(0x8a5a34), hex(0x5a3a20), seed + 3);
    return opaque(std::move(image));
}

TexturePicture spruce() {
    Image image(128);
    verticalGradient(image, 0, 0.75f, hex(0x2f9a4a), hex(0x1f6e3a));
    Random rng(121);
    for (int i = 0; i < 500; ++i) {
        float x = rng.range(0, 128), y = rng.range(2, 94);
        Colour c = rng.unit() < 0.5f ? hex(0x4fc46a, 0.8f) : hex(0x175a2e, 0.8f);
        float dir = rng.unit() < 0.5f ? -1 : 1;
        image.line(x, y, x + dir * 3, y + 2.5f, 1.2f, c);
    }
    bark(image, 0.75f, 1, hex(0x7a4a2a), hex(0x4a2a18), 122);
    return opaque(std::move(image));
}

TexturePicture willow() {
    Image image(128, {0, 0, 0, 0});
    Random rng(131);
    for (int k = 0; k < 22; ++k) {
        float x = rng.range(0, 128), len = rng.range(60, 94);
        for (float y = 0; y < len; y += 3.5f) {
            float sway = std::sin(y * 0.08f + x) * 2;
            Colour c = mix(hex(0x8fd85a), hex(0x4fae3a), rng.unit());
            image.ellipse(x + sway - 2.5f, y + 1, 3, 1.6f, c, 0.6f);
            image.ellipse(x + sway + 2.5f, y + 2.5f, 3, 1.6f, c * 0.9f, 0.6f);
        }
    }
    bark(image, 0.75f, 1, hex(0x8a6a44), hex(0x5a4428), 132);
    image.layer([](float, float v, Colour under) {
        if (v >= 0.75f) under.a = 1;
        return under;
    });
    return cutout(std::move(image));
}

TexturePicture birch() {
    Image image(128);
    leafLayer(image, hex(0x6cc04a), hex(0xc8ec6a), 141);
    verticalGradient(image, 0.75f, 1, hex(0xf6f4ee), hex(0xe8e4da));
    Random rng(142);
    for (int i = 0; i < 40; ++i) {
        float x = rng.range(0, 128), y = rng.range(98, 126);
        image.rect(x, y, x + rng.range(4, 12), y + rng.range(1, 2.2f), hex(0x2a2a2a));
    }
    return opaque(std::move(image));
}

TexturePicture treeLine() {
    Image image(256, {0, 0, 0, 0});
    Random rng(151);
    const uint32_t greens[] = {0x3f9a46, 0x57b04a, 0x2e8a50, 0x6cbf4a, 0x3aa66a};
    for (int k = 0; k < 40; ++k) {
        float x = rng.range(0, 256), h = rng.range(110, 220), w = rng.range(24, 44);
        Colour c = hex(greens[rng.below(5)]);
        float cy = 256 - h + w;
        if (rng.unit() < 0.3f) {  // a pointed fir
            for (int y = static_cast<int>(256 - h); y < 256; ++y) {
                float half = w * 0.8f * static_cast<float>(y - (256 - h)) / h;
                image.rect(x - half, static_cast<float>(y), x + half, static_cast<float>(y + 1),
                           c * 0.85f, 0.5f);
            }
        } else {
            image.rect(x - 3, cy, x + 3, 256, hex(0x6e4a2a));
            image.ellipse(x, cy, w, w * 1.1f, c);
            image.ellipse(x - w * 0.3f, cy - w * 0.35f, w * 0.45f, w * 0.4f, c * 1.15f);
        }
    }
    image.layer([](float, float v, Colour under) {
        return Colour{under.r * (0.75f + 0.3f * (1 - v)), under.g * (0.75f + 0.3f * (1 - v)),
                      under.b * (0.8f + 0.3f * (1 - v)), under.a};
    });
    return cutout(std::move(image));
}

void windowAt(Image& image, float x, float y, float w, float h, Colour shutter) {
    image.rect(x - w * 0.45f, y, x - w * 0.05f, y + h, shutter);
    image.rect(x + w * 1.05f, y, x + w * 1.45f, y + h, shutter);
    image.rect(x - 2, y - 2, x + w + 2, y + h + 2, hex(0xffffff));
    image.rect(x, y, x + w, y + h, hex(0x7fc8ff));
    image.rect(x + w * 0.1f, y + h * 0.08f, x + w * 0.35f, y + h * 0.4f, hex(0xd8f2ff));
    image.rect(x + w / 2 - 1, y, x + w / 2 + 1, y + h, hex(0xffffff));
    image.rect(x, y + h / 2 - 1, x + w, y + h / 2 + 1, hex(0xffffff));
    image.rect(x - 3, y + h + 2, x + w + 3, y + h + 7, hex(0x9a5a2a));  // flower box
    spots(image, 5, 1.8f, 2.6f, hex(0xff4a6a), static_cast<uint32_t>(x * 7 + y),
          (y + h) / static_cast<float>(image.side()),
          (y + h + 4) / static_cast<float>(image.side()));
}

void roofTiles(Image& image, float top, float bottom, Colour base) {
    image.layer([&](float u, float v, Colour under) {
        if (v < top || v >= bottom) return under;
        float rows = 5, cols = 8;
        float rv = (v - top) / (bottom - top) * rows;
        float row = std::floor(rv);
        float cu = u * cols + (static_cast<int>(row) % 2 ? 0.5f : 0);
        float fu = cu - std::floor(cu) - 0.5f, fv = rv - row;
        float scallop = fv - (0.55f + 0.45f * std::sqrt(std::max(0.0f, 1 - 4 * fu * fu)));
        Colour c = base * (0.8f + 0.35f * fv);
        return scallop > 0 ? c * 0.7f : c;
    });
}

TexturePicture houses() {
    Image image(128);
    roofTiles(image, 0, 0.35f, hex(0xe8583a));
    verticalGradient(image, 0.35f, 1, hex(0xfffaf0), hex(0xfff1dc));
    windowAt(image, 44, 62, 40, 36, hex(0x3cb4a0));
    image.rect(0, 122, 128, 128, hex(0xd8c8b0));
    return opaque(std::move(image));
}

TexturePicture cottage() {
    Image image(128);
    roofTiles(image, 0, 0.35f, hex(0xc8843a));
    planks(image, 0.35f, 1, 6, hex(0xc8894c), hex(0x8a5a30), 161, true);
    windowAt(image, 44, 64, 40, 34, hex(0xe84a4a));
    return opaque(std::move(image));
}

TexturePicture bricks(Colour brick, Colour mortar) {
    Image image(128);
    image.paint([&](float u, float v) {
        float rows = 8;
        float rv = v * rows, row = std::floor(rv);
        float cu = u * 4 + (static_cast<int>(row) % 2 ? 0.5f : 0);
        float fu = cu - std::floor(cu), fv = rv - row;
        float tone = hashUnit(static_cast<int>(std::floor(cu)), static_cast<int>(row), 171);
        Colour c = brick * (0.85f + 0.25f * tone);
        bool joint = fu < 0.04f || fu > 0.96f || fv < 0.08f || fv > 0.92f;
        return joint ? mortar : c;
    });
    return opaque(std::move(image));
}

TexturePicture townWall() {
    Image image(128);
    noiseFill(image, hex(0xf2e6cc), hex(0xfff6e4), 4, 3, 181, 0.4f);
    image.rect(0, 0, 128, 8, hex(0xe8d8b8));
    image.rect(0, 120, 128, 128, hex(0xd4c4a4));
    windowAt(image, 46, 34, 36, 50, hex(0x4a9ad8));
    return opaque(std::move(image));
}

TexturePicture parapet() {
    Image image(128, {0, 0, 0, 0});
    Colour stoneC = hex(0xf4ecdc);
    image.rect(0, 64, 128, 128, stoneC);
    for (int k = 0; k < 4; ++k) {
        float x = static_cast<float>(k) * 32 + 16;
        image.ellipse(x, 64, 12, 30, stoneC);
        image.ellipse(x, 96, 6, 16, hex(0xd8c8a8));
    }
    image.rect(0, 118, 128, 124, hex(0xe0d0b0));
    return cutout(std::move(image));
}

TexturePicture balcony() {
    Image image(128, {0, 0, 0, 0});
    image.rect(0, 40, 128, 48, hex(0xffffff));
    image.rect(0, 118, 128, 128, hex(0xffffff));
    for (int k = 0; k < 8; ++k) {
        float x = static_cast<float>(k) * 16 + 8;
        image.ellipse(x, 82, 4, 36, hex(0xf6f0ff));
    }
    Random rng(191);
    for (int i = 0; i < 40; ++i) {
        float x = rng.range(0, 128), y = rng.range(14, 40);
        image.ellipse(x, y, 5, 5, hex(0x3aa64a));
        image.ellipse(x, y - 3, 3.5f, 3.5f, hex(rng.unit() < 0.5f ? 0xff3a5a : 0xff8ac8));
    }
    return cutout(std::move(image));
}

TexturePicture roofs() {
    Image image(128);
    roofTiles(image, 0, 1, hex(0xe0643a));
    return opaque(std::move(image));
}

TexturePicture window() {
    Image image(128);
    noiseFill(image, hex(0xf2e6cc), hex(0xfff6e4), 4, 3, 201, 0.4f);
    windowAt(image, 34, 18, 60, 84, hex(0x3cb46a));
    return opaque(std::move(image));
}

TexturePicture gnome() {
    Image image(128);
    verticalGradient(image, 0, 0.3f, hex(0xff3a30), hex(0xd82020));
    verticalGradient(image, 0.3f, 0.5f, hex(0xffd0b0), hex(0xffc09a));
    // Two eyes and rosy cheeks on the front of the head (s around 0.25 faces +z).
    for (float x : {26.0f, 38.0f}) image.ellipse(x, 48, 2.2f, 3, hex(0x2a2a3a));
    for (float x : {22.0f, 42.0f}) image.ellipse(x, 56, 3.5f, 2.2f, hex(0xff8a8a, 0.8f));
    image.ellipse(32, 56, 4, 3.5f, hex(0xffa890));
    verticalGradient(image, 0.5f, 0.65f, hex(0xffffff), hex(0xeeeeee));
    verticalGradient(image, 0.65f, 1, hex(0x3a6ae8), hex(0x2a4ab8));
    image.rect(0, 100, 128, 106, hex(0x4a2a1a));
    image.rect(28, 99, 36, 107, hex(0xffd21f));
    return opaque(std::move(image));
}

TexturePicture mountains() {
    Image image(256, {0, 0, 0, 0});
    image.paint([](float u, float v) {
        float ridge = 0.25f + 0.5f * tiledFbm(u * 5, 0.5f, 5, 5, 211);
        float height = 1 - v;  // 0 at the foot
        if (height > ridge) return Colour{0.7f, 0.75f, 0.9f, 0};
        float shade = tiledNoise(u * 40, v * 6, 40, 212);
        Colour c = mix(hex(0x9fb0e8), hex(0x6a7ac8), height / ridge);
        c = c * (0.9f + 0.15f * shade);
        // Snow caps only on the high peaks, deeper the higher the peak: a cap that started
        // at a fixed height would end in sharp white columns.
        float snow = 0.12f * smoothstep(0.45f, 0.72f, ridge);
        if (snow > 0.002f) {
            c = mix(c, hex(0xffffff), 0.9f * smoothstep(ridge - snow, ridge - snow * 0.6f, height));
        }
        c.a = 1;
        return c;
    });
    return cutout(std::move(image));
}

TexturePicture rainbow() {
    Image image(64);
    const uint32_t colours[] = {0xff4a4a, 0xff9a3a, 0xffe44a, 0x5ad85a, 0x4a9aff, 0x9a6aff};
    image.paint([&](float, float v) {
        int band = std::clamp(static_cast<int>(v * 6), 0, 5);
        Colour c = hex(colours[band]);
        c.a = 0.75f * smoothstep(0.0f, 0.08f, v) * smoothstep(1.0f, 0.92f, v);
        return c;
    });
    return cutout(std::move(image));
}

TexturePicture skep() {
    Image image(128);
    image.paint([](float u, float v) {
        float coil = std::fabs(std::sin((v * 14 + u * 0.5f) * pi));
        Colour c = mix(hex(0xc8902a), hex(0xffd25a), coil);
        return c * (0.9f + 0.2f * tiledNoise(u * 48, v * 24, 48, 221));
    });
    stripes(image, 40, hex(0xa8701a, 0.5f), 1.2f, true);
    planks(image, 0.7f, 0.85f, 1, hex(0xa06a3a), hex(0x6e4420), 222, true);
    verticalGradient(image, 0.85f, 1, hex(0x3a2410), hex(0x1a1008));
    return opaque(std::move(image));
}

TexturePicture boxHive() {
    Image image(128);
    planks(image, 0, 0.7f, 4, hex(0xffd84a), hex(0xd8a020), 231, true);
    image.rect(0, 0, 128, 6, hex(0xffffff));
    image.rect(0, 84, 128, 90, hex(0xffffff));
    planks(image, 0.7f, 0.85f, 1, hex(0x4a8ae8), hex(0x2a5ab8), 232, true);
    verticalGradient(image, 0.85f, 1, hex(0x3a2410), hex(0x1a1008));
    return opaque(std::move(image));
}

TexturePicture logHive() {
    Image image(128);
    bark(image, 0, 0.7f, hex(0x9a6a3a), hex(0x5a3a1a), 241);
    image.layer([](float u, float v, Colour under) {
        if (v < 0.7f || v >= 0.85f) return under;
        float r = std::fabs(std::sin(u * 40 * pi)) * 0.5f + std::fabs(std::sin(v * 80));
        return mix(hex(0xffc83a), hex(0xd8901a), clamp01(r * 0.5f));
    });
    verticalGradient(image, 0.85f, 1, hex(0x3a2410), hex(0x1a1008));
    return opaque(std::move(image));
}

TexturePicture exitGlow() {
    Image image(64);
    image.paint([](float u, float v) {
        float r = polarRadius(u, v), a = polarAngle(u, v);
        float rays = 0.5f + 0.5f * std::cos(a * 8);
        // Gold all over, so the sphere-mapped exit shines golden from any side.
        Colour c = mix(hex(0xfff0a0), hex(0xffb81a), smoothstep(0.0f, 0.6f, r));
        return mix(c, hex(0xfffbe0), rays * 0.3f);
    });
    return opaque(std::move(image));
}

SkyStyle skyStyle(int set) {
    switch (set) {
        case 3:  // a warm late afternoon
            return {hex(0x6f86e0), hex(0xffcf9e), hex(0xfff4ee), hex(0xf0a0b8), 0.55f, 303};
        case 11:  // a clear turquoise morning
            return {hex(0x1fa8e8), hex(0xd8fbff), hex(0xffffff), hex(0xb8d8f0), 0.25f, 311};
        case 21:  // a dreamy pastel day
            return {hex(0x8a86ea), hex(0xffd8ef), hex(0xffffff), hex(0xd8c0f0), 0.45f, 321};
        default:  // the classic blue with fluffy clouds
            return {hex(0x3a8ee6), hex(0xc4e8ff), hex(0xffffff), hex(0xb8c8e0), 0.5f, 302};
    }
}

// Faces in the order they follow each other going round the box (each continues its
// left neighbour): front, right, back, left.
int skyFaceIndex(std::string_view face) {
    if (face == "front") return 0;
    if (face == "right") return 1;
    if (face == "back") return 2;
    if (face == "left") return 3;
    return -1;
}

TexturePicture sky(int set, std::string_view face) {
    Image image(128);
    SkyStyle style = skyStyle(set);
    if (face == "up") {
        skyLid(image, style);
        return opaque(std::move(image));
    }
    int index = skyFaceIndex(face);
    skyWall(image, style, index, skyHorizonRow);
    if ((set == 2 || set == 11) && index == 0) cartoonSun(image, 84, 38, 12);
    return opaque(std::move(image));
}

const std::map<std::string, Painter, std::less<>>& painters() {
    static const std::map<std::string, Painter, std::less<>> table = {
        {"ziemia", [] { return meadow(11, hex(0x4fb83a), hex(0x94e050), 30); }},
        {"ziemia2", [] { return meadow(21, hex(0x8fcf3f), hex(0xcdea6a), 90); }},
        {"z2", clover},
        {"piasek", sand},
        {"droga", path},
        {"woda1",
         [] {
             Image image(128);
             water(image, hex(0x2a86d8), hex(0x5ccff0), 71);
             return opaque(std::move(image));
         }},
        {"lilie", lilyPad},
        {"most",
         [] {
             Image image(128);
             planks(image, 0, 1, 8, hex(0xc08048), hex(0x7a4a24), 81, false);
             return opaque(std::move(image));
         }},
        {"plot", picketFence},
        {"plot3", rusticFence},
        {"palki", posts},
        {"brama", gate},
        {"kamien", stone},
        {"konar", [] { return branch(hex(0x8a5a34), hex(0x5a3a20), 91, false); }},
        {"konary", [] { return branch(hex(0x7a6a58), hex(0x4a3e30), 92, true); }},
        {"drewno1", [] { return logs(hex(0x8a5a34), hex(0x5a3a20), hex(0xf0c888), 93); }},
        {"drewno2", [] { return logs(hex(0xd8d0c0), hex(0x6a6058), hex(0xffe0a8), 94); }},
        {"drewna",
         [] {
             Image image(128);
             planks(image, 0, 1, 5, hex(0xe0a060), hex(0x9a6030), 95, true);
             return opaque(std::move(image));
         }},
        {"muchomor1", [] { return mushroom(hex(0xff3a2a), hex(0xd81e1e), hex(0xffffff), 18, 1); }},
        {"muchomor2", [] { return mushroom(hex(0xb8702e), hex(0x8a4e1e), hex(0xe8b070), 6, 2); }},
        {"muchomor3", [] { return mushroom(hex(0xa866e8), hex(0x7a3ac8), hex(0xfff0a0), 14, 3); }},
        {"muchomor4", [] { return mushroom(hex(0xffd21f), hex(0xffa01a), hex(0xff6a1a), 14, 4); }},
        {"drzewo", [] { return leafyTree(hex(0x3aa03a), hex(0x86d850), 111, false); }},
        {"jablonka", [] { return leafyTree(hex(0x44a842), hex(0x9ae05a), 112, true); }},
        {"choinka1", spruce},
        {"wierzba", willow},
        {"biale2", birch},
        {"drzewa", treeLine},
        {"domy", houses},
        {"domek", cottage},
        {"mur", [] { return bricks(hex(0xd8643a), hex(0xf0dcc0)); }},
        {"mur1", townWall},
        {"mur2",
         [] {
             Image image(128);
             stones(image, 5, hex(0xc8ccd8), hex(0x8a90a8), hex(0x6a6a78), 261);
             return opaque(std::move(image));
         }},
        {"attyka2", parapet},
        {"balkon", balcony},
        {"dachy", roofs},
        {"okno", window},
        {"ludka", gnome},
        {"gory", mountains},
        {"tencza", rainbow},
        {"ul01", skep},
        {"ul02", boxHive},
        {"ul03", logHive},
        {"wyj", exitGlow},
    };
    return table;
}

}  // namespace

TexturePicture paintGardenTexture(std::string_view fileName) {
    std::string name(fileName);
    std::ranges::transform(name, name.begin(), [](unsigned char c) { return std::tolower(c); });
    if (name.ends_with(".srm")) name.resize(name.size() - 4);
    if (name.starts_with("niebo")) {
        size_t digits = 5;
        while (digits < name.size() && std::isdigit(static_cast<unsigned char>(name[digits]))) {
            ++digits;
        }
        std::string_view face = std::string_view(name).substr(digits);
        if (digits > 5 && (face == "up" || skyFaceIndex(face) >= 0)) {
            return sky(std::stoi(name.substr(5, digits - 5)), face);
        }
    }
    auto found = painters().find(name);
    if (found == painters().end()) {
        throw std::invalid_argument("no texture recipe for " + std::string(fileName));
    }
    return found->second();
}
