#include "painters.h"

#include <algorithm>
#include <cmath>

#include "geometry3.h"
#include "random.h"

namespace {

float side(const Image& image) {
    return static_cast<float>(image.side());
}

}  // namespace

void noiseFill(Image& image, Colour dark, Colour light, int period, int octaves, uint32_t seed,
               float contrast) {
    image.paint([&](float u, float v) {
        float n = tiledFbm(u * static_cast<float>(period), v * static_cast<float>(period), period,
                           octaves, seed);
        return mix(dark, light, clamp01(0.5f + (n - 0.5f) * 2 * contrast));
    });
}

void verticalGradient(Image& image, float top, float bottom, Colour from, Colour to) {
    image.layer([&](float, float v, Colour under) {
        if (v < top || v >= bottom) return under;
        return mix(from, to, (v - top) / (bottom - top));
    });
}

void stripes(Image& image, int count, Colour colour, float width, bool vertical) {
    image.layer([&](float u, float v, Colour under) {
        float p = (vertical ? u : v) * static_cast<float>(count);
        float d = std::fabs(p - std::round(p)) / static_cast<float>(count) * side(image);
        return mix(under, colour, colour.a * clamp01(width / 2 - d + 0.5f));
    });
}

void spots(Image& image, int count, float rMin, float rMax, Colour colour, uint32_t seed, float top,
           float bottom) {
    Random rng(seed);
    float s = side(image);
    for (int i = 0; i < count; ++i) {
        float r = rng.range(rMin, rMax);
        float x = rng.range(0, s);
        float y = rng.range(top * s + r, bottom * s - r);
        image.ellipse(x, y, r, r * rng.range(0.8f, 1.0f), colour);
    }
}

void grassStrokes(Image& image, int count, Colour dark, Colour light, uint32_t seed) {
    Random rng(seed);
    float s = side(image);
    for (int i = 0; i < count; ++i) {
        float x = rng.range(0, s), y = rng.range(0, s);
        float len = rng.range(2, 5) * s / 256;
        float lean = rng.range(-1, 1);
        Colour c = mix(dark, light, rng.unit());
        c.a = 0.7f;
        image.line(x, y, x + lean * len * 0.5f, y - len, std::max(1.0f, s / 200), c);
    }
}

void flowers(Image& image, int count, const Colour* colours, int colourCount, uint32_t seed) {
    Random rng(seed);
    float s = side(image);
    float r = std::max(1.0f, s / 160);
    for (int i = 0; i < count; ++i) {
        float x = rng.range(0, s), y = rng.range(0, s);
        Colour petal = colours[rng.below(colourCount)];
        for (int k = 0; k < 5; ++k) {
            float a = 2 * pi * static_cast<float>(k) / 5;
            image.ellipse(x + std::cos(a) * r * 1.2f, y + std::sin(a) * r * 1.2f, r, r, petal,
                          0.6f);
        }
        image.ellipse(x, y, r * 0.8f, r * 0.8f, hex(0xffd21f), 0.6f);
    }
}

void bark(Image& image, float top, float bottom, Colour base, Colour furrow, uint32_t seed) {
    image.layer([&](float u, float v, Colour under) {
        if (v < top || v >= bottom) return under;
        float n = tiledFbm(u * 8, v * 2, 8, 4, seed);
        float lines = std::fabs(std::sin((u * 10 + n * 1.5f) * pi * 2));
        float f = smoothstep(0.75f, 0.98f, lines);
        Colour c = mix(base, furrow, f * 0.8f);
        return c * (0.85f + 0.3f * tiledNoise(u * 16, v * 16, 16, seed + 3));
    });
}

void planks(Image& image, float top, float bottom, int count, Colour base, Colour grain,
            uint32_t seed, bool horizontal) {
    image.layer([&](float u, float v, Colour under) {
        if (v < top || v >= bottom) return under;
        float across = horizontal ? (v - top) / (bottom - top) : u;
        float along = horizontal ? u : v;
        float p = across * static_cast<float>(count);
        int board = static_cast<int>(p);
        float f = p - static_cast<float>(board);
        float shade = 0.88f + 0.2f * hashUnit(board, 0, seed);
        float g = tiledFbm(along * 4, f * 2 + static_cast<float>(board) * 3, 4, 3, seed);
        float streak = std::fabs(std::sin((g * 6 + f * 3) * pi));
        Colour c = mix(base, grain, smoothstep(0.7f, 1.0f, streak) * 0.6f) * shade;
        float edge = std::min(f, 1 - f) * side(image) / static_cast<float>(count) *
                     (horizontal ? (bottom - top) : 1);
        return mix(grain * 0.6f, c, smoothstep(0.3f, 1.5f, edge));
    });
}

void stones(Image& image, int period, Colour light, Colour dark, Colour mortar, uint32_t seed) {
    image.paint([&](float u, float v) {
        CellHit cell = tiledCells(u * static_cast<float>(period), v * static_cast<float>(period),
                                  period, seed);
        float tone = static_cast<float>(cell.id % 1000) / 1000.0f;
        Colour c = mix(dark, light, 0.3f + 0.7f * tone);
        float n = tiledFbm(u * 16, v * 16, 16, 3, seed + 5);
        c = c * (0.85f + 0.3f * n);
        c = c * (1.05f - 0.25f * smoothstep(0.2f, 0.6f, cell.distance));  // rounded look
        return mix(mortar, c, smoothstep(0.04f, 0.12f, cell.edge));
    });
}

void water(Image& image, Colour deep, Colour shallow, uint32_t seed) {
    image.paint([&](float u, float v) {
        float n = tiledFbm(u * 4, v * 4, 4, 4, seed);
        Colour c = mix(deep, shallow, n);
        float w = tiledFbm(u * 3 + 0.3f, v * 3, 3, 3, seed + 11) * 7;
        float ripple = std::fabs(w - std::round(w));
        return mix(c, hex(0xeafcff), smoothstep(0.06f, 0.0f, ripple) * 0.75f);
    });
}

namespace {

float cloudDensity(float x, float y, int period, const SkyStyle& style) {
    float n = tiledFbm(x, y, period, 5, style.seed);
    float threshold = 0.62f - 0.2f * style.cloudiness;
    return smoothstep(threshold, threshold + 0.12f, n);
}

Colour cloudColour(const SkyStyle& style, float density, float below) {
    // Puffy: the lower part of a cloud is shaded, the top stays white.
    Colour c = mix(style.cloud, style.cloudShade, clamp01(below) * 0.8f);
    c.a = density;
    return c;
}

}  // namespace

void skyWall(Image& image, const SkyStyle& style, int face, float horizonRow) {
    const int cells = 6;  // noise cells per face across
    image.paint([&](float u, float v) {
        float height = clamp01((horizonRow - v) / horizonRow);  // 0 at horizon, 1 at top
        Colour c = mix(style.horizon, style.zenith, std::pow(height, 0.7f));
        float x = (static_cast<float>(face) + u) * cells;
        float y = v * cells * 1.6f;
        float band = smoothstep(0.0f, 0.12f, height) * smoothstep(0.85f, 0.45f, height);
        float d = cloudDensity(x, y, cells * 4, style) * band;
        float dAbove = cloudDensity(x, y - 0.15f, cells * 4, style) * band;
        Colour cloud = cloudColour(style, d, dAbove - d + 0.4f);
        return mix(c, cloud, cloud.a);
    });
}

void skyLid(Image& image, const SkyStyle& style) {
    image.paint([&](float u, float v) {
        float edge = std::max(std::fabs(u - 0.5f), std::fabs(v - 0.5f)) * 2;
        float d = cloudDensity(u * 6 + 0.5f, v * 6 + 0.5f, 6, style) * smoothstep(0.8f, 0.4f, edge);
        Colour cloud = cloudColour(style, d * 0.9f, 0.3f);
        return mix(style.zenith, cloud, cloud.a);
    });
}

void cartoonSun(Image& image, float cx, float cy, float radius) {
    for (int k = 0; k < 12; ++k) {
        float a = 2 * pi * static_cast<float>(k) / 12;
        image.line(cx + std::cos(a) * radius * 1.2f, cy + std::sin(a) * radius * 1.2f,
                   cx + std::cos(a) * radius * 1.7f, cy + std::sin(a) * radius * 1.7f,
                   radius * 0.18f, hex(0xffd84a));
    }
    image.ellipse(cx, cy, radius * 1.1f, radius * 1.1f, hex(0xfff1a0, 0.6f), radius * 0.2f);
    image.ellipse(cx, cy, radius, radius, hex(0xffd21f));
    image.ellipse(cx - radius * 0.35f, cy - radius * 0.15f, radius * 0.1f, radius * 0.14f,
                  hex(0x7a4a10));
    image.ellipse(cx + radius * 0.35f, cy - radius * 0.15f, radius * 0.1f, radius * 0.14f,
                  hex(0x7a4a10));
    image.ellipse(cx - radius * 0.55f, cy + radius * 0.2f, radius * 0.16f, radius * 0.1f,
                  hex(0xff9a6a, 0.8f));
    image.ellipse(cx + radius * 0.55f, cy + radius * 0.2f, radius * 0.16f, radius * 0.1f,
                  hex(0xff9a6a, 0.8f));
    for (int k = 0; k <= 8; ++k) {
        float a = pi * (0.2f + 0.6f * static_cast<float>(k) / 8);
        float a2 = pi * (0.2f + 0.6f * static_cast<float>(k + 1) / 8);
        if (k == 8) break;
        image.line(cx + std::cos(a) * radius * 0.5f, cy + std::sin(a) * radius * 0.45f,
                   cx + std::cos(a2) * radius * 0.5f, cy + std::sin(a2) * radius * 0.45f,
                   radius * 0.08f, hex(0x7a4a10));
    }
}
