#include "paint.h"

#include <algorithm>
#include <cmath>

Colour hex(uint32_t rgb, float alpha) {
    return {static_cast<float>((rgb >> 16) & 255) / 255, static_cast<float>((rgb >> 8) & 255) / 255,
            static_cast<float>(rgb & 255) / 255, alpha};
}

Colour mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

float smoothstep(float e0, float e1, float x) {
    float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

Image::Image(int side, Colour fill)
    : side_(side), pixels_(static_cast<size_t>(side) * static_cast<size_t>(side), fill) {}

void Image::paint(const std::function<Colour(float, float)>& f) {
    layer([&](float u, float v, Colour) { return f(u, v); });
}

void Image::layer(const std::function<Colour(float, float, Colour)>& f) {
    for (int y = 0; y < side_; ++y) {
        for (int x = 0; x < side_; ++x) {
            Colour& p = pixels_[static_cast<size_t>(y * side_ + x)];
            p = f((static_cast<float>(x) + 0.5f) / static_cast<float>(side_),
                  (static_cast<float>(y) + 0.5f) / static_cast<float>(side_), p);
        }
    }
}

void Image::blend(int x, int y, Colour c, float coverage) {
    float k = clamp01(coverage) * c.a;
    if (k <= 0) return;
    Colour& p = at(x, y);
    Colour over = c;
    over.a = 1;
    float alpha = p.a + (1 - p.a) * k;
    p = mix(p, over, k);
    p.a = alpha;
}

void Image::ellipse(float cx, float cy, float rx, float ry, Colour c, float soft) {
    int x0 = static_cast<int>(std::floor(cx - rx - soft)), x1 = static_cast<int>(cx + rx + soft);
    int y0 = static_cast<int>(std::floor(cy - ry - soft)), y1 = static_cast<int>(cy + ry + soft);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            float dx = (static_cast<float>(x) + 0.5f - cx) / rx;
            float dy = (static_cast<float>(y) + 0.5f - cy) / ry;
            float d = (std::sqrt(dx * dx + dy * dy) - 1) * std::min(rx, ry);
            blend(x, y, c, 0.5f - d / (2 * soft));
        }
    }
}

void Image::rect(float x0, float y0, float x1, float y1, Colour c, float soft) {
    for (int y = static_cast<int>(std::floor(y0 - 1)); y <= static_cast<int>(y1 + 1); ++y) {
        for (int x = static_cast<int>(std::floor(x0 - 1)); x <= static_cast<int>(x1 + 1); ++x) {
            float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
            float inside = std::min({px - x0, x1 - px, py - y0, y1 - py});
            blend(x, y, c, 0.5f + inside / (2 * soft));
        }
    }
}

void Image::line(float x0, float y0, float x1, float y1, float width, Colour c) {
    float len = std::hypot(x1 - x0, y1 - y0);
    int steps = std::max(1, static_cast<int>(len * 2));
    for (int i = 0; i <= steps; ++i) {
        float t = static_cast<float>(i) / static_cast<float>(steps);
        float r = width / 2;
        float cx = x0 + (x1 - x0) * t, cy = y0 + (y1 - y0) * t;
        for (int y = static_cast<int>(std::floor(cy - r - 1)); y <= static_cast<int>(cy + r + 1);
             ++y) {
            for (int x = static_cast<int>(std::floor(cx - r - 1));
                 x <= static_cast<int>(cx + r + 1); ++x) {
                float d = std::hypot(static_cast<float>(x) + 0.5f - cx,
                                     static_cast<float>(y) + 0.5f - cy) -
                          r;
                if (d < 0.5f) {
                    Colour& p = at(x, y);
                    float k = clamp01(0.5f - d) * c.a;
                    if (k > 0) {
                        float alpha = p.a + (1 - p.a) * k;
                        Colour o = c;
                        o.a = 1;
                        p = mix(p, o, k);
                        p.a = alpha;
                    }
                }
            }
        }
    }
}

void Image::blit(const Image& source, int top, int bottom) {
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < side_; ++x) {
            int sx = x * source.side() / side_;
            int sy = (y - top) * source.side() / (bottom - top);
            at(x, y) = source.at(sx, sy);
        }
    }
}
