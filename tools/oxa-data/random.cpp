#include "random.h"

#include <cmath>

uint64_t Random::next() {
    // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

uint32_t hash3(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = x * 0x8DA6B343u ^ y * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x85EBCA6Bu;
    h ^= h >> 16;
    return h;
}

int wrap(int v, int period) {
    int r = v % period;
    return r < 0 ? r + period : r;
}

float smooth(float t) {
    return t * t * (3 - 2 * t);
}

}  // namespace

float hashUnit(int x, int y, uint32_t seed) {
    return static_cast<float>(hash3(static_cast<uint32_t>(x), static_cast<uint32_t>(y), seed) >>
                              8) /
           static_cast<float>(1u << 24);
}

float tiledNoise(float x, float y, int period, uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = smooth(x - fx), ty = smooth(y - fy);
    int x0 = wrap(ix, period), x1 = wrap(ix + 1, period);
    int y0 = wrap(iy, period), y1 = wrap(iy + 1, period);
    float a = hashUnit(x0, y0, seed), b = hashUnit(x1, y0, seed);
    float c = hashUnit(x0, y1, seed), d = hashUnit(x1, y1, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

float tiledFbm(float x, float y, int period, int octaves, uint32_t seed) {
    float sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += tiledNoise(x, y, period, seed + static_cast<uint32_t>(o) * 101u) * weight;
        total += weight;
        x *= 2;
        y *= 2;
        period *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}

CellHit tiledCells(float x, float y, int period, uint32_t seed) {
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    float best = 1e9f, second = 1e9f;
    uint32_t bestId = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            int cx = ix + dx, cy = iy + dy;
            int wx = wrap(cx, period), wy = wrap(cy, period);
            float px = static_cast<float>(cx) + 0.15f + 0.7f * hashUnit(wx, wy, seed);
            float py = static_cast<float>(cy) + 0.15f + 0.7f * hashUnit(wx, wy, seed + 7);
            float d = std::hypot(px - x, py - y);
            if (d < best) {
                second = best;
                best = d;
                bestId = hash3(static_cast<uint32_t>(wx), static_cast<uint32_t>(wy), seed);
            } else if (d < second) {
                second = d;
            }
        }
    }
    return {best, second - best, bestId};
}
