#include "menu_pictures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "art_tools.h"
#include "geometry3.h"
#include "text_art.h"

namespace {

const Colour ink = hex(0x3e2723);  // the outline of every picture

Colour flat(Colour c) {
    return c;
}

void fillShape(Image& image, Box bounds, const InsideTest& inside, Colour colour) {
    fillRegion(image, bounds.x0, bounds.y0, bounds.x1, bounds.y1, inside,
               [&](float, float) { return flat(colour); });
}

void fillShape(Image& image, Box bounds, const InsideTest& inside,
               const std::function<Colour(float, float)>& colour) {
    fillRegion(image, bounds.x0, bounds.y0, bounds.x1, bounds.y1, inside, colour);
}

InsideTest ellipseShape(float cx, float cy, float rx, float ry) {
    return [=](float x, float y) {
        const float dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1;
    };
}

// An ellipse with an outline of `edge` pixels.
void outlinedEllipse(Image& image, float cx, float cy, float rx, float ry, float edge, Colour fill,
                     Colour outline = ink) {
    const Box box{cx - rx - edge - 1, cy - ry - edge - 1, cx + rx + edge + 1, cy + ry + edge + 1};
    if (edge > 0) fillShape(image, box, ellipseShape(cx, cy, rx + edge, ry + edge), outline);
    fillShape(image, box, ellipseShape(cx, cy, rx, ry), fill);
}

// A polygon with an outline: the polygon drawn as thick lines in the outline colour first.
void outlinedPolygon(Image& image, const std::vector<Point2>& points, float edge, Colour fill,
                     Colour outline = ink) {
    for (size_t i = 0; i < points.size(); ++i) {
        const Point2& a = points[i];
        const Point2& b = points[(i + 1) % points.size()];
        image.line(a.x, a.y, b.x, b.y, edge * 2, outline);
    }
    fillPolygon(image, points, [&](float, float) { return fill; });
}

// A thick arrow from (x0, y0) to (x1, y1).
void arrow(Image& image, float x0, float y0, float x1, float y1, float width, Colour fill) {
    const float dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    const float ux = dx / len, uy = dy / len, nx = -uy, ny = ux;
    const float head = width * 2.2f, neck = len - head * 0.9f;
    auto at = [&](float along, float across) {
        return Point2{x0 + ux * along + nx * across, y0 + uy * along + ny * across};
    };
    outlinedPolygon(image,
                    {at(0, -width / 2), at(neck, -width / 2), at(neck, -head / 2), at(len, 0),
                     at(neck, head / 2), at(neck, width / 2), at(0, width / 2)},
                    width * 0.22f, fill);
}

void keycap(Image& image, float cx, float cy, float size) {
    const Box key{cx - size / 2, cy - size / 2, cx + size / 2, cy + size / 2};
    shadow(image, key, size * 0.16f, size * 0.05f, 0.35f);
    plate(image, key, size * 0.16f, size * 0.035f, ink, hex(0xb0bec5), hex(0x78909c));
    const Box top{key.x0 + size * 0.09f, key.y0 + size * 0.06f, key.x1 - size * 0.09f,
                  key.y1 - size * 0.16f};
    plate(image, top, size * 0.1f, 0, ink, hex(0xffffff), hex(0xe3eaee));
}

void arrowKey(Image& image, float cx, float cy, float size, bool up) {
    keycap(image, cx, cy, size);
    const float top = cy - size * 0.3f, bottom = cy + size * 0.2f;
    const float y0 = up ? bottom : top, y1 = up ? top : bottom;
    arrow(image, cx, y0, cx, y1, size * 0.13f, hex(0x1e88e5));
}

void escapeKey(Image& image, float cx, float cy, float size, const std::string& label) {
    keycap(image, cx, cy, size);
    const TextRoom room(
        {cx - size * 0.41f, cy - size * 0.44f, cx + size * 0.41f, cy + size * 0.34f});
    const TextMask text = setTextToFit(label, size * 0.24f, size * 0.62f);
    paintTextCentred(image, text, cx, cy - size * 0.05f,
                     {hex(0xd84315), hex(0xbf360c), hex(0xffffff), 0});
}

void mouse(Image& image, float cx, float cy, float size) {
    const float w = size * 0.34f, h = size * 0.5f;
    const Box body{cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2};
    shadow(image, body, w * 0.5f, size * 0.02f, 0.35f);
    plate(image, body, w * 0.5f, size * 0.025f, ink, hex(0xffffff), hex(0xcfd8dc));
    image.line(body.x0 + w * 0.1f, body.y0 + h * 0.42f, body.x1 - w * 0.1f, body.y0 + h * 0.42f,
               size * 0.02f, ink);
    image.line(cx, body.y0 + h * 0.04f, cx, body.y0 + h * 0.42f, size * 0.02f, ink);
    // Where it can go: left and right turn, up and down climb.
    const Colour green = hex(0x43a047);
    const float reach = size * 0.46f, near = size * 0.25f, width = size * 0.07f;
    arrow(image, cx - near, cy, cx - reach, cy, width, green);
    arrow(image, cx + near, cy, cx + reach, cy, width, green);
    arrow(image, cx, cy - h / 2 - size * 0.05f, cx, cy - reach - size * 0.02f, width, green);
    arrow(image, cx, cy + h / 2 + size * 0.02f, cx, cy + reach + size * 0.02f, width, green);
}

// A flower with its nectar spot glowing in the middle.
void nectarSpot(Image& image, float cx, float cy, float size) {
    const float glowRadius = size * 0.5f;
    image.ellipse(cx, cy, glowRadius, glowRadius, hex(0xfff59d, 0.35f), glowRadius * 0.6f);
    for (int k = 0; k < 6; ++k) {
        const float a = 2 * pi * static_cast<float>(k) / 6;
        const float px = cx + std::cos(a) * size * 0.2f, py = cy + std::sin(a) * size * 0.2f;
        fillTurnedEllipse(image, px, py, size * 0.17f, size * 0.11f, a, [](float along, float) {
            return mix(hex(0xf8bbd0), hex(0xec407a), clamp01(along * 0.5f + 0.5f));
        });
    }
    outlinedEllipse(image, cx, cy, size * 0.13f, size * 0.13f, size * 0.02f, hex(0xffeb3b),
                    hex(0xff8f00));
    image.ellipse(cx - size * 0.04f, cy - size * 0.04f, size * 0.04f, size * 0.04f, {1, 1, 1, 0.8f},
                  1.5f);
    // Sparkles: it glows.
    for (int k = 0; k < 4; ++k) {
        const float a = pi * (0.25f + 0.5f * static_cast<float>(k));
        const float sx = cx + std::cos(a) * size * 0.42f, sy = cy + std::sin(a) * size * 0.42f;
        const float r = size * 0.06f;
        image.line(sx - r, sy, sx + r, sy, size * 0.02f, hex(0xffd600));
        image.line(sx, sy - r, sx, sy + r, size * 0.02f, hex(0xffd600));
    }
}

InsideTest dropShape(float cx, float cy, float size) {
    // Round below, pointed on top; (cx, cy) the middle of the round part.
    const float radius = size * 0.3f;
    return [=](float x, float y) {
        const float dx = x - cx, dy = y - cy;
        if (dy >= 0) return dx * dx + dy * dy <= radius * radius;
        const float u = -dy / (size * 0.62f);
        return u <= 1 && std::fabs(dx) <= radius * std::pow(1 - u, 0.85f) * std::sqrt(1 + u * 0.6f);
    };
}

void drop(Image& image, float cx, float cy, float size) {
    const Box box{cx - size * 0.5f, cy - size * 0.8f, cx + size * 0.5f, cy + size * 0.5f};
    fillShape(image, box, dropShape(cx, cy, size * 1.12f), ink);
    fillShape(image, box, dropShape(cx, cy, size), [&](float, float y) {
        return mix(hex(0xffee58), hex(0xff8f00), clamp01((y - box.y0) / box.h()));
    });
    image.ellipse(cx - size * 0.1f, cy - size * 0.02f, size * 0.05f, size * 0.09f, {1, 1, 1, 0.7f},
                  1.5f);
}

// Five drops, three in front and two behind.
void drops(Image& image, float cx, float cy, float size) {
    const float places[5][2] = {
        {-0.17f, -0.12f}, {0.17f, -0.12f}, {-0.34f, 0.2f}, {0, 0.2f}, {0.34f, 0.2f}};
    for (const auto& place : places)
        drop(image, cx + place[0] * size, cy + place[1] * size, size * 0.3f);
}

void hive(Image& image, float cx, float cy, float size) {
    const Box body{cx - size * 0.32f, cy - size * 0.12f, cx + size * 0.32f, cy + size * 0.4f};
    shadow(image, body, size * 0.03f, size * 0.03f, 0.35f);
    plate(image, body, size * 0.03f, size * 0.025f, ink, hex(0xffd54f), hex(0xffa000));
    for (int k = 1; k < 4; ++k) {
        const float y = body.y0 + body.h() * static_cast<float>(k) / 4;
        image.line(body.x0 + size * 0.02f, y, body.x1 - size * 0.02f, y, size * 0.015f,
                   hex(0xbf7a00));
    }
    // The roof.
    outlinedPolygon(image,
                    {{cx - size * 0.44f, body.y0 + size * 0.02f},
                     {cx, cy - size * 0.42f},
                     {cx + size * 0.44f, body.y0 + size * 0.02f}},
                    size * 0.022f, hex(0x1e88e5));
    // The door and its landing board.
    outlinedEllipse(image, cx, cy + size * 0.16f, size * 0.09f, size * 0.09f, size * 0.02f,
                    hex(0x3e2723));
    plate(image, {cx - size * 0.14f, cy + size * 0.26f, cx + size * 0.14f, cy + size * 0.31f},
          size * 0.02f, size * 0.015f, ink, hex(0x8d6e63), hex(0x6d4c41));
}

void jar(Image& image, float cx, float cy, float size) {
    const Box glass{cx - size * 0.28f, cy - size * 0.26f, cx + size * 0.28f, cy + size * 0.42f};
    plate(image, glass, size * 0.1f, size * 0.025f, ink, hex(0xfff8e1), hex(0xffecb3));
    const Box honey{glass.x0 + size * 0.03f, glass.y0 + size * 0.06f, glass.x1 - size * 0.03f,
                    glass.y1 - size * 0.03f};
    plate(image, honey, size * 0.08f, 0, ink, hex(0xffca28), hex(0xef6c00));
    image.ellipse(glass.x0 + size * 0.11f, glass.cy(), size * 0.035f, size * 0.2f, {1, 1, 1, 0.6f},
                  2);
    plate(image,
          {cx - size * 0.32f, glass.y0 - size * 0.12f, cx + size * 0.32f, glass.y0 + size * 0.02f},
          size * 0.04f, size * 0.022f, ink, hex(0xef5350), hex(0xc62828));
    // A star: full.
    const float sx = cx + size * 0.3f, sy = cy - size * 0.3f, r = size * 0.13f;
    std::vector<Point2> star;
    for (int k = 0; k < 10; ++k) {
        const float a = -pi / 2 + pi * static_cast<float>(k) / 5;
        const float rr = k % 2 ? r * 0.45f : r;
        star.push_back({sx + std::cos(a) * rr, sy + std::sin(a) * rr});
    }
    outlinedPolygon(image, star, size * 0.015f, hex(0xffeb3b));
}

void butterfly(Image& image, float cx, float cy, float size) {
    for (float side : {-1.0f, 1.0f}) {
        outlinedEllipse(image, cx + side * size * 0.2f, cy - size * 0.12f, size * 0.2f,
                        size * 0.17f, size * 0.02f, hex(0xba68c8));
        outlinedEllipse(image, cx + side * size * 0.15f, cy + size * 0.13f, size * 0.13f,
                        size * 0.11f, size * 0.02f, hex(0xf06292));
        image.ellipse(cx + side * size * 0.22f, cy - size * 0.13f, size * 0.06f, size * 0.06f,
                      hex(0xfff59d), 1.5f);
    }
    outlinedEllipse(image, cx, cy, size * 0.04f, size * 0.22f, size * 0.015f, hex(0x5d4037));
    for (float side : {-1.0f, 1.0f}) {
        image.line(cx, cy - size * 0.2f, cx + side * size * 0.1f, cy - size * 0.36f, size * 0.015f,
                   ink);
    }
}

void dragonfly(Image& image, float cx, float cy, float size) {
    for (float side : {-1.0f, 1.0f}) {
        for (float k : {-1.0f, 1.0f}) {
            fillTurnedEllipse(image, cx + side * size * 0.22f, cy + k * size * 0.06f - size * 0.1f,
                              size * 0.22f, size * 0.06f, k * side * 0.25f,
                              [](float, float) { return hex(0xb3e5fc, 0.85f); });
        }
    }
    outlinedEllipse(image, cx, cy + size * 0.08f, size * 0.035f, size * 0.3f, size * 0.014f,
                    hex(0x26a69a));
    outlinedEllipse(image, cx, cy - size * 0.24f, size * 0.07f, size * 0.06f, size * 0.014f,
                    hex(0x00897b));
}

void thieves(Image& image, float cx, float cy, float size) {
    butterfly(image, cx - size * 0.22f, cy, size * 0.8f);
    dragonfly(image, cx + size * 0.32f, cy + size * 0.02f, size * 0.8f);
}

void alarmClock(Image& image, float cx, float cy, float size) {
    const float radius = size * 0.34f;
    for (float side : {-1.0f, 1.0f}) {
        outlinedEllipse(image, cx + side * radius * 0.72f, cy - radius * 0.9f, radius * 0.34f,
                        radius * 0.26f, size * 0.02f, hex(0xffc107));
    }
    for (float side : {-1.0f, 1.0f}) {
        image.line(cx + side * radius * 0.5f, cy + radius * 0.8f, cx + side * radius * 0.75f,
                   cy + radius * 1.15f, size * 0.04f, ink);
    }
    outlinedEllipse(image, cx, cy, radius, radius, size * 0.025f, hex(0xe53935));
    outlinedEllipse(image, cx, cy, radius * 0.78f, radius * 0.78f, 0, hex(0xfffde7));
    for (int k = 0; k < 12; ++k) {
        const float a = 2 * pi * static_cast<float>(k) / 12;
        image.ellipse(cx + std::cos(a) * radius * 0.64f, cy + std::sin(a) * radius * 0.64f,
                      size * 0.012f, size * 0.012f, ink, 1);
    }
    image.line(cx, cy, cx, cy - radius * 0.5f, size * 0.035f, hex(0x1a237e));
    image.line(cx, cy, cx + radius * 0.38f, cy + radius * 0.1f, size * 0.035f, hex(0x1a237e));
    image.ellipse(cx, cy, size * 0.03f, size * 0.03f, hex(0xe53935), 1);
    // A plus: more time.
    const float px = cx + size * 0.38f, py = cy + size * 0.3f, r = size * 0.1f;
    plate(image, {px - r, py - r * 0.35f, px + r, py + r * 0.35f}, r * 0.3f, size * 0.012f, ink,
          hex(0x66bb6a), hex(0x2e7d32));
    plate(image, {px - r * 0.35f, py - r, px + r * 0.35f, py + r}, r * 0.3f, size * 0.012f, ink,
          hex(0x66bb6a), hex(0x2e7d32));
    image.rect(px - r * 0.33f, py - r * 0.33f, px + r * 0.33f, py + r * 0.33f, hex(0x4caf50));
}

}  // namespace

InsideTest roundedBox(Box box, float radius) {
    return [=](float x, float y) {
        const float dx = std::max({box.x0 + radius - x, 0.0f, x - (box.x1 - radius)});
        const float dy = std::max({box.y0 + radius - y, 0.0f, y - (box.y1 - radius)});
        return x >= box.x0 && x <= box.x1 && y >= box.y0 && y <= box.y1 &&
               dx * dx + dy * dy <= radius * radius;
    };
}

void plate(Image& image, Box box, float radius, float edge, Colour edgeColour, Colour top,
           Colour bottom) {
    if (edge > 0) fillShape(image, box, roundedBox(box, radius), edgeColour);
    const Box inner = box.grown(-edge);
    fillShape(image, inner, roundedBox(inner, std::max(radius - edge, 0.0f)), [&](float, float y) {
        return mix(top, bottom, clamp01((y - inner.y0) / inner.h()));
    });
}

void shadow(Image& image, Box box, float radius, float offset, float alpha) {
    const Box moved{box.x0 + offset, box.y0 + offset * 1.5f, box.x1 + offset,
                    box.y1 + offset * 1.5f};
    fillShape(image, moved.grown(1), roundedBox(moved, radius), Colour{0.1f, 0.05f, 0, alpha});
}

void paintBee(Image& image, float cx, float cy, float size) {
    const float rx = size * 0.36f, ry = size * 0.26f, edge = std::max(2.0f, size * 0.025f);
    const Colour wing = hex(0xe1f5fe, 0.85f);
    // Wings behind the body.
    fillTurnedEllipse(image, cx - size * 0.08f, cy - ry * 1.25f, size * 0.2f + edge,
                      size * 0.12f + edge, -0.5f, [](float, float) { return hex(0x4fc3f7); });
    fillTurnedEllipse(image, cx - size * 0.08f, cy - ry * 1.25f, size * 0.2f, size * 0.12f, -0.5f,
                      [&](float, float) { return wing; });
    fillTurnedEllipse(image, cx + size * 0.1f, cy - ry * 1.3f, size * 0.17f + edge,
                      size * 0.1f + edge, -1.1f, [](float, float) { return hex(0x4fc3f7); });
    fillTurnedEllipse(image, cx + size * 0.1f, cy - ry * 1.3f, size * 0.17f, size * 0.1f, -1.1f,
                      [&](float, float) { return wing; });
    // The sting.
    outlinedPolygon(image,
                    {{cx - rx * 0.9f, cy - ry * 0.18f},
                     {cx - rx * 1.28f, cy + ry * 0.05f},
                     {cx - rx * 0.9f, cy + ry * 0.25f}},
                    edge * 0.6f, hex(0x4e342e));
    // The body, striped.
    const Box body{cx - rx - edge, cy - ry - edge, cx + rx + edge, cy + ry + edge};
    fillShape(image, body, ellipseShape(cx, cy, rx + edge, ry + edge), ink);
    fillShape(image, body, ellipseShape(cx, cy, rx, ry), [&](float x, float y) {
        const float u = (x - (cx - rx)) / (2 * rx);
        const bool stripe = (u > 0.2f && u < 0.34f) || (u > 0.48f && u < 0.62f);
        if (stripe) return hex(0x3e2723);
        return mix(hex(0xffee58), hex(0xffa000), clamp01((y - (cy - ry)) / (2 * ry)));
    });
    image.ellipse(cx - rx * 0.1f, cy - ry * 0.55f, rx * 0.35f, ry * 0.16f, {1, 1, 1, 0.45f}, 2);
    // The head: big eye, a smile and two feelers.
    const float hx = cx + rx * 1.05f, hy = cy - ry * 0.25f, hr = ry * 0.72f;
    for (float side : {-0.35f, 0.35f}) {
        const float ax = hx + side * hr + hr * 0.3f, ay = hy - hr * 1.75f;
        image.line(hx + side * hr * 0.5f, hy - hr * 0.7f, ax, ay, edge * 1.1f, ink);
        image.ellipse(ax, ay, edge * 1.8f, edge * 1.8f, ink, 1);
    }
    outlinedEllipse(image, hx, hy, hr, hr, edge, hex(0xffd54f));
    outlinedEllipse(image, hx + hr * 0.32f, hy - hr * 0.2f, hr * 0.3f, hr * 0.36f, 0,
                    hex(0xffffff));
    image.ellipse(hx + hr * 0.42f, hy - hr * 0.15f, hr * 0.16f, hr * 0.2f, hex(0x1b1b1b), 1);
    image.ellipse(hx + hr * 0.46f, hy - hr * 0.24f, hr * 0.06f, hr * 0.06f, hex(0xffffff), 1);
    image.ellipse(hx + hr * 0.05f, hy + hr * 0.25f, hr * 0.14f, hr * 0.1f, hex(0xff8a80, 0.8f),
                  1.5f);
    for (int k = 0; k < 8; ++k) {
        const float a0 = pi * (0.15f + 0.5f * static_cast<float>(k) / 8);
        const float a1 = pi * (0.15f + 0.5f * static_cast<float>(k + 1) / 8);
        const float sx = hx + hr * 0.3f, sy = hy + hr * 0.05f, r = hr * 0.45f;
        image.line(sx + std::cos(a0) * r, sy + std::sin(a0) * r, sx + std::cos(a1) * r,
                   sy + std::sin(a1) * r, edge * 0.9f, ink);
    }
}

void paintPageIcon(Image& image, PageIcon icon, float cx, float cy, float size,
                   const std::string& keyLabel) {
    switch (icon) {
        case PageIcon::none:
            return;
        case PageIcon::mouse:
            mouse(image, cx, cy, size);
            return;
        case PageIcon::arrowUp:
            arrowKey(image, cx, cy, size * 0.72f, true);
            return;
        case PageIcon::arrowDown:
            arrowKey(image, cx, cy, size * 0.72f, false);
            return;
        case PageIcon::escapeKey:
            escapeKey(image, cx, cy, size * 0.72f, keyLabel);
            return;
        case PageIcon::nectar:
            nectarSpot(image, cx, cy, size);
            return;
        case PageIcon::drops:
            drops(image, cx, cy, size);
            return;
        case PageIcon::hive:
            hive(image, cx, cy, size);
            return;
        case PageIcon::jar:
            jar(image, cx, cy, size);
            return;
        case PageIcon::thief:
            thieves(image, cx, cy, size);
            return;
        case PageIcon::clock:
            alarmClock(image, cx, cy, size);
            return;
    }
}

void paintButtonIcon(Image& image, ButtonIcon icon, float cx, float cy, float size) {
    const float edge = std::max(2.0f, size * 0.06f);
    switch (icon) {
        case ButtonIcon::none:
            return;
        case ButtonIcon::bee:
            paintBee(image, cx - size * 0.1f, cy + size * 0.08f, size * 0.8f);
            return;
        case ButtonIcon::play:
            outlinedEllipse(image, cx, cy, size * 0.45f, size * 0.45f, edge, hex(0x66bb6a));
            outlinedPolygon(image,
                            {{cx - size * 0.14f, cy - size * 0.22f},
                             {cx + size * 0.24f, cy},
                             {cx - size * 0.14f, cy + size * 0.22f}},
                            edge * 0.5f, hex(0xffffff));
            return;
        case ButtonIcon::gear: {
            std::vector<Point2> teeth;
            for (int k = 0; k < 32; ++k) {
                const float a = 2 * pi * static_cast<float>(k) / 32;
                const float r = (k / 2) % 2 ? size * 0.36f : size * 0.47f;
                teeth.push_back({cx + std::cos(a) * r, cy + std::sin(a) * r});
            }
            outlinedPolygon(image, teeth, edge * 0.6f, hex(0x90a4ae));
            outlinedEllipse(image, cx, cy, size * 0.14f, size * 0.14f, edge * 0.6f, hex(0xeceff1));
            return;
        }
        case ButtonIcon::mouse: {
            const Box body{cx - size * 0.24f, cy - size * 0.4f, cx + size * 0.24f,
                           cy + size * 0.4f};
            plate(image, body, size * 0.24f, edge, ink, hex(0xffffff), hex(0xcfd8dc));
            image.line(body.x0 + size * 0.04f, cy - size * 0.08f, body.x1 - size * 0.04f,
                       cy - size * 0.08f, edge * 0.7f, ink);
            image.line(cx, body.y0 + size * 0.03f, cx, cy - size * 0.08f, edge * 0.7f, ink);
            return;
        }
        case ButtonIcon::cup:
            outlinedPolygon(image,
                            {{cx - size * 0.38f, cy - size * 0.4f},
                             {cx + size * 0.38f, cy - size * 0.4f},
                             {cx + size * 0.3f, cy - size * 0.05f},
                             {cx + size * 0.08f, cy + size * 0.12f},
                             {cx + size * 0.08f, cy + size * 0.26f},
                             {cx + size * 0.24f, cy + size * 0.3f},
                             {cx + size * 0.24f, cy + size * 0.42f},
                             {cx - size * 0.24f, cy + size * 0.42f},
                             {cx - size * 0.24f, cy + size * 0.3f},
                             {cx - size * 0.08f, cy + size * 0.26f},
                             {cx - size * 0.08f, cy + size * 0.12f},
                             {cx - size * 0.3f, cy - size * 0.05f}},
                            edge * 0.6f, hex(0xffc107));
            image.ellipse(cx - size * 0.16f, cy - size * 0.2f, size * 0.05f, size * 0.12f,
                          {1, 1, 1, 0.7f}, 1.5f);
            return;
        case ButtonIcon::heart: {
            std::vector<Point2> heart;
            for (int k = 0; k < 48; ++k) {
                const float t = 2 * pi * static_cast<float>(k) / 48;
                const float x = 16 * std::pow(std::sin(t), 3.0f);
                const float y =
                    13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
                heart.push_back({cx + x * size * 0.028f, cy - y * size * 0.028f + size * 0.04f});
            }
            outlinedPolygon(image, heart, edge * 0.6f, hex(0xef5350));
            return;
        }
        case ButtonIcon::door: {
            const Box frame{cx - size * 0.28f, cy - size * 0.44f, cx + size * 0.28f,
                            cy + size * 0.44f};
            plate(image, frame, size * 0.06f, edge, ink, hex(0xa1887f), hex(0x6d4c41));
            outlinedPolygon(image,
                            {{frame.x0 + edge, frame.y0 + edge},
                             {cx + size * 0.1f, frame.y0 + size * 0.1f},
                             {cx + size * 0.1f, frame.y1 - size * 0.02f},
                             {frame.x0 + edge, frame.y1 - edge}},
                            edge * 0.5f, hex(0xffcc80));
            image.ellipse(cx - size * 0.02f, cy, size * 0.04f, size * 0.04f, ink, 1);
            return;
        }
        case ButtonIcon::back:
            // A honey-coloured arrow pointing back, to the left.
            arrow(image, cx + size * 0.42f, cy, cx - size * 0.46f, cy, size * 0.3f, hex(0xffca28));
            return;
    }
}

void paintPointerArrow(Image& image, float tipX, float tipY, float size) {
    auto shape = [&](float grow) {
        const float g = grow;
        return std::vector<Point2>{{tipX - g * 0.5f, tipY - g * 1.4f},
                                   {tipX + size * 0.62f + g * 1.6f, tipY + size * 0.62f + g * 0.3f},
                                   {tipX + size * 0.3f + g * 0.4f, tipY + size * 0.66f + g},
                                   {tipX + size * 0.5f + g, tipY + size * 0.98f + g * 0.6f},
                                   {tipX + size * 0.36f, tipY + size * 1.05f + g * 1.2f},
                                   {tipX + size * 0.19f - g * 0.3f, tipY + size * 0.74f + g * 0.3f},
                                   {tipX - g * 0.9f, tipY + size * 0.9f + g * 1.4f}};
    };
    const float edge = size * 0.07f;
    fillPolygon(image, shape(edge), [](float, float) { return ink; });
    const auto inner = shape(0);
    fillPolygon(image, inner, [&](float x, float y) {
        // Bee stripes across the arrow.
        const float along = ((x - tipX) + (y - tipY)) / size;
        if (std::fmod(along + 10, 0.42f) > 0.3f) return hex(0x3e2723);
        return mix(hex(0xfff176), hex(0xffb300), clamp01(along / 1.4f));
    });
}
