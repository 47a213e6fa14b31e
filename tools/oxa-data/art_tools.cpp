#include "art_tools.h"

#include <algorithm>
#include <cmath>

void fillRegion(Image& image, float x0, float y0, float x1, float y1,
                const std::function<bool(float, float)>& inside,
                const std::function<Colour(float, float)>& colour) {
    constexpr int samples = 4;
    for (int y = static_cast<int>(std::floor(y0)); y <= static_cast<int>(std::ceil(y1)); ++y) {
        for (int x = static_cast<int>(std::floor(x0)); x <= static_cast<int>(std::ceil(x1)); ++x) {
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    float px = static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / samples;
                    float py = static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / samples;
                    hits += inside(px, py) ? 1 : 0;
                }
            }
            if (hits == 0) continue;
            float coverage = static_cast<float>(hits) / (samples * samples);
            Colour c = colour(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            float k = coverage * c.a;
            Colour& p = image.at(x, y);
            float alpha = p.a + (1 - p.a) * k;
            // Over a transparent pixel the new colour is taken whole: no dark fringe.
            float w = alpha > 0 ? k / alpha : 1;
            p = mix(p, {c.r, c.g, c.b, 1}, w);
            p.a = alpha;
        }
    }
}

bool insidePolygon(const std::vector<Point2>& points, float x, float y) {
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Point2& a = points[i];
        const Point2& b = points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

void fillPolygon(Image& image, const std::vector<Point2>& points,
                 const std::function<Colour(float, float)>& colour) {
    float x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
    for (const Point2& p : points) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    fillRegion(
        image, x0, y0, x1, y1, [&](float x, float y) { return insidePolygon(points, x, y); },
        colour);
}

void fillTurnedEllipse(Image& image, float cx, float cy, float rx, float ry, float angle,
                       const std::function<Colour(float, float)>& colour) {
    const float c = std::cos(angle), s = std::sin(angle);
    const float reach = std::max(rx, ry) + 1;
    auto local = [=](float x, float y) {
        float dx = x - cx, dy = y - cy;
        return Point2{(dx * c + dy * s) / rx, (-dx * s + dy * c) / ry};
    };
    fillRegion(
        image, cx - reach, cy - reach, cx + reach, cy + reach,
        [&](float x, float y) {
            Point2 p = local(x, y);
            return p.x * p.x + p.y * p.y <= 1;
        },
        [&](float x, float y) {
            Point2 p = local(x, y);
            return colour(p.x, p.y);
        });
}

void bleedColours(Image& image) {
    const int side = image.side();
    std::vector<char> known(static_cast<size_t>(side * side));
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            known[static_cast<size_t>(y * side + x)] = image.at(x, y).a > 0.01f;
    }
    // Grow the visible colours outwards a ring at a time; a few rings cover every mip level
    // that still shows the shape.
    for (int pass = 0; pass < 16; ++pass) {
        std::vector<char> next = known;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                if (known[static_cast<size_t>(y * side + x)]) continue;
                float r = 0, g = 0, b = 0;
                int n = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        int nx = (x + dx + side) % side, ny = (y + dy + side) % side;
                        if (!known[static_cast<size_t>(ny * side + nx)]) continue;
                        const Colour& c = image.at(nx, ny);
                        r += c.r, g += c.g, b += c.b, ++n;
                    }
                }
                if (n == 0) continue;
                Colour& p = image.at(x, y);
                p = {r / static_cast<float>(n), g / static_cast<float>(n),
                     b / static_cast<float>(n), p.a};
                next[static_cast<size_t>(y * side + x)] = 1;
            }
        }
        known.swap(next);
    }
}

Image flipped(const Image& image) {
    Image out(image.side());
    for (int y = 0; y < image.side(); ++y) {
        for (int x = 0; x < image.side(); ++x) out.at(x, y) = image.at(x, image.side() - 1 - y);
    }
    return out;
}
